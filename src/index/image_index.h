#pragma once
// The picture index: fixed 88-byte records, in memory exactly as on disk, each naming a picture by
// a directory number (a position in the directory list) and its file name.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

constexpr int kRecordNameSize = 80;
constexpr int kRecordSize = 88;
constexpr int kIndexGrowth = 1000;

struct ImageRecord {
  int32_t directory = 0;  // little-endian on disk, as on the machines we run on
  uint8_t nameLength = 0;
  char name[kRecordNameSize] = {};
  uint8_t padding[3] = {};

  // A longer name is stored as its first 80 characters.
  void SetName(const Text& fileName);
  Text Name() const;
};
static_assert(sizeof(ImageRecord) == kRecordSize, "an index record is 88 bytes on disk");

class ImageIndex {
 public:
  int32_t Count() const { return count_; }
  std::size_t Length() const { return records_.size(); }
  const ImageRecord& At(int32_t position) const { return records_.at(static_cast<std::size_t>(position)); }
  // Length in records; new ones are zeroed.
  void SetLength(std::size_t length);
  void Clear() { count_ = 0; }
  // Appends a record, growing the array 1000 records at a time.
  void Append(int32_t directory, const Text& fileName);

  // The records in use, back to back, as the record file holds them.
  std::string Serialize() const;
  // Replaces the records from a record file; false when its size is not a multiple of 88, in
  // which case the complete records before the broken one are kept, as a reader stopping at it
  // would have.
  bool Deserialize(std::string_view bytes);

 private:
  void GrowFor(int32_t newCount);
  std::vector<ImageRecord> records_;
  int32_t count_ = 0;
};

}  // namespace lumivel
