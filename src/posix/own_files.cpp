#include "posix/own_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifndef LUMIVEL_DOCDIR_FROM_BINDIR
#error "LUMIVEL_DOCDIR_FROM_BINDIR must name the documentation folder relative to the programs' folder"
#endif

namespace lumivel {

namespace fs = std::filesystem;

std::optional<std::string> PosixOwnFiles::Read(const std::string& name) {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  const fs::path folder = program.parent_path();
  for (const fs::path& candidate : {folder / name, folder / LUMIVEL_DOCDIR_FROM_BINDIR / name}) {
    std::ifstream in(candidate, std::ios::binary);
    if (!in) continue;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.bad()) return bytes;
  }
  return std::nullopt;
}

}  // namespace lumivel
