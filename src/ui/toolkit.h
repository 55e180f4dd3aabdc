#pragma once
// What the program asks of its window system: boxes, dialogs, the pointer, the screen, the
// pending events. The Qt view and the headless view implement it.
#include <cstdio>
#include <functional>
#include <optional>

#include "util/cp1252.h"
#include "util/message_sink.h"

namespace lumivel {

struct Point {
  int x = 0;
  int y = 0;
};

class ControlSet;
class Control;
class Timer;

// The window a view shows: its controls, its key-release handler (key preview), its timer, and
// what it does when the window system or the system itself asks the program to end (the window
// closed, a termination signal); without one the program ends at once with code 0.
struct WindowBinding {
  ControlSet* controls = nullptr;
  Control* form = nullptr;
  std::function<void(int key, bool shift)> keyUp;
  Timer* timer = nullptr;
  std::function<void()> endRequested = {};
};

class Toolkit : public MessageSink {
 public:
  virtual void AttachWindow(const WindowBinding& window) = 0;

  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;

  // A confirmation box titled "Confirmation" with "&Oui" and "&Non" (yesNo) or the single button
  // Yes; true for "&Oui".
  virtual bool Confirm(const Text& text, bool yesNo = true) = 0;
  // The modal directory chooser; it may create a typed folder after a confirmation. The answer in
  // program form, nothing when cancelled.
  virtual std::optional<Text> ChooseDirectory() = 0;
  // The file-open dialog with its title and filter ("programmes (*.exe)|*.exe|...").
  virtual std::optional<Text> ChooseFile(const Text& title, const Text& filter) = 0;
  virtual void Beep() = 0;
  // Tells of an error where no box may wait for an answer (the program is ending): on standard
  // error.
  virtual void ReportError(const Text& text) { std::fprintf(stderr, "lumivel: %s\n", Cp1252ToUtf8(text).c_str()); }

  virtual Point CursorPos() = 0;
  virtual void SetCursorPos(int x, int y) = 0;
  // Hidden over the whole screen, or shown with the shape saved at creation.
  virtual void SetCursorHidden(bool hidden) = 0;

  // Handles every queued event without waiting for new ones.
  virtual void ProcessPendingEvents() = 0;
  // Waits for the next event and handles it; false when there will be none (the loop ends).
  virtual bool WaitAndProcessEvent() = 0;
  // Waits `milliseconds`, handling events as they arrive; returns early once `leave()` is true.
  virtual void WaitFor(int milliseconds, const std::function<bool()>& leave) = 0;
  // Waits for the screen's next frame after the last picture placed, handling events meanwhile.
  virtual void WaitForFrame(const std::function<bool()>& leave) = 0;
  // Waits until an event has arrived (a key, a click, a timer tick) and handles it.
  virtual void WaitForInput(const std::function<bool()>& leave) = 0;
  // Puts what changed on the screen now, for a pause that lets no event run.
  virtual void PresentNow() {}

  // Things a person sees that the control model does not hold.
  virtual void PictureLoaded(const Text& /*path*/, int /*width*/, int /*height*/) {}
  virtual void PicturePlaced(int /*left*/, int /*top*/, int /*width*/, int /*height*/) {}
  virtual void TitleShown(const Text& /*caption*/) {}
  virtual void TonePlayed(int /*hz*/, int /*ms*/, int /*volume*/) {}
  virtual void ApplicationTitle(const Text& /*title*/) {}
};

}  // namespace lumivel
