#pragma once
// The application runtime: the default error handler around every handler, the message pump that
// turns flags raised by handlers into control flow on our own stack, the queued restart of the
// show, the waits that handle input as it arrives, and the exit code.
#include <cstdint>
#include <deque>
#include <functional>

#include "ui/toolkit.h"

namespace lumivel {

// Unwinds to the event loop and ends the program with its code. Not a std::exception, so that no
// handler's error catch takes it for an error.
struct ExitRequest {
  int code;
};

// Unwinds a running show that a queued restart replaces.
struct ShowInterrupted {};

class Application {
 public:
  explicit Application(Toolkit& toolkit) : toolkit_(toolkit) {}

  Toolkit& GetToolkit() { return toolkit_; }

  // Runs a handler the way the window system does: a program error shows its message in a box
  // and the rest of the handler is skipped; an exit or a show restart is kept for the pump. After
  // an exit was asked for, no handler runs any more.
  void Dispatch(const std::function<void()>& handler);

  // An input event from the window system (key, click, edit, timer tick). Once a handler has asked
  // for the end of the program or of the running show, the code it would run in is being left:
  // the event is held, in order with the others, and reaches whatever runs after the unwinding.
  void Deliver(std::function<void()> handler);

  // Handles every queued event without waiting, then raises what the handlers asked for: the exit
  // first, then, inside a running show, the restart that replaces it.
  void ProcessMessages();

  // Waits `milliseconds`, handling input as it arrives; ends at once, raising as ProcessMessages
  // does, when a handler asks for the exit or a restart.
  void Wait(int milliseconds);
  // Waits for the screen's next frame, handling input meanwhile: paces what is drawn frame by frame.
  void AwaitFrame();
  // Waits until some input has arrived: nothing will change before it does.
  void AwaitInput();
  // Input events dispatched so far: a loop that saw none since its last turn knows its next turn
  // would only repeat that one.
  uint64_t DeliveredCount() const { return delivered_; }

  // Ends the program from inside a handler.
  [[noreturn]] void Exit(int code);
  bool ExitPending() const { return exitPending_; }
  int ExitCode() const { return exitCode_; }

  // A start of the show asked for by a handler: the running show (if any) unwinds and the event
  // loop starts the new one at the top, so restarts never deepen the stack.
  void QueueShow() { showQueued_ = true; }
  bool ShowQueued() const { return showQueued_; }
  // Called by the show when it starts: the queued start is now running.
  void TakeQueuedShow() { showQueued_ = false; }

  // Marks a running show (or a replay of the history), so the pump knows whether a queued start
  // must unwind something.
  class ShowScope {
   public:
    explicit ShowScope(Application& app) : app_(app) { ++app_.showDepth_; }
    ~ShowScope() { --app_.showDepth_; }
    ShowScope(const ShowScope&) = delete;
    ShowScope& operator=(const ShowScope&) = delete;

   private:
    Application& app_;
  };
  int ShowDepth() const { return showDepth_; }
  // The deepest nesting of handlers seen, for tests that press keys for an hour.
  int MaxDispatchDepth() const { return maxDispatchDepth_; }

  // The event loop: starts queued shows at the top and handles events until the program ends.
  // Returns the exit code.
  int Run(const std::function<void()>& runShow);

 private:
  // True while the code that is running is being left: no input may reach it any more.
  bool Leaving() const { return exitPending_ || (showQueued_ && showDepth_ > 0); }
  // Delivers the held events, in order, as long as nothing asks to leave.
  void DeliverHeld();
  // Unwinds as the handlers asked.
  void RaiseRequests() const;

  Toolkit& toolkit_;
  bool exitPending_ = false;
  int exitCode_ = 0;
  bool showQueued_ = false;
  int showDepth_ = 0;
  int dispatchDepth_ = 0;
  int maxDispatchDepth_ = 0;
  uint64_t delivered_ = 0;
  std::deque<std::function<void()>> held_;
};

}  // namespace lumivel
