#pragma once
// Metafiles are drawn by a helper program of their own, lumivel-metafile, one run per file: the
// libraries that read them are old C code that a hostile file can crash or send astray. The helper
// limits its own memory and processor time; the program gives it a deadline, checks everything it
// writes, and takes a crash, a hang or a malformed answer for a metafile that cannot be drawn.
#include <cstdint>
#include <optional>
#include <string>

#include "services/picture.h"

namespace lumivel {

inline constexpr char kMetafileHelperName[] = "lumivel-metafile";

// The helper's whole output on success: this header, then pixelWidth x pixelHeight pixels of 4
// bytes, rows from top to bottom, in the machine's byte order (both ends run on one machine).
struct MetafileRasterHeader {
  uint32_t magic = 0;
  int32_t width = 0;  // the picture's own size, as Picture has it
  int32_t height = 0;
  int32_t pixelWidth = 0;  // the size it was drawn at
  int32_t pixelHeight = 0;
};
static_assert(sizeof(MetafileRasterHeader) == 20, "written and read as it lies in memory");
inline constexpr uint32_t kMetafileRasterMagic = 0x31464D4C;  // "LMF1" in little-endian bytes

// Processor time the helper allows itself, and the time the program waits for its whole answer:
// the largest picture the bound allows (512 MiB of pixels) takes about 2 s of processor time, a
// zoom's 6144 x 3072 a fifth of a second, a screen's a twentieth.
inline constexpr int kMetafileHelperCpuSeconds = 5;
inline constexpr int kMetafileHelperDeadlineMs = 8000;
// Address space the helper allows itself: the largest picture, a few surfaces of that size for the
// drawing, and the libraries (that picture draws in 700 MB).
inline constexpr uint64_t kMetafileHelperAddressSpace = uint64_t{2} << 30;

// The metafile at hostPath drawn by the helper at the smallest size that covers coverWidth x
// coverHeight (0 x 0: its own size); nothing when the helper cannot be found or started, fails,
// runs past the deadline, or writes anything but one well-formed picture within a picture's
// memory bound.
std::optional<Picture> DrawMetafileInHelper(const std::string& hostPath, int coverWidth, int coverHeight);

}  // namespace lumivel
