#pragma once
// The file system as the program sees it: program paths (drive letter, backslashes, names without
// regard to case) and code page 1252 names. The Linux implementation maps drives to host folders.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

struct DirEntry {
  Text name;
  bool isDirectory = false;
  int64_t size = 0;
  // A symbolic link (to a file or a folder); walks do not descend through linked folders, which
  // may loop back on themselves.
  bool isLink = false;
};

struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
  bool operator==(const LocalDateTime&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const Text& path) const = 0;
  virtual bool DirectoryExists(const Text& path) const = 0;
  // Every entry in the order the file system lists it, "." and ".." included; names that have no
  // code page 1252 form, or hold a backslash, are left out, since no program path could name them,
  // and so are names holding a carriage return or a line feed, which no line of the program's list
  // files could hold. Nothing when the folder cannot be listed.
  virtual std::optional<std::vector<DirEntry>> ListDirectory(const Text& dir) const = 0;
  // -1 when the file is missing or cannot be opened.
  virtual int64_t FileSize(const Text& path) const = 0;
  virtual std::optional<LocalDateTime> ModificationTime(const Text& path) const = 0;
  // The whole file; nothing when it cannot be read, with the system's error number in *error.
  virtual std::optional<std::string> ReadFile(const Text& path, int* error = nullptr) const = 0;
  // The whole file read straight into the memory that `place` gives for its size, asked once
  // before reading: a large file costs one read, with no copy and no cleared buffer. Returns the
  // bytes read (fewer when the file shrank meanwhile), or nothing with the system's error number
  // in *error.
  virtual std::optional<std::size_t> ReadFileInto(const Text& path,
                                                  const std::function<char*(std::size_t)>& place,
                                                  int* error = nullptr) const = 0;
  // Writes to a temporary file beside the target and renames it over the target, so a reader
  // finds the old file or the new one, never half of one. Returns 0 or the system's error number.
  virtual int WriteFile(const Text& path, std::string_view bytes) = 0;
  virtual bool DeleteFile(const Text& path) = 0;
  virtual bool CreateDirectory(const Text& path) = 0;  // one level
  virtual bool CreateDirectories(const Text& path) = 0;
  // Replaces the target; the copy keeps the file's modification time and permissions.
  virtual bool CopyFile(const Text& from, const Text& to) = 0;
  virtual bool MoveFile(const Text& from, const Text& to) = 0;  // fails when the target exists

  // Host form of a program path (empty when its drive is not mapped), and back.
  virtual std::string ToHost(const Text& path) const = 0;
  virtual Text ToProgram(const std::string& hostPath) const = 0;
};

// The file's size as the program reads it, -1 when the file is missing or cannot be opened. The end
// position is read as a 32-bit signed number: a file of 2 GiB or more comes out wrapped, negative
// from 2 GiB to 4 GiB.
int64_t FileSizeOf(const FileSystem& fs, const Text& path);

// The runtime's input/output messages for a system error number: "Fichier introuvable",
// "Nom de fichier incorrect", "Accès au fichier refusé", "Disque plein", "Erreur E/S %d".
Text RuntimeIoMessage(int error);

}  // namespace lumivel
