#pragma once
// The run mode chosen by the second character of the first command-line argument.
#include <string>

namespace lumivel {

enum class RunMode { Show, OptionsDialog };

struct RunModeChoice {
  RunMode mode = RunMode::Show;
  bool setsApplicationTitle = false;  // "Lumivel" for "s" and "p"
  std::string secondCharacter;        // empty when the argument is shorter than two characters
};

RunModeChoice ChooseRunMode(const std::string& argument1);

}  // namespace lumivel
