#include "platform/picture.h"

#include <new>

namespace lumivel {

PixelBuffer::PixelBuffer(std::size_t count) {
  if (count == 0) return;
  if (count > SIZE_MAX / sizeof(uint32_t)) throw std::bad_alloc();
  words_.reset(static_cast<uint32_t*>(std::malloc(count * sizeof(uint32_t))));
  if (!words_) throw std::bad_alloc();
  size_ = count;
}

}  // namespace lumivel
