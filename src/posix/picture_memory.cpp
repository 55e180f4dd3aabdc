#include "posix/picture_memory.h"

#include <sys/mman.h>

namespace lumivel {

PixelBuffer NewPixelBuffer(size_t count) {
  constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
  PixelBuffer buffer(count);
  // The hint must come before the first write. Only the whole huge pages inside the block can be
  // given; the advice is a hint, so its result is not needed.
  const auto start = reinterpret_cast<uintptr_t>(buffer.data());
  const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (start + count * sizeof(uint32_t)) & ~(kHugePage - 1);
  if (count > 0 && end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  return buffer;
}

}  // namespace lumivel
