#pragma once
// A picture file read whole, once, with what tells that it is still the same file later.
#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace lumivel {

// The same file, unchanged: its device, inode, size and modification and change times.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modifiedNs = 0;
  int64_t changedNs = 0;
  bool operator==(const FileIdentity&) const = default;
};

struct FileBytes {
  std::unique_ptr<uint8_t[]> data;  // not cleared before the read
  size_t size = 0;
  FileIdentity identity;
  std::span<const uint8_t> Span() const { return {data.get(), size}; }
};

// The whole file; nothing when it is missing, not a plain file, empty or larger than a picture's
// bound.
std::optional<FileBytes> ReadWholeFile(const std::string& hostPath);

// The identity of the file at hostPath now; nothing when there is none.
std::optional<FileIdentity> IdentityOf(const std::string& hostPath);

}  // namespace lumivel
