#include "qt/color_values.h"

#include <array>

namespace lumivel {

namespace {

// The default scheme's system colours, by number (COLOR_SCROLLBAR = 0 ... COLOR_MENUBAR = 30).
constexpr std::array<uint32_t, 31> kSystemColors = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x0078D7, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0};

}  // namespace

uint32_t ScreenRgb(int32_t color) {
  const auto bits = static_cast<uint32_t>(color);
  if ((bits >> 24) == 0xFF) {
    const uint32_t index = bits & 0xFFFFFF;
    return index < kSystemColors.size() ? kSystemColors[index] : 0;
  }
  const uint32_t red = bits & 0xFF;
  const uint32_t green = (bits >> 8) & 0xFF;
  const uint32_t blue = (bits >> 16) & 0xFF;
  return red << 16 | green << 8 | blue;
}

}  // namespace lumivel
