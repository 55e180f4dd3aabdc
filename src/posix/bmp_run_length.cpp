#include "posix/bmp_run_length.h"

#include <algorithm>

#include "posix/picture_memory.h"

namespace lumivel {

namespace {

constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

}  // namespace

std::optional<Picture> DecodeDibRunLength(const DibInfo& info, std::span<const uint8_t> data) {
  const size_t width = size_t(info.width);
  const size_t rows = size_t(info.height);
  if (info.width <= 0 || info.height <= 0 || !PixelBufferFits(width, rows)) return std::nullopt;
  const bool fourBits = info.bitCount == 4;
  Picture picture;
  picture.width = picture.pixelWidth = info.width;
  picture.height = picture.pixelHeight = info.height;
  picture.pixels = NewPixelBuffer(width * rows);
  const uint32_t black = Rgb32(0, 0, 0);
  std::fill_n(picture.pixels.data(), width * rows, black);

  const auto colour = [&](size_t index) {
    return index < info.palette.size() ? info.palette[index] : black;
  };
  size_t x = 0;
  size_t y = 0;  // stored row, from the bottom
  // Writes the part of `count` pixels from x that lies on the row; pixel(i) gives the index of the
  // i-th. x may move past the edge, where nothing more is written until the row ends.
  const auto put = [&](size_t count, auto pixel) {
    uint32_t* row = picture.pixels.data() + (rows - 1 - y) * width;
    const size_t shown = x < width ? std::min(count, width - x) : 0;
    for (size_t i = 0; i < shown; ++i) row[x + i] = colour(pixel(i));
    x += count;
  };
  size_t pos = 0;
  while (y < rows && data.size() - pos >= 2) {
    const uint8_t count = data[pos];
    const uint8_t value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      const uint8_t high = value >> 4, low = value & 0x0F;
      put(count, [&](size_t i) -> size_t { return fourBits ? (i % 2 ? low : high) : value; });
    } else if (value == kEndOfLine) {
      x = 0;
      ++y;
    } else if (value == kEndOfBitmap) {
      break;
    } else if (value == kDelta) {
      if (data.size() - pos < 2) break;
      x += data[pos];
      y += data[pos + 1];
      pos += 2;
    } else {
      // A literal run of `value` indices, its bytes padded to a whole 16-bit word.
      const size_t bytes = fourBits ? (size_t(value) + 1) / 2 : value;
      if (data.size() - pos < bytes) break;
      const uint8_t* literal = data.data() + pos;
      put(value, [&](size_t i) -> size_t {
        return fourBits ? (i % 2 ? literal[i / 2] & 0x0F : literal[i / 2] >> 4) : literal[i];
      });
      pos += std::min(data.size() - pos, (bytes + 1) / 2 * 2);
    }
  }
  return picture;
}

}  // namespace lumivel
