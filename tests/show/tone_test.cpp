#include "show/tone.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumivel {
namespace {

using namespace literals;

uint32_t Le32At(const std::vector<uint8_t>& w, size_t at) {
  return uint32_t{w[at]} | uint32_t{w[at + 1]} << 8 | uint32_t{w[at + 2]} << 16 |
         uint32_t{w[at + 3]} << 24;
}

TEST(ToneWave, HistoryBeepHasTheExactHeaderAnd220Samples) {
  const auto wave = BuildToneWave(640, 20, 30);
  const std::vector<uint8_t> header = {
      'R', 'I', 'F', 'F', 0x02, 0x01, 0, 0, 'W', 'A', 'V', 'E',  // 38 + 220 = 258 bytes follow
      'f', 'm', 't', ' ', 18, 0, 0, 0,                            // format block of 18 bytes
      1, 0, 1, 0,                                                 // PCM, one channel
      0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0,                         // 11025 samples and bytes a second
      1, 0, 8, 0, 0, 0,                                           // align 1, 8 bits, no extra
      'd', 'a', 't', 'a', 220, 0, 0, 0};
  ASSERT_EQ(wave.size(), header.size() + 220);
  EXPECT_TRUE(std::equal(header.begin(), header.end(), wave.begin()));
  const auto [low, high] = std::minmax_element(wave.begin() + 46, wave.end());
  EXPECT_EQ(*low, 98);
  EXPECT_EQ(*high, 156);
  // 640 Hz over 20 ms is 12.8 periods: about 25 crossings of the middle value.
  int crossings = 0;
  for (size_t k = 47; k < wave.size(); ++k)
    crossings += (wave[k] - 127) * (wave[k - 1] - 127) < 0;
  EXPECT_GE(crossings, 22);
  EXPECT_LE(crossings, 26);
}

TEST(ToneWave, SamplesFollowTheTruncatedSine) {
  // Values worked out separately; the loud one wraps past 255.
  const struct {
    const char* what;
    int32_t frequency;
    uint8_t volume;
    size_t k;
    uint8_t sample;
  } cases[] = {
      {"silence at k = 0", 640, 30, 0, 127},
      {"rising", 640, 30, 1, 137},
      {"crest", 640, 30, 5, 156},
      {"truncated toward zero below the middle", 640, 30, 9, 123},
      {"volume 255 wraps modulo 256", 440, 255, 3, 45},
      {"highest frequency allowed", 6615, 100, 1, 69},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto wave = BuildToneWave(c.frequency, 20, c.volume);
    EXPECT_EQ(wave.at(46 + c.k), c.sample);
  }
}

TEST(ToneWave, SampleCountIsTheDurationTimesTheRateTruncated) {
  const struct {
    int32_t durationMs;
    uint32_t samples;
  } cases[] = {{0, 0}, {1, 11}, {20, 220}, {1000, 11025}, {-5, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.durationMs);
    const auto wave = BuildToneWave(640, c.durationMs, 30);
    EXPECT_EQ(wave.size(), 46 + c.samples);
    EXPECT_EQ(Le32At(wave, 4), 38 + c.samples);
    EXPECT_EQ(Le32At(wave, 42), c.samples);
  }
}

TEST(ToneFrequency, AboveSixTenthsOfTheRateIsRefusedWithTheMessage) {
  EXPECT_FALSE(ToneFrequencyTooHigh(640));
  EXPECT_FALSE(ToneFrequencyTooHigh(6615));
  EXPECT_TRUE(ToneFrequencyTooHigh(6616));
  EXPECT_TRUE(ToneFrequencyTooHigh(7000));
  EXPECT_EQ(ToneFrequencyMessage(7000),
            "Un taux d'échantillonage de 11025 est trop bas pour jouer une tonalité de 7000Hz"_cp);
}

}  // namespace
}  // namespace lumivel
