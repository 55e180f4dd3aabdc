#include "show/decode_cover.h"

#include <algorithm>

namespace lumivel {

PixelSize DecodeCover(int32_t effect, int32_t W, int32_t H, int32_t zoom_max10) {
  if (effect >= 0 && effect <= 2) return {W, H};
  const int32_t zoomEnd = std::max(W, MakeZoomRange(0, W, zoom_max10, 1).maxWidth);
  return {zoomEnd, effect == 5 ? H : 0};
}

}  // namespace lumivel
