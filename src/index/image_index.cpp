#include "index/image_index.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

namespace lumivel {

namespace {

// The array length once `records` records have been appended to an array of `length`: before each
// append, 1000 records are added while the length is not greater than the new count.
std::size_t LengthAfterAppending(std::size_t length, std::size_t records) {
  if (records < length) return length;
  return length + kIndexGrowth * ((records - length) / kIndexGrowth + 1);
}

}  // namespace

void ImageRecord::SetName(const Text& fileName) {
  std::size_t length = std::min<std::size_t>(fileName.size(), kRecordNameSize);
  std::memset(name, 0, sizeof name);
  std::memcpy(name, fileName.data(), length);
  nameLength = static_cast<uint8_t>(length);
}

Text ImageRecord::Name() const {
  return Text(name, std::min<std::size_t>(nameLength, kRecordNameSize));
}

ImageIndex::ImageIndex(ImageIndex&& other) noexcept
    : records_(std::exchange(other.records_, nullptr)),
      length_(std::exchange(other.length_, 0)),
      count_(std::exchange(other.count_, 0)) {}

ImageIndex& ImageIndex::operator=(ImageIndex&& other) noexcept {
  std::swap(records_, other.records_);
  std::swap(length_, other.length_);
  std::swap(count_, other.count_);
  return *this;
}

ImageIndex::~ImageIndex() { std::free(records_); }

const ImageRecord& ImageIndex::At(int32_t position) const {
  if (position < 0 || static_cast<std::size_t>(position) >= length_) {
    throw std::out_of_range("index record " + std::to_string(position));
  }
  return records_[position];
}

void ImageIndex::SetLength(std::size_t length) {
  // The count is the program's own variable: quitting cuts the array but not the count.
  if (length == length_) return;
  if (length == 0) {
    std::free(records_);
    records_ = nullptr;
  } else {
    // Large blocks are mapped pages: growing one moves its pages instead of copying them.
    void* block = std::realloc(records_, length * sizeof(ImageRecord));
    if (!block) throw std::bad_alloc();
    records_ = static_cast<ImageRecord*>(block);
  }
  if (length > length_) {
    std::memset(static_cast<void*>(records_ + length_), 0, (length - length_) * sizeof(ImageRecord));
  }
  length_ = length;
}

void ImageIndex::Append(int32_t directory, const Text& fileName) {
  const auto newCount = static_cast<std::size_t>(count_) + 1;
  if (length_ <= newCount) SetLength(length_ + kIndexGrowth);
  ImageRecord& record = records_[count_];
  record = ImageRecord{};
  record.directory = directory;
  record.SetName(fileName);
  ++count_;
}

std::string_view ImageIndex::Bytes() const {
  const std::size_t used = std::min(static_cast<std::size_t>(count_), length_);
  return {reinterpret_cast<const char*>(records_), used * kRecordSize};
}

char* ImageIndex::PrepareLoad(std::size_t fileBytes) {
  count_ = 0;
  // A last, incomplete record is still attempted, so the array grows for it too.
  const std::size_t attempted = (fileBytes + kRecordSize - 1) / kRecordSize;
  const std::size_t length = LengthAfterAppending(length_, attempted);
  if (length == length_ && records_) return reinterpret_cast<char*>(records_);
  // Not cleared: the file's bytes go there, and FinishLoad zeroes what they do not fill.
  std::free(records_);
  records_ = nullptr;
  length_ = 0;
  if (length > 0) {
    records_ = static_cast<ImageRecord*>(std::malloc(length * sizeof(ImageRecord)));
    if (!records_) throw std::bad_alloc();
  }
  length_ = length;
  return reinterpret_cast<char*>(records_);
}

bool ImageIndex::FinishLoad(std::size_t bytesRead) {
  const std::size_t whole = std::min(bytesRead / kRecordSize, length_);
  count_ = static_cast<int32_t>(whole);
  if (length_ > whole) {
    std::memset(static_cast<void*>(records_ + whole), 0, (length_ - whole) * sizeof(ImageRecord));
  }
  return bytesRead % kRecordSize == 0;
}

bool ImageIndex::Deserialize(std::string_view bytes) {
  char* to = PrepareLoad(bytes.size());
  if (!bytes.empty()) std::memcpy(to, bytes.data(), bytes.size());
  return FinishLoad(bytes.size());
}

}  // namespace lumivel
