#pragma once
// Where the picture control goes on the screen for each step of an effect, how the slow zoom
// widens it, and how long a wait lasts. W x H is the screen, pw x ph the upright picture, all in
// pixels.
//
// Divisions truncate toward zero. Products are taken in 64 bits: a zoomed width times the height of
// a big picture (38400 x 65535 for zoom_max10 100 on a 3840-pixel screen) passes the 32-bit range.
// A result beyond the 32-bit range (only with absurd settings, such as a huge zoom_max10) is held
// at the range's end.
#include <cstdint>

namespace lumivel {

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct PixelSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// A picture without area (a side of 0 or less) cannot be placed: every function below gives it
// empty bounds at the screen's top left rather than dividing by zero.

// The whole picture on screen, black bars on two sides, centred.
Rect FitBounds(int32_t W, int32_t H, int32_t pw, int32_t ph);

// The screen covered, the overflow cut off; centred across, and moved up by _haut percent of the
// overflow's half: 100 puts the top edge at the top of the screen, 0 centres vertically.
Rect FillBounds(int32_t W, int32_t H, int32_t pw, int32_t ph, int32_t haut);

// One pass of the slow zoom at width w: the height follows the picture's proportions (rounded by
// adding 1 before dividing), placed as in FillBounds.
Rect ZoomPassBounds(int32_t w, int32_t W, int32_t H, int32_t pw, int32_t ph, int32_t haut);

// The slow zoom widens the picture from its width after the first step to
// W x zoom_max10 / 10 in `steps` equal strides.
struct ZoomRange {
  int32_t startWidth = 0;
  int32_t maxWidth = 0;
  // inc_dx, or 1 when inc_dx is 0 or less: the zoom then computes the end width straight away,
  // so it shows its starting width twice and stops, without dividing by zero.
  int32_t steps = 1;
};

ZoomRange MakeZoomRange(int32_t startWidth, int32_t W, int32_t zoom_max10, int32_t inc_dx);

// The width computed by pass i (0, 1, ...), shown by the next pass: startWidth plus the stride
// (maxWidth - startWidth) / steps times i, in floating point (quotient first, then product),
// rounded to the nearest integer with halves to the even one. The zoom runs while maxWidth is
// greater than the current width, so the last width shown is the one for pass steps - 1.
int32_t NextZoomWidth(const ZoomRange& zoom, int64_t pass);

// Number of 100 ms steps a wait of d milliseconds lasts; the remainder is dropped, and a duration
// below 100 (negative ones included) does not wait.
int32_t WaitStepCount(int32_t d);

// The largest bounds an effect (item of Rdg1) reaches with this picture: fit (0), fill (1, 2),
// fit or fill then the slow zoom (3, 4: fit; 5: fill), and for no effect (any other item) the
// zoom from width 0. Lets the loader decode just large enough.
PixelSize LargestEffectSize(int32_t effect, int32_t W, int32_t H, int32_t pw, int32_t ph,
                            int32_t zoom_max10, int32_t inc_dx);

}  // namespace lumivel
