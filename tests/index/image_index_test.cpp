#include "index/image_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace lumivel {
namespace {

TEST(ImageIndex, RecordLayoutOnDisk) {
  ImageIndex index;
  index.Append(0x01020304, "a.jpg");
  index.Append(-1, "IMG_0001.JPG");
  index.Append(7, "");
  std::string bytes = index.Serialize();
  ASSERT_EQ(bytes.size(), 264u);
  // Directory number little-endian at 0, length byte at 4, name at 5, zero-filled.
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(bytes[4], 5);
  EXPECT_EQ(bytes.substr(5, 5), "a.jpg");
  EXPECT_EQ(bytes.substr(10, 78), std::string(78, '\0'));
  EXPECT_EQ(bytes.substr(88, 4), std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(bytes[88 + 4], 12);
  EXPECT_EQ(bytes[176 + 4], 0);
}

TEST(ImageIndex, LongNamesKeepTheirFirstEightyCharacters) {
  ImageIndex index;
  std::string name(100, 'n');
  for (int i = 0; i < 100; ++i) name[i] = static_cast<char>('a' + i % 26);
  index.Append(0, name);
  EXPECT_EQ(index.At(0).nameLength, 80);
  EXPECT_EQ(index.At(0).Name(), name.substr(0, 80));
}

TEST(ImageIndex, SaveAndLoadKeepEveryPositionAndDirectory) {
  ImageIndex saved;
  for (int i = 0; i < 2500; ++i) saved.Append(i % 7, "p" + std::to_string(i) + ".jpg");
  ImageIndex loaded;
  ASSERT_TRUE(loaded.Deserialize(saved.Serialize()));
  ASSERT_EQ(loaded.Count(), 2500);
  for (int i : {0, 999, 1000, 2499}) {
    EXPECT_EQ(loaded.At(i).directory, i % 7);
    EXPECT_EQ(loaded.At(i).Name(), "p" + std::to_string(i) + ".jpg");
  }
  EXPECT_EQ(loaded.Serialize(), saved.Serialize());
}

TEST(ImageIndex, GrowsAThousandRecordsAtATime) {
  ImageIndex index;
  index.SetLength(1);
  index.Append(0, "a");
  EXPECT_EQ(index.Length(), 1001u) << "a length of 1 is not greater than the new count 1";
  for (int i = 1; i < 1000; ++i) index.Append(0, "a");
  EXPECT_EQ(index.Length(), 1001u) << "1000 records fit";
  index.Append(0, "a");
  EXPECT_EQ(index.Length(), 2001u);
}

TEST(ImageIndex, ALoadGrowsTheArrayAsReadingRecordByRecordWould) {
  const struct {
    const char* what;
    std::size_t lengthBefore;
    std::size_t fileBytes;
    std::size_t lengthAfter;
  } rows[] = {
      {"empty file keeps the length", 1, 0, 1},
      {"one record on a length of 1", 1, 88, 1001},
      {"1000 records fit in 1001", 1, 88 * 1000, 1001},
      {"1001 records need 2001", 1, 88 * 1001, 2001},
      {"2500 records", 1, 88 * 2500, 3001},
      {"an incomplete last record is attempted, so it grows the array too", 1, 88 * 1000 + 10, 2001},
      {"a longer array is kept", 5000, 88 * 3, 5000},
      {"from a length of 0", 0, 88 * 1000, 1000 + 1000},
  };
  for (const auto& row : rows) {
    ImageIndex index;
    index.SetLength(row.lengthBefore);
    index.Deserialize(std::string(row.fileBytes, '\x01'));
    EXPECT_EQ(index.Length(), row.lengthAfter) << row.what;
    EXPECT_EQ(static_cast<std::size_t>(index.Count()), row.fileBytes / 88) << row.what;
  }
}

TEST(ImageIndex, RecordsPastTheCountAreZeroAfterALoad) {
  ImageIndex index;
  for (int i = 0; i < 10; ++i) index.Append(9, "old.jpg");
  ImageIndex saved;
  saved.Append(2, "new.jpg");
  ASSERT_FALSE(index.Deserialize(saved.Serialize() + "part"));
  ASSERT_EQ(index.Count(), 1);
  EXPECT_EQ(index.At(0).Name(), "new.jpg");
  for (int32_t i : {1, 5, 999}) {
    EXPECT_EQ(index.At(i).directory, 0) << i;
    EXPECT_EQ(index.At(i).nameLength, 0) << i;
  }
  EXPECT_THROW(index.At(1000), std::out_of_range);
  EXPECT_THROW(index.At(-1), std::out_of_range);
}

TEST(ImageIndex, AFileOfBrokenSizeKeepsItsCompleteRecords) {
  ImageIndex saved;
  saved.Append(3, "x.jpg");
  std::string bytes = saved.Serialize() + "tail";
  ImageIndex loaded;
  EXPECT_FALSE(loaded.Deserialize(bytes));
  EXPECT_EQ(loaded.Count(), 1);
  EXPECT_EQ(loaded.At(0).directory, 3);
}

TEST(ImageIndex, NameBytesPastTheLengthSurviveALoad) {
  std::string bytes(88, '\0');
  bytes[4] = 2;
  std::memcpy(&bytes[5], "abXYZ", 5);
  ImageIndex loaded;
  ASSERT_TRUE(loaded.Deserialize(bytes));
  EXPECT_EQ(loaded.At(0).Name(), "ab");
  EXPECT_EQ(loaded.Serialize(), bytes);
}

}  // namespace
}  // namespace lumivel
