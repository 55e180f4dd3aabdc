#pragma once
// What the window needs to draw a picture stretched to a control's bounds: the part of the bounds
// that shows, the matching part of the pixels, and the pixels themselves as an image.
#include <QImage>
#include <QRect>
#include <QRectF>
#include <memory>
#include <optional>

#include "services/picture.h"

namespace lumivel {

struct PictureSlice {
  QRect target;   // where it shows: inside both the bounds and the clip
  QRectF source;  // where that comes from, in an image of the given pixel size
};

// A picture of `pixels` stretched to `bounds`, seen through `clip`; nothing when no part shows.
// The bounds may be far larger than the clip and start at negative coordinates (a zoom).
std::optional<PictureSlice> VisibleSlice(const QRect& bounds, const QRect& clip, const QSize& pixels);

// One picture as the window draws it: from the decoded pixels themselves, which are already in the
// screen's form, without a copy. Only a picture drawn whole at less than half its pixels' size (a
// camera picture decoded for the zoom and shown fitted) is drawn from an image made once at that
// size with an area filter, no larger than the window, so that a still picture keeps its detail
// without aliasing; that image goes as soon as the picture is drawn at another size, so a zoomed
// picture is held once.
class PictureImages {
 public:
  // Holds `picture` (which may be null or empty); the images of the previous one are dropped.
  void Hold(std::shared_ptr<const Picture> picture);
  const Picture* Held() const { return picture_.get(); }
  // The image to draw the picture from at `drawn` size in a window of `window` size; a null image
  // when no pixels are held.
  const QImage& ForDrawnSize(const QSize& drawn, const QSize& window);

 private:
  std::shared_ptr<const Picture> picture_;
  QImage pixels_;    // the picture's own pixels, borrowed
  QImage filtered_;  // the picture at one drawn size, or null
};

}  // namespace lumivel
