#include "app/run_mode.h"

namespace lumivel {

RunModeChoice ChooseRunMode(const std::string& argument1) {
  RunModeChoice choice;
  if (argument1.size() >= 2) choice.secondCharacter = argument1.substr(1, 1);
  if (choice.secondCharacter == "s" || choice.secondCharacter == "p") {
    choice.setsApplicationTitle = true;
  } else if (choice.secondCharacter == "c") {
    choice.mode = RunMode::OptionsDialog;
  }
  return choice;
}

}  // namespace lumivel
