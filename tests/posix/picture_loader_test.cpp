#include "posix/picture_loader.h"

#include "posix/metafile_decoder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>

#include "support/picture_factory.h"
#include "support/test_support.h"
#include "util/errors.h"

namespace lumivel {
namespace {

using namespace literals;
using testing::ByteOrder;
using testing::JpegOptions;
using testing::Near;
using testing::PixelAt;
using testing::Rgb;

constexpr Rgb kR = testing::kTopLeftRed;
constexpr Rgb kG = testing::kTopRightGreen;
constexpr Rgb kB = testing::kBottomLeftBlue;
constexpr Rgb kW = testing::kBottomRightWhite;

// Colours at the middle of each quadrant: top-left, top-right, bottom-left, bottom-right.
std::array<Rgb, 4> Quadrants(const Picture& p) {
  const int left = p.pixelWidth / 4, right = 3 * p.pixelWidth / 4;
  const int top = p.pixelHeight / 4, bottom = 3 * p.pixelHeight / 4;
  return {PixelAt(p, left, top), PixelAt(p, right, top), PixelAt(p, left, bottom),
          PixelAt(p, right, bottom)};
}

void ExpectQuadrants(const Picture& p, const std::array<Rgb, 4>& expected) {
  const auto got = Quadrants(p);
  const char* names[] = {"top-left", "top-right", "bottom-left", "bottom-right"};
  for (size_t i = 0; i < 4; ++i)
    EXPECT_TRUE(Near(got[i], expected[i]))
        << names[i] << ": " << int(got[i].r) << "," << int(got[i].g) << "," << int(got[i].b);
}

struct OrientationCase {
  const char* what;
  uint16_t tag;
  bool swapped;
  std::array<Rgb, 4> upright;  // stored as red, green / blue, white
};

// How a viewer shows the stored picture for each tag, worked out on paper.
const OrientationCase kOrientations[] = {
    {"no turn", 1, false, {kR, kG, kB, kW}},
    {"mirrored left-right", 2, false, {kG, kR, kW, kB}},
    {"half turn", 3, false, {kW, kB, kG, kR}},
    {"mirrored top-bottom", 4, false, {kB, kW, kR, kG}},
    {"transposed", 5, true, {kR, kB, kG, kW}},
    {"quarter turn clockwise", 6, true, {kB, kR, kW, kG}},
    {"transversed", 7, true, {kW, kG, kB, kR}},
    {"quarter turn anticlockwise", 8, true, {kG, kW, kR, kB}},
    {"unknown value 0", 0, false, {kR, kG, kB, kW}},
    {"unknown value 9", 9, false, {kR, kG, kB, kW}},
    {"only the low byte counts", 0x0106, true, {kB, kR, kW, kG}},
};

void ExpectEmpty(const Picture& p) {
  EXPECT_EQ(p.width, 0);
  EXPECT_EQ(p.height, 0);
  EXPECT_EQ(p.pixelWidth, 0);
  EXPECT_EQ(p.pixelHeight, 0);
  EXPECT_TRUE(p.pixels.empty());
}

long MaxResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// First in the file, while the process is small: the high-water mark of resident memory would
// show a buffer allocated for a lying header.
TEST(PictureLoaderJpeg, LyingHeadersAreRefusedWithoutAllocating) {
  const std::string baseline = testing::QuadrantJpeg(64, 32);
  const std::string progressive = testing::QuadrantJpeg(64, 32, {.progressive = true});
  const struct {
    const char* what;
    std::string bytes;
    int coverWidth, coverHeight;
  } cases[] = {
      {"65535 x 65535", testing::WithFrameSize(baseline, 65535, 65535), 0, 0},
      {"60000 x 40000 at full size: 6.7 GiB of pixels",
       testing::WithFrameSize(baseline, 60000, 40000), 0, 0},
      {"60000 x 60000 progressive at 1/8: the coefficients alone take 20 GiB",
       testing::WithFrameSize(progressive, 60000, 60000), 1920, 1080},
  };
  testing::TempDir dir;
  PosixPictureLoader loader;
  const long before = MaxResidentKilobytes();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto path = dir.Write("lying.jpg", c.bytes);
    ExpectEmpty(*loader.LoadJpeg(path.string(), c.coverWidth, c.coverHeight));
  }
  EXPECT_LT(MaxResidentKilobytes() - before, 64 * 1024);
}

TEST(PictureLoaderJpeg, EachOrientationComesOutUprightInBothByteOrders) {
  testing::TempDir dir;
  PosixPictureLoader loader;
  for (const auto order : {ByteOrder::kLittle, ByteOrder::kBig}) {
    for (const auto& c : kOrientations) {
      SCOPED_TRACE(std::string(c.what) + (order == ByteOrder::kLittle ? " (II)" : " (MM)"));
      const auto path = dir.Write(
          "o.jpg", testing::QuadrantJpeg(64, 32, {.orientation = c.tag, .order = order}));
      const auto p = loader.LoadJpeg(path.string(), 0, 0);
      EXPECT_EQ(p->width, c.swapped ? 32 : 64);
      EXPECT_EQ(p->height, c.swapped ? 64 : 32);
      EXPECT_EQ(p->pixelWidth, p->width);
      EXPECT_EQ(p->pixelHeight, p->height);
      ExpectQuadrants(*p, c.upright);
    }
  }
}

TEST(PictureLoaderJpeg, NoExifBlockIsDrawnAsStored) {
  testing::TempDir dir;
  const auto path = dir.Write("plain.jpg", testing::QuadrantJpeg(48, 80));
  const auto p = PosixPictureLoader().LoadJpeg(path.string(), 0, 0);
  EXPECT_EQ(p->width, 48);
  EXPECT_EQ(p->height, 80);
  ExpectQuadrants(*p, {kR, kG, kB, kW});
}

struct ScaleCase {
  const char* what;
  int width, height;
  uint16_t orientation;
  int coverWidth, coverHeight;
  int pixelWidth, pixelHeight;  // upright
};

// The reductions used are 1/8, 1/4 and 1/2; TurboJPEG rounds scaled sizes up.
const ScaleCase kScales[] = {
    {"0 x 0 asks for full size", 800, 600, 1, 0, 0, 800, 600},
    {"exactly 1/8", 800, 600, 1, 100, 75, 100, 75},
    {"one pixel more needs 1/4", 800, 600, 1, 101, 75, 200, 150},
    {"3/8 would cover, 1/2 is taken", 800, 600, 1, 300, 200, 400, 300},
    {"the height decides", 800, 600, 1, 10, 301, 800, 600},
    {"7/8 would cover, full size is taken", 800, 600, 1, 700, 500, 800, 600},
    {"never enlarged", 800, 600, 1, 1600, 1200, 800, 600},
    {"scaled sizes round up", 801, 601, 1, 101, 76, 101, 76},
    {"upright cover of a turned picture", 640, 320, 6, 100, 200, 160, 320},
    {"turned picture, wide cover", 640, 320, 8, 200, 100, 320, 640},
};

TEST(PictureLoaderJpeg, DecodesAtTheSmallestScaleThatCoversAndReportsFullSize) {
  testing::TempDir dir;
  PosixPictureLoader loader;
  for (const auto& c : kScales) {
    SCOPED_TRACE(c.what);
    JpegOptions options;
    if (c.orientation != 1) options.orientation = c.orientation;
    const auto path = dir.Write("s.jpg", testing::QuadrantJpeg(c.width, c.height, options));
    const auto p = loader.LoadJpeg(path.string(), c.coverWidth, c.coverHeight);
    const bool swapped = c.orientation >= 5;
    EXPECT_EQ(p->width, swapped ? c.height : c.width);
    EXPECT_EQ(p->height, swapped ? c.width : c.height);
    EXPECT_EQ(p->pixelWidth, c.pixelWidth);
    EXPECT_EQ(p->pixelHeight, c.pixelHeight);
    ASSERT_EQ(p->pixels.size(), size_t(c.pixelWidth) * size_t(c.pixelHeight));
    if (c.orientation == 6) ExpectQuadrants(*p, {kB, kR, kW, kG});
    if (c.orientation == 8) ExpectQuadrants(*p, {kG, kW, kR, kB});
  }
}

TEST(PictureLoaderJpeg, CameraSizedPictureForAFullHdScreenDecodesAtHalfSize) {
  testing::TempDir dir;
  const auto path = dir.Write(
      "camera.jpg", testing::QuadrantJpeg(6000, 4000, {.quality = 75, .subsample420 = true}));
  const auto p = PosixPictureLoader().LoadJpeg(path.string(), 1920, 1080);
  EXPECT_EQ(p->width, 6000);
  EXPECT_EQ(p->height, 4000);
  EXPECT_EQ(p->pixelWidth, 3000);
  EXPECT_EQ(p->pixelHeight, 2000);
  ExpectQuadrants(*p, {kR, kG, kB, kW});
}

TEST(PictureLoaderJpeg, ProgressiveFilesLoad) {
  testing::TempDir dir;
  const auto path = dir.Write(
      "p.jpg", testing::QuadrantJpeg(64, 32, {.progressive = true, .orientation = 3}));
  const auto p = PosixPictureLoader().LoadJpeg(path.string(), 0, 0);
  EXPECT_EQ(p->width, 64);
  ExpectQuadrants(*p, {kW, kB, kG, kR});
}

TEST(PictureLoaderJpeg, FourColourFilesComeOutAsRgb) {
  // Inverted CMYK: cyan ink alone, magenta ink alone, half black.
  std::vector<uint8_t> cmyk;
  for (int i = 0; i < 16 * 8; ++i) cmyk.insert(cmyk.end(), {0, 255, 255, 255});
  for (int i = 0; i < 16 * 8; ++i) cmyk.insert(cmyk.end(), {255, 0, 255, 255});
  for (int i = 0; i < 16 * 8; ++i) cmyk.insert(cmyk.end(), {255, 255, 255, 128});
  testing::TempDir dir;
  const auto path = dir.Write("cmyk.jpg", testing::EncodeCmykJpeg(cmyk, 16, 24));
  const auto p = PosixPictureLoader().LoadJpeg(path.string(), 0, 0);
  ASSERT_EQ(p->pixelHeight, 24);
  EXPECT_TRUE(Near(PixelAt(*p, 8, 4), {0, 255, 255}));
  EXPECT_TRUE(Near(PixelAt(*p, 8, 12), {255, 0, 255}));
  EXPECT_TRUE(Near(PixelAt(*p, 8, 20), {128, 128, 128}));
}

TEST(PictureLoaderJpeg, CorruptDataInsideAWholeFileStillGivesThePicture) {
  // Two stray bytes before the end marker: the decoder warns and carries on, as viewers do.
  std::string jpeg = testing::QuadrantJpeg(64, 32);
  jpeg.insert(jpeg.size() - 2, "\x12\x34");
  testing::TempDir dir;
  const auto p = PosixPictureLoader().LoadJpeg(dir.Write("c.jpg", jpeg).string(), 0, 0);
  EXPECT_EQ(p->width, 64);
  EXPECT_EQ(p->height, 32);
}

TEST(PictureLoaderJpeg, UnreadableFilesGiveAnEmptyPicture) {
  const std::string good = testing::QuadrantJpeg(64, 32, {.orientation = 6});
  const std::string progressive = testing::QuadrantJpeg(64, 32, {.progressive = true});
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"garbage", testing::GarbageBytes(5000)},
      {"start-of-image marker only", "\xFF\xD8"},
      {"cut inside the headers", good.substr(0, 120)},
      {"cut inside the scan", good.substr(0, good.size() / 2)},
      {"end marker missing", good.substr(0, good.size() - 2)},
      {"progressive file cut short", progressive.substr(0, progressive.size() * 2 / 3)},
  };
  testing::TempDir dir;
  PosixPictureLoader loader;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectEmpty(*loader.LoadJpeg(dir.Write("bad.jpg", c.bytes).string(), 0, 0));
  }
  EXPECT_EQ(loader.LoadJpeg((dir.Path() / "missing.jpg").string(), 0, 0)->width, 0);
  EXPECT_EQ(loader.LoadJpeg(dir.Path().string(), 0, 0)->width, 0) << "a folder";
}

TEST(PictureLoaderJpeg, ALoadTakesWorkDoneAheadOnlyForTheFileAsItIsNowAndTheSameCover) {
  testing::TempDir dir;
  PosixPictureLoader loader;
  const std::string a = dir.Write("a.jpg", testing::QuadrantJpeg(64, 32)).string();
  const std::string b = dir.Write("b.jpg", testing::QuadrantJpeg(48, 80)).string();

  loader.DecodeAhead(a, 0, 0);
  auto p = loader.LoadJpeg(a, 0, 0);
  EXPECT_EQ(p->width, 64);
  ExpectQuadrants(*p, {kR, kG, kB, kW});

  loader.DecodeAhead(a, 0, 0);
  dir.Write("a.jpg", testing::QuadrantJpeg(64, 32, {.orientation = 3}));
  {
    SCOPED_TRACE("the file changed after the hint");
    ExpectQuadrants(*loader.LoadJpeg(a, 0, 0), {kW, kB, kG, kR});
  }

  loader.DecodeAhead(a, 0, 0);
  EXPECT_EQ(loader.LoadJpeg(a, 8, 4)->pixelWidth, 8) << "another cover";

  loader.DecodeAhead(b, 0, 0);
  EXPECT_EQ(loader.LoadJpeg(a, 0, 0)->width, 64) << "another file was hinted";
  EXPECT_EQ(loader.LoadJpeg(b, 0, 0)->width, 48) << "the hint given up is no longer held";

  loader.DecodeAhead(b, 0, 0);
  std::filesystem::remove(b);
  EXPECT_EQ(loader.LoadJpeg(b, 0, 0)->width, 0) << "the file went after the hint";
}

// --- Bitmaps ---

std::string Le32(uint32_t v) {
  return {char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24)};
}

std::shared_ptr<const Picture> LoadBmpBytes(const std::string& bytes) {
  testing::TempDir dir;
  return PosixPictureLoader().LoadBmp(dir.Write("b.bmp", bytes).string());
}

TEST(PictureLoaderBmp, TwentyFourBitRowsEitherWay) {
  for (const bool topDown : {false, true}) {
    SCOPED_TRACE(topDown ? "top-down" : "bottom-up");
    // 5 pixels a row: 15 bytes and one byte of padding.
    const auto p = LoadBmpBytes(testing::Bmp24(testing::QuadrantPixels(10, 6), 10, 6, topDown));
    EXPECT_EQ(p->width, 10);
    EXPECT_EQ(p->height, 6);
    EXPECT_EQ(p->pixelWidth, 10);
    EXPECT_EQ(p->pixelHeight, 6);
    EXPECT_EQ(testing::RgbBytes(*p), testing::QuadrantPixels(10, 6));
  }
}

TEST(PictureLoaderBmp, PalettesAndColourMasks) {
  const std::string palette = std::string("\x00\x00\xFF\x00", 4) +  // red (stored B, G, R, 0)
                              std::string("\xFF\x00\x00\x00", 4) +  // blue
                              std::string("\x00\xFF\x00\x00", 4);   // green
  const struct {
    const char* what;
    testing::BmpParts parts;
    std::vector<Rgb> expected;  // rows top to bottom
  } cases[] = {
      {"1 bit, 3 x 2, bottom row stored first",
       {.width = 3, .height = 2, .bitCount = 1, .colorsUsed = 2, .tables = palette.substr(0, 8),
        .pixels = std::string("\xA0\0\0\0\x40\0\0\0", 8)},
       {{255, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 0, 255}}},
      {"4 bits, 3 x 1, index past the table is black",
       {.width = 3, .height = 1, .bitCount = 4, .colorsUsed = 3, .tables = palette,
        .pixels = std::string("\x12\x70\0\0", 4)},
       {{0, 0, 255}, {0, 255, 0}, {0, 0, 0}}},
      {"8 bits, 2 x 2, top-down",
       {.width = 2, .height = -2, .bitCount = 8, .colorsUsed = 3, .tables = palette,
        .pixels = std::string("\x00\x01\0\0\x02\x00\0\0", 8)},
       {{255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {255, 0, 0}}},
      {"16 bits, 5-5-5 by default",
       {.width = 2, .height = 1, .bitCount = 16, .pixels = std::string("\x00\x7C\x1F\x00", 4)},
       {{255, 0, 0}, {0, 0, 255}}},
      {"16 bits, 5-6-5 masks after the header",
       {.width = 2, .height = 1, .bitCount = 16, .compression = 3,
        .tables = Le32(0xF800) + Le32(0x07E0) + Le32(0x001F),
        .pixels = std::string("\xE0\x07\x10\x84", 4)},
       {{0, 255, 0}, {132, 130, 132}}},
      {"32 bits, masks inside a version 5 header",
       {.width = 1, .height = 1, .bitCount = 32, .compression = 3, .headerBytes = 124,
        .extraHeader = Le32(0x000000FF) + Le32(0x0000FF00) + Le32(0x00FF0000),
        .pixels = std::string("\x11\x22\x33\x44", 4)},
       {{0x11, 0x22, 0x33}}},
      {"32 bits uncompressed ignores the fourth byte",
       {.width = 1, .height = 1, .bitCount = 32, .pixels = std::string("\x11\x22\x33\x44", 4)},
       {{0x33, 0x22, 0x11}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto p = LoadBmpBytes(testing::BmpFile(c.parts));
    const int height = std::abs(c.parts.height);
    ASSERT_EQ(p->pixelWidth, c.parts.width);
    ASSERT_EQ(p->pixelHeight, height);
    for (int i = 0; i < c.parts.width * height; ++i)
      EXPECT_EQ(PixelAt(*p, i % c.parts.width, i / c.parts.width), c.expected[size_t(i)])
          << "pixel " << i;
  }
}

// A bitmap with the 12-byte core header: 16-bit sizes, 3-byte colour table entries.
std::string CoreBmp(uint16_t width, uint16_t height, uint16_t bitCount, const std::string& table,
                    const std::string& pixels) {
  const auto le16 = [](uint16_t v) { return std::string{char(v & 0xFF), char(v >> 8)}; };
  const uint32_t offset = 14 + 12 + uint32_t(table.size());
  return "BM" + Le32(offset + uint32_t(pixels.size())) + Le32(0) + Le32(offset) + Le32(12) +
         le16(width) + le16(height) + le16(1) + le16(bitCount) + table + pixels;
}

TEST(PictureLoaderBmp, RunLengthRowsAndCoreHeaders) {
  const std::string palette = std::string("\x00\x00\xFF\x00", 4) +  // 0 red (B, G, R, 0)
                              std::string("\xFF\x00\x00\x00", 4) +  // 1 blue
                              std::string("\x00\xFF\x00\x00", 4);   // 2 green
  const Rgb r{255, 0, 0}, b{0, 0, 255}, g{0, 255, 0}, k{0, 0, 0};
  const struct {
    const char* what;
    std::string file;
    int width;
    std::vector<Rgb> expected;  // rows top to bottom
  } cases[] = {
      {"8-bit runs: a run, a padded literal run, end of line, a jump, a run cut at the edge",
       testing::BmpFile({.width = 5, .height = 2, .bitCount = 8, .compression = 1, .colorsUsed = 3,
                         .tables = palette,
                         .pixels = std::string("\x02\x01" "\x00\x03\x02\x00\x01\x00" "\x00\x00"
                                               "\x00\x02\x03\x00" "\x09\x02" "\x00\x01", 18)}),
       5,
       {k, k, k, g, g, b, b, g, r, b}},
      {"4-bit runs alternate their two nibbles; literal nibbles high first",
       testing::BmpFile({.width = 6, .height = 1, .bitCount = 4, .compression = 2, .colorsUsed = 3,
                         .tables = palette,
                         .pixels = std::string("\x03\x12" "\x00\x03\x20\x10" "\x00\x01", 8)}),
       6,
       {b, g, b, g, r, b}},
      {"runs that stop early leave black; an index past the table is black",
       testing::BmpFile({.width = 3, .height = 2, .bitCount = 8, .compression = 1, .colorsUsed = 3,
                         .tables = palette, .pixels = std::string("\x01\x07\x01\x02", 4)}),
       3,
       {k, k, k, k, g, k}},
      {"core header, 24 bits, bottom-up",
       CoreBmp(2, 2, 24, "", std::string("\x00\x00\xFF\xFF\x00\x00\0\0" "\x00\xFF\x00\x00\x00\x00\0\0", 16)),
       2,
       {g, k, r, b}},
      {"core header, 1 bit, 3-byte colour entries",
       CoreBmp(3, 1, 1, std::string("\x00\xFF\x00" "\xFF\x00\x00", 6), std::string("\xA0\0\0\0", 4)),
       3,
       {b, g, b}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto p = LoadBmpBytes(c.file);
    ASSERT_EQ(p->pixelWidth, c.width);
    ASSERT_EQ(p->pixelHeight * c.width, int(c.expected.size()));
    for (size_t i = 0; i < c.expected.size(); ++i)
      EXPECT_EQ(PixelAt(*p, int(i) % c.width, int(i) / c.width), c.expected[i]) << "pixel " << i;
  }
}

TEST(PictureLoaderBmp, HostileRunsStayCheap) {
  // 20000 runs of 255 pixels far past the right edge of a one-pixel bitmap, and jumps past its top.
  std::string runs;
  for (int i = 0; i < 20000; ++i) runs += std::string("\xFF\x01", 2);
  runs += std::string("\x00\x02\xFF\xFF" "\x01\x01", 6);
  const auto p = LoadBmpBytes(testing::BmpFile({.width = 1, .height = 3, .bitCount = 8, .compression = 1,
                                                .colorsUsed = 2, .tables = std::string(8, '\x40'),
                                                .pixels = runs}));
  EXPECT_EQ(PixelAt(*p, 0, 2), (Rgb{0x40, 0x40, 0x40}));
  EXPECT_EQ(PixelAt(*p, 0, 0), (Rgb{0, 0, 0}));
}

void ExpectBmpRefused(const char* what, const std::string& bytes) {
  SCOPED_TRACE(what);
  try {
    LoadBmpBytes(bytes);
    ADD_FAILURE() << "loaded";
  } catch (const ProgramError& e) {
    EXPECT_EQ(e.Message(), "Image bitmap incorrecte"_cp);
  }
}

TEST(PictureLoaderBmp, MalformedFilesRaiseTheBitmapError) {
  const std::string good = testing::Bmp24(testing::QuadrantPixels(4, 4), 4, 4);
  const auto with = [](testing::BmpParts parts) { return testing::BmpFile(parts); };
  const std::string row(12, '\x40');
  ExpectBmpRefused("empty", "");
  ExpectBmpRefused("garbage", testing::GarbageBytes(300));
  ExpectBmpRefused("no BM signature", "XY" + good.substr(2));
  ExpectBmpRefused("cut in the header", good.substr(0, 30));
  ExpectBmpRefused("cut in the pixels", good.substr(0, good.size() - 1));
  ExpectBmpRefused("header claims more rows than stored",
                   with({.width = 4, .height = 400, .pixels = row}));
  ExpectBmpRefused("100000 x 100000 with a few bytes (28 GiB of pixels)",
                   with({.width = 100000, .height = 100000, .pixels = row}));
  ExpectBmpRefused("1-bit 60000 x 60000 (10 GiB decoded)",
                   with({.width = 60000, .height = 60000, .bitCount = 1, .colorsUsed = 2,
                         .tables = std::string(8, '\0'), .pixels = row}));
  ExpectBmpRefused("zero width", with({.width = 0, .height = 1, .pixels = row}));
  ExpectBmpRefused("negative width", with({.width = -4, .height = 1, .pixels = row}));
  ExpectBmpRefused("zero height", with({.width = 4, .height = 0, .pixels = row}));
  ExpectBmpRefused("height INT32_MIN", with({.width = 1, .height = INT32_MIN, .pixels = row}));
  ExpectBmpRefused("7 bits a pixel", with({.width = 1, .height = 1, .bitCount = 7, .pixels = row}));
  ExpectBmpRefused("8-bit runs on a 4-bit bitmap",
                   with({.width = 1, .height = 1, .bitCount = 4, .compression = 1,
                         .tables = std::string(64, '\0'), .pixels = row}));
  ExpectBmpRefused("runs stored top-down",
                   with({.width = 1, .height = -1, .bitCount = 8, .compression = 1,
                         .tables = std::string(1024, '\0'), .pixels = row}));
  ExpectBmpRefused("colour masks on 24 bits",
                   with({.width = 1, .height = 1, .compression = 3,
                         .tables = std::string(12, '\0'), .pixels = row}));
  ExpectBmpRefused("more colours than 8 bits allow",
                   with({.width = 1, .height = 1, .bitCount = 8, .colorsUsed = 257,
                         .tables = std::string(1028, '\0'), .pixels = row}));
  ExpectBmpRefused("colour table past the end",
                   with({.width = 1, .height = 1, .bitCount = 8, .pixels = row}));
  ExpectBmpRefused("core header with 16 bits a pixel",
                   CoreBmp(1, 1, 16, "", std::string(4, '\0')));
  std::string pastEnd = good;
  pastEnd.replace(10, 4, Le32(uint32_t(good.size() + 1)));
  ExpectBmpRefused("pixel offset past the end", pastEnd);
  std::string hugeHeader = good;
  hugeHeader.replace(14, 4, Le32(0xFFFFFFF0));
  ExpectBmpRefused("header size past the end", hugeHeader);
}

TEST(PictureLoaderBmp, MissingFileRaisesTheBitmapError) {
  testing::TempDir dir;
  try {
    PosixPictureLoader().LoadBmp((dir.Path() / "none.bmp").string());
    ADD_FAILURE() << "loaded";
  } catch (const ProgramError& e) {
    EXPECT_EQ(e.Message(), "Image bitmap incorrecte"_cp);
  }
}

// --- Icons ---

std::shared_ptr<const Picture> LoadIcoBytes(const std::string& bytes) {
  testing::TempDir dir;
  return PosixPictureLoader().LoadIco(dir.Write("i.ico", bytes).string());
}

testing::IconImage SolidIcon(int size, int bitCount, Rgb colour, uint8_t alpha = 255) {
  std::vector<uint8_t> rgb;
  for (int i = 0; i < size * size; ++i) rgb.insert(rgb.end(), {colour.r, colour.g, colour.b});
  const std::vector<uint8_t> alphas(size_t(size * size), alpha);
  const std::vector<bool> mask(size_t(size * size), false);
  return {uint8_t(size), uint8_t(size), uint16_t(bitCount),
          testing::IconBitmap(size, size, bitCount, rgb, alphas, mask)};
}

TEST(PictureLoaderIco, TheLargestImageIsShown) {
  const Rgb red{200, 0, 0}, green{0, 200, 0}, blue{0, 0, 200};
  const auto p = LoadIcoBytes(testing::IcoFile(
      {SolidIcon(16, 32, red), SolidIcon(48, 24, green), SolidIcon(32, 32, blue)}));
  EXPECT_EQ(p->width, 48);
  EXPECT_EQ(p->height, 48);
  EXPECT_EQ(p->pixelWidth, 48);
  EXPECT_EQ(PixelAt(*p, 47, 47), green);
}

TEST(PictureLoaderIco, OfEqualSizesTheDeepestColoursWin) {
  const Rgb red{200, 0, 0}, green{0, 200, 0};
  const auto p =
      LoadIcoBytes(testing::IcoFile({SolidIcon(32, 24, red), SolidIcon(32, 32, green)}));
  EXPECT_EQ(PixelAt(*p, 0, 0), green);
}

TEST(PictureLoaderIco, MaskedPixelsShowTheBlackBehind) {
  // 2 x 2, 24 bits, rows top to bottom; the mask opens the top-right and bottom-left pixels.
  const std::vector<uint8_t> rgb = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
  const auto p = LoadIcoBytes(testing::IcoFile(
      {{2, 2, 24, testing::IconBitmap(2, 2, 24, rgb, {}, {false, true, true, false})}}));
  EXPECT_EQ(PixelAt(*p, 0, 0), (Rgb{10, 20, 30}));
  EXPECT_EQ(PixelAt(*p, 1, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(*p, 0, 1), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(*p, 1, 1), (Rgb{100, 110, 120}));
}

TEST(PictureLoaderIco, AlphaBlendsOverBlackAndOverridesTheMask) {
  const std::vector<uint8_t> rgb = {200, 100, 50, 200, 100, 50};
  const auto p = LoadIcoBytes(testing::IcoFile(
      {{2, 1, 32, testing::IconBitmap(2, 1, 32, rgb, {255, 128}, {true, false})}}));
  EXPECT_EQ(PixelAt(*p, 0, 0), (Rgb{200, 100, 50}));
  EXPECT_EQ(PixelAt(*p, 1, 0), (Rgb{100, 50, 25}));
}

TEST(PictureLoaderIco, MalformedFilesRaiseTheIconError) {
  const std::string good = testing::IcoFile({SolidIcon(16, 24, {1, 2, 3})});
  const std::string png = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(64, '\0');
  std::string cursor = good;
  cursor[2] = 2;
  std::string offsetPastEnd = good;
  offsetPastEnd.replace(18, 4, Le32(uint32_t(good.size())));
  std::string sizePastEnd = good;
  sizePastEnd.replace(14, 4, Le32(0x7FFFFFFF));
  std::string hugeBitmap = good;
  hugeBitmap.replace(22 + 4, 8, Le32(100000) + Le32(200000));  // width, doubled height
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"garbage", testing::GarbageBytes(300)},
      {"no images", good.substr(0, 4) + std::string(2, '\0')},
      {"a cursor", cursor},
      {"directory cut short", good.substr(0, 12)},
      {"image cut short", good.substr(0, good.size() - 1)},
      {"image offset past the end", offsetPastEnd},
      {"image size past the end", sizePastEnd},
      {"PNG image", testing::IcoFile({{16, 16, 32, png}})},
      {"100000 x 100000 bitmap in a small file", hugeBitmap},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      LoadIcoBytes(c.bytes);
      ADD_FAILURE() << "loaded";
    } catch (const ProgramError& e) {
      EXPECT_EQ(e.Message(), "Image icône incorrecte"_cp);
    }
  }
}

TEST(MetafileRasterSize, CoversTheEffectKeepingTheShape) {
  const struct {
    const char* what;
    double width, height;
    int coverWidth, coverHeight;
    std::optional<RasterSize> expected;
  } rows[] = {
      {"no cover: its own size", 200, 100, 0, 0, RasterSize{200, 100}},
      {"a screen: the height decides", 200, 100, 1920, 1080, RasterSize{2160, 1080}},
      {"the zoom's width alone", 100, 200, 6144, 0, RasterSize{6144, 12288}},
      {"fill then zoom", 200, 100, 6144, 1080, RasterSize{6144, 3072}},
      {"a large metafile comes down to the cover", 4000, 3000, 1920, 1080, RasterSize{1920, 1440}},
      {"sizes round up", 3, 3, 10, 10, RasterSize{10, 10}},
      {"held within a picture's memory", 1, 1, 60000, 60000, RasterSize{11585, 11585}},
      {"no width", 0, 100, 1920, 1080, std::nullopt},
  };
  for (const auto& row : rows) {
    const auto size = MetafileRasterSize(row.width, row.height, row.coverWidth, row.coverHeight);
    ASSERT_EQ(size.has_value(), row.expected.has_value()) << row.what;
    if (!size) continue;
    EXPECT_EQ(size->width, row.expected->width) << row.what;
    EXPECT_EQ(size->height, row.expected->height) << row.what;
  }
}

std::shared_ptr<const Picture> LoadMetafileBytes(const std::string& name, const std::string& bytes,
                                                 int coverWidth, int coverHeight) {
  testing::TempDir dir;
  return PosixPictureLoader().LoadMetafile(dir.Write(name, bytes).string(), coverWidth, coverHeight);
}

TEST(PictureLoaderMetafile, BothKindsAreDrawnAtTheSizeTheEffectNeeds) {
  const Rgb red{230, 20, 20}, blue{20, 20, 230};
  const std::vector<testing::MetaRect> halves = {{0, 0, 100, 100, red}, {100, 0, 200, 100, blue}};
  // 200 x 100 screen pixels either way: 200 units at 96 an inch, or 5292 x 2646 hundredths of mm.
  const std::string wmf = testing::WmfFile(200, 100, 96, halves);
  const std::string emf = testing::EmfFile(5292, 2646, 200, 100, halves);
  // libwmf's box round the drawing takes in half a point of pen all round: 201 x 101.
  const struct {
    const char* what;
    std::string name, bytes;
    int coverWidth, coverHeight;
    int width, height;
    int pixelWidth, pixelHeight;
  } cases[] = {
      {"plain metafile, own size", "a.wmf", wmf, 0, 0, 201, 101, 201, 101},
      {"plain metafile for a full HD screen", "a.wmf", wmf, 1920, 1080, 201, 101, 2150, 1080},
      {"enhanced metafile, own size", "a.emf", emf, 0, 0, 200, 100, 200, 100},
      {"enhanced metafile for the zoom", "a.emf", emf, 800, 0, 200, 100, 800, 400},
      {"the kind is read from the bytes, not the name", "a.wmf", emf, 0, 0, 200, 100, 200, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto p = LoadMetafileBytes(c.name, c.bytes, c.coverWidth, c.coverHeight);
    EXPECT_EQ(p->width, c.width);
    EXPECT_EQ(p->height, c.height);
    ASSERT_EQ(p->pixelWidth, c.pixelWidth);
    ASSERT_EQ(p->pixelHeight, c.pixelHeight);
    EXPECT_TRUE(Near(PixelAt(*p, p->pixelWidth / 4, p->pixelHeight / 2), red));
    EXPECT_TRUE(Near(PixelAt(*p, 3 * p->pixelWidth / 4, p->pixelHeight / 2), blue));
  }
}

TEST(PictureLoaderMetafile, WhatIsNotDrawnShowsThePaper) {
  const auto p = LoadMetafileBytes(
      "a.emf", testing::EmfFile(5292, 2646, 200, 100, {{0, 0, 100, 100, {20, 200, 20}}}), 0, 0);
  EXPECT_TRUE(Near(PixelAt(*p, 150, 50), {255, 255, 255}));
}

TEST(PictureLoaderMetafile, UnreadableFilesRaiseTheMetafileError) {
  const std::string emf = testing::EmfFile(5292, 2646, 200, 100, {{0, 0, 100, 100, {1, 2, 3}}});
  std::string noSize = emf;
  noSize.replace(8, 32, std::string(8, '\0') + std::string(8, '\xFF') + std::string(16, '\0'));  // bounds, frame
  const struct {
    const char* what;
    std::string name, bytes;
  } cases[] = {
      {"empty", "e.wmf", ""},
      {"garbage", "g.wmf", testing::GarbageBytes(3000)},
      {"enhanced header cut short", "c.emf", emf.substr(0, 60)},
      {"enhanced metafile without a size", "n.emf", noSize},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      LoadMetafileBytes(c.name, c.bytes, 1920, 1080);
      ADD_FAILURE() << "loaded";
    } catch (const ProgramError& e) {
      EXPECT_EQ(e.Message(), "Métafichier incorrect"_cp);
    }
  }
}

}  // namespace
}  // namespace lumivel
