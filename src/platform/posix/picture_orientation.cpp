#include "platform/posix/picture_orientation.h"

#include <algorithm>
#include <cstddef>

namespace lumivel {

namespace {

bool Known(int orientation) { return orientation >= 2 && orientation <= 8; }

}  // namespace

bool OrientationSwapsAxes(int orientation) { return orientation >= 5 && orientation <= 8; }

UprightRows::UprightRows(uint32_t* upright, int storedWidth, int storedHeight, int orientation)
    : upright_(upright),
      width_(storedWidth),
      height_(storedHeight),
      orientation_(Known(orientation) ? orientation : 1) {
  if (OrientationSwapsAxes(orientation_)) strip_.resize(size_t(kStripRows) * size_t(width_));
}

void UprightRows::Targets(int first, int count, uint32_t** rows) {
  const size_t w = size_t(width_);
  for (int i = 0; i < count; ++i) {
    const int y = first + i;
    switch (orientation_) {
      case 1: case 2: rows[i] = upright_ + size_t(y) * w; break;
      case 3: case 4: rows[i] = upright_ + size_t(height_ - 1 - y) * w; break;
      default: rows[i] = strip_.data() + size_t(i) * w; break;
    }
  }
}

void UprightRows::Place(int first, int count) {
  const size_t w = size_t(width_);
  if (orientation_ == 2 || orientation_ == 3) {
    uint32_t* rows[kStripRows];
    Targets(first, count, rows);
    for (int i = 0; i < count; ++i) std::reverse(rows[i], rows[i] + w);
    return;
  }
  if (!OrientationSwapsAxes(orientation_)) return;
  // Stored row y becomes upright column y (5, 8) or height - 1 - y (6, 7); stored column x becomes
  // upright row x (5, 6) or width - 1 - x (7, 8). The strip's rows land side by side in each
  // upright row: `count` neighbouring pixels, one cache line for a full strip.
  const size_t uprightWidth = size_t(height_);
  const bool columnsReversed = orientation_ == 6 || orientation_ == 7;
  const bool rowsReversed = orientation_ == 7 || orientation_ == 8;
  const size_t firstColumn = columnsReversed ? size_t(height_ - first - count) : size_t(first);
  constexpr size_t kBlock = 64;  // stored columns a pass: the strip's part stays in the L1 cache
  for (size_t x0 = 0; x0 < w; x0 += kBlock) {
    const size_t x1 = std::min(w, x0 + kBlock);
    for (size_t x = x0; x < x1; ++x) {
      const size_t uprightRow = rowsReversed ? w - 1 - x : x;
      uint32_t* to = upright_ + uprightRow * uprightWidth + firstColumn;
      const uint32_t* from = strip_.data() + x;
      if (columnsReversed) {
        for (int i = 0; i < count; ++i) to[count - 1 - i] = from[size_t(i) * w];
      } else {
        for (int i = 0; i < count; ++i) to[i] = from[size_t(i) * w];
      }
    }
  }
}

}  // namespace lumivel
