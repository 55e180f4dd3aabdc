#include "show/history_ring.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumivel {
namespace {

std::vector<Text> Numbered(int count) {
  std::vector<Text> entries;
  for (int i = 0; i < count; ++i) entries.push_back("old" + std::to_string(i));
  return entries;
}

TEST(HistoryRing, ShortHistoryAppends) {
  std::vector<Text> entries = Numbered(2);
  int32_t writePos = -1;
  EXPECT_EQ(RecordInHistory(entries, 4, writePos, "a"), 2);
  EXPECT_EQ(writePos, 2);
  EXPECT_EQ(RecordInHistory(entries, 4, writePos, "b"), 3);
  EXPECT_EQ(entries, (std::vector<Text>{"old0", "old1", "a", "b"}));
}

TEST(HistoryRing, FullRingAppendsOnceMoreThenWrapsToZero) {
  // The real ring size: the 32767th entry is appended at position 32766, the next write goes to 0.
  constexpr int32_t kRing = 32766;
  std::vector<Text> entries = Numbered(kRing - 1);
  int32_t writePos = -1;
  EXPECT_EQ(RecordInHistory(entries, kRing, writePos, "last append"), kRing - 1);
  EXPECT_EQ(RecordInHistory(entries, kRing, writePos, "first overwrite"), kRing);
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(kRing) + 1);
  EXPECT_EQ(entries.back(), "first overwrite");
  EXPECT_EQ(entries[0], "old0") << "the overwrite after an append follows the append";
  // That path was appended, not written over position 0: position 0 comes next.
  EXPECT_EQ(RecordInHistory(entries, kRing, writePos, "wrapped"), 0);
  EXPECT_EQ(entries[0], "wrapped");
  EXPECT_EQ(RecordInHistory(entries, kRing, writePos, "next"), 1);
  EXPECT_EQ(entries[1], "next");
  EXPECT_EQ(entries.size(), static_cast<std::size_t>(kRing) + 1) << "the ring no longer grows";
}

TEST(HistoryRing, WritePositionsOfAFullRing) {
  struct Case {
    const char* what;
    int entries;
    int32_t writePos;
    int32_t written;
    std::size_t sizeAfter;
  };
  const Case cases[] = {
      {"restart of the show: the overwrites begin at 0", 5, -1, 0, 5},
      {"in the middle of the ring", 5, 1, 2, 5},
      {"one past the last entry of a ring not yet wrapped: appends", 4, 3, 4, 5},
      {"at the ring size: back to 0", 5, 4, 0, 5},
      {"a position beyond the ring size (damaged state) starts over at 0", 5, 9, 0, 5},
      {"a position below -1 (damaged state) starts over at 0", 5, -7, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<Text> entries = Numbered(c.entries);
    int32_t writePos = c.writePos;
    EXPECT_EQ(RecordInHistory(entries, 4, writePos, "new"), c.written);
    EXPECT_EQ(writePos, c.written);
    EXPECT_EQ(entries.size(), c.sizeAfter);
    EXPECT_EQ(entries[static_cast<std::size_t>(c.written)], "new");
  }
}

}  // namespace
}  // namespace lumivel
