#include "settings/history_trim.h"

#include <algorithm>

namespace lumivel {

std::vector<Text> NewestEntries(const std::vector<Text>& entries, int32_t cap) {
  const std::size_t keep = std::min(entries.size(), static_cast<std::size_t>(std::max(cap, 0)));
  return std::vector<Text>(entries.end() - static_cast<std::ptrdiff_t>(keep), entries.end());
}

}  // namespace lumivel
