#include "show/effect_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace lumivel {
namespace {

TEST(EffectGeometry, FitAndFillOnAFullHdScreen) {
  struct Case {
    const char* what;
    int32_t pw, ph, haut;
    Rect fit;
    Rect fill;
  };
  const Case cases[] = {
      {"4:3 picture, top kept at the screen's top", 4000, 3000, 100,
       {240, 0, 1440, 1080}, {0, 0, 1920, 1440}},
      {"4:3 picture, centred vertically: half of the 360 rows above", 4000, 3000, 0,
       {240, 0, 1440, 1080}, {0, -180, 1920, 1440}},
      {"4:3 picture, 40 %: 60 % of -180", 4000, 3000, 40,
       {240, 0, 1440, 1080}, {0, -108, 1920, 1440}},
      {"wide panorama: bars above and below, filled by cropping the sides", 4000, 1000, 100,
       {0, 300, 1920, 480}, {-1200, 0, 4320, 1080}},
      {"portrait: 1080 * 3000 / 4000 = 810 wide", 3000, 4000, 100,
       {555, 0, 810, 1080}, {0, 0, 1920, 2560}},
      {"same proportions as the screen", 3840, 2160, 0,
       {0, 0, 1920, 1080}, {0, 0, 1920, 1080}},
      {"odd overflow: -361 / 2 is -180, not -181", 1920, 1441, 0,
       {240, 0, 1439, 1080}, {0, -180, 1920, 1441}},
      {"-180 * 67 / 100 = -120.6 truncates to -120", 1920, 1441, 33,
       {240, 0, 1439, 1080}, {0, -120, 1920, 1441}},
      {"halved first: -363 / 2 = -181, then -181 * 95 / 100 = -171.95 -> -171", 1920, 1443, 5,
       {241, 0, 1437, 1080}, {0, -171, 1920, 1443}},
      {"a tiny picture is enlarged", 4, 3, 100, {240, 0, 1440, 1080}, {0, 0, 1920, 1440}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FitBounds(1920, 1080, c.pw, c.ph), c.fit);
    EXPECT_EQ(FillBounds(1920, 1080, c.pw, c.ph, c.haut), c.fill);
  }
}

TEST(EffectGeometry, FitTouchesTwoEdgesAndKeepsTheProportions) {
  const int32_t sizes[][2] = {{1, 1},        {1, 65535},   {65535, 1},  {65535, 65535},
                              {6000, 4000},  {4000, 6000}, {1919, 1081}, {333, 777}};
  for (const auto& screen : {std::vector<int32_t>{1920, 1080}, std::vector<int32_t>{1024, 768},
                             std::vector<int32_t>{7680, 4320}}) {
    const int32_t W = screen[0];
    const int32_t H = screen[1];
    for (const auto& size : sizes) {
      SCOPED_TRACE(testing::Message() << W << "x" << H << " " << size[0] << "x" << size[1]);
      const Rect fit = FitBounds(W, H, size[0], size[1]);
      EXPECT_TRUE(fit.width == W || fit.height == H);
      EXPECT_LE(fit.width, W);
      EXPECT_LE(fit.height, H);
      EXPECT_GE(fit.left, 0);
      EXPECT_GE(fit.top, 0);
      // Proportions within the one pixel lost to truncation.
      const double expectedWidth = static_cast<double>(fit.height) * size[0] / size[1];
      const double expectedHeight = static_cast<double>(fit.width) * size[1] / size[0];
      EXPECT_TRUE(std::abs(fit.width - expectedWidth) < 1.0 ||
                  std::abs(fit.height - expectedHeight) < 1.0);
      const Rect fill = FillBounds(W, H, size[0], size[1], 0);
      EXPECT_TRUE(fill.width == W || fill.height == H);
      EXPECT_GE(fill.width, W);
      EXPECT_GE(fill.height, H);
    }
  }
}

TEST(EffectGeometry, PictureWithoutAreaGetsEmptyBounds) {
  for (const auto& size : {std::vector<int32_t>{0, 100}, std::vector<int32_t>{100, 0},
                           std::vector<int32_t>{-4, 3}}) {
    EXPECT_EQ(FitBounds(1920, 1080, size[0], size[1]), Rect{});
    EXPECT_EQ(FillBounds(1920, 1080, size[0], size[1], 40), Rect{});
    EXPECT_EQ(ZoomPassBounds(2000, 1920, 1080, size[0], size[1], 40), Rect{});
    EXPECT_EQ(LargestEffectSize(5, 1920, 1080, size[0], size[1], 32, 500), PixelSize{});
  }
}

TEST(EffectGeometry, ZoomPassFollowsThePictureProportions) {
  struct Case {
    const char* what;
    int32_t w, pw, ph, haut;
    Rect expected;
  };
  const Case cases[] = {
      {"4:3 at 1928: (1928 * 3000 + 1) / 4000 = 1446", 1928, 4000, 3000, 100,
       {-4, 0, 1928, 1446}},
      {"centred vertically: (1080 - 1446) / 2 = -183", 1928, 4000, 3000, 0,
       {-4, -183, 1928, 1446}},
      {"the added 1 lifts 2 / 3 to 1", 1, 3, 2, 0, {959, 539, 1, 1}},
      {"width 0 at the start of a zoom without effect", 0, 4000, 3000, 0, {960, 540, 0, 0}},
      {"61440 x 65535 passes 32 bits", 61440, 65535, 65535, 0,
       {-29760, -30180, 61440, 61440}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ZoomPassBounds(c.w, 1920, 1080, c.pw, c.ph, c.haut), c.expected);
  }
}

// Widths the zoom shows: while maxWidth > w, show w, then compute the next.
std::vector<int32_t> ShownWidths(const ZoomRange& zoom) {
  std::vector<int32_t> shown;
  int32_t w = zoom.startWidth;
  for (int64_t i = 0; zoom.maxWidth > w; ++i) {
    shown.push_back(w);
    w = NextZoomWidth(zoom, i);
  }
  return shown;
}

TEST(EffectGeometry, ZoomFromTheScreenWidthToJustBelowThreePointTwoScreens) {
  const ZoomRange zoom = MakeZoomRange(1920, 1920, 32, 500);
  EXPECT_EQ(zoom.maxWidth, 6144);
  const std::vector<int32_t> shown = ShownWidths(zoom);
  ASSERT_EQ(shown.size(), 501u) << "the start, then passes 0 .. 499";
  // Reference in integers: 1920 + 4224 * i / 500 rounded to nearest (4224 i mod 500 is never 250,
  // so no halves arise).
  for (int64_t i = 0; i < 500; ++i) {
    const int64_t reference = 1920 + (4224 * i + 250) / 500;
    EXPECT_EQ(shown[static_cast<std::size_t>(i + 1)], reference) << "pass " << i;
  }
  EXPECT_EQ(shown.front(), 1920);
  EXPECT_EQ(shown[1], 1920);
  EXPECT_EQ(shown.back(), 6136);
}

TEST(EffectGeometry, ZoomWidthsRoundHalvesToEven) {
  struct Case {
    const char* what;
    int32_t start, max, steps;
    int64_t pass;
    int32_t expected;
  };
  const Case cases[] = {
      {"2.5 rounds down to 2", 0, 5, 2, 1, 2},
      {"7.5 rounds up to 8", 0, 5, 2, 3, 8},
      {"1.5 rounds up to 2", 0, 3, 2, 1, 2},
      {"4.5 rounds down to 4", 0, 3, 2, 3, 4},
      {"a shrinking stride: -2.5 rounds to -2", 100, 95, 2, 1, 98},
      {"pass 0 gives the start again", 1440, 6144, 500, 0, 1440},
      {"the last pass reaches the end exactly", 1440, 6144, 500, 500, 6144},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(NextZoomWidth(ZoomRange{c.start, c.max, c.steps}, c.pass), c.expected);
  }
}

TEST(EffectGeometry, ZoomWithoutStepsOrRoomDoesNoHarm) {
  for (int32_t inc : {0, -1, -500}) {
    SCOPED_TRACE(inc);
    const ZoomRange zoom = MakeZoomRange(1920, 1920, 32, inc);
    EXPECT_EQ(zoom.steps, 1);
    EXPECT_EQ(ShownWidths(zoom), (std::vector<int32_t>{1920, 1920}));
  }
  EXPECT_TRUE(ShownWidths(MakeZoomRange(1920, 1920, 10, 500)).empty())
      << "a picture already as wide as the end of the zoom";
  EXPECT_TRUE(ShownWidths(MakeZoomRange(1920, 1920, -32, 500)).empty());
  EXPECT_EQ(MakeZoomRange(0, 1920, 2147483647, 500).maxWidth, 2147483647)
      << "held at the 32-bit range";
  EXPECT_EQ(NextZoomWidth(ZoomRange{0, 2147483647, 1}, 1000), 2147483647);
  EXPECT_EQ(NextZoomWidth(ZoomRange{0, 100, 0}, 1), 100) << "a range made by hand with 0 steps";
}

TEST(EffectGeometry, WaitCountsWholeTenthsOfASecond) {
  const int32_t cases[][2] = {{150, 1}, {99, 0},   {100, 1},  {199, 1},     {1000, 10},
                              {4000, 40}, {0, 0}, {-150, 0}, {-100, 0}, {2147483647, 21474836}};
  for (const auto& c : cases) EXPECT_EQ(WaitStepCount(c[0]), c[1]) << c[0] << " ms";
}

// The largest bounds met while playing an effect's steps and zoom passes one after another.
PixelSize SimulatedLargest(int32_t effect, int32_t W, int32_t H, int32_t pw, int32_t ph,
                           int32_t zoomMax10, int32_t incDx) {
  std::vector<Rect> placed;
  const bool fits = effect == 0 || effect == 2 || effect == 3 || effect == 4;
  const bool fills = effect == 1 || effect == 2 || effect == 5;
  if (fits) placed.push_back(FitBounds(W, H, pw, ph));
  if (fills) placed.push_back(FillBounds(W, H, pw, ph, 0));
  if (effect < 0 || effect > 2) {
    const int32_t start = placed.empty() ? 0 : placed.back().width;
    for (int32_t w : ShownWidths(MakeZoomRange(start, W, zoomMax10, incDx))) {
      placed.push_back(ZoomPassBounds(w, W, H, pw, ph, 0));
    }
  }
  PixelSize largest;
  for (const Rect& r : placed) {
    largest.width = std::max(largest.width, r.width);
    largest.height = std::max(largest.height, r.height);
  }
  return largest;
}

TEST(EffectGeometry, LargestSizeIsTheMostAnEffectShows) {
  EXPECT_EQ(LargestEffectSize(0, 1920, 1080, 4000, 3000, 32, 500), (PixelSize{1440, 1080}));
  EXPECT_EQ(LargestEffectSize(1, 1920, 1080, 4000, 3000, 32, 500), (PixelSize{1920, 1440}));
  EXPECT_EQ(LargestEffectSize(2, 1920, 1080, 4000, 3000, 32, 500), (PixelSize{1920, 1440}));
  // 1920 + 4224 * 499 / 500 = 6135.552 -> 6136 wide; (6136 * 3000 + 1) / 4000 = 4602 high.
  EXPECT_EQ(LargestEffectSize(5, 1920, 1080, 4000, 3000, 32, 500), (PixelSize{6136, 4602}));

  const int32_t pictures[][2] = {{4000, 3000}, {3000, 4000}, {6000, 1000}, {1920, 1080}, {7, 5},
                                 {1000, 1001}};
  const int32_t zooms[][2] = {{32, 500}, {10, 500}, {32, 0}, {32, 1}, {32, 2}, {15, 7}};
  for (int32_t effect = -1; effect <= 5; ++effect) {
    for (const auto& p : pictures) {
      for (const auto& z : zooms) {
        SCOPED_TRACE(testing::Message() << "effect " << effect << " picture " << p[0] << "x"
                                        << p[1] << " zoom " << z[0] << "/" << z[1]);
        const PixelSize expected = SimulatedLargest(effect, 1920, 1080, p[0], p[1], z[0], z[1]);
        const PixelSize got = LargestEffectSize(effect, 1920, 1080, p[0], p[1], z[0], z[1]);
        // Never smaller than what is shown; at most one zoom stride larger.
        EXPECT_GE(got.width, expected.width);
        EXPECT_GE(got.height, expected.height);
        EXPECT_LE(got.width, std::max(expected.width, 1920 * z[0] / 10));
      }
    }
  }
}

}  // namespace
}  // namespace lumivel
