// lumivel-metafile FILE COVER_WIDTH COVER_HEIGHT: draws a metafile for the programs, which start
// it for each one (see metafile_helper.h), and writes the picture on its standard output. Exit
// status 0 once the whole picture is written; 1 when the file cannot be read or drawn; 64 for a
// wrong command line.
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <exception>
#include <string_view>

#include "posix/metafile_decoder.h"
#include "posix/metafile_helper.h"
#include "posix/picture_file.h"

#if defined(__SANITIZE_ADDRESS__)
#define LUMIVEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMIVEL_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

using namespace lumivel;

// Past the soft processor limit the kernel sends SIGXCPU, which ends the process; a second later
// the hard limit kills it.
void LimitResources() {
  const rlimit cpu{kMetafileHelperCpuSeconds, kMetafileHelperCpuSeconds + 1};
  setrlimit(RLIMIT_CPU, &cpu);
#ifndef LUMIVEL_ADDRESS_SANITIZER
  // AddressSanitizer reserves terabytes of address space for its own bookkeeping: there the bound
  // of a picture's memory, checked before every allocation of pixels, has to do.
  const rlimit space{kMetafileHelperAddressSpace, kMetafileHelperAddressSpace};
  setrlimit(RLIMIT_AS, &space);
#endif
}

bool ParseInt(std::string_view text, int& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool WriteAll(const void* data, size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= size_t(n);
  }
  return true;
}

int Draw(const char* path, int coverWidth, int coverHeight) {
  const auto file = ReadWholeFile(path);
  if (!file) return 1;
  const auto picture = DecodeMetafile(file->Span(), coverWidth, coverHeight);
  if (!picture) return 1;
  const MetafileRasterHeader header{kMetafileRasterMagic, picture->width, picture->height,
                                    picture->pixelWidth, picture->pixelHeight};
  const bool written = WriteAll(&header, sizeof header) &&
                       WriteAll(picture->pixels.data(), picture->pixels.size() * sizeof(uint32_t));
  return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  LimitResources();
  int coverWidth = 0, coverHeight = 0;
  if (argc != 4 || !ParseInt(argv[2], coverWidth) || !ParseInt(argv[3], coverHeight)) return 64;
  try {
    return Draw(argv[1], coverWidth, coverHeight);
  } catch (const std::exception&) {  // memory refused within the limit
    return 1;
  }
}
