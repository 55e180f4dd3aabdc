#include "headless/headless_toolkit.h"

#include <filesystem>
#include <stdexcept>

namespace lumivel {

HeadlessToolkit::HeadlessToolkit(VirtualClock& clock, const FileSystem& fs, Transcript& transcript,
                                 int screenWidth, int screenHeight, std::vector<ScriptEvent> events,
                                 int64_t forMs)
    : clock_(clock),
      fs_(fs),
      transcript_(transcript),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight),
      events_(std::move(events)),
      forMs_(forMs) {}

void HeadlessToolkit::Record(const std::string& kind, const std::string& details) {
  transcript_.Write(clock_.ElapsedMs(), kind, details);
}

void HeadlessToolkit::DeliverStartEvents() {
  while (next_ < events_.size() && events_[next_].ms == 0) {
    const std::string& verb = events_[next_].verb;
    if (verb != "answer" && verb != "choose" && verb != "saver") break;
    Apply(events_[next_++]);
  }
}

void HeadlessToolkit::ShowMessage(const Text& text) {
  if (!answers_.empty()) answers_.pop_front();
  Record("box", QuoteForTranscript(text));
}

bool HeadlessToolkit::Confirm(const Text& text, bool yesNo) {
  bool yes = !yesNo;
  if (!answers_.empty()) {
    yes = answers_.front() == "yes" || (!yesNo && answers_.front() == "ok");
    answers_.pop_front();
  }
  Record("confirm", QuoteForTranscript(text) + (yes ? " -> yes" : " -> no"));
  return yes;
}

std::optional<Text> HeadlessToolkit::ChooseDirectory() {
  if (choices_.empty() || !choices_.front()) {
    if (!choices_.empty()) choices_.pop_front();
    Record("dialog", "directory -> cancel");
    return std::nullopt;
  }
  std::string host = *choices_.front();
  choices_.pop_front();
  std::error_code ec;
  // The chooser creates a typed folder that does not exist, as a person confirming it would.
  std::filesystem::create_directories(host, ec);
  Text chosen = fs_.ToProgram(host);
  Record("dialog", "directory -> " + QuoteForTranscript(chosen));
  return chosen;
}

std::optional<Text> HeadlessToolkit::ChooseFile(const Text& title, const Text& /*filter*/) {
  if (choices_.empty() || !choices_.front()) {
    if (!choices_.empty()) choices_.pop_front();
    Record("dialog", QuoteForTranscript(title) + " -> cancel");
    return std::nullopt;
  }
  Text chosen = fs_.ToProgram(*choices_.front());
  choices_.pop_front();
  Record("dialog", QuoteForTranscript(title) + " -> " + QuoteForTranscript(chosen));
  return chosen;
}

void HeadlessToolkit::Beep() { Record("beep", ""); }

void HeadlessToolkit::PictureLoaded(const Text& path, int width, int height) {
  Record("picture", QuoteForTranscript(path) + " " + std::to_string(width) + "x" + std::to_string(height));
}

void HeadlessToolkit::PicturePlaced(int left, int top, int width, int height) {
  Record("place", std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(width) + " " +
                      std::to_string(height));
}

void HeadlessToolkit::TitleShown(const Text& caption) { Record("title", QuoteForTranscript(caption)); }

void HeadlessToolkit::TonePlayed(int hz, int ms, int volume) {
  Record("tone", std::to_string(hz) + " " + std::to_string(ms) + " " + std::to_string(volume));
}

void HeadlessToolkit::CheckTime() {
  if (forMs_ >= 0 && clock_.ElapsedMs() >= forMs_) throw HeadlessTimeUp{};
}

void HeadlessToolkit::ProcessPendingEvents() {
  clock_.Advance(1);
  DeliverDue();
}

void HeadlessToolkit::DeliverDue() {
  CheckTime();
  if (termination_ && termination_->Take()) {
    Record("signal", "");
    app_->Deliver(window_.endRequested ? window_.endRequested : [this] { app_->Exit(0); });
  }
  while (next_ < events_.size() && events_[next_].ms <= clock_.ElapsedMs()) {
    Deliver(events_[next_++]);
  }
  if (window_.timer && window_.timer->enabled && clock_.ElapsedMs() >= nextTickMs_) {
    nextTickMs_ = clock_.ElapsedMs() + window_.timer->intervalMs;
    Timer* timer = window_.timer;
    if (timer->OnTimer) app_->Deliver(timer->OnTimer);
  }
}

std::optional<int64_t> HeadlessToolkit::NextEventMs() const {
  std::optional<int64_t> next;
  if (next_ < events_.size()) next = events_[next_].ms;
  if (window_.timer && window_.timer->enabled) next = std::min(next.value_or(nextTickMs_), nextTickMs_);
  if (forMs_ >= 0) next = std::min(next.value_or(forMs_), forMs_);
  return next;
}

bool HeadlessToolkit::WaitAndProcessEvent() {
  // Without --for the run ends with its script; with it, the timer goes on ticking until then.
  if (next_ >= events_.size() && forMs_ < 0) return false;
  if (const auto next = NextEventMs()) clock_.AdvanceTo(*next);
  DeliverDue();
  return true;
}

// The scripted clock delivers the events that fell due during a wait at its end, as the show's
// message processing does after each wait step; a wait itself only moves the clock.
void HeadlessToolkit::WaitFor(int milliseconds, const std::function<bool()>& /*leave*/) {
  clock_.Advance(milliseconds);
}

// A zoom pass costs the millisecond of its message processing; there is no frame to wait for.
void HeadlessToolkit::WaitForFrame(const std::function<bool()>& /*leave*/) {}

void HeadlessToolkit::WaitForInput(const std::function<bool()>& /*leave*/) {
  const auto next = NextEventMs();
  // Nothing will ever happen again: the run is over, as when its script ends.
  if (!next) throw HeadlessTimeUp{};
  clock_.AdvanceTo(*next);
}

Control* HeadlessToolkit::FindControl(const std::string& name) const {
  Control* control = window_.controls ? window_.controls->Find(name) : nullptr;
  if (!control) throw std::runtime_error("no control named " + name);
  return control;
}

void HeadlessToolkit::Deliver(const ScriptEvent& event) {
  app_->Deliver([this, event] { Apply(event); });
}

namespace {

int ArgInt(const ScriptEvent& event, std::size_t i) {
  if (i >= event.args.size()) throw std::runtime_error("missing argument");
  return std::stoi(event.args[i]);
}

}  // namespace

void HeadlessToolkit::Apply(const ScriptEvent& event) {
  const std::string& verb = event.verb;
  const std::string first = event.args.empty() ? std::string() : event.args[0];
  if (verb == "answer") {
    answers_.push_back(first);
  } else if (verb == "choose") {
    if (first == "cancel") {
      choices_.push_back(std::nullopt);
    } else {
      choices_.push_back(first);
    }
  } else if (verb == "saver") {
    if (saverHook_) saverHook_(first == "on", ArgInt(event, 1));
  } else if (verb == "mouse") {
    cursor_ = {ArgInt(event, 0), ArgInt(event, 1)};
  } else if (verb == "keyup") {
    bool shift = event.args.size() > 1 && event.args[1] == "shift";
    if (window_.keyUp) window_.keyUp(ArgInt(event, 0), shift);
  } else if (verb == "keydown") {
    if (auto* edit = dynamic_cast<Edit*>(window_.controls ? window_.controls->Focused() : nullptr);
        edit && edit->OnKeyDown) {
      edit->OnKeyDown(ArgInt(event, 0));
    }
  } else if (verb == "focus") {
    window_.controls->SetFocus(FindControl(first));
  } else if (verb == "click") {
    Control* control = FindControl(first);
    if (IsTextBox(control->Kind()) || TakesFocusOnClick(control->Kind())) window_.controls->SetFocus(control);
    if (auto* box = dynamic_cast<CheckBox*>(control)) {
      box->SetChecked(!box->Checked());
    } else {
      control->Click();
    }
  } else if (verb == "edit") {
    auto* edit = dynamic_cast<Edit*>(FindControl(first));
    if (!edit) throw std::runtime_error(first + " is not an edit box");
    window_.controls->SetFocus(edit);
    edit->SetText(Utf8ToCp1252(event.args.size() > 1 ? event.args[1] : std::string()));
  } else if (verb == "check") {
    auto* box = dynamic_cast<CheckBox*>(FindControl(first));
    if (!box) throw std::runtime_error(first + " is not a check box");
    window_.controls->SetFocus(box);
    box->SetChecked(ArgInt(event, 1) != 0);
  } else if (verb == "select") {
    Control* control = FindControl(first);
    window_.controls->SetFocus(control);
    if (auto* group = dynamic_cast<RadioGroup*>(control)) {
      group->SetItemIndex(ArgInt(event, 1));
    } else if (auto* list = dynamic_cast<ListBox*>(control)) {
      list->SetItemIndex(ArgInt(event, 1));
      list->Click();
    }
  }
}

}  // namespace lumivel
