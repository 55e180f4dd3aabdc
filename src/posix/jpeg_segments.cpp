#include "posix/jpeg_segments.h"

#include <libexif/exif-data.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace lumivel {

namespace {

bool IsStartOfFrame(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsProgressive(uint8_t marker) {
  return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

struct Frame {
  bool progressive = false;
  uint64_t width = 0;
  uint64_t height = 0;
  struct Component {
    uint64_t h = 1;
    uint64_t v = 1;
  };
  std::vector<Component> components;
};

std::optional<Frame> ReadFrame(uint8_t marker, std::span<const uint8_t> payload) {
  if (payload.size() < 6) return std::nullopt;
  Frame frame;
  frame.progressive = IsProgressive(marker);
  frame.height = uint64_t{payload[1]} << 8 | payload[2];
  frame.width = uint64_t{payload[3]} << 8 | payload[4];
  const size_t count = payload[5];
  if (payload.size() < 6 + 3 * count) return std::nullopt;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t sampling = payload[6 + 3 * i + 1];
    frame.components.push_back({std::max<uint64_t>(sampling >> 4, 1),
                                std::max<uint64_t>(sampling & 0x0F, 1)});
  }
  return frame;
}

// 8 x 8 blocks of 16-bit coefficients for every component, padded to whole MCUs.
uint64_t CoefficientBytes(const Frame& frame) {
  uint64_t maxH = 1, maxV = 1;
  for (const auto& c : frame.components) {
    maxH = std::max(maxH, c.h);
    maxV = std::max(maxV, c.v);
  }
  auto blocks = [](uint64_t pixels, uint64_t factor, uint64_t maxFactor) {
    const uint64_t raw = (pixels * factor + 8 * maxFactor - 1) / (8 * maxFactor);
    return (raw + factor - 1) / factor * factor;
  };
  uint64_t total = 0;
  for (const auto& c : frame.components)
    total += blocks(frame.width, c.h, maxH) * blocks(frame.height, c.v, maxV) * 64 * 2;
  return total;
}

constexpr std::array<uint8_t, 6> kExifHeader = {'E', 'x', 'i', 'f', 0, 0};

}  // namespace

std::optional<JpegSegments> ReadJpegSegments(std::span<const uint8_t> file) {
  const size_t size = file.size();
  if (size < 4 || file[0] != 0xFF || file[1] != 0xD8) return std::nullopt;
  JpegSegments segments;
  std::optional<Frame> frame;
  size_t pos = 2;
  for (;;) {
    // Stray bytes between segments are passed over, as the decoder itself does.
    while (pos < size && file[pos] != 0xFF) ++pos;
    while (pos < size && file[pos] == 0xFF) ++pos;
    if (pos >= size) return std::nullopt;
    const uint8_t marker = file[pos++];
    if (marker == 0x00 || marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7))
      continue;
    if (marker == 0xD9) return std::nullopt;
    if (size - pos < 2) return std::nullopt;
    const size_t length = size_t{file[pos]} << 8 | file[pos + 1];
    if (length < 2 || length > size - pos) return std::nullopt;
    const auto payload = file.subspan(pos + 2, length - 2);
    pos += length;

    if (marker == 0xE1 && segments.exif.empty() && payload.size() >= kExifHeader.size() &&
        std::equal(kExifHeader.begin(), kExifHeader.end(), payload.begin()))
      segments.exif = payload;
    if (IsStartOfFrame(marker) && !frame) {
      frame = ReadFrame(marker, payload);
      if (!frame) return std::nullopt;
    }
    if (marker == 0xDA) {
      if (!frame || payload.empty()) return std::nullopt;
      const bool multiScan = frame->progressive || payload[0] < frame->components.size();
      if (multiScan) segments.coefficientBytes = CoefficientBytes(*frame);
      break;
    }
  }
  // Entropy-coded data never holds 0xFF 0xD9, so an end marker after the first scan header can
  // only be the real one; most files end with it, so the search from the back is short.
  for (size_t end = size; end > pos;) {
    const void* hit = memrchr(file.data() + pos, 0xD9, end - pos);
    if (!hit) break;
    const size_t at = static_cast<size_t>(static_cast<const uint8_t*>(hit) - file.data());
    if (at > pos && file[at - 1] == 0xFF) {
      segments.complete = true;
      break;
    }
    end = at;
  }
  return segments;
}

int ExifOrientation(std::span<const uint8_t> exif) {
  if (exif.empty()) return 0;
  std::unique_ptr<ExifData, decltype(&exif_data_unref)> data(exif_data_new(), exif_data_unref);
  if (!data) return 0;
  // Read the block as stored: no repairs, no tags the program does not know.
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_set_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
  const auto size = static_cast<unsigned int>(std::min<size_t>(exif.size(), 0xFFFF));
  exif_data_load_data(data.get(), exif.data(), size);
  const ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2)
    return 0;
  return exif_get_short(entry->data, exif_data_get_byte_order(data.get())) & 0xFF;
}

}  // namespace lumivel
