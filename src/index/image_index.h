#pragma once
// The picture index: fixed 88-byte records, in memory exactly as on disk, each naming a picture by
// a directory number (a position in the directory list) and its file name.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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

// The records live in one block of exactly Length() records, the array length the program sees
// (grown 1000 records at a time); records past the count are zero. A million pictures take 88 MB
// and nothing more: a record file is read straight into the block.
class ImageIndex {
 public:
  ImageIndex() = default;
  ImageIndex(const ImageIndex&) = delete;
  ImageIndex& operator=(const ImageIndex&) = delete;
  ImageIndex(ImageIndex&& other) noexcept;
  ImageIndex& operator=(ImageIndex&& other) noexcept;
  ~ImageIndex();

  int32_t Count() const { return count_; }
  std::size_t Length() const { return length_; }
  // Any position of the array, in use or not; std::out_of_range outside it.
  const ImageRecord& At(int32_t position) const;
  // Length in records; new ones are zeroed.
  void SetLength(std::size_t length);
  void Clear() { count_ = 0; }
  // Appends a record, growing the array 1000 records at a time.
  void Append(int32_t directory, const Text& fileName);

  // The records in use, back to back, as the record file holds them.
  std::string_view Bytes() const;
  std::string Serialize() const { return std::string(Bytes()); }
  // Replaces the records from a record file; false when its size is not a multiple of 88, in
  // which case the complete records before the broken one are kept, as a reader stopping at it
  // would have.
  bool Deserialize(std::string_view bytes);

  // Deserialize in two steps, for a file read straight into the array: the memory where a record
  // file of `fileBytes` bytes goes (the array grown as reading it record by record would have,
  // the count set to 0), then the records from the `bytesRead` bytes that arrived there.
  char* PrepareLoad(std::size_t fileBytes);
  bool FinishLoad(std::size_t bytesRead);

 private:
  ImageRecord* records_ = nullptr;  // malloc'd, so that growing can move the pages, not copy them
  std::size_t length_ = 0;
  int32_t count_ = 0;
};

}  // namespace lumivel
