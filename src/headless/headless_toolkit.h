#pragma once
// The headless view: scripted events delivered through the message pump at their virtual time,
// scripted answers to boxes and dialogs, and a transcript of what a person would have seen.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "headless/script.h"
#include "headless/transcript.h"
#include "headless/virtual_clock.h"
#include "posix/termination_signals.h"
#include "services/file_system.h"
#include "ui/application.h"
#include "ui/controls.h"
#include "ui/toolkit.h"

namespace lumivel {

// Thrown when the run's virtual time is up (--for); the headless program ends with code 0.
struct HeadlessTimeUp {};

class HeadlessToolkit : public Toolkit {
 public:
  HeadlessToolkit(VirtualClock& clock, const FileSystem& fs, Transcript& transcript, int screenWidth,
                  int screenHeight, std::vector<ScriptEvent> events, int64_t forMs);

  void SetApplication(Application* app) { app_ = app; }
  // Delivers the answers, dialog choices and screen-saver settings scripted at time 0, which
  // boxes shown before the first pump need.
  void DeliverStartEvents();
  void SetScreenSaverHook(std::function<void(bool active, int seconds)> hook) { saverHook_ = std::move(hook); }
  // A termination signal asks the window to end the program, at the next pump.
  void WatchTermination(TerminationSignals& termination) { termination_ = &termination; }

  void AttachWindow(const WindowBinding& window) override { window_ = window; }
  int ScreenWidth() const override { return screenWidth_; }
  int ScreenHeight() const override { return screenHeight_; }
  void ShowMessage(const Text& text) override;
  bool Confirm(const Text& text, bool yesNo) override;
  std::optional<Text> ChooseDirectory() override;
  std::optional<Text> ChooseFile(const Text& title, const Text& filter) override;
  void Beep() override;
  Point CursorPos() override { return cursor_; }
  void SetCursorPos(int x, int y) override { cursor_ = {x, y}; }
  void SetCursorHidden(bool hidden) override { cursorHidden_ = hidden; }
  void ProcessPendingEvents() override;
  bool WaitAndProcessEvent() override;
  void WaitFor(int milliseconds, const std::function<bool()>& leave) override;
  void WaitForFrame(const std::function<bool()>& leave) override;
  void WaitForInput(const std::function<bool()>& leave) override;
  void PictureLoaded(const Text& path, int width, int height) override;
  void PicturePlaced(int left, int top, int width, int height) override;
  void TitleShown(const Text& caption) override;
  void TonePlayed(int hz, int ms, int volume) override;

  bool CursorHidden() const { return cursorHidden_; }
  void Record(const std::string& kind, const std::string& details);

 private:
  void DeliverDue();
  void Deliver(const ScriptEvent& event);
  void Apply(const ScriptEvent& event);
  Control* FindControl(const std::string& name) const;
  void CheckTime();
  // The virtual time of the next scripted event, timer tick or end of the run, if any.
  std::optional<int64_t> NextEventMs() const;

  VirtualClock& clock_;
  const FileSystem& fs_;
  Transcript& transcript_;
  int screenWidth_;
  int screenHeight_;
  std::vector<ScriptEvent> events_;
  std::size_t next_ = 0;
  int64_t forMs_;
  Application* app_ = nullptr;
  WindowBinding window_;
  std::deque<std::string> answers_;
  std::deque<std::optional<std::string>> choices_;
  std::function<void(bool, int)> saverHook_;
  Point cursor_;
  bool cursorHidden_ = false;
  int64_t nextTickMs_ = 200;
  TerminationSignals* termination_ = nullptr;
};

}  // namespace lumivel
