#include "platform/qt/picture_images.h"

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
  levels_.clear();
}

const QImage& PictureImages::ForDrawnSize(const QSize& drawn) {
  static const QImage kNone;
  if (!picture_ || picture_->pixelWidth <= 0 || picture_->pixelHeight <= 0 ||
      picture_->rgb.size() / 3 / static_cast<size_t>(picture_->pixelWidth) <
          static_cast<size_t>(picture_->pixelHeight)) {
    return kNone;
  }
  if (levels_.empty()) {
    const QImage rgb(picture_->rgb.data(), picture_->pixelWidth, picture_->pixelHeight,
                     picture_->pixelWidth * 3, QImage::Format_RGB888);
    // The raster engine scales 32-bit pixels directly; 24-bit ones it would convert at every draw.
    levels_.push_back(rgb.convertToFormat(QImage::Format_RGB32));
  }
  size_t level = 0;
  for (;;) {
    const QSize half = levels_[level].size() / 2;
    if (half.width() < drawn.width() || half.height() < drawn.height() || half.isEmpty()) break;
    if (level + 1 == levels_.size()) {
      levels_.push_back(levels_[level].scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    ++level;
  }
  return levels_[level];
}

}  // namespace lumivel
