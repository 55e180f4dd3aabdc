#include "show/tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace lumivel {

using namespace literals;

namespace {

void Append(std::vector<uint8_t>& out, const char (&tag)[5]) { out.insert(out.end(), tag, tag + 4); }

void AppendLe(std::vector<uint8_t>& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void ReplaceFirstNumber(Text& text, int32_t value) {
  const auto at = text.find("%d");
  if (at != Text::npos) text.replace(at, 2, std::to_string(value));
}

}  // namespace

bool ToneFrequencyTooHigh(int32_t frequency) { return frequency > 0.6 * kToneSampleRate; }

Text ToneFrequencyMessage(int32_t frequency) {
  Text text = "Un taux d'échantillonage de %d est trop bas pour jouer une tonalité de %dHz"_cp;
  ReplaceFirstNumber(text, kToneSampleRate);
  ReplaceFirstNumber(text, frequency);
  return text;
}

std::vector<uint8_t> BuildToneWave(int32_t frequency, int32_t durationMs, uint8_t volume) {
  const int64_t samples = int64_t{std::max(durationMs, 0)} * kToneSampleRate / 1000;
  std::vector<uint8_t> wave;
  wave.reserve(44 + size_t(samples));
  Append(wave, "RIFF");
  AppendLe(wave, uint64_t(38 + samples), 4);
  Append(wave, "WAVE");
  Append(wave, "fmt ");
  AppendLe(wave, 18, 4);
  AppendLe(wave, 1, 2);                // PCM
  AppendLe(wave, 1, 2);                // channels
  AppendLe(wave, kToneSampleRate, 4);  // samples a second
  AppendLe(wave, kToneSampleRate, 4);  // bytes a second
  AppendLe(wave, 1, 2);                // block alignment
  AppendLe(wave, 8, 2);                // bits a sample
  AppendLe(wave, 0, 2);                // extra format bytes
  Append(wave, "data");
  AppendLe(wave, uint64_t(samples), 4);

  const double angularStep = double(frequency) * 2 * std::numbers::pi;
  for (int64_t k = 0; k < samples; ++k) {
    const double level = volume * std::sin(double(k) * angularStep / kToneSampleRate);
    const auto truncated = static_cast<int32_t>(std::trunc(level));
    wave.push_back(static_cast<uint8_t>(truncated + 127));  // the byte keeps it modulo 256
  }
  return wave;
}

}  // namespace lumivel
