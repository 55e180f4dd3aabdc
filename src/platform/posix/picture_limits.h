#pragma once
// How much memory one picture may take. A header may claim up to 65535 x 65535 pixels (12 GiB of
// RGB), so every decoder checks the claim against this bound before it allocates anything.
#include <cstdint>

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

}  // namespace lumivel
