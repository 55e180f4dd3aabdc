#include "show/decode_cover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace lumivel {
namespace {

// The least reduction a cover asks of a pw x ph picture: its pixels must reach the cover on both
// sides (a side of 0 asks nothing).
double CoverScale(PixelSize cover, int32_t pw, int32_t ph) {
  return std::max(static_cast<double>(cover.width) / pw, static_cast<double>(cover.height) / ph);
}

TEST(DecodeCover, ChosenBeforeThePictureIsKnown) {
  EXPECT_EQ(DecodeCover(0, 1920, 1080, 32), (PixelSize{1920, 1080}));
  EXPECT_EQ(DecodeCover(2, 1920, 1080, 32), (PixelSize{1920, 1080}));
  EXPECT_EQ(DecodeCover(3, 1920, 1080, 32), (PixelSize{6144, 0}));
  EXPECT_EQ(DecodeCover(5, 1920, 1080, 32), (PixelSize{6144, 1080}));
  EXPECT_EQ(DecodeCover(4, 1920, 1080, 5), (PixelSize{1920, 0})) << "never below the screen";
  EXPECT_EQ(DecodeCover(-1, 1920, 1080, -3), (PixelSize{1920, 0}));
}

// Whatever the picture's shape, the decoded pixels reach the largest size the effect draws, so
// the view never enlarges them; and for fit and fill no more is asked than the fill needs.
TEST(DecodeCover, CoversTheLargestSizeOfEveryEffect) {
  const int32_t screens[][2] = {{1920, 1080}, {1024, 768}, {1080, 1920}};
  const int32_t pictures[][2] = {{4000, 3000}, {3000, 4000}, {6000, 4000}, {12000, 1000},
                                 {800, 9000},  {1920, 1080}, {640, 480},   {7, 5}};
  const int32_t zooms[][2] = {{32, 500}, {10, 500}, {16, 250}, {32, 1}, {32, 0}, {100, 3}};
  for (const auto& screen : screens) {
    for (int32_t effect = -1; effect <= 5; ++effect) {
      for (const auto& p : pictures) {
        for (const auto& z : zooms) {
          const int32_t W = screen[0], H = screen[1], pw = p[0], ph = p[1];
          SCOPED_TRACE(testing::Message() << W << "x" << H << " effect " << effect << " picture "
                                          << pw << "x" << ph << " zoom " << z[0] << "/" << z[1]);
          const PixelSize largest = LargestEffectSize(effect, W, H, pw, ph, z[0], z[1]);
          const double scale = CoverScale(DecodeCover(effect, W, H, z[0]), pw, ph);
          // One pixel of slack: the zoom rounds its heights up.
          EXPECT_GE(scale * pw + 1e-9, largest.width);
          EXPECT_GE(scale * ph + 1, largest.height);
          if (effect == 1 || effect == 2) {
            EXPECT_LE(scale * pw, largest.width + 1);
            EXPECT_LE(scale * ph, largest.height + 1);
          }
          if (effect == 0) {
            // The fit asks at most what the fill of the same picture would.
            const PixelSize fill = LargestEffectSize(1, W, H, pw, ph, z[0], z[1]);
            EXPECT_LE(scale * pw, fill.width + 1);
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace lumivel
