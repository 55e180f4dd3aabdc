#pragma once
// A shell script standing for an outside program: it records its working folder and arguments.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumivel::testing {

// Writes an executable script that records its working folder and then its arguments, one a line,
// into `record` (written whole, then renamed, so a reader never sees half of it), then runs `extra`.
void WriteRecorder(const std::filesystem::path& script, const std::filesystem::path& record,
                   const std::string& extra = "");

// The lines a recorder wrote, once it has written them (waiting up to ten seconds); nothing if it
// never does.
std::optional<std::vector<std::string>> AwaitRecord(const std::filesystem::path& record);

}  // namespace lumivel::testing
