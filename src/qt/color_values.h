#pragma once
// The program's colours as a screen shows them. The program stores 0x00BBGGRR, or a system colour
// with the top byte 0xFF and the colour's number in the low byte.
#include <cstdint>

namespace lumivel {

// 0xRRGGBB of a stored colour; system colours take the classic Windows scheme's values, and an
// unknown system colour is black.
uint32_t ScreenRgb(int32_t color);

}  // namespace lumivel
