#pragma once
// The Qt 6 Widgets view: the program's window drawn from its control model, its boxes and dialogs,
// the pointer and the event pump. Every event that reaches the model runs inside
// Application::Dispatch, so no exception of ours ever crosses into Qt.
#include <QElapsedTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "posix/termination_signals.h"
#include "qt/saver_host.h"
#include "qt/snapshot_writer.h"
#include "qt/window_view.h"
#include "services/file_system.h"
#include "ui/application.h"
#include "ui/toolkit.h"

class QDeadlineTimer;
class QDialog;
class QSocketNotifier;

namespace lumivel {

class QtToolkit : public Toolkit {
 public:
  // Needs a QApplication. fs turns the dialogs' host paths into program paths. With
  // LUMIVEL_SNAPSHOTS set, PNG files of the window are written there.
  explicit QtToolkit(const FileSystem& fs);
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  // Events reach the model only once the application is known.
  void SetApplication(Application* app) { app_ = app; }
  // Lets go of the window before its controls go away (the program's finishing hook).
  void DetachWindow();
  // A termination signal asks the window to end the program, as closing it does.
  void WatchTermination(TerminationSignals& termination);

  QWidget* Window() const;
  QWidget* WidgetOf(const Control& control);

  void AttachWindow(const WindowBinding& window) override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  void ShowMessage(const Text& text) override;
  bool Confirm(const Text& text, bool yesNo = true) override;
  std::optional<Text> ChooseDirectory() override;
  std::optional<Text> ChooseFile(const Text& title, const Text& filter) override;
  void Beep() override;
  Point CursorPos() override;
  void SetCursorPos(int x, int y) override;
  void SetCursorHidden(bool hidden) override;
  void ProcessPendingEvents() override;
  bool WaitAndProcessEvent() override;
  void WaitFor(int milliseconds, const std::function<bool()>& leave) override;
  void WaitForFrame(const std::function<bool()>& leave) override;
  void WaitForInput(const std::function<bool()>& leave) override;
  void PresentNow() override;
  void PictureLoaded(const Text& path, int width, int height) override;
  void PicturePlaced(int left, int top, int width, int height) override;
  void ApplicationTitle(const Text& title) override;

 private:
  void Deliver(const std::function<void()>& handler);
  void WindowClosed();
  void EndRequested();
  // Brings the window up to date, shows the dialog modally (its snapshot taken once it shows,
  // over a picture of the window taken before) and returns its result.
  int RunModal(QDialog& dialog, const char* what);
  void CloseModalDialogs();
  // Copies the model's changes to the widgets and paints them now.
  void ShowChanges();
  void WaitUntil(const QDeadlineTimer& deadline, const std::function<bool()>& leave);
  qint64 FrameIntervalNs() const;

  const FileSystem& fs_;
  Application* app_ = nullptr;
  // XScreenSaver's window when the program runs as its display mode: the show's screen.
  std::optional<SaverHost> saverHost_;
  std::unique_ptr<WindowView> view_;
  bool windowGone_ = false;
  bool cursorHidden_ = false;
  std::optional<SnapshotWriter> snapshots_;
  // A picture is snapshotted once, where it is first placed: a zoom places it hundreds of times.
  bool snapshotDue_ = false;
  std::function<void()> endRequested_;
  std::unique_ptr<QSocketNotifier> termination_;
  QElapsedTimer frameClock_;
  qint64 nextFrameNs_ = 0;  // on frameClock_
};

}  // namespace lumivel
