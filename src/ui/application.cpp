#include "ui/application.h"

#include <exception>

#include "util/errors.h"

namespace lumivel {

void Application::Dispatch(const std::function<void()>& handler) {
  if (exitPending_) return;
  ++dispatchDepth_;
  if (dispatchDepth_ > maxDispatchDepth_) maxDispatchDepth_ = dispatchDepth_;
  try {
    handler();
  } catch (const ExitRequest& exit) {
    exitPending_ = true;
    exitCode_ = exit.code;
  } catch (const ShowInterrupted&) {
    // The queued start stays queued; the pump or the loop below takes it up.
  } catch (const ProgramError& error) {
    toolkit_.ShowMessage(error.Message());
  } catch (const std::bad_alloc&) {
    toolkit_.ShowMessage(Utf8ToCp1252("Mémoire insuffisante"));
  } catch (const std::exception& error) {
    toolkit_.ShowMessage(Utf8ToCp1252(error.what()));
  }
  --dispatchDepth_;
}

void Application::Deliver(std::function<void()> handler) {
  // Events held earlier go first: nothing may overtake them.
  if (Leaving() || !held_.empty()) {
    held_.push_back(std::move(handler));
    return;
  }
  ++delivered_;
  Dispatch(handler);
}

void Application::DeliverHeld() {
  while (!held_.empty() && !Leaving()) {
    std::function<void()> handler = std::move(held_.front());
    held_.pop_front();
    ++delivered_;
    Dispatch(handler);
  }
}

void Application::RaiseRequests() const {
  if (exitPending_) throw ExitRequest{exitCode_};
  if (showQueued_ && showDepth_ > 0) throw ShowInterrupted{};
}

void Application::ProcessMessages() {
  DeliverHeld();
  if (!Leaving()) toolkit_.ProcessPendingEvents();
  RaiseRequests();
}

void Application::Wait(int milliseconds) {
  DeliverHeld();
  if (!Leaving()) toolkit_.WaitFor(milliseconds, [this] { return Leaving(); });
  if (Leaving()) RaiseRequests();
}

void Application::AwaitFrame() {
  DeliverHeld();
  if (!Leaving()) toolkit_.WaitForFrame([this] { return Leaving(); });
  if (Leaving()) RaiseRequests();
}

void Application::AwaitInput() {
  if (!held_.empty()) return;
  toolkit_.WaitForInput([this] { return Leaving(); });
  if (Leaving()) RaiseRequests();
}

void Application::Exit(int code) { throw ExitRequest{code}; }

int Application::Run(const std::function<void()>& runShow) {
  for (;;) {
    if (exitPending_) return exitCode_;
    if (showQueued_) {
      Dispatch(runShow);
      continue;
    }
    if (!held_.empty()) {
      DeliverHeld();
      continue;
    }
    if (!toolkit_.WaitAndProcessEvent()) return exitPending_ ? exitCode_ : 0;
  }
}

}  // namespace lumivel
