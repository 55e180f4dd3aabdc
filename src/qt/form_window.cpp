#include "qt/form_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "qt/qt_text.h"

namespace lumivel {

FormWindow::FormWindow(Control& form, Deliver deliver, std::function<void()> closed)
    : form_(form), deliver_(std::move(deliver)), closed_(std::move(closed)), color_(form.Color()) {
  // Every pixel is painted here: the form's colour or a picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormWindow::AddPicture(PictureBox& box) {
  auto shown = std::make_unique<Shown>();
  shown->box = &box;
  pictures_.push_back(std::move(shown));
}

QRect FormWindow::ShownBounds(const PictureBox& box) {
  const auto& picture = box.GetPicture();
  if (!box.Showing() || !picture || picture->pixelWidth <= 0 || picture->pixelHeight <= 0) return {};
  return QRect(box.Left(), box.Top(), box.Width(), box.Height());
}

void FormWindow::Refresh() {
  if (form_.Color() != color_) {
    color_ = form_.Color();
    update();
  }
  for (auto& shown : pictures_) {
    const QRect bounds = ShownBounds(*shown->box);
    const bool newPicture = shown->images.Held() != shown->box->GetPicture().get();
    if (bounds == shown->bounds && !newPicture) continue;
    update(QRegion(shown->bounds.intersected(rect())) + QRegion(bounds.intersected(rect())));
    shown->bounds = bounds;
    if (newPicture) shown->images.Hold(shown->box->GetPicture());
  }
}

void FormWindow::paintEvent(QPaintEvent* event) {
  const QRect clip = event->rect();
  std::vector<std::pair<QRect, const QImage*>> drawn;
  QRegion background(clip);
  for (const auto& shown : pictures_) {
    if (shown->bounds.isEmpty()) continue;
    // Sampled for the screen's own pixels, two a unit each way on a high-density screen.
    const qreal ratio = devicePixelRatioF();
    const QImage& image = shown->images.ForDrawnSize((QSizeF(shown->bounds.size()) * ratio).toSize(),
                                                     (QSizeF(size()) * ratio).toSize());
    if (image.isNull()) continue;
    background -= shown->bounds.intersected(clip);
    drawn.emplace_back(shown->bounds, &image);
  }
  QPainter painter(this);
  for (const QRect& part : background) painter.fillRect(part, ToQColor(color_));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const auto& [bounds, image] : drawn) {
    if (auto slice = VisibleSlice(bounds, clip, image->size())) {
      painter.drawImage(QRectF(slice->target), *image, slice->source);
    }
  }
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  update();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  closed_();
}

void FormWindow::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) deliver_([this] { form_.Click(); });
}

}  // namespace lumivel
