#include "scenarios/walk_fixtures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>

#include "util/cp1252.h"

namespace lumivel::testing {
namespace {

std::string CrLfLines(const std::vector<std::string>& utf8Lines) {
  std::string text;
  for (const auto& line : utf8Lines) text += Cp(line) + "\r\n";
  return text;
}

// One index record as the record file holds it: the directory number in 4 little-endian bytes,
// the name's length, the name in an 80-byte field, 3 bytes of padding; unused bytes zero.
std::string RecordBytes(int32_t directory, const std::string& name) {
  std::string record(88, '\0');
  const auto bits = static_cast<uint32_t>(directory);
  for (int i = 0; i < 4; ++i) record[static_cast<std::size_t>(i)] = static_cast<char>(bits >> (8 * i) & 0xFF);
  const std::size_t length = std::min<std::size_t>(name.size(), 80);
  record[4] = static_cast<char>(length);
  record.replace(5, length, name.substr(0, length));
  return record;
}

}  // namespace

void WriteFiles(const Scenario& s, const std::vector<std::string>& paths) {
  for (const auto& path : paths) s.WriteFile(path, "picture bytes");
}

void WriteRoots(const Scenario& s, const std::vector<std::pair<std::string, bool>>& roots) {
  std::vector<std::string> paths, flags;
  for (const auto& [path, checked] : roots) {
    paths.push_back(path);
    flags.push_back(checked ? "true" : "false");
  }
  s.WriteFile(kRootsFile, CrLfLines(paths));
  s.WriteFile(kFlagsFile, CrLfLines(flags));
}

void WriteParams(const Scenario& s, const std::vector<std::string>& lines) {
  s.WriteFile(kParamFile, CrLfLines(lines));
}

IndexFiles ReadIndexFiles(const Scenario& s) {
  return {s.ReadFile(kRecordFile), s.ReadFile(kDirectoryFile)};
}

IndexFiles ExpectedIndex(const Scenario& s, const std::vector<std::string>& roots, bool recursive,
                         const std::set<std::string>& kept) {
  IndexFiles index;
  // Directory -> its line. The tree is met under one spelling, so two spellings are two folders.
  std::map<std::string, int32_t> numbers;
  std::set<std::string> met;
  // directory_iterator reads the folder as the program does, so in the same order.
  std::function<void(const std::string&)> visit = [&](const std::string& dir) {
    // A folder that cannot be opened by its program path yields nothing, as in the program.
    std::error_code unlisted;
    for (const auto& entry : std::filesystem::directory_iterator(s.Host(dir), unlisted)) {
      // No program path leads to a name holding a backslash, and linked folders are not entered.
      if (entry.path().filename().string().find('\\') != std::string::npos) continue;
      const std::string path = dir + "\\" + entry.path().filename().string();
      std::error_code unreadable;
      if (entry.is_directory(unreadable)) {
        if (recursive && !entry.is_symlink(unreadable)) visit(path);
      } else if (kept.count(path)) {
        met.insert(path);
        const Text cpDir = Cp(dir);
        const auto [at, added] = numbers.emplace(cpDir, static_cast<int32_t>(numbers.size()));
        if (added) index.directories += cpDir + "\r\n";
        index.records += RecordBytes(at->second, Cp(entry.path().filename().string()));
      }
    }
  };
  for (const auto& root : roots) visit(root);
  for (const auto& path : kept) {
    EXPECT_TRUE(met.count(path)) << "the test tree has no file " << path;
  }
  return index;
}

}  // namespace lumivel::testing
