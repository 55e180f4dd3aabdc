// The floor of the first-picture benchmark: a bare Qt window that shows one JPEG fitted to the
// whole screen, and nothing else.
//   bare_picture_window FILE
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>

namespace {

class PictureWindow : public QWidget {
 public:
  explicit PictureWindow(QImage image) : image_(std::move(image)) { setAttribute(Qt::WA_OpaquePaintEvent); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted), image_);
  }

 private:
  QImage image_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: bare_picture_window FILE\n");
    return 64;
  }
  PictureWindow window{QImage(QString::fromLocal8Bit(argv[1]))};
  // Without a window manager a full-screen request alone leaves the window at its own size.
  window.setGeometry(QGuiApplication::primaryScreen()->geometry());
  window.showFullScreen();
  return QApplication::exec();
}
