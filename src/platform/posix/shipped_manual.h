#pragma once
// The user manual that comes with the program, put where the help button opens it: the data
// folder. A build folder holds it beside the program; an installed program finds it in its
// documentation folder, so it needs nothing from the source checkout.
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace lumivel {

inline constexpr const char* kManualFileName = "Lumivel_Manuel.pdf";

// The manual beside the program in programDir, else in the documentation folder docFromProgram
// (relative to programDir, as "../share/doc/lumivel" is); nothing when neither holds it.
std::optional<std::string> FindShippedManual(const std::string& programDir,
                                             const std::string& docFromProgram);

// Copies the shipped manual (a host path) into dataDir (a program path, created when missing)
// when the data folder has none or another one (its time differs from the shipped one's). Failing is silent: the help button then says
// that the manual is missing.
void PlaceManual(FileSystem& fs, const std::string& shipped, const Text& dataDir);

}  // namespace lumivel
