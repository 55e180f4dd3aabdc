#include "qt/window_view.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QWindow>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "qt/key_codes.h"
#include "qt/qt_text.h"

namespace lumivel {

WindowView::WindowView(const WindowBinding& binding, Deliver deliver, std::function<void()> closed,
                       const SaverHost* saverHost)
    : binding_(binding), deliver_(std::move(deliver)) {
  Control& form = *binding_.form;
  dialog_ = form.Width() > 0 && form.Height() > 0;
  if (!dialog_) saverHost_ = saverHost;
  window_ = std::make_unique<FormWindow>(
      form, [this](const std::function<void()>& handler) { Run(handler); },
      [this, closed = std::move(closed)] {
        closedByUser_ = true;
        closed();
      });
  // The pictures now, the other controls at the first Sync: a first picture can reach the screen
  // before the window's texts have made the fonts ready.
  for (Control* child : form.Children()) {
    if (child->Kind() == ControlKind::Picture) Build(*child, window_.get());
  }
  unbuilt_.insert(&form);
  binding_.controls->SetObserver(this);
  qApp->installEventFilter(this);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });
  if (binding_.timer) {
    timer_.setInterval(std::max(1, binding_.timer->intervalMs));
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    timer_.start();
  }
  SyncPictures();
}

WindowView::~WindowView() {
  leaving_ = true;
  if (binding_.controls->Observer() == this) binding_.controls->SetObserver(nullptr);
  qApp->removeEventFilter(this);
  timer_.stop();
  window_.reset();
  widgets_.clear();
}

void WindowView::Build(Control& control, QWidget* parent) {
  if (control.Kind() == ControlKind::Timer) return;
  if (auto* picture = dynamic_cast<PictureBox*>(&control)) {
    window_->AddPicture(*picture);
    entries_[&control] = Entry{};
    return;
  }
  std::unique_ptr<ControlWidget> widget = MakeControlWidget(
      control, parent, [this](const std::function<void()>& handler) { Run(handler); });
  if (!widget) return;
  QWidget* own = widget->Widget();
  Entry& entry = entries_[&control];
  entry.widget = widget.get();
  entry.dirty = true;
  dirty_.push_back(&entry);
  byWidget_[own] = widget.get();
  widgets_.push_back(std::move(widget));
  // A hidden panel's controls are made when it first shows: most of the window's controls sit on
  // panels nobody opens before the first picture, which they would only delay.
  if (!control.Visible() && !control.Children().empty()) {
    unbuilt_.insert(&control);
    return;
  }
  for (Control* child : control.Children()) Build(*child, own);
}

void WindowView::BuildChildren(const Control& control) {
  if (unbuilt_.erase(&control) == 0) return;
  QWidget* own = &control == binding_.form ? window_.get() : entries_.at(&control).widget->Widget();
  for (Control* child : control.Children()) {
    if (!entries_.count(child)) Build(*child, own);
  }
}

QWidget* WindowView::WidgetOf(const Control& control) {
  if (&control == binding_.form) return window_.get();
  // Asked for a control of a panel not shown yet: its widgets are made now.
  std::vector<const Control*> chain;
  for (const Control* c = control.Parent(); c; c = c->Parent()) chain.push_back(c);
  bool built = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    built |= unbuilt_.count(*it) > 0;
    BuildChildren(**it);
  }
  if (built) Sync();
  const auto it = entries_.find(&control);
  return it == entries_.end() || !it->second.widget ? nullptr : it->second.widget->Widget();
}

void WindowView::ShowWindow() {
  const Control& form = *binding_.form;
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  if (dialog_) {
    window_->setWindowTitle(ToQString(form.Caption()));
    window_->setFixedSize(form.Width(), form.Height());
    window_->move(screen.center() - QPoint(form.Width() / 2, form.Height() / 2));
    window_->show();
  } else if (saverHost_) {
    // Inside XScreenSaver's window, which keeps the keyboard and the mouse: the window is not
    // raised or activated, only shown over the whole of it.
    window_->setWindowFlag(Qt::FramelessWindowHint);
    window_->winId();
    window_->windowHandle()->setParent(saverHost_->window.get());
    window_->setGeometry(QRect(QPoint(0, 0), saverHost_->size));
    window_->show();
    return;
  } else {
    window_->setWindowFlag(Qt::FramelessWindowHint);
    window_->setGeometry(screen);
    window_->showFullScreen();
  }
  window_->raise();
  window_->activateWindow();
  // The window keeps the keyboard itself until an edit box is clicked: left without a focus
  // widget, Qt would give its activation to the first edit box, which would swallow the keys.
  window_->setFocus();
}

void WindowView::UpdateWindow() {
  const Control& form = *binding_.form;
  if (dialog_) window_->setWindowTitle(ToQString(form.Caption()));
  if (closedByUser_ || form.Visible() == window_->isVisible()) return;
  if (form.Visible()) {
    ShowWindow();
  } else {
    window_->hide();
  }
}

void WindowView::SyncPictures() {
  if (!formDirty_) return;
  formDirty_ = false;
  UpdateWindow();
  window_->Refresh();
}

void WindowView::Sync() {
  BuildChildren(*binding_.form);
  SyncPictures();
  while (!dirty_.empty()) {
    std::vector<Entry*> dirty;
    dirty.swap(dirty_);
    for (Entry* entry : dirty) {
      entry->dirty = false;
      // A panel shown for the first time gets its controls, which join the next round.
      if (entry->widget->GetControl().Visible()) BuildChildren(entry->widget->GetControl());
      entry->widget->UpdateLook();
      if (!entry->widget->UpdateContent() && !entry->waiting) {
        entry->waiting = true;
        waiting_.push_back(entry);
      }
    }
  }
  for (auto it = waiting_.begin(); it != waiting_.end();) {
    if ((*it)->widget->UpdateContent()) {
      (*it)->waiting = false;
      it = waiting_.erase(it);
    } else {
      ++it;
    }
  }
  KeepFocusInStep();
}

void WindowView::FlushPaints() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

void WindowView::AwaitExposed(int timeoutMs) {
  const QWindow* handle = window_->windowHandle();
  if (!window_->isVisible() || !handle || handle->isExposed()) return;
  const QDeadlineTimer deadline(timeoutMs);
  QTimer wake;
  wake.setSingleShot(true);
  wake.start(timeoutMs);
  while (!handle->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
  }
}

void WindowView::SetCursorHidden(bool hidden) {
  if (hidden) {
    window_->setCursor(Qt::BlankCursor);
  } else {
    window_->unsetCursor();
  }
}

void WindowView::ControlChanged(Control& control) {
  if (&control == binding_.form) {
    formDirty_ = true;
    // Shown at once: the window system maps it while the program still prepares its first picture.
    if (control.Visible() && !window_->isVisible() && !closedByUser_) UpdateWindow();
    return;
  }
  const auto it = entries_.find(&control);
  if (it == entries_.end()) return;
  Entry& entry = it->second;
  if (!entry.widget) {
    formDirty_ = true;
  } else if (!entry.dirty) {
    entry.dirty = true;
    dirty_.push_back(&entry);
  }
}

void WindowView::RepaintNow(Control& /*control*/) {
  Sync();
  FlushPaints();
}

bool WindowView::Ours(QObject* object) const {
  return object && object->isWidgetType() && static_cast<QWidget*>(object)->window() == window_.get();
}

ControlWidget* WindowView::OwnerOf(QObject* object) const {
  for (QObject* o = object; o && o != window_.get(); o = o->parent()) {
    if (const auto it = byWidget_.find(o); it != byWidget_.end()) return it->second;
  }
  return nullptr;
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyRelease:
      return Ours(watched) && KeyReleased(static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
      if (Ours(watched)) {
        pressed_.insert(static_cast<QKeyEvent*>(event)->key());
        KeyPressed(watched, static_cast<QKeyEvent*>(event));
      }
      return false;
    case QEvent::MouseButtonPress:
      if (Ours(watched)) MousePressed(watched);
      return false;
    default:
      return false;
  }
}

// Key preview: the form's handler gets every release first. The event stops here, so the widget
// that has the focus does not see it a second time on its way up.
bool WindowView::KeyReleased(QKeyEvent* event) {
  if (!binding_.keyUp) return false;
  // A held key repeats its presses; Windows reports a single release at the end.
  if (event->isAutoRepeat()) return true;
  // A key pressed in a box or dialog that it closed (Esc, Enter) is released over the window: the
  // key was the box's.
  if (pressed_.erase(event->key()) == 0) return true;
  const int code = WindowsKeyCode(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
  if (code == 0) return true;
  const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
  Run([this, code, shift] { binding_.keyUp(code, shift); });
  return true;
}

void WindowView::KeyPressed(QObject* watched, QKeyEvent* event) {
  const auto it = byWidget_.find(watched);
  if (it == byWidget_.end()) return;
  auto* edit = dynamic_cast<Edit*>(&it->second->GetControl());
  if (!edit || !edit->OnKeyDown) return;
  const int code = WindowsKeyCode(event->key(), event->modifiers().testFlag(Qt::KeypadModifier));
  if (code == 0) return;
  Run([edit, code] {
    if (edit->OnKeyDown) edit->OnKeyDown(code);
  });
}

// Buttons, check boxes, radio groups and lists take no keyboard focus (the keys belong to the
// show), yet clicking one moves the program's focus to it, so an edit box left runs its exit
// handler first, as it does when a click focuses a control.
void WindowView::MousePressed(QObject* watched) {
  ControlWidget* owner = OwnerOf(watched);
  if (!owner || !TakesFocusOnClick(owner->GetControl().Kind())) return;
  Control* control = &owner->GetControl();
  Run([this, control] { binding_.controls->SetFocus(control); });
  if (QWidget* focus = QApplication::focusWidget(); focus && Ours(focus)) window_->setFocus();
}

void WindowView::FocusChanged(QWidget* old, QWidget* now) {
  if (now && Ours(now)) {
    if (ControlWidget* owner = OwnerOf(now); owner && IsTextBox(owner->GetControl().Kind())) {
      Control* control = &owner->GetControl();
      Run([this, control] { binding_.controls->SetFocus(control); });
      return;
    }
  }
  // A box that disappears loses the focus; a window that is only left keeps it for its return.
  if (old && Ours(old) && !old->isVisible()) Run([this] { binding_.controls->SetFocus(nullptr); });
}

void WindowView::KeepFocusInStep() {
  Control* focused = binding_.controls->Focused();
  if (focused && IsTextBox(focused->Kind())) {
    QWidget* widget = WidgetOf(*focused);
    if (widget && widget->isVisible()) {
      QWidget* qtFocus = QApplication::focusWidget();
      if (qtFocus != widget && !widget->isAncestorOf(qtFocus) && window_->isActiveWindow()) {
        widget->setFocus(Qt::OtherFocusReason);
      }
      return;
    }
    Run([this] { binding_.controls->SetFocus(nullptr); });
  }
  // No edit box has the program's focus: the keyboard stays with the window itself.
  QWidget* keeper = window_->focusWidget();
  if (keeper == window_.get()) return;
  const ControlWidget* owner = keeper ? OwnerOf(keeper) : nullptr;
  if (!keeper || !keeper->isVisible() || (owner && IsTextBox(owner->GetControl().Kind()))) {
    window_->setFocus();
  }
}

void WindowView::Tick() {
  Timer* timer = binding_.timer;
  if (timer_.interval() != std::max(1, timer->intervalMs)) timer_.setInterval(std::max(1, timer->intervalMs));
  if (timer->enabled && timer->OnTimer) Run(timer->OnTimer);
}

void WindowView::Run(const std::function<void()>& handler) {
  if (!leaving_) deliver_(handler);
}

}  // namespace lumivel
