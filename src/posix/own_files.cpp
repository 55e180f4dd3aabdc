#include "posix/own_files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#ifndef LUMIVEL_DOCDIR_FROM_BINDIR
#error "LUMIVEL_DOCDIR_FROM_BINDIR must name the documentation folder relative to the programs' folder"
#endif
#ifndef LUMIVEL_HELPERDIR_FROM_BINDIR
#error "LUMIVEL_HELPERDIR_FROM_BINDIR must name the helper programs' folder relative to the programs' folder"
#endif

namespace lumivel {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> ProgramFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return program.parent_path();
}

}  // namespace

std::optional<std::string> PosixOwnFiles::Read(const std::string& name) {
  const auto folder = ProgramFolder();
  if (!folder) return std::nullopt;
  for (const fs::path& candidate : {*folder / name, *folder / LUMIVEL_DOCDIR_FROM_BINDIR / name}) {
    std::ifstream in(candidate, std::ios::binary);
    if (!in) continue;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.bad()) return bytes;
  }
  return std::nullopt;
}

std::optional<std::string> FindOwnHelper(const std::string& name) {
  const auto folder = ProgramFolder();
  if (!folder) return std::nullopt;
  for (const fs::path& candidate : {*folder / name, *folder / LUMIVEL_HELPERDIR_FROM_BINDIR / name}) {
    std::error_code error;
    if (fs::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0) {
      return candidate.string();
    }
  }
  return std::nullopt;
}

}  // namespace lumivel
