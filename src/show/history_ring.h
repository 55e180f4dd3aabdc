#pragma once
// Where a newly shown picture goes in the history: appended while the history is short, then
// written over the oldest entries in a ring, so an all-night show keeps a bounded list.
#include <cstdint>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

// Records path in entries and returns the position written, which is also left in writePos.
// Below ringSize entries the path is appended. From ringSize entries on, writePos advances (back
// to 0 after ringSize) and the path replaces the entry there; a position at the end of the list
// appends, so a full ring holds ringSize + 1 entries. writePos is -1 after a restart of the show,
// which makes the next overwrite start again at position 0.
int32_t RecordInHistory(std::vector<Text>& entries, int32_t ringSize, int32_t& writePos,
                        const Text& path);

}  // namespace lumivel
