#include "posix/picture_orientation.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
  const auto uprightRow = [&](size_t x) {
    return upright_ + (rowsReversed ? w - 1 - x : x) * uprightWidth + firstColumn;
  };
  size_t x = 0;
#if defined(__SSE2__)
  // A full strip goes 4 stored columns at a time: 4 x 4 blocks turned in registers, and each upright
  // row's 16 pixels written as one whole cache line that bypasses the cache (the picture is far
  // larger than it), so the write does not first read the line from memory.
  if (count == kStripRows) {
    for (; x + 4 <= w; x += 4) {
      __m128i columns[4][4];  // [stored column x + j][stored rows 4g .. 4g + 3]
      for (size_t g = 0; g < 4; ++g) {
        const uint32_t* s = strip_.data() + 4 * g * w + x;
        const __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
        const __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + w));
        const __m128i r2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 2 * w));
        const __m128i r3 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * w));
        const __m128i low01 = _mm_unpacklo_epi32(r0, r1), low23 = _mm_unpacklo_epi32(r2, r3);
        const __m128i high01 = _mm_unpackhi_epi32(r0, r1), high23 = _mm_unpackhi_epi32(r2, r3);
        columns[0][g] = _mm_unpacklo_epi64(low01, low23);
        columns[1][g] = _mm_unpackhi_epi64(low01, low23);
        columns[2][g] = _mm_unpacklo_epi64(high01, high23);
        columns[3][g] = _mm_unpackhi_epi64(high01, high23);
      }
      for (size_t j = 0; j < 4; ++j) {
        auto* to = reinterpret_cast<__m128i*>(uprightRow(x + j));
        const bool aligned = (reinterpret_cast<uintptr_t>(to) & 15) == 0;
        for (size_t k = 0; k < 4; ++k) {
          const __m128i v = columnsReversed ? _mm_shuffle_epi32(columns[j][3 - k], 0x1B) : columns[j][k];
          if (aligned) {
            _mm_stream_si128(to + k, v);
          } else {
            _mm_storeu_si128(to + k, v);
          }
        }
      }
    }
    // The streamed lines reach memory before the picture is handed on.
    _mm_sfence();
  }
#endif
  for (; x < w; ++x) {
    uint32_t* to = uprightRow(x);
    const uint32_t* from = strip_.data() + x;
    for (int i = 0; i < count; ++i) to[columnsReversed ? count - 1 - i : i] = from[size_t(i) * w];
  }
}

}  // namespace lumivel
