#pragma once
// Sound on Linux: the wave file is played through ALSA's "default" device and the call returns
// when it has been heard. No device, a busy one or any refusal ends the call at once and quietly;
// ALSA's own messages are silenced.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "services/services.h"

namespace lumivel {

// The samples of a RIFF/WAVE file holding 8-bit mono PCM, the one kind the program plays.
struct MonoPcm8 {
  uint32_t sampleRate = 0;
  std::span<const uint8_t> samples;
};

// Nothing for any other kind of wave, or a file whose chunks run past its end.
std::optional<MonoPcm8> ReadMonoPcm8Wave(std::span<const uint8_t> wave);

class AlsaSound : public Sound {
 public:
  void PlayWave(const std::vector<uint8_t>& wave) override;
};

}  // namespace lumivel
