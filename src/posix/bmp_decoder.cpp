#include "posix/bmp_decoder.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "posix/bmp_run_length.h"
#include "posix/picture_memory.h"

namespace lumivel {

namespace {

constexpr uint32_t kUncompressed = 0;       // BI_RGB
constexpr uint32_t kRle8 = 1;               // BI_RLE8
constexpr uint32_t kRle4 = 2;               // BI_RLE4
constexpr size_t kCoreHeaderBytes = 12;     // BITMAPCOREHEADER (OS/2 1.x, Windows 2.x)
constexpr uint32_t kBitFields = 3;          // BI_BITFIELDS
constexpr uint32_t kAlphaBitFields = 6;     // BI_ALPHABITFIELDS
constexpr size_t kInfoHeaderBytes = 40;     // BITMAPINFOHEADER
constexpr size_t kFileHeaderBytes = 14;     // BITMAPFILEHEADER

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// One colour channel of a 16- or 32-bit pixel, widened to 8 bits.
class Channel {
 public:
  explicit Channel(uint32_t mask)
      : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask >> shift_) {}
  uint8_t From(uint32_t pixel, uint8_t absent) const {
    if (max_ == 0) return absent;
    const uint64_t value = (pixel & mask_) >> shift_;
    return static_cast<uint8_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_;
  uint32_t max_;
};

}  // namespace

uint64_t DibRowBytes(int width, int bitCount) {
  return (uint64_t(width) * uint64_t(bitCount) + 31) / 32 * 4;
}

namespace {

// The oldest header: 16-bit sizes, rows always bottom-up, no compression, and a colour table of
// 3-byte entries, of which a file may hold fewer than its depth allows when its pixels start
// sooner.
std::optional<DibInfo> ReadCoreInfo(std::span<const uint8_t> dib, size_t pixelsAt) {
  const uint8_t* d = dib.data();
  DibInfo info;
  info.headerBytes = kCoreHeaderBytes;
  info.width = Le16(d + 4);
  info.height = Le16(d + 6);
  info.bitCount = Le16(d + 10);
  if (info.width <= 0 || info.height <= 0) return std::nullopt;
  switch (info.bitCount) {
    case 1: case 4: case 8: case 24: break;
    default: return std::nullopt;
  }
  size_t colors = 0;
  if (info.bitCount <= 8) {
    const size_t end = std::min(pixelsAt, dib.size());
    const size_t room = end > kCoreHeaderBytes ? end - kCoreHeaderBytes : 0;
    colors = std::min<size_t>(size_t{1} << info.bitCount, room / 3);
    for (size_t i = 0; i < colors; ++i) {
      const uint8_t* entry = d + kCoreHeaderBytes + 3 * i;
      info.palette.push_back(Rgb32(entry[2], entry[1], entry[0]));
    }
  }
  info.bytesBeforePixels = kCoreHeaderBytes + 3 * colors;
  return info;
}

}  // namespace

std::optional<DibInfo> ReadDibInfo(std::span<const uint8_t> dib, size_t pixelsAt) {
  if (dib.size() >= kCoreHeaderBytes && Le32(dib.data()) == kCoreHeaderBytes)
    return ReadCoreInfo(dib, pixelsAt);
  if (dib.size() < kInfoHeaderBytes) return std::nullopt;
  const uint8_t* d = dib.data();
  const size_t headerBytes = Le32(d);
  if (headerBytes < kInfoHeaderBytes || headerBytes > dib.size()) return std::nullopt;

  DibInfo info;
  info.headerBytes = headerBytes;
  info.width = static_cast<int32_t>(Le32(d + 4));
  info.height = static_cast<int32_t>(Le32(d + 8));
  info.bitCount = Le16(d + 14);
  const uint32_t compression = Le32(d + 16);
  const uint32_t colorsUsed = Le32(d + 32);
  if (info.width <= 0 || info.height == 0 || info.height == std::numeric_limits<int32_t>::min())
    return std::nullopt;
  switch (info.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return std::nullopt;
  }

  size_t pos = headerBytes;
  if (compression == kUncompressed) {
    if (info.bitCount == 16) info.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (info.bitCount == 32) info.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  } else if (compression == kRle8 || compression == kRle4) {
    // Run-length rows are stored bottom-up only.
    if (info.bitCount != (compression == kRle8 ? 8 : 4) || info.height < 0) return std::nullopt;
    info.runLength = true;
  } else if (compression == kBitFields || compression == kAlphaBitFields) {
    if (info.bitCount != 16 && info.bitCount != 32) return std::nullopt;
    const size_t count = compression == kAlphaBitFields ? 4 : 3;
    // Later headers hold the masks themselves; the first one is followed by them.
    const uint8_t* masks = d + kInfoHeaderBytes;
    if (headerBytes == kInfoHeaderBytes) {
      if (dib.size() - pos < 4 * count) return std::nullopt;
      pos += 4 * count;
    } else if (headerBytes < kInfoHeaderBytes + 4 * count) {
      return std::nullopt;
    }
    for (size_t i = 0; i < count; ++i) info.masks[i] = Le32(masks + 4 * i);
    if (count == 3 && headerBytes >= kInfoHeaderBytes + 16) info.masks[3] = Le32(masks + 12);
  } else {
    return std::nullopt;
  }

  uint64_t colors = colorsUsed;
  if (info.bitCount <= 8) {
    const uint64_t most = uint64_t{1} << info.bitCount;
    if (colors > most) return std::nullopt;
    if (colors == 0) colors = most;
  }
  if (colors > (dib.size() - pos) / 4) return std::nullopt;
  // Above 8 bits a colour table is only a hint for the display; it is passed over.
  if (info.bitCount <= 8) {
    info.palette.reserve(colors);
    for (uint64_t i = 0; i < colors; ++i) {
      const uint8_t* entry = d + pos + 4 * i;
      info.palette.push_back(Rgb32(entry[2], entry[1], entry[0]));
    }
  }
  info.bytesBeforePixels = pos + 4 * colors;
  return info;
}

std::optional<Picture> DecodeDibPixels(const DibInfo& info, int rows, bool topDown,
                                       std::span<const uint8_t> pixels,
                                       std::vector<uint8_t>* alpha) {
  const int width = info.width;
  if (width <= 0 || rows <= 0 || !PixelBufferFits(uint64_t(width), uint64_t(rows)))
    return std::nullopt;
  const uint64_t rowBytes = DibRowBytes(width, info.bitCount);
  if (uint64_t(rows) > pixels.size() / rowBytes) return std::nullopt;

  Picture picture;
  picture.width = picture.pixelWidth = width;
  picture.height = picture.pixelHeight = rows;
  const size_t w = size_t(width);
  picture.pixels = NewPixelBuffer(w * size_t(rows));
  if (alpha) alpha->assign(w * size_t(rows), 255);
  const Channel red(info.masks[0]), green(info.masks[1]), blue(info.masks[2]),
      opacity(info.masks[3]);
  const uint32_t black = Rgb32(0, 0, 0);

  for (int r = 0; r < rows; ++r) {
    const uint8_t* src = pixels.data() + size_t(r) * rowBytes;
    const size_t outRow = size_t(topDown ? r : rows - 1 - r);
    uint32_t* dst = picture.pixels.data() + outRow * w;
    uint8_t* dstAlpha = alpha ? alpha->data() + outRow * w : nullptr;
    for (size_t x = 0; x < w; ++x, ++dst) {
      switch (info.bitCount) {
        case 1: case 4: case 8: {
          const size_t bit = x * size_t(info.bitCount);
          const unsigned shift = 8 - unsigned(info.bitCount) - unsigned(bit % 8);
          const size_t index = (src[bit / 8] >> shift) & ((1u << info.bitCount) - 1);
          // An index past a short colour table is drawn black rather than read past it.
          *dst = index < info.palette.size() ? info.palette[index] : black;
          break;
        }
        case 24:
          *dst = Rgb32(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
          break;
        default: {
          const uint32_t value = info.bitCount == 16 ? Le16(src + 2 * x) : Le32(src + 4 * x);
          *dst = Rgb32(red.From(value, 0), green.From(value, 0), blue.From(value, 0));
          if (dstAlpha && info.bitCount == 32) dstAlpha[x] = opacity.From(value, 255);
          break;
        }
      }
    }
  }
  return picture;
}

std::optional<Picture> DecodeBmp(std::span<const uint8_t> file) {
  if (file.size() < kFileHeaderBytes || file[0] != 'B' || file[1] != 'M') return std::nullopt;
  const uint32_t pixelOffset = Le32(file.data() + 10);
  if (pixelOffset < kFileHeaderBytes) return std::nullopt;
  const auto info = ReadDibInfo(file.subspan(kFileHeaderBytes), pixelOffset - kFileHeaderBytes);
  if (!info) return std::nullopt;
  if (pixelOffset < kFileHeaderBytes + info->headerBytes || pixelOffset > file.size())
    return std::nullopt;
  const bool topDown = info->height < 0;
  const int rows = topDown ? -info->height : info->height;
  if (info->runLength) return DecodeDibRunLength(*info, file.subspan(pixelOffset));
  return DecodeDibPixels(*info, rows, topDown, file.subspan(pixelOffset));
}

}  // namespace lumivel
