#pragma once
// Memory for decoded pictures. A header may claim up to 65535 x 65535 pixels (16 GiB at 4 bytes a
// pixel), so every decoder checks the claim against a bound before it allocates anything; and a
// camera picture is tens of megabytes, so its buffer is asked for in huge pages.
#include <cstddef>
#include <cstdint>

#include "services/picture.h"

namespace lumivel {

// 512 MiB of pixels, about 134 megapixels: far above any camera, far below what a lying header can
// ask for. No picture file larger than this is read either.
inline constexpr uint64_t kMaxPictureBytes = uint64_t{512} << 20;

// Whether width x height pixels of bytesPerPixel bytes stay within the bound (no overflow for any
// 32-bit sizes).
inline bool PixelBufferFits(uint64_t width, uint64_t height, uint64_t bytesPerPixel = 4) {
  if (width == 0 || height == 0) return true;
  return width <= kMaxPictureBytes / bytesPerPixel / height;
}

// Room for `count` pixels, not cleared. Touching 96 MB (a 24-megapixel picture) page by page costs
// a good part of decoding it; with transparent huge pages the kernel fills it 2 MiB at a time.
PixelBuffer NewPixelBuffer(size_t count);

}  // namespace lumivel
