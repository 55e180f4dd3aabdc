#pragma once
// What the window needs to draw a picture stretched to a control's bounds: the part of the bounds
// that shows, the matching part of the pixels, and the pixels in the screen's form, made once.
#include <QImage>
#include <QRect>
#include <QRectF>
#include <memory>
#include <optional>
#include <vector>

#include "platform/picture.h"

namespace lumivel {

struct PictureSlice {
  QRect target;   // where it shows: inside both the bounds and the clip
  QRectF source;  // where that comes from, in an image of the given pixel size
};

// A picture of `pixels` stretched to `bounds`, seen through `clip`; nothing when no part shows.
// The bounds may be far larger than the clip and start at negative coordinates (a zoom).
std::optional<PictureSlice> VisibleSlice(const QRect& bounds, const QRect& clip, const QSize& pixels);

// One picture's pixels as 32-bit RGB images: the decoded pixels, and halved copies made on first
// need, so a picture drawn much smaller than its pixels is sampled from a copy at most twice its
// drawn size and keeps its detail without aliasing.
class PictureImages {
 public:
  // Holds `picture` (which may be null or empty); the images of the previous one are dropped.
  void Hold(std::shared_ptr<const Picture> picture);
  const Picture* Held() const { return picture_.get(); }
  // The smallest image at least `drawn` large (the decoded pixels when none is); a null image
  // when no pixels are held.
  const QImage& ForDrawnSize(const QSize& drawn);

 private:
  std::shared_ptr<const Picture> picture_;
  std::vector<QImage> levels_;  // levels_[k] is the pixels halved k times
};

}  // namespace lumivel
