#include "posix/alsa_sound.h"

#include <gtest/gtest.h>

#include <functional>

#include "show/tone.h"

namespace lumivel {
namespace {

void Put32(std::vector<uint8_t>& w, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) w[at + size_t(i)] = static_cast<uint8_t>(v >> (8 * i));
}

TEST(WaveReader, TakesTheToneAsBuilt) {
  const auto wave = BuildToneWave(640, 20, 30);
  const auto pcm = ReadMonoPcm8Wave(wave);
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->sampleRate, 11025u);
  ASSERT_EQ(pcm->samples.size(), 220u);
  EXPECT_EQ(pcm->samples.data(), wave.data() + 46);
}

TEST(WaveReader, PassesOverOtherChunksWithTheirPadding) {
  auto wave = BuildToneWave(640, 20, 30);
  // An odd-sized "LIST" chunk between the format and the data, padded to an even length.
  const std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  wave.insert(wave.begin() + 38, list.begin(), list.end());
  const auto pcm = ReadMonoPcm8Wave(wave);
  ASSERT_TRUE(pcm);
  EXPECT_EQ(pcm->samples.size(), 220u);
  EXPECT_EQ(pcm->samples.data(), wave.data() + 46 + list.size());
}

TEST(WaveReader, RefusesEverythingButWholeMonoEightBitPcm) {
  using Change = std::function<void(std::vector<uint8_t>&)>;
  const struct {
    const char* what;
    Change change;
  } cases[] = {
      {"not RIFF", [](auto& w) { w[0] = 'X'; }},
      {"not WAVE", [](auto& w) { w[8] = 'X'; }},
      {"compressed format", [](auto& w) { w[20] = 2; }},
      {"stereo", [](auto& w) { w[22] = 2; }},
      {"16 bits", [](auto& w) { w[34] = 16; }},
      {"rate 0", [](auto& w) { Put32(w, 24, 0); }},
      {"format block shorter than 16 bytes", [](auto& w) { Put32(w, 16, 14); }},
      {"data chunk longer than the file", [](auto& w) { Put32(w, 42, 221); }},
      {"cut inside the format block", [](auto& w) { w.resize(36); }},
      {"cut before the data chunk", [](auto& w) { w.resize(38); }},
      {"cut in the RIFF header", [](auto& w) { w.resize(10); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto wave = BuildToneWave(640, 20, 30);
    c.change(wave);
    EXPECT_FALSE(ReadMonoPcm8Wave(wave));
  }
}

TEST(AlsaSound, PlaysOrReturnsQuietlyWithoutADevice) {
  // A test machine usually has no sound card: ALSA must not print its complaints.
  AlsaSound sound;
  ::testing::internal::CaptureStderr();
  sound.PlayWave(BuildToneWave(640, 20, 30));
  sound.PlayWave({1, 2, 3});
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace lumivel
