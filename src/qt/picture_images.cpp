#include "qt/picture_images.h"

#include <utility>

namespace lumivel {

std::optional<PictureSlice> VisibleSlice(const QRect& bounds, const QRect& clip, const QSize& pixels) {
  if (bounds.width() <= 0 || bounds.height() <= 0 || pixels.isEmpty()) return std::nullopt;
  const QRect target = bounds.intersected(clip);
  if (target.isEmpty()) return std::nullopt;
  const double sx = static_cast<double>(pixels.width()) / bounds.width();
  const double sy = static_cast<double>(pixels.height()) / bounds.height();
  const QRectF source((target.x() - bounds.x()) * sx, (target.y() - bounds.y()) * sy,
                      target.width() * sx, target.height() * sy);
  return PictureSlice{target, source};
}

void PictureImages::Hold(std::shared_ptr<const Picture> picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  filtered_ = QImage();
  pixels_ = QImage();
  if (!picture_ || picture_->pixelWidth <= 0 || picture_->pixelHeight <= 0 ||
      picture_->pixels.size() / static_cast<size_t>(picture_->pixelWidth) <
          static_cast<size_t>(picture_->pixelHeight)) {
    return;
  }
  // Read-only: the image draws from the picture's memory, which the picture keeps alive.
  pixels_ = QImage(reinterpret_cast<const uchar*>(picture_->pixels.data()), picture_->pixelWidth,
                   picture_->pixelHeight, picture_->pixelWidth * 4, QImage::Format_RGB32);
}

const QImage& PictureImages::ForDrawnSize(const QSize& drawn, const QSize& window) {
  // Smooth drawing samples 2 x 2 pixels for each one drawn: below half size it skips pixels.
  const bool skipsPixels =
      pixels_.width() > 2 * drawn.width() || pixels_.height() > 2 * drawn.height();
  const bool whole = drawn.width() <= window.width() && drawn.height() <= window.height();
  if (pixels_.isNull() || drawn.isEmpty() || !skipsPixels || !whole) {
    filtered_ = QImage();
    return pixels_;
  }
  if (filtered_.size() != drawn) {
    filtered_ = pixels_.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return filtered_;
}

}  // namespace lumivel
