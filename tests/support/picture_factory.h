#pragma once
// Picture files made on the spot for tests: JPEGs with or without an EXIF orientation tag,
// bitmaps, icons, and the broken variants the loaders must survive.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "services/picture.h"

namespace lumivel::testing {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Four quadrants of distinct colours, so that every turn and mirror of the picture can be told
// apart by the colour found in each corner.
inline constexpr Rgb kTopLeftRed{230, 20, 20};
inline constexpr Rgb kTopRightGreen{20, 200, 20};
inline constexpr Rgb kBottomLeftBlue{20, 20, 230};
inline constexpr Rgb kBottomRightWhite{245, 245, 245};
std::vector<uint8_t> QuadrantPixels(int width, int height);  // RGB, rows top to bottom

// The pixel at (x, y) of a decoded picture.
Rgb PixelAt(const Picture& picture, int x, int y);
// Pixels as a decoder leaves them, from RGB bytes (rows top to bottom); and back.
PixelBuffer Rgb32Pixels(const std::vector<uint8_t>& rgb);
std::vector<uint8_t> RgbBytes(const Picture& picture);
// Whether two colours differ by at most tolerance in each channel (JPEG is lossy).
bool Near(Rgb a, Rgb b, int tolerance = 30);

enum class ByteOrder { kLittle, kBig };

// A whole APP1 segment, marker included: "Exif\0\0" and a TIFF block whose IFD0 holds a Make
// entry and then the orientation tag (0x0112, SHORT) with the given value.
std::string ExifApp1(uint16_t orientation, ByteOrder order);

struct JpegOptions {
  int quality = 95;
  bool subsample420 = false;  // else 4:4:4, which keeps the quadrant edges sharp
  bool progressive = false;
  std::optional<uint16_t> orientation{};  // an EXIF block right after the start-of-image marker
  ByteOrder order = ByteOrder::kLittle;
};

std::string EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height,
                       const JpegOptions& options = {});
std::string QuadrantJpeg(int width, int height, const JpegOptions& options = {});
// A four-colour JPEG (stored as YCCK) of CMYK pixels in Adobe's inverted form: 255 is no ink.
std::string EncodeCmykJpeg(const std::vector<uint8_t>& cmyk, int width, int height);

// The same file with the size in its frame header replaced: a header that lies.
std::string WithFrameSize(std::string jpeg, uint16_t width, uint16_t height);

// A bitmap file of any kind: the file header, a BITMAPINFOHEADER (or a longer header of
// headerBytes, zero-filled past 40 bytes unless `extraHeader` fills it), then `tables` (masks,
// colour table) and `pixels` exactly as given; the pixel offset points just after the tables.
struct BmpParts {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitCount = 24;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  uint32_t headerBytes = 40;
  std::string extraHeader{};
  std::string tables{};
  std::string pixels{};
};
std::string BmpFile(const BmpParts& parts);

// A 24-bit bitmap of RGB pixels, rows stored bottom-up unless topDown.
std::string Bmp24(const std::vector<uint8_t>& rgb, int width, int height, bool topDown = false);

// One image of an icon: its directory entry's numbers and its stored bytes.
struct IconImage {
  uint8_t entryWidth = 0;   // 0 stands for 256
  uint8_t entryHeight = 0;
  uint16_t entryBitCount = 0;
  std::string bytes{};
};
std::string IcoFile(const std::vector<IconImage>& images);

// The bitmap of an icon image: 24 or 32 bits, rows bottom-up, doubled height, then the mask.
// alpha is used for 32 bits (one byte a pixel); mask holds one flag a pixel, rows top to bottom,
// true where the background shows.
std::string IconBitmap(int width, int height, int bitCount, const std::vector<uint8_t>& rgb,
                       const std::vector<uint8_t>& alpha, const std::vector<bool>& mask);

// A filled rectangle of a metafile, in its own units; the right and bottom edges are outside.
struct MetaRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  Rgb colour;
};
// A plain metafile with a placeable header: width x height units, unitsPerInch of them an inch,
// the rectangles filled without outline.
std::string WmfFile(int width, int height, int unitsPerInch, const std::vector<MetaRect>& rects);
// An enhanced metafile whose frame is frameWidth x frameHeight hundredths of a millimetre and whose
// bounds are boundsWidth x boundsHeight device pixels, the rectangles filled without outline.
std::string EmfFile(int frameWidth, int frameHeight, int boundsWidth, int boundsHeight,
                    const std::vector<MetaRect>& rects);

// Bytes that no loader should take for a picture.
std::string GarbageBytes(size_t count);

}  // namespace lumivel::testing
