#include "posix/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "posix/picture_memory.h"

namespace lumivel {

namespace {

FileIdentity IdentityFrom(const struct stat& st) {
  const auto ns = [](const timespec& t) { return int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; };
  return {st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
}

}  // namespace

std::optional<FileBytes> ReadWholeFile(const std::string& hostPath) {
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<FileBytes> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
      uint64_t(st.st_size) <= kMaxPictureBytes) {
    FileBytes file{std::unique_ptr<uint8_t[]>(new uint8_t[size_t(st.st_size)]), size_t(st.st_size),
                   IdentityFrom(st)};
    size_t done = 0;
    while (done < file.size) {
      const ssize_t n = ::read(fd, file.data.get() + done, file.size - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += size_t(n);
    }
    if (done == file.size) bytes = std::move(file);
  }
  ::close(fd);
  return bytes;
}

std::optional<FileIdentity> IdentityOf(const std::string& hostPath) {
  struct stat st {};
  if (::stat(hostPath.c_str(), &st) != 0) return std::nullopt;
  return IdentityFrom(st);
}

}  // namespace lumivel
