#pragma once
// The short beep of the history keys: an 8-bit mono wave file built in memory, a sine of the
// given frequency around the middle value 127.
#include <cstdint>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

inline constexpr int32_t kToneSampleRate = 11025;

// A frequency above 0.6 x the sample rate (6615 Hz) cannot be drawn with so few samples.
bool ToneFrequencyTooHigh(int32_t frequency);

// "Un taux d'échantillonage de 11025 est trop bas pour jouer une tonalité de <f>Hz"
Text ToneFrequencyMessage(int32_t frequency);

// The whole wave file: a 44-byte RIFF header (PCM, 1 channel, 11025 samples a second, 8 bits,
// an 18-byte format block) and durationMs x 11025 / 1000 samples; sample k is
// trunc(volume x sin(k x 2 pi frequency / 11025)) + 127, modulo 256. A negative duration gives
// no samples.
std::vector<uint8_t> BuildToneWave(int32_t frequency, int32_t durationMs, uint8_t volume);

}  // namespace lumivel
