#include "qt/qt_toolkit.h"

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>

#include "qt/boxes.h"
#include "qt/file_dialogs.h"
#include "qt/file_filter.h"
#include "qt/qt_text.h"

namespace lumivel {

namespace {

// Tool-tips come 200 ms after the pointer stops over a control.
class HintDelayStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 200;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QScreen* Screen() { return QGuiApplication::primaryScreen(); }

// A window system that has not shown the window by then will expose it later, and it is painted then.
constexpr int kExposeTimeoutMs = 1000;

}  // namespace

QtToolkit::QtToolkit(const FileSystem& fs)
    : fs_(fs), saverHost_(SaverHostFromEnvironment()), snapshots_(SnapshotWriter::FromEnvironment()) {
  QApplication::setStyle(new HintDelayStyle);
  // The program decides when it ends; a closed window is reported, not turned into a quit.
  QApplication::setQuitOnLastWindowClosed(false);
}

QtToolkit::~QtToolkit() { DetachWindow(); }

void QtToolkit::DetachWindow() { view_.reset(); }

QWidget* QtToolkit::Window() const { return view_ ? view_->Window() : nullptr; }

QWidget* QtToolkit::WidgetOf(const Control& control) {
  return view_ ? view_->WidgetOf(control) : nullptr;
}

void QtToolkit::AttachWindow(const WindowBinding& window) {
  endRequested_ = window.endRequested;
  view_.reset();
  windowGone_ = false;
  view_ = std::make_unique<WindowView>(
      window, [this](const std::function<void()>& handler) { Deliver(handler); },
      [this] { WindowClosed(); }, saverHost_ ? &*saverHost_ : nullptr);
  view_->SetCursorHidden(cursorHidden_);
}

void QtToolkit::Deliver(const std::function<void()>& handler) {
  if (!app_) return;
  app_->Deliver(handler);
  // The program is ending: a box or dialog open meanwhile must not hold it up.
  if (app_->ExitPending()) CloseModalDialogs();
}

void QtToolkit::CloseModalDialogs() {
  for (int guard = 0; guard < 16; ++guard) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  }
}

void QtToolkit::WindowClosed() {
  windowGone_ = true;
  EndRequested();
}

void QtToolkit::EndRequested() {
  if (endRequested_) {
    Deliver(endRequested_);
  } else {
    Deliver([this] { app_->Exit(0); });
  }
}

void QtToolkit::WatchTermination(TerminationSignals& termination) {
  termination_ = std::make_unique<QSocketNotifier>(termination.Fd(), QSocketNotifier::Read);
  QObject::connect(termination_.get(), &QSocketNotifier::activated, [this, &termination] {
    if (termination.Take()) EndRequested();
  });
}

int QtToolkit::ScreenWidth() const {
  return saverHost_ ? saverHost_->size.width() : Screen()->geometry().width();
}

int QtToolkit::ScreenHeight() const {
  return saverHost_ ? saverHost_->size.height() : Screen()->geometry().height();
}

int QtToolkit::RunModal(QDialog& dialog, const char* what) {
  QImage under;
  if (view_) {
    view_->Sync();
    view_->FlushPaints();
    if (snapshots_) under = view_->Window()->grab().toImage();
  }
  if (snapshots_) {
    QTimer::singleShot(0, &dialog, [this, &dialog, under, what] {
      QImage picture = under.isNull() ? dialog.grab().toImage() : under;
      if (!under.isNull()) {
        QPainter painter(&picture);
        painter.drawPixmap(dialog.frameGeometry().topLeft() - Window()->geometry().topLeft(),
                           dialog.grab());
      }
      snapshots_->Save(picture, what);
    });
  }
  const int result = dialog.exec();
  // The keyboard comes back to the window, not to wherever the window system puts it when the
  // box goes.
  if (view_ && !windowGone_) view_->Window()->activateWindow();
  return result;
}

void QtToolkit::ShowMessage(const Text& text) {
  MessageBox box(Window(), ToQString(text));
  RunModal(box, "box");
}

bool QtToolkit::Confirm(const Text& text, bool yesNo) {
  ConfirmationBox box(Window(), ToQString(text), yesNo);
  RunModal(box, "confirm");
  return box.Confirmed();
}

std::optional<Text> QtToolkit::ChooseDirectory() {
  auto host = ChooseHostDirectory(Window(), [this](QDialog& d, const char* what) { return RunModal(d, what); });
  if (!host) return std::nullopt;
  return fs_.ToProgram(*host);
}

std::optional<Text> QtToolkit::ChooseFile(const Text& title, const Text& filter) {
  const QString filters = QString::fromStdString(QtNameFilters(Cp1252ToUtf8(filter)));
  auto host = ChooseHostFile(Window(), ToQString(title), filters,
                             [this](QDialog& d, const char* what) { return RunModal(d, what); });
  if (!host) return std::nullopt;
  return fs_.ToProgram(*host);
}

void QtToolkit::Beep() { QApplication::beep(); }

Point QtToolkit::CursorPos() {
  const QPoint at = QCursor::pos();
  return Point{at.x(), at.y()};
}

void QtToolkit::SetCursorPos(int x, int y) { QCursor::setPos(x, y); }

void QtToolkit::SetCursorHidden(bool hidden) {
  cursorHidden_ = hidden;
  if (view_) view_->SetCursorHidden(hidden);
}

void QtToolkit::ShowChanges() {
  if (!view_) return;
  view_->Sync();
  view_->FlushPaints();
}

void QtToolkit::ProcessPendingEvents() {
  if (view_) view_->Sync();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  ShowChanges();
}

bool QtToolkit::WaitAndProcessEvent() {
  if (!view_ || windowGone_) return false;
  ShowChanges();
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return view_ && !windowGone_;
}

// Sleeps in the event loop, not beside it: a key released during the wait runs its handler at once
// and what it changed is on the screen before the wait goes on.
void QtToolkit::WaitUntil(const QDeadlineTimer& deadline, const std::function<bool()>& leave) {
  ShowChanges();
  QTimer wake;
  wake.setTimerType(Qt::PreciseTimer);
  wake.setSingleShot(true);
  while (!deadline.hasExpired() && !leave() && view_ && !windowGone_) {
    // Whole milliseconds, rounded up: a wake-up just short of the deadline would leave the loop
    // waiting for some other event.
    if (!wake.isActive()) wake.start(std::chrono::ceil<std::chrono::milliseconds>(deadline.remainingTimeAsDuration()));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ShowChanges();
  }
}

void QtToolkit::WaitFor(int milliseconds, const std::function<bool()>& leave) {
  WaitUntil(QDeadlineTimer(milliseconds, Qt::PreciseTimer), leave);
}

// Frames follow a fixed grid of the screen's refresh interval from the first pass on; a pass that
// took longer than a frame starts the grid again rather than hurrying the next ones.
void QtToolkit::WaitForFrame(const std::function<bool()>& leave) {
  if (!frameClock_.isValid()) frameClock_.start();
  const qint64 now = frameClock_.nsecsElapsed();
  const qint64 interval = FrameIntervalNs();
  if (nextFrameNs_ < now - interval) nextFrameNs_ = now;
  nextFrameNs_ += interval;
  WaitUntil(QDeadlineTimer(std::chrono::nanoseconds(nextFrameNs_ - now), Qt::PreciseTimer), leave);
}

qint64 QtToolkit::FrameIntervalNs() const {
  // Screens that report no rate (offscreen, some virtual ones) are paced at 60 Hz.
  double hz = Screen() ? Screen()->refreshRate() : 0.0;
  if (hz < 24.0 || hz > 500.0) hz = 60.0;
  return static_cast<qint64>(1e9 / hz);
}

void QtToolkit::WaitForInput(const std::function<bool()>& leave) {
  if (!view_ || windowGone_ || leave()) return;
  ShowChanges();
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  ShowChanges();
}

void QtToolkit::PresentNow() { ShowChanges(); }

void QtToolkit::PictureLoaded(const Text& /*path*/, int /*width*/, int /*height*/) { snapshotDue_ = true; }

// Shown at once: the effect's wait that follows would otherwise keep the old picture for its first
// 100 ms step.
void QtToolkit::PicturePlaced(int /*left*/, int /*top*/, int /*width*/, int /*height*/) {
  if (!view_) return;
  // The first picture waits for the window to be on the screen, not for the effect's first wait.
  view_->AwaitExposed(kExposeTimeoutMs);
  // The picture first, then what lies over it.
  view_->SyncPictures();
  view_->FlushPaints();
  ShowChanges();
  if (snapshots_ && snapshotDue_) {
    snapshotDue_ = false;
    snapshots_->Save(view_->Window()->grab().toImage(), "picture");
  }
}

void QtToolkit::ApplicationTitle(const Text& title) {
  QGuiApplication::setApplicationDisplayName(ToQString(title));
}

}  // namespace lumivel
