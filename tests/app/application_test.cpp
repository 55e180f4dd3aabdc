// The runtime's contract: errors reach the default handler, exits and restarts unwind on our own
// stack, and a restart never deepens it.
#include "ui/application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/run_mode.h"
#include "ui/controls.h"
#include "util/errors.h"

namespace lumivel {
namespace {

class FakeToolkit : public Toolkit {
 public:
  void AttachWindow(const WindowBinding&) override {}
  int ScreenWidth() const override { return 800; }
  int ScreenHeight() const override { return 600; }
  void ShowMessage(const Text& text) override { messages.push_back(text); }
  bool Confirm(const Text&, bool) override { return false; }
  std::optional<Text> ChooseDirectory() override { return std::nullopt; }
  std::optional<Text> ChooseFile(const Text&, const Text&) override { return std::nullopt; }
  void Beep() override {}
  Point CursorPos() override { return {}; }
  void SetCursorPos(int, int) override {}
  void SetCursorHidden(bool) override {}
  // Every queued event, as a window system's pump hands them over.
  void ProcessPendingEvents() override {
    while (!pending.empty()) {
      auto handler = pending.front();
      pending.erase(pending.begin());
      app->Deliver(handler);
    }
  }
  bool WaitAndProcessEvent() override {
    if (pending.empty()) return false;
    ProcessPendingEvents();
    return true;
  }
  void WaitFor(int, const std::function<bool()>&) override {}
  void WaitForFrame(const std::function<bool()>&) override {}
  void WaitForInput(const std::function<bool()>&) override {}
  Application* app = nullptr;
  std::vector<std::function<void()>> pending;
  std::vector<Text> messages;
};

TEST(Application, AProgramErrorIsShownAndTheRestOfTheHandlerSkipped) {
  FakeToolkit toolkit;
  Application app(toolkit);
  bool after = false;
  app.Dispatch([&] {
    ThrowConversionError("12abc");
    after = true;
  });
  EXPECT_FALSE(after);
  ASSERT_EQ(toolkit.messages.size(), 1u);
  EXPECT_EQ(toolkit.messages[0], Utf8ToCp1252("'12abc' n'est pas une valeur entière correcte"));
}

TEST(Application, AnExitInsideANestedPumpUnwindsToTheLoopWithItsCode) {
  FakeToolkit toolkit;
  Application app(toolkit);
  toolkit.app = &app;
  bool afterPump = false;
  toolkit.pending.push_back([&] { app.Exit(1); });
  app.Dispatch([&] {
    app.ProcessMessages();
    afterPump = true;
  });
  EXPECT_FALSE(afterPump);
  EXPECT_TRUE(app.ExitPending());
  bool ranAfterExit = false;
  app.Dispatch([&] { ranAfterExit = true; });
  EXPECT_FALSE(ranAfterExit);
  EXPECT_EQ(app.Run([] {}), 1);
}

TEST(Application, RestartsReplaceTheRunningShowWithoutDeepeningTheStack) {
  FakeToolkit toolkit;
  Application app(toolkit);
  toolkit.app = &app;
  int runs = 0;
  int deepest = 0;
  // Each run of the show pumps; a "key" queued in the pump restarts it, a thousand times over.
  std::function<void()> show = [&] {
    app.TakeQueuedShow();
    Application::ShowScope scope(app);
    ++runs;
    deepest = std::max(deepest, app.ShowDepth());
    if (runs < 1000) toolkit.pending.push_back([&] { app.QueueShow(); });
    for (int turn = 0; turn < 5; ++turn) app.ProcessMessages();
  };
  app.QueueShow();
  EXPECT_EQ(app.Run(show), 0);
  EXPECT_EQ(runs, 1000);
  EXPECT_EQ(deepest, 1);
  EXPECT_LE(app.MaxDispatchDepth(), 2);
}

TEST(Application, EventsAfterARestartReachTheNewRunInOrder) {
  FakeToolkit toolkit;
  Application app(toolkit);
  toolkit.app = &app;
  int runs = 0;
  std::vector<std::string> seen;
  // Three events wait in one pump of the first run: the first restarts the show, so the two others
  // belong to the second run.
  toolkit.pending = {[&] { seen.push_back("restart in run " + std::to_string(runs)); app.QueueShow(); },
                     [&] { seen.push_back("a in run " + std::to_string(runs)); },
                     [&] { seen.push_back("b in run " + std::to_string(runs)); }};
  std::function<void()> show = [&] {
    app.TakeQueuedShow();
    Application::ShowScope scope(app);
    ++runs;
    app.ProcessMessages();
  };
  app.QueueShow();
  EXPECT_EQ(app.Run(show), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"restart in run 1", "a in run 2", "b in run 2"}));
}

TEST(Application, AQueuedStartDoesNotInterruptWorkOutsideAShow) {
  FakeToolkit toolkit;
  Application app(toolkit);
  toolkit.app = &app;
  toolkit.pending.push_back([&] { app.QueueShow(); });
  bool finished = false;
  app.Dispatch([&] {
    app.ProcessMessages();  // e.g. the walk, or waiting for an outside program
    finished = true;
  });
  EXPECT_TRUE(finished);
  EXPECT_TRUE(app.ShowQueued());
}

TEST(Controls, AssigningFromCodeRunsTheHandlerOnlyOnChange) {
  ControlSet set;
  Edit edit(set, "Edit", nullptr);
  CheckBox box(set, "Box", nullptr);
  RadioGroup group(set, "Group", nullptr);
  int changes = 0, clicks = 0, groupClicks = 0;
  edit.OnChange = [&] { ++changes; };
  box.OnClick = [&] { ++clicks; };
  group.OnClick = [&] { ++groupClicks; };
  edit.SetText("a");
  edit.SetText("a");
  edit.SetText("b");
  box.SetChecked(false);
  box.SetChecked(true);
  box.SetChecked(true);
  group.SetItemIndex(-1);
  group.SetItemIndex(2);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(groupClicks, 1);
}

TEST(Controls, LeavingAnEditRunsItsExitHandler) {
  ControlSet set;
  Edit year(set, "Year", nullptr);
  Button button(set, "Button", nullptr);
  int exits = 0;
  year.OnExit = [&] { ++exits; };
  set.SetFocus(&year);
  set.SetFocus(&year);
  set.SetFocus(&button);
  EXPECT_EQ(exits, 1);
}

TEST(RunMode, OnlyTheSecondCharacterCountsAndCaseMatters) {
  struct Case {
    const char* argument;
    RunMode mode;
    bool title;
  } cases[] = {{"/s", RunMode::Show, true},         {"-s", RunMode::Show, true},
               {"xs", RunMode::Show, true},         {"/p 1234", RunMode::Show, true},
               {"/c", RunMode::OptionsDialog, false}, {"/c:5678", RunMode::OptionsDialog, false},
               {"/S", RunMode::Show, false},        {"/C", RunMode::Show, false},
               {"s", RunMode::Show, false},         {"", RunMode::Show, false}};
  for (const auto& c : cases) {
    auto choice = ChooseRunMode(c.argument);
    EXPECT_EQ(choice.mode, c.mode) << c.argument;
    EXPECT_EQ(choice.setsApplicationTitle, c.title) << c.argument;
  }
}

}  // namespace
}  // namespace lumivel
