#pragma once
// The program's file system on Linux: program paths mapped to host folders, each component matched
// exactly, else without regard to case among the folder's entries; names converted between code
// page 1252 and UTF-8 at this edge, host names read in their composed form.
#include "posix/drive_map.h"
#include "services/file_system.h"

namespace lumivel {

class PosixFileSystem : public FileSystem {
 public:
  explicit PosixFileSystem(DriveMap drives);

  bool FileExists(const Text& path) const override;
  bool DirectoryExists(const Text& path) const override;
  std::optional<std::vector<DirEntry>> ListDirectory(const Text& dir) const override;
  int64_t FileSize(const Text& path) const override;
  std::optional<LocalDateTime> ModificationTime(const Text& path) const override;
  std::optional<std::string> ReadFile(const Text& path, int* error = nullptr) const override;
  std::optional<std::size_t> ReadFileInto(const Text& path,
                                          const std::function<char*(std::size_t)>& place,
                                          int* error = nullptr) const override;
  int WriteFile(const Text& path, std::string_view bytes) override;
  bool DeleteFile(const Text& path) override;
  bool CreateDirectory(const Text& path) override;
  bool CreateDirectories(const Text& path) override;
  bool CopyFile(const Text& from, const Text& to) override;
  bool MoveFile(const Text& from, const Text& to) override;
  std::string ToHost(const Text& path) const override;
  Text ToProgram(const std::string& hostPath) const override;

  const DriveMap& Drives() const { return drives_; }
  // Makes the folder a drive letter stands for, with its parents: a drive's root always exists
  // for the program, which creates its data folder one level deep. False when it cannot be made
  // (the program's own writes then say so) or the letter is not mapped.
  bool CreateDriveFolder(char letter);

 private:
  DriveMap drives_;
};

}  // namespace lumivel
