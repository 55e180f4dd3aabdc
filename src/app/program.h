#pragma once
// The program from its command line to its exit code, shared by both views.
#include <functional>
#include <string>

#include "app/tdiapo.h"
#include "ui/application.h"

namespace lumivel {

// Told the window's controls (and the main window, when that is the window) just before the window
// goes away, also when the run is cut short by an exception the program does not handle.
using FinishingHook = std::function<void(ControlSet& controls, Tdiapo* diapo)>;

// Runs the program in the mode argument 1 chooses; returns the exit code.
int RunProgram(Application& app, Toolkit& toolkit, Services& services, const std::string& argument1,
               const FinishingHook& finishing = {});

}  // namespace lumivel
