#pragma once
// The run mode chosen by the second character of the first command-line argument.
#include <string>

#include "util/cp1252.h"

namespace lumivel {

enum class RunMode { Show, OptionsDialog };

struct RunModeChoice {
  RunMode mode = RunMode::Show;
  bool setsApplicationTitle = false;  // "Lumivel" for "s" and "p"
  Text secondCharacter;               // empty when the argument is shorter than two characters
};

// argument1 as the system passes it, in UTF-8: its characters are counted in code page 1252, so
// an accented letter is one character, as it is to the user who typed it.
RunModeChoice ChooseRunMode(const std::string& argument1);

}  // namespace lumivel
