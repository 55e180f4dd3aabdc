#pragma once
// The history file keeps only the newest pictures shown: both its reading and its writing cut the
// list to its last HistoryCap entries.
#include <cstdint>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

// The last `cap` entries, oldest first; all of them when there are not more than `cap`.
std::vector<Text> NewestEntries(const std::vector<Text>& entries, int32_t cap);

}  // namespace lumivel
