#include "show/effect_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumivel {
namespace {

constexpr int64_t kMinInt32 = std::numeric_limits<int32_t>::min();
constexpr int64_t kMaxInt32 = std::numeric_limits<int32_t>::max();

int32_t Hold32(int64_t value) {
  return static_cast<int32_t>(std::clamp(value, kMinInt32, kMaxInt32));
}

bool HasArea(int32_t pw, int32_t ph) { return pw > 0 && ph > 0; }

// Narrower than the screen's proportions: W / H > pw / ph, compared without dividing.
bool NarrowerThanScreen(int32_t W, int32_t H, int32_t pw, int32_t ph) {
  return int64_t{W} * ph > int64_t{H} * pw;
}

int32_t CentredLeft(int32_t W, int32_t w) { return Hold32((int64_t{W} - w) / 2); }

// With haut 0 this is the plain centred top. Once the picture covers the screen's height, H - h is
// zero or negative, and so is the top.
int32_t RaisedTop(int32_t H, int32_t h, int32_t haut) {
  return Hold32((int64_t{H} - h) / 2 * (100 - int64_t{haut}) / 100);
}

Rect Place(int32_t W, int32_t H, int64_t w, int64_t h, int32_t haut) {
  const int32_t width = Hold32(w);
  const int32_t height = Hold32(h);
  return {CentredLeft(W, width), RaisedTop(H, height, haut), width, height};
}

int32_t ZoomHeight(int32_t w, int32_t pw, int32_t ph) {
  return Hold32((int64_t{w} * ph + 1) / pw);
}

PixelSize SizeOf(const Rect& r) { return {r.width, r.height}; }

}  // namespace

Rect FitBounds(int32_t W, int32_t H, int32_t pw, int32_t ph) {
  if (!HasArea(pw, ph)) return {};
  if (NarrowerThanScreen(W, H, pw, ph)) return Place(W, H, int64_t{H} * pw / ph, H, 0);
  return Place(W, H, W, int64_t{W} * ph / pw, 0);
}

Rect FillBounds(int32_t W, int32_t H, int32_t pw, int32_t ph, int32_t haut) {
  if (!HasArea(pw, ph)) return {};
  if (NarrowerThanScreen(W, H, pw, ph)) return Place(W, H, W, int64_t{W} * ph / pw, haut);
  return Place(W, H, int64_t{H} * pw / ph, H, haut);
}

Rect ZoomPassBounds(int32_t w, int32_t W, int32_t H, int32_t pw, int32_t ph, int32_t haut) {
  if (!HasArea(pw, ph)) return {};
  return Place(W, H, w, ZoomHeight(w, pw, ph), haut);
}

ZoomRange MakeZoomRange(int32_t startWidth, int32_t W, int32_t zoom_max10, int32_t inc_dx) {
  return {startWidth, Hold32(int64_t{W} * zoom_max10 / 10), std::max(inc_dx, 1)};
}

int32_t NextZoomWidth(const ZoomRange& zoom, int64_t pass) {
  // A range built by hand with no steps still divides by one, never by zero.
  const double stride =
      (static_cast<double>(zoom.maxWidth) - zoom.startWidth) / std::max(zoom.steps, 1);
  // nearbyint rounds in the default mode, to nearest with halves to even.
  const double width = zoom.startWidth + std::nearbyint(stride * static_cast<double>(pass));
  return static_cast<int32_t>(
      std::clamp(width, static_cast<double>(kMinInt32), static_cast<double>(kMaxInt32)));
}

int32_t WaitStepCount(int32_t d) { return d < 100 ? 0 : d / 100; }

PixelSize LargestEffectSize(int32_t effect, int32_t W, int32_t H, int32_t pw, int32_t ph,
                            int32_t zoom_max10, int32_t inc_dx) {
  if (!HasArea(pw, ph)) return {};
  PixelSize start;
  switch (effect) {
    case 0:
      return SizeOf(FitBounds(W, H, pw, ph));
    case 1:
    case 2:
      return SizeOf(FillBounds(W, H, pw, ph, 0));
    case 3:
    case 4:
      start = SizeOf(FitBounds(W, H, pw, ph));
      break;
    case 5:
      start = SizeOf(FillBounds(W, H, pw, ph, 0));
      break;
    default:
      start = {0, ZoomHeight(0, pw, ph)};
      break;
  }
  const ZoomRange zoom = MakeZoomRange(start.width, W, zoom_max10, inc_dx);
  if (zoom.maxWidth <= start.width) return start;
  // The widths only grow, so the one for the last pass is the widest the zoom can show. At the
  // starting width the zoom's rounded height may exceed the step's by a pixel.
  const int32_t widest = NextZoomWidth(zoom, zoom.steps - 1);
  return {widest, std::max(ZoomHeight(widest, pw, ph), start.height)};
}

}  // namespace lumivel
