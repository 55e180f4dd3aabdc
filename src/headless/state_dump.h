#pragma once
// The JSON written by --dump: every control by its name, and the main window's state.
#include <string>

#include "ui/controls.h"

namespace lumivel {

class Tdiapo;

std::string DumpState(const ControlSet& controls, const Tdiapo* diapo);

}  // namespace lumivel
