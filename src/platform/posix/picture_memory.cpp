#include "platform/posix/picture_memory.h"

#include <sys/mman.h>

namespace lumivel {

std::vector<uint8_t> NewPixelBuffer(size_t bytes) {
  constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
  std::vector<uint8_t> buffer;
  buffer.reserve(bytes);
  // The storage exists but is not touched yet: the hint must come before the first write. Only
  // the whole huge pages inside the block can be given; the advice is a hint, so its result is
  // not needed.
  const auto start = reinterpret_cast<uintptr_t>(buffer.data());
  const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (start + bytes) & ~(kHugePage - 1);
  if (bytes > 0 && end > first)
    ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  buffer.resize(bytes);
  return buffer;
}

}  // namespace lumivel
