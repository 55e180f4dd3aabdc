#include "app/application.h"

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

void Application::ProcessMessages() {
  if (!exitPending_) toolkit_.ProcessPendingEvents();
  if (exitPending_) throw ExitRequest{exitCode_};
  if (showQueued_ && showDepth_ > 0) throw ShowInterrupted{};
}

void Application::Exit(int code) { throw ExitRequest{code}; }

int Application::Run(const std::function<void()>& runShow) {
  for (;;) {
    if (exitPending_) return exitCode_;
    if (showQueued_) {
      Dispatch(runShow);
      continue;
    }
    if (!toolkit_.WaitAndProcessEvent()) return exitPending_ ? exitCode_ : 0;
  }
}

}  // namespace lumivel
