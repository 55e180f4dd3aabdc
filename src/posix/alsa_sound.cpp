#include "posix/alsa_sound.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace lumivel {

namespace {

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

bool HasTag(const uint8_t* p, const char (&tag)[5]) { return std::equal(tag, tag + 4, p); }

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// A machine without sound would otherwise print ALSA's complaints on every beep.
void SilenceAlsa() {
  static std::once_flag once;
  std::call_once(once, [] { snd_lib_error_set_handler(IgnoreAlsaMessage); });
}

constexpr unsigned kLatencyMicroseconds = 100000;

}  // namespace

std::optional<MonoPcm8> ReadMonoPcm8Wave(std::span<const uint8_t> wave) {
  if (wave.size() < 12 || !HasTag(wave.data(), "RIFF") || !HasTag(wave.data() + 8, "WAVE"))
    return std::nullopt;
  std::optional<uint32_t> sampleRate;
  size_t pos = 12;
  while (wave.size() - pos >= 8) {
    const uint8_t* chunk = wave.data() + pos;
    const uint32_t length = Le32(chunk + 4);
    pos += 8;
    if (length > wave.size() - pos) return std::nullopt;
    const uint8_t* body = wave.data() + pos;
    if (HasTag(chunk, "fmt ")) {
      const bool monoPcm8 = length >= 16 && Le16(body) == 1 && Le16(body + 2) == 1 &&
                            Le16(body + 14) == 8 && Le32(body + 4) > 0;
      if (!monoPcm8) return std::nullopt;
      sampleRate = Le32(body + 4);
    } else if (HasTag(chunk, "data")) {
      if (!sampleRate) return std::nullopt;
      return MonoPcm8{*sampleRate, wave.subspan(pos, length)};
    }
    // Chunks are padded to an even length.
    pos += std::min<size_t>(length + (length & 1), wave.size() - pos);
  }
  return std::nullopt;
}

void AlsaSound::PlayWave(const std::vector<uint8_t>& wave) {
  const auto pcm8 = ReadMonoPcm8Wave(wave);
  if (!pcm8 || pcm8->samples.empty()) return;
  SilenceAlsa();
  snd_pcm_t* raw = nullptr;
  // Opened without blocking so that a device held by another program refuses at once.
  if (snd_pcm_open(&raw, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
  std::unique_ptr<snd_pcm_t, decltype(&snd_pcm_close)> pcm(raw, snd_pcm_close);
  if (snd_pcm_nonblock(pcm.get(), 0) < 0) return;
  if (snd_pcm_set_params(pcm.get(), SND_PCM_FORMAT_U8, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                         pcm8->sampleRate, 1, kLatencyMicroseconds) < 0)
    return;
  const uint8_t* next = pcm8->samples.data();
  snd_pcm_uframes_t left = pcm8->samples.size();
  while (left > 0) {
    snd_pcm_sframes_t written = snd_pcm_writei(pcm.get(), next, left);
    if (written < 0) {
      if (snd_pcm_recover(pcm.get(), static_cast<int>(written), 1) < 0) return;
      continue;
    }
    if (written == 0) return;
    next += written;
    left -= snd_pcm_uframes_t(written);
  }
  snd_pcm_drain(pcm.get());
}

}  // namespace lumivel
