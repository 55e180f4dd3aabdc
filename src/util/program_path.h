#pragma once
// Pieces of program paths (drive letter and backslashes).
#include "util/cp1252.h"

namespace lumivel {

// Everything before the last backslash; a drive's root keeps its backslash ("C:\").
Text DirectoryPart(const Text& path);
// Everything after the last backslash.
Text FileNamePart(const Text& path);
// From the last '.' of the file-name part (after the last '\' or ':'), the dot included; empty
// when the name has no dot.
Text ExtensionOf(const Text& path);
Text LowerCase(const Text& text);

}  // namespace lumivel
