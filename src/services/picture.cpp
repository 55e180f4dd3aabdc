#include "services/picture.h"

#include <new>

namespace lumivel {

PixelBuffer::PixelBuffer(std::size_t count) {
  if (count == 0) return;
  // Whole cache lines, so that a line of pixels is written at once; a large picture starts on a
  // huge page, so that it can be held in huge pages only.
  constexpr std::size_t kCacheLine = 64;
  constexpr std::size_t kHugePage = std::size_t{2} << 20;
  if (count > (SIZE_MAX - kHugePage) / sizeof(uint32_t)) throw std::bad_alloc();
  const std::size_t bytes = count * sizeof(uint32_t);
  const std::size_t alignment = bytes >= kHugePage ? kHugePage : kCacheLine;
  words_.reset(static_cast<uint32_t*>(std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment)));
  if (!words_) throw std::bad_alloc();
  size_ = count;
}

}  // namespace lumivel
