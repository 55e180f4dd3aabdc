#pragma once
// How large a JPEG must be decoded for the chosen effect, asked before the picture's own size is
// known: the loader picks the smallest of 1/8, 1/4, 1/2 and full size whose pixels still cover
// this size (the reductions libjpeg-turbo decodes fastest), so the view
// never enlarges pixels yet a camera photo shown on a screen is not decoded at full size.
#include <cstdint>

#include "show/effect_geometry.h"

namespace lumivel {

// For any picture shape the pixels cover what the effect (item of Rdg1) draws on a W x H screen:
//   fit and fill (0, 1, 2): the screen itself; a picture covering both sides of the screen covers
//     its fill bounds exactly, and the fit bounds lie inside them;
//   fit then zoom (3, 4) and no effect: the zoom's end width W x zoom_max10 / 10 (never less than
//     the screen's width); the zoom keeps the picture's proportions, so the width alone decides;
//   fill then zoom (5): that width and the screen's height, for the fill step.
// A height of 0 leaves the height free.
PixelSize DecodeCover(int32_t effect, int32_t W, int32_t H, int32_t zoom_max10);

}  // namespace lumivel
