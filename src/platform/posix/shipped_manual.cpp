#include "platform/posix/shipped_manual.h"

#include <filesystem>
#include <system_error>

namespace lumivel {

namespace fsys = std::filesystem;

std::optional<std::string> FindShippedManual(const std::string& programDir,
                                             const std::string& docFromProgram) {
  std::error_code error;
  for (const fsys::path& candidate : {fsys::path(programDir) / kManualFileName,
                                      fsys::path(programDir) / docFromProgram / kManualFileName}) {
    if (fsys::is_regular_file(candidate, error)) return candidate.lexically_normal().string();
  }
  return std::nullopt;
}

void PlaceManual(FileSystem& fs, const std::string& shipped, const Text& dataDir) {
  if (!fs.DirectoryExists(dataDir) && !fs.CreateDirectories(dataDir)) return;
  // The host name of the data folder's copy, whatever the case of its letters there.
  const fsys::path target = fs.ToHost(dataDir + "\\" + kManualFileName);
  if (target.empty()) return;
  std::error_code error;
  const auto shippedTime = fsys::last_write_time(shipped, error);
  if (error) return;
  // The copy keeps the shipped file's time, so any other time, earlier or later (a package
  // upgrade may bring a manual made before the copy), means another manual.
  const auto targetTime = fsys::last_write_time(target, error);
  if (!error && targetTime == shippedTime) return;
  // Copied beside and renamed over, so that the help button never opens half a manual.
  fsys::path part = target;
  part += ".part";
  if (!fsys::copy_file(shipped, part, fsys::copy_options::overwrite_existing, error)) return;
  fsys::last_write_time(part, shippedTime, error);
  if (!error) fsys::rename(part, target, error);
  if (error) fsys::remove(part, error);
}

}  // namespace lumivel
