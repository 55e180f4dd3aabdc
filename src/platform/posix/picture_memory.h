#pragma once
// Memory for decoded pictures. A header may claim up to 65535 x 65535 pixels (12 GiB of RGB), so
// every decoder checks the claim against a bound before it allocates anything; and a camera
// picture is tens of megabytes, so its buffer is asked for in huge pages.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumivel {

// 512 MiB of RGB, about 178 megapixels: far above any camera, far below what a lying header can
// ask for. Turning a JPEG upright holds the decoded buffer and its turned copy for a moment, so
// the peak for one picture is twice this. No picture file larger than this is read either.
inline constexpr uint64_t kMaxPictureBytes = uint64_t{512} << 20;

// Whether width x height pixels of bytesPerPixel bytes stay within the bound (no overflow for any
// 32-bit sizes).
inline bool PixelBufferFits(uint64_t width, uint64_t height, uint64_t bytesPerPixel) {
  if (width == 0 || height == 0) return true;
  return width <= kMaxPictureBytes / bytesPerPixel / height;
}

// A zeroed buffer of `bytes`. Touching 72 MB (a 24-megapixel picture) page by page costs about as
// much as decoding it; with transparent huge pages the kernel fills it 2 MiB at a time.
std::vector<uint8_t> NewPixelBuffer(size_t bytes);

}  // namespace lumivel
