#pragma once
// One window of the program drawn with Qt: the form's window, a widget for each of its controls,
// the key preview, the focus and the timer. Model changes are noted as they happen and copied to
// the widgets when the program lets events run (Sync), so a burst of changes costs one update.
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "qt/control_widgets.h"
#include "qt/form_window.h"
#include "qt/saver_host.h"
#include "ui/toolkit.h"

namespace lumivel {

class WindowView : public QObject, public ControlObserver {
 public:
  // Builds the window and shows it: a form designed with its own size is a dialog of that size,
  // the main window (no design size) is borderless and covers the screen, or fills saverHost, the
  // window of another program (XScreenSaver) it is to draw in, when there is one.
  WindowView(const WindowBinding& binding, Deliver deliver, std::function<void()> closed,
             const SaverHost* saverHost = nullptr);
  ~WindowView() override;
  WindowView(const WindowView&) = delete;
  WindowView& operator=(const WindowView&) = delete;

  QWidget* Window() const { return window_.get(); }
  // The widget of a control; a control of a panel not shown yet gets its widgets made first.
  QWidget* WidgetOf(const Control& control);

  // Copies every change noted since the last call to the widgets and asks for the repaints.
  void Sync();
  // The same for the window's colour and pictures alone, which need no other widget.
  void SyncPictures();
  // Paints what the repaints asked for now, without waiting for the event loop.
  void FlushPaints();
  // Until the window system shows the window (at most timeoutMs): what is painted before is lost.
  void AwaitExposed(int timeoutMs);
  void SetCursorHidden(bool hidden);

  void ControlChanged(Control& control) override;
  void RepaintNow(Control& control) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    ControlWidget* widget = nullptr;  // none for a picture control
    bool dirty = false;
    bool waiting = false;  // content left until the control shows
  };

  void Build(Control& control, QWidget* parent);
  // Makes the widgets of a panel whose controls were left until it shows.
  void BuildChildren(const Control& control);
  void ShowWindow();
  void UpdateWindow();
  bool Ours(QObject* object) const;
  ControlWidget* OwnerOf(QObject* object) const;
  bool KeyReleased(QKeyEvent* event);
  void KeyPressed(QObject* watched, QKeyEvent* event);
  void MousePressed(QObject* watched);
  void FocusChanged(QWidget* old, QWidget* now);
  void KeepFocusInStep();
  void Tick();
  void Run(const std::function<void()>& handler);

  WindowBinding binding_;
  Deliver deliver_;
  bool leaving_ = false;
  bool dialog_ = false;
  const SaverHost* saverHost_ = nullptr;
  bool closedByUser_ = false;  // not shown again once the user has closed it
  std::unique_ptr<FormWindow> window_;
  std::vector<std::unique_ptr<ControlWidget>> widgets_;
  std::unordered_map<const Control*, Entry> entries_;
  std::unordered_map<const QObject*, ControlWidget*> byWidget_;
  std::vector<Entry*> dirty_;
  std::vector<Entry*> waiting_;
  std::unordered_set<const Control*> unbuilt_;
  std::unordered_set<int> pressed_;  // Qt keys pressed over the window and not yet released
  bool formDirty_ = true;
  QTimer timer_;
};

}  // namespace lumivel
