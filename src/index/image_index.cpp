#include "index/image_index.h"

#include <algorithm>
#include <cstring>

namespace lumivel {

void ImageRecord::SetName(const Text& fileName) {
  std::size_t length = std::min<std::size_t>(fileName.size(), kRecordNameSize);
  std::memset(name, 0, sizeof name);
  std::memcpy(name, fileName.data(), length);
  nameLength = static_cast<uint8_t>(length);
}

Text ImageRecord::Name() const {
  return Text(name, std::min<std::size_t>(nameLength, kRecordNameSize));
}

void ImageIndex::SetLength(std::size_t length) {
  // The count is the program's own variable: quitting cuts the array but not the count.
  records_.resize(length);
}

void ImageIndex::GrowFor(int32_t newCount) {
  if (records_.size() <= static_cast<std::size_t>(newCount)) {
    records_.resize(records_.size() + kIndexGrowth);
  }
}

void ImageIndex::Append(int32_t directory, const Text& fileName) {
  GrowFor(count_ + 1);
  ImageRecord& record = records_[static_cast<std::size_t>(count_)];
  record = ImageRecord{};
  record.directory = directory;
  record.SetName(fileName);
  ++count_;
}

std::string ImageIndex::Serialize() const {
  std::size_t used = std::min(static_cast<std::size_t>(count_), records_.size());
  std::string bytes(used * kRecordSize, '\0');
  if (used > 0) std::memcpy(bytes.data(), records_.data(), bytes.size());
  return bytes;
}

bool ImageIndex::Deserialize(std::string_view bytes) {
  count_ = 0;
  std::size_t whole = bytes.size() / kRecordSize;
  for (std::size_t i = 0; i < whole; ++i) {
    GrowFor(count_ + 1);
    std::memcpy(&records_[static_cast<std::size_t>(count_)], bytes.data() + i * kRecordSize, kRecordSize);
    ++count_;
  }
  return bytes.size() % kRecordSize == 0;
}

}  // namespace lumivel
