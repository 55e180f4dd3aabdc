#include "app/run_mode.h"

namespace lumivel {

RunModeChoice ChooseRunMode(const std::string& argument1) {
  RunModeChoice choice;
  const Text argument = Utf8ToCp1252(argument1);
  if (argument.size() >= 2) choice.secondCharacter = argument.substr(1, 1);
  if (choice.secondCharacter == "s" || choice.secondCharacter == "p") {
    choice.setsApplicationTitle = true;
  } else if (choice.secondCharacter == "c") {
    choice.mode = RunMode::OptionsDialog;
  }
  return choice;
}

}  // namespace lumivel
