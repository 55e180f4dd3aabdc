#pragma once
// Runs the whole program headless on a temporary drive C, as a person would use it, and reads
// back what it showed (the transcript), its state (the dump) and the files it left.
#include <filesystem>
#include <string>
#include <vector>

#include "support/json.h"
#include "support/test_support.h"

namespace lumivel::testing {

struct ScenarioResult {
  int exitCode = -1;
  std::vector<std::string> transcript;  // "<ms> <kind> <details>" lines, UTF-8
  Json dump;

  // Transcript lines whose kind is `kind`, without their time.
  std::vector<std::string> Events(const std::string& kind) const;
  bool Saw(const std::string& kind, const std::string& details) const;
  const Json& Control(const std::string& name) const { return dump["controls"][name]; }
  const Json& State(const std::string& name) const { return dump["state"][name]; }
};

class Scenario {
 public:
  Scenario();
  // Host folder standing for drive C.
  const std::filesystem::path& DriveC() const { return driveC_.Path(); }
  // Host path of a program path on drive C ("C:\\Lumivel\\x" -> <drive>/Lumivel/x).
  std::filesystem::path Host(const std::string& programPath) const;
  // Writes a file given by its program path on drive C; the bytes are written as they are.
  void WriteFile(const std::string& programPath, const std::string& bytes) const;
  std::string ReadFile(const std::string& programPath) const;
  bool Exists(const std::string& programPath) const;

  // Extra environment for the run (NAME=value).
  std::vector<std::string> environment;
  // The program run: the headless program of the build unless a test installed a copy elsewhere.
  std::string program;
  std::string screen = "1920x1080";
  // The program's stack limit in KiB (0: the system's).
  int stackKiB = 0;

  ScenarioResult Run(const std::string& script, const std::string& argument1 = "/s", long forMs = -1) const;
  // The same run, sent `signal` after `afterMs` milliseconds of real time.
  ScenarioResult RunThenSignal(const std::string& script, int signal, int afterMs, const std::string& argument1 = "/s",
                               long forMs = -1) const;

 private:
  ScenarioResult Launch(const std::string& script, const std::string& argument1, long forMs,
                        const std::string& after) const;

  TempDir driveC_;
  TempDir work_;
};

// A copy of the headless program at `path` (its folders made), as an installation lays it out.
void InstallHeadlessProgram(const std::filesystem::path& path);

// CP1252 bytes of a UTF-8 text, for writing the program's files.
std::string Cp(const std::string& utf8);

}  // namespace lumivel::testing
