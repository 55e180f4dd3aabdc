#include "posix/ico_decoder.h"

#include <algorithm>
#include <array>
#include <vector>

#include "posix/bmp_decoder.h"

namespace lumivel {

namespace {

constexpr size_t kDirectoryBytes = 6;  // ICONDIR
constexpr size_t kEntryBytes = 16;     // ICONDIRENTRY
constexpr uint16_t kIconType = 1;
constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

struct Entry {
  uint32_t area = 0;
  uint16_t bitCount = 0;
  uint32_t bytes = 0;
  uint32_t offset = 0;
};

}  // namespace

std::optional<Picture> DecodeIco(std::span<const uint8_t> file) {
  if (file.size() < kDirectoryBytes) return std::nullopt;
  const uint8_t* d = file.data();
  const size_t count = Le16(d + 4);
  if (Le16(d) != 0 || Le16(d + 2) != kIconType || count == 0) return std::nullopt;
  if ((file.size() - kDirectoryBytes) / kEntryBytes < count) return std::nullopt;

  // The largest image; of equal sizes, the deepest colours; of those, the first.
  std::optional<Entry> best;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = d + kDirectoryBytes + i * kEntryBytes;
    const uint32_t width = e[0] ? e[0] : 256;  // 0 stands for 256
    const uint32_t height = e[1] ? e[1] : 256;
    const Entry entry{width * height, Le16(e + 6), Le32(e + 8), Le32(e + 12)};
    if (!best || entry.area > best->area ||
        (entry.area == best->area && entry.bitCount > best->bitCount))
      best = entry;
  }
  if (best->offset > file.size() || best->bytes > file.size() - best->offset) return std::nullopt;
  const auto image = file.subspan(best->offset, best->bytes);
  if (image.size() >= kPngSignature.size() &&
      std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin()))
    return std::nullopt;

  const auto info = ReadDibInfo(image);
  if (!info || info->height < 0 || info->runLength) return std::nullopt;
  const int rows = info->height / 2;
  if (rows <= 0) return std::nullopt;
  const auto colours = image.subspan(info->bytesBeforePixels);
  std::vector<uint8_t> alpha;
  auto picture = DecodeDibPixels(*info, rows, false, colours, &alpha);
  if (!picture) return std::nullopt;

  const uint64_t colourBytes = DibRowBytes(info->width, info->bitCount) * uint64_t(rows);
  const uint64_t maskRowBytes = DibRowBytes(info->width, 1);
  const auto maskData = colours.subspan(colourBytes);
  if (maskData.size() / maskRowBytes < uint64_t(rows)) return std::nullopt;

  // Icons drawn before alpha existed leave every alpha byte at 0 and rely on the mask alone.
  const bool usesAlpha = info->bitCount == 32 &&
                         std::any_of(alpha.begin(), alpha.end(), [](uint8_t a) { return a != 0; });
  const size_t width = size_t(info->width);
  for (size_t y = 0; y < size_t(rows); ++y) {
    const uint8_t* maskRow = maskData.data() + (size_t(rows) - 1 - y) * maskRowBytes;
    for (size_t x = 0; x < width; ++x) {
      uint32_t& px = picture->pixels.data()[y * width + x];
      if (usesAlpha) {
        const unsigned a = alpha[y * width + x];
        const auto over = [a](uint32_t c) { return static_cast<uint8_t>(((c & 0xFF) * a + 127) / 255); };
        px = Rgb32(over(px >> 16), over(px >> 8), over(px));
      } else if (maskRow[x / 8] & (0x80 >> (x % 8))) {
        px = Rgb32(0, 0, 0);
      }
    }
  }
  return picture;
}

}  // namespace lumivel
