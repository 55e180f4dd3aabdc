#include "platform/posix/picture_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <optional>
#include <span>
#include <utility>

#include "platform/posix/bmp_decoder.h"
#include "platform/posix/ico_decoder.h"
#include "platform/posix/picture_memory.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

// A file's bytes, read into memory that is not cleared first.
struct FileBytes {
  std::unique_ptr<uint8_t[]> data;
  size_t size = 0;
  std::span<const uint8_t> Span() const { return {data.get(), size}; }
};

// The whole file, read once; nothing when it is missing, not a plain file, empty or past the bound.
std::optional<FileBytes> ReadWholeFile(const std::string& hostPath) {
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<FileBytes> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
      uint64_t(st.st_size) <= kMaxPictureBytes) {
    FileBytes file{std::unique_ptr<uint8_t[]>(new uint8_t[size_t(st.st_size)]), size_t(st.st_size)};
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

std::shared_ptr<const Picture> Shared(Picture picture) {
  return std::make_shared<const Picture>(std::move(picture));
}

template <typename Decoder>
std::shared_ptr<const Picture> LoadOrRaise(const std::string& hostPath, Decoder decode,
                                           const Text& error) {
  const auto file = ReadWholeFile(hostPath);
  std::optional<Picture> picture;
  if (file) picture = decode(file->Span());
  if (!picture) throw ProgramError(error);
  return Shared(std::move(*picture));
}

}  // namespace

std::shared_ptr<const Picture> PosixPictureLoader::LoadJpeg(const std::string& hostPath,
                                                            int coverWidth, int coverHeight) {
  try {
    if (const auto file = ReadWholeFile(hostPath)) {
      if (auto picture = DecodeJpeg(file->Span(), coverWidth, coverHeight))
        return Shared(std::move(*picture));
    }
  } catch (const std::bad_alloc&) {
    // Within the bound, yet the machine has not the memory: shown like an unreadable file.
  }
  return Shared(Picture{});
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadBmp(const std::string& hostPath) {
  return LoadOrRaise(hostPath, DecodeBmp, "Image bitmap incorrecte"_cp);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadIco(const std::string& hostPath) {
  return LoadOrRaise(hostPath, DecodeIco, "Image icône incorrecte"_cp);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadMetafile(const std::string& hostPath,
                                                                int /*coverWidth*/,
                                                                int /*coverHeight*/) {
  const std::string name = std::filesystem::path(hostPath).filename().string();
  throw ProgramError("Métafichier non pris en charge : "_cp + Utf8ToCp1252(name));
}

}  // namespace lumivel
