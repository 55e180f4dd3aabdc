#pragma once
// The window of a form. It paints the form's colour and, over it, its picture controls: only the
// part of each picture's bounds that shows, sampled from the decoded pixels themselves, so a
// picture zoomed to several screens wide still costs one screen-sized draw. The other controls are
// child widgets on top.
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "qt/control_widgets.h"
#include "qt/picture_images.h"
#include "ui/controls.h"

namespace lumivel {

class FormWindow : public QWidget {
 public:
  // closed: the user closed the window (the window system's close button or keys).
  FormWindow(Control& form, Deliver deliver, std::function<void()> closed);

  // A picture control drawn on the background; later ones over earlier ones.
  void AddPicture(PictureBox& box);
  // Compares the form's colour and the pictures with what was last painted and asks for a repaint
  // of what changed: the old and new places of a moved picture.
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Shown {
    PictureBox* box = nullptr;
    QRect bounds;  // empty when the picture does not show
    PictureImages images;
  };
  static QRect ShownBounds(const PictureBox& box);

  Control& form_;
  Deliver deliver_;
  std::function<void()> closed_;
  int32_t color_ = 0;
  std::vector<std::unique_ptr<Shown>> pictures_;
  bool pressed_ = false;
};

}  // namespace lumivel
