#include "support/picture_factory.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <stdexcept>

namespace lumivel::testing {

namespace {

void PutLe(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

void PutBe(std::string& out, uint64_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i)));
}

void Put(std::string& out, ByteOrder order, uint64_t value, int bytes) {
  if (order == ByteOrder::kLittle)
    PutLe(out, value, bytes);
  else
    PutBe(out, value, bytes);
}

}  // namespace

std::vector<uint8_t> QuadrantPixels(int width, int height) {
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2;
      const bool bottom = y >= height / 2;
      const Rgb c = bottom ? (right ? kBottomRightWhite : kBottomLeftBlue)
                           : (right ? kTopRightGreen : kTopLeftRed);
      uint8_t* p = rgb.data() + (size_t(y) * size_t(width) + size_t(x)) * 3;
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
    }
  }
  return rgb;
}

Rgb PixelAt(const Picture& picture, int x, int y) {
  const size_t at = size_t(y) * size_t(picture.pixelWidth) + size_t(x);
  if (x < 0 || y < 0 || x >= picture.pixelWidth || at >= picture.pixels.size()) {
    throw std::out_of_range("pixel outside the picture");
  }
  const uint32_t word = picture.pixels.data()[at];
  return {uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word)};
}

PixelBuffer Rgb32Pixels(const std::vector<uint8_t>& rgb) {
  PixelBuffer pixels(rgb.size() / 3);
  for (size_t i = 0; i < pixels.size(); ++i) {
    pixels.data()[i] = Rgb32(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
  }
  return pixels;
}

std::vector<uint8_t> RgbBytes(const Picture& picture) {
  std::vector<uint8_t> rgb;
  rgb.reserve(picture.pixels.size() * 3);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint32_t word = picture.pixels.data()[i];
    rgb.insert(rgb.end(), {uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word)});
  }
  return rgb;
}

bool Near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

std::string ExifApp1(uint16_t orientation, ByteOrder order) {
  std::string tiff = order == ByteOrder::kLittle ? "II" : "MM";
  Put(tiff, order, 42, 2);
  Put(tiff, order, 8, 4);  // IFD0 right after the header
  const uint32_t entries = 2;
  const uint32_t makeOffset = 8 + 2 + 12 * entries + 4;
  Put(tiff, order, entries, 2);
  Put(tiff, order, 0x010F, 2);  // Make, ASCII, stored past the directory
  Put(tiff, order, 2, 2);
  Put(tiff, order, 6, 4);
  Put(tiff, order, makeOffset, 4);
  Put(tiff, order, 0x0112, 2);  // Orientation, one SHORT held in the entry itself
  Put(tiff, order, 3, 2);
  Put(tiff, order, 1, 4);
  Put(tiff, order, orientation, 2);
  Put(tiff, order, 0, 2);
  Put(tiff, order, 0, 4);  // no next IFD
  tiff += std::string("Tests", 6);

  const std::string payload = std::string("Exif\0\0", 6) + tiff;
  std::string segment = "\xFF\xE1";
  PutBe(segment, payload.size() + 2, 2);
  return segment + payload;
}

namespace {

std::string Compress(const std::vector<uint8_t>& pixels, int width, int height, int pixelFormat,
                     int subsampling, int quality, int flags) {
  tjhandle tj = tjInitCompress();
  if (!tj) throw std::runtime_error("tjInitCompress failed");
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const int status = tjCompress2(tj, pixels.data(), width, 0, height, pixelFormat, &buffer, &size,
                                 subsampling, quality, flags);
  std::string jpeg;
  if (status == 0) jpeg.assign(reinterpret_cast<const char*>(buffer), size);
  tjFree(buffer);
  tjDestroy(tj);
  if (status != 0) throw std::runtime_error("tjCompress2 failed");
  return jpeg;
}

}  // namespace

std::string EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height,
                       const JpegOptions& options) {
  std::string jpeg = Compress(rgb, width, height, TJPF_RGB,
                              options.subsample420 ? TJSAMP_420 : TJSAMP_444, options.quality,
                              options.progressive ? TJFLAG_PROGRESSIVE : 0);
  if (options.orientation) jpeg.insert(2, ExifApp1(*options.orientation, options.order));
  return jpeg;
}

std::string EncodeCmykJpeg(const std::vector<uint8_t>& cmyk, int width, int height) {
  return Compress(cmyk, width, height, TJPF_CMYK, TJSAMP_444, 95, 0);
}

std::string QuadrantJpeg(int width, int height, const JpegOptions& options) {
  return EncodeJpeg(QuadrantPixels(width, height), width, height, options);
}

std::string WithFrameSize(std::string jpeg, uint16_t width, uint16_t height) {
  for (size_t i = 2; i + 9 < jpeg.size(); ++i) {
    const auto marker = static_cast<uint8_t>(jpeg[i + 1]);
    if (static_cast<uint8_t>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
      std::string size;
      PutBe(size, height, 2);
      PutBe(size, width, 2);
      jpeg.replace(i + 5, 4, size);
      return jpeg;
    }
  }
  throw std::runtime_error("no frame header");
}

std::string BmpFile(const BmpParts& parts) {
  std::string header;
  PutLe(header, parts.headerBytes, 4);
  PutLe(header, uint32_t(parts.width), 4);
  PutLe(header, uint32_t(parts.height), 4);
  PutLe(header, 1, 2);  // planes
  PutLe(header, parts.bitCount, 2);
  PutLe(header, parts.compression, 4);
  PutLe(header, parts.pixels.size(), 4);
  PutLe(header, 2835, 4);  // 72 dots an inch
  PutLe(header, 2835, 4);
  PutLe(header, parts.colorsUsed, 4);
  PutLe(header, 0, 4);
  header += parts.extraHeader;
  if (header.size() < parts.headerBytes) header.resize(parts.headerBytes, '\0');

  const size_t offset = 14 + header.size() + parts.tables.size();
  std::string file = "BM";
  PutLe(file, offset + parts.pixels.size(), 4);
  PutLe(file, 0, 4);
  PutLe(file, offset, 4);
  return file + header + parts.tables + parts.pixels;
}

std::string Bmp24(const std::vector<uint8_t>& rgb, int width, int height, bool topDown) {
  const size_t rowBytes = (size_t(width) * 3 + 3) / 4 * 4;
  std::string pixels;
  for (int r = 0; r < height; ++r) {
    const int y = topDown ? r : height - 1 - r;
    std::string row;
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = rgb.data() + (size_t(y) * size_t(width) + size_t(x)) * 3;
      row += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0])};
    }
    row.resize(rowBytes, '\0');
    pixels += row;
  }
  return BmpFile({.width = width, .height = topDown ? -height : height, .pixels = pixels});
}

std::string IcoFile(const std::vector<IconImage>& images) {
  std::string file;
  PutLe(file, 0, 2);
  PutLe(file, 1, 2);  // icon
  PutLe(file, images.size(), 2);
  size_t offset = 6 + 16 * images.size();
  for (const auto& image : images) {
    file.push_back(static_cast<char>(image.entryWidth));
    file.push_back(static_cast<char>(image.entryHeight));
    file.push_back(0);  // colour count
    file.push_back(0);
    PutLe(file, 1, 2);  // planes
    PutLe(file, image.entryBitCount, 2);
    PutLe(file, image.bytes.size(), 4);
    PutLe(file, offset, 4);
    offset += image.bytes.size();
  }
  for (const auto& image : images) file += image.bytes;
  return file;
}

std::string IconBitmap(int width, int height, int bitCount, const std::vector<uint8_t>& rgb,
                       const std::vector<uint8_t>& alpha, const std::vector<bool>& mask) {
  const size_t bytesPerPixel = size_t(bitCount) / 8;
  const size_t rowBytes = (size_t(width) * bytesPerPixel + 3) / 4 * 4;
  const size_t maskRowBytes = (size_t(width) + 31) / 32 * 4;
  std::string colours, bits;
  for (int r = 0; r < height; ++r) {
    const size_t y = size_t(height - 1 - r);
    std::string row, maskRow(maskRowBytes, '\0');
    for (size_t x = 0; x < size_t(width); ++x) {
      const size_t i = y * size_t(width) + x;
      row += {static_cast<char>(rgb[3 * i + 2]), static_cast<char>(rgb[3 * i + 1]),
              static_cast<char>(rgb[3 * i])};
      if (bitCount == 32) row.push_back(static_cast<char>(alpha[i]));
      if (mask[i]) maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
    }
    row.resize(rowBytes, '\0');
    colours += row;
    bits += maskRow;
  }
  std::string header;
  PutLe(header, 40, 4);
  PutLe(header, uint32_t(width), 4);
  PutLe(header, uint32_t(2 * height), 4);
  PutLe(header, 1, 2);
  PutLe(header, uint32_t(bitCount), 2);
  header.resize(40, '\0');
  return header + colours + bits;
}

namespace {

// One plain metafile record: its size in 16-bit words, its function, its 16-bit parameters.
std::string WmfRecord(uint16_t function, const std::vector<int>& parameters) {
  std::string record;
  PutLe(record, 3 + parameters.size(), 4);
  PutLe(record, function, 2);
  for (int p : parameters) PutLe(record, uint16_t(p), 2);
  return record;
}

uint32_t ColorRef(Rgb c) { return uint32_t{c.r} | uint32_t{c.g} << 8 | uint32_t{c.b} << 16; }

}  // namespace

std::string WmfFile(int width, int height, int unitsPerInch, const std::vector<MetaRect>& rects) {
  std::vector<std::string> records = {WmfRecord(0x020B, {0, 0}),             // SETWINDOWORG y, x
                                      WmfRecord(0x020C, {height, width}),    // SETWINDOWEXT y, x
                                      WmfRecord(0x02FA, {5, 0, 0, 0, 0}),    // CREATEPENINDIRECT null
                                      WmfRecord(0x012D, {0})};               // SELECTOBJECT
  int object = 1;
  for (const MetaRect& r : rects) {
    const uint32_t colour = ColorRef(r.colour);
    records.push_back(WmfRecord(0x02FC, {0, int(colour & 0xFFFF), int(colour >> 16), 0}));  // solid brush
    records.push_back(WmfRecord(0x012D, {object++}));
    records.push_back(WmfRecord(0x041B, {r.bottom, r.right, r.top, r.left}));  // RECTANGLE
  }
  records.push_back(WmfRecord(0x0000, {}));  // EOF
  std::string body;
  size_t largest = 0;
  for (const auto& r : records) {
    body += r;
    largest = std::max(largest, r.size() / 2);
  }
  std::string placeable;
  PutLe(placeable, 0x9AC6CDD7, 4);
  PutLe(placeable, 0, 2);
  for (int v : {0, 0, width, height}) PutLe(placeable, uint16_t(v), 2);
  PutLe(placeable, uint16_t(unitsPerInch), 2);
  PutLe(placeable, 0, 4);
  uint16_t checksum = 0;
  for (size_t i = 0; i < 10; ++i) checksum ^= uint16_t(uint8_t(placeable[2 * i]) | uint8_t(placeable[2 * i + 1]) << 8);
  PutLe(placeable, checksum, 2);
  std::string header;
  PutLe(header, 1, 2);       // kept in a file
  PutLe(header, 9, 2);       // header words
  PutLe(header, 0x0300, 2);  // version
  PutLe(header, (18 + body.size()) / 2, 4);
  PutLe(header, uint16_t(object), 2);
  PutLe(header, largest, 4);
  PutLe(header, 0, 2);
  return placeable + header + body;
}

std::string EmfFile(int frameWidth, int frameHeight, int boundsWidth, int boundsHeight,
                    const std::vector<MetaRect>& rects) {
  const auto record = [](uint32_t type, const std::vector<int64_t>& fields) {
    std::string r;
    PutLe(r, type, 4);
    PutLe(r, 8 + 4 * fields.size(), 4);
    for (int64_t f : fields) PutLe(r, uint32_t(f), 4);
    return r;
  };
  std::string body = record(37, {0x80000008});  // SELECTOBJECT the stock null pen
  uint32_t object = 1;
  for (const MetaRect& r : rects) {
    body += record(39, {object, 0, ColorRef(r.colour), 0});  // CREATEBRUSHINDIRECT solid
    body += record(37, {object++});
    body += record(43, {r.left, r.top, r.right - 1, r.bottom - 1});  // RECTANGLE, inclusive
  }
  body += record(14, {0, 16, 20});  // EOF
  const size_t records = 2 + 3 * rects.size() + 1;
  std::string header = record(1, {0, 0, boundsWidth - 1, boundsHeight - 1, 0, 0, frameWidth, frameHeight,
                                  0x464D4520, 0x10000, int64_t(88 + body.size()), int64_t(records),
                                  int64_t(object) /* handles, then a reserved word */, 0, 0, 0,
                                  1920, 1080, 508, 286});
  return header + body;
}

std::string GarbageBytes(size_t count) {
  std::mt19937 random(12345);
  std::string bytes;
  for (size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>(random() & 0xFF));
  return bytes;
}

}  // namespace lumivel::testing
