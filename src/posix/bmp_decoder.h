#pragma once
// Windows device-independent bitmaps, as .bmp files hold them and as icons embed them: the
// BITMAPINFOHEADER and its later versions, 1, 4, 8, 16, 24 and 32 bits a pixel, uncompressed, with
// colour masks or run-length encoded (8 and 4 bits), rows stored bottom-up or top-down; and the
// 12-byte core header of OS/2 and early Windows. Every size a file states is checked against its
// real length before anything is read or allocated.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "services/picture.h"

namespace lumivel {

struct DibInfo {
  int width = 0;
  int height = 0;  // as stored: an icon's doubled height, negative for top-down rows
  int bitCount = 0;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha (16 and 32 bits)
  std::vector<uint32_t> palette;  // as drawn
  bool runLength = false;         // rows run-length encoded, 8 or 4 bits a pixel
  size_t headerBytes = 0;        // the info header alone
  size_t bytesBeforePixels = 0;  // header, masks and colour table
};

// Reads the info header at the start of dib with the masks and colour table that follow it; the
// pixels start `pixelsAt` bytes into dib, where a short colour table of a core header ends.
// Nothing when it is malformed, unsupported or states absurd sizes.
std::optional<DibInfo> ReadDibInfo(std::span<const uint8_t> dib, size_t pixelsAt = SIZE_MAX);

// Bytes of one stored row: whole 32-bit words.
uint64_t DibRowBytes(int width, int bitCount);

// Decodes `rows` stored rows of info's width from pixels; topDown tells that the first stored row
// is the top one rather than the bottom one. When alpha is given, it receives one alpha byte a
// pixel (255 below 32 bits). Nothing when pixels is too short or the picture too large.
std::optional<Picture> DecodeDibPixels(const DibInfo& info, int rows, bool topDown,
                                       std::span<const uint8_t> pixels,
                                       std::vector<uint8_t>* alpha = nullptr);

// A whole .bmp file: file header, then a DIB whose pixels lie at the header's offset.
std::optional<Picture> DecodeBmp(std::span<const uint8_t> file);

}  // namespace lumivel
