#include "show/history_ring.h"

namespace lumivel {

int32_t RecordInHistory(std::vector<Text>& entries, int32_t ringSize, int32_t& writePos,
                        const Text& path) {
  const auto count = static_cast<int64_t>(entries.size());
  if (count < ringSize) {
    entries.push_back(path);
    writePos = static_cast<int32_t>(count);
    return writePos;
  }
  writePos = writePos >= ringSize || writePos < -1 ? 0 : writePos + 1;
  // A position past the end cannot come from the ring itself; appending keeps the list whole.
  if (writePos >= count) {
    entries.push_back(path);
    writePos = static_cast<int32_t>(count);
  } else {
    entries[static_cast<std::size_t>(writePos)] = path;
  }
  return writePos;
}

}  // namespace lumivel
