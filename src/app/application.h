#pragma once
// The application runtime: the default error handler around every handler, the message pump that
// turns flags raised by handlers into control flow on our own stack, the queued restart of the
// show, and the exit code.
#include <functional>

#include "app/toolkit.h"

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

  // Handles every queued event without waiting, then raises what the handlers asked for: the exit
  // first, then, inside a running show, the restart that replaces it.
  void ProcessMessages();

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

  // Marks a running show, so the pump knows whether a queued start must unwind something.
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
  Toolkit& toolkit_;
  bool exitPending_ = false;
  int exitCode_ = 0;
  bool showQueued_ = false;
  int showDepth_ = 0;
  int dispatchDepth_ = 0;
  int maxDispatchDepth_ = 0;
};

}  // namespace lumivel
