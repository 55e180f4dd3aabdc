#include "support/scenario.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "util/cp1252.h"

#ifndef LUMIVEL_HEADLESS_BIN
#error "LUMIVEL_HEADLESS_BIN must name the lumivel-headless program"
#endif

namespace lumivel::testing {

std::string Cp(const std::string& utf8) { return Utf8ToCp1252(utf8); }

std::vector<std::string> ScenarioResult::Events(const std::string& kind) const {
  std::vector<std::string> out;
  for (const auto& line : transcript) {
    auto space = line.find(' ');
    if (space == std::string::npos) continue;
    std::string rest = line.substr(space + 1);
    if (rest == kind) {
      out.emplace_back();
    } else if (rest.rfind(kind + " ", 0) == 0) {
      out.push_back(rest.substr(kind.size() + 1));
    }
  }
  return out;
}

bool ScenarioResult::Saw(const std::string& kind, const std::string& details) const {
  auto events = Events(kind);
  return std::find(events.begin(), events.end(), details) != events.end();
}

Scenario::Scenario() = default;

std::filesystem::path Scenario::Host(const std::string& programPath) const {
  std::string rest = programPath.substr(programPath.rfind(':') == 1 ? 2 : 0);
  std::replace(rest.begin(), rest.end(), '\\', '/');
  while (!rest.empty() && rest[0] == '/') rest.erase(0, 1);
  return driveC_.Path() / rest;
}

void Scenario::WriteFile(const std::string& programPath, const std::string& bytes) const {
  auto host = Host(programPath);
  std::filesystem::create_directories(host.parent_path());
  std::ofstream out(host, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Scenario::ReadFile(const std::string& programPath) const { return ReadHostFile(Host(programPath)); }

bool Scenario::Exists(const std::string& programPath) const { return std::filesystem::exists(Host(programPath)); }

namespace {

std::string ShellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

}  // namespace

void InstallHeadlessProgram(const std::filesystem::path& path) {
  std::filesystem::create_directories(path.parent_path());
  std::filesystem::copy_file(LUMIVEL_HEADLESS_BIN, path, std::filesystem::copy_options::overwrite_existing);
}

ScenarioResult Scenario::Run(const std::string& script, const std::string& argument1, long forMs) const {
  return Launch(script, argument1, forMs, "");
}

ScenarioResult Scenario::RunThenSignal(const std::string& script, int signal, int afterMs,
                                       const std::string& argument1, long forMs) const {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.3f", afterMs / 1000.0);
  return Launch(script, argument1, forMs,
                " & pid=$!; sleep " + std::string(seconds) + "; kill -" + std::to_string(signal) + " $pid; wait $pid");
}

ScenarioResult Scenario::Launch(const std::string& script, const std::string& argument1, long forMs,
                                const std::string& after) const {
  auto scriptPath = work_.Write("script.txt", script);
  auto dumpPath = work_.Path() / "dump.json";
  auto outPath = work_.Path() / "transcript.txt";
  std::filesystem::remove(dumpPath);
  std::string command = stackKiB > 0 ? "ulimit -s " + std::to_string(stackKiB) + "; " : "";
  command += "env LUMIVEL_DRIVE_C=" + ShellQuote(driveC_.Path().string());
  for (const auto& e : environment) command += " " + ShellQuote(e);
  command += " " + ShellQuote(program.empty() ? std::string(LUMIVEL_HEADLESS_BIN) : program) + " --screen " + screen + " --script " +
             ShellQuote(scriptPath.string()) + " --dump " + ShellQuote(dumpPath.string());
  if (forMs >= 0) command += " --for " + std::to_string(forMs);
  command += " -- " + ShellQuote(argument1) + " > " + ShellQuote(outPath.string()) + " 2>&1" + after;
  int status = std::system(command.c_str());
  ScenarioResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream lines(ReadHostFile(outPath));
  for (std::string line; std::getline(lines, line);) result.transcript.push_back(line);
  std::string dump = ReadHostFile(dumpPath);
  if (!dump.empty()) result.dump = Json::Parse(dump);
  return result;
}

}  // namespace lumivel::testing
