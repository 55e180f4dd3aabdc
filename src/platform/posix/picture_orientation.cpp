#include "platform/posix/picture_orientation.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/posix/picture_memory.h"

namespace lumivel {

bool OrientationSwapsAxes(int orientation) { return orientation >= 5 && orientation <= 8; }

void TurnUpright(Picture& picture, int orientation) {
  if (orientation < 2 || orientation > 8) return;
  const int w = picture.pixelWidth;
  const int h = picture.pixelHeight;
  if (w <= 0 || h <= 0) return;
  const bool swap = OrientationSwapsAxes(orientation);
  const int outWidth = swap ? h : w;
  const int outHeight = swap ? w : h;

  // Every upright pixel (x, y) comes from stored offset origin + x * stepX + y * stepY.
  const std::ptrdiff_t px = 3;
  const std::ptrdiff_t row = std::ptrdiff_t{w} * 3;
  const std::ptrdiff_t lastRow = (h - 1) * row;
  const std::ptrdiff_t lastColumn = (w - 1) * px;
  std::ptrdiff_t origin = 0, stepX = 0, stepY = 0;
  switch (orientation) {
    case 2: origin = lastColumn; stepX = -px; stepY = row; break;
    case 3: origin = lastRow + lastColumn; stepX = -px; stepY = -row; break;
    case 4: origin = lastRow; stepX = px; stepY = -row; break;
    case 5: origin = 0; stepX = row; stepY = px; break;
    case 6: origin = lastRow; stepX = -row; stepY = px; break;
    case 7: origin = lastRow + lastColumn; stepX = -row; stepY = -px; break;
    default: origin = lastColumn; stepX = row; stepY = -px; break;  // 8
  }

  const uint8_t* src = picture.rgb.data();
  std::vector<uint8_t> out = NewPixelBuffer(picture.rgb.size());
  // Tiles keep the quarter turns, which read the source down its columns, within the cache.
  constexpr int kTile = 64;
  for (int tileY = 0; tileY < outHeight; tileY += kTile) {
    const int endY = std::min(tileY + kTile, outHeight);
    for (int tileX = 0; tileX < outWidth; tileX += kTile) {
      const int endX = std::min(tileX + kTile, outWidth);
      for (int y = tileY; y < endY; ++y) {
        std::ptrdiff_t from = origin + y * stepY + tileX * stepX;
        uint8_t* to = out.data() + (std::ptrdiff_t{y} * outWidth + tileX) * 3;
        for (int x = tileX; x < endX; ++x, from += stepX, to += 3) {
          to[0] = src[from];
          to[1] = src[from + 1];
          to[2] = src[from + 2];
        }
      }
    }
  }
  picture.rgb = std::move(out);
  picture.pixelWidth = outWidth;
  picture.pixelHeight = outHeight;
}

}  // namespace lumivel
