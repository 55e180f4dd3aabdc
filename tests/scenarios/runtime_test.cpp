// How the program waits and takes input: a key that restarts the show hands every later key to the
// new run, storms of keys keep the stack bounded, the open panel idles, and a scripted run's time
// goes on after its last event.
#include <gtest/gtest.h>

#include <string>

#include "scenarios/settings_fixtures.h"
#include "scenarios/show_scenario.h"

namespace lumivel::testing {
namespace {

int64_t ExitTime(const ScenarioResult& r) {
  const auto exits = TimedEvents(r, "exit");
  return exits.empty() ? -1 : exits.back().first;
}

size_t CountFrom(const ScenarioResult& r, const std::string& kind, int64_t from) {
  size_t n = 0;
  for (const auto& [ms, details] : TimedEvents(r, kind)) n += ms >= from;
  return n;
}

bool NewPictureTitleBetween(const ScenarioResult& r, int64_t from, int64_t to) {
  for (const auto& [ms, title] : TimedEvents(r, "title")) {
    if (ms >= from && ms < to && title.rfind("\"(", 0) == 0) return true;
  }
  return false;
}

// A space bar pressed thirty times a second for a hundred seconds opens and closes the panel, each
// close replaying the history: every press unwinds the run it interrupts, so a small stack holds,
// and Esc pressed after them is honoured at the next wait step.
TEST(Runtime, KeyStormsKeepTheStackSmallAndEscQuitsAtOnce) {
  Scenario s;
  s.stackKiB = 1024;
  WriteShowablePictures(s);
  std::string script;
  int64_t at = 1000;
  for (int i = 0; i < 3000; ++i, at += 33) script += std::to_string(at) + " keyup 32\n";
  const int64_t esc = at + 1000;
  script += std::to_string(esc) + " keyup 27\n";
  auto r = s.Run(script, "/s", esc + 5000);
  EXPECT_EQ(r.exitCode, 1);
  ASSERT_GE(ExitTime(r), esc);
  EXPECT_LE(ExitTime(r), esc + 500);
  EXPECT_TRUE(r.Events("box").empty());
}

// Two keys released within one wait step act as two separate presses would: the first one's new
// run starts, and the second reaches that run.
TEST(Runtime, TwoKeysInOneWaitStepActInTurn) {
  const std::string rome = "C:\\Photos\\2014.10 Rome";
  {
    SCOPED_TRACE("two space bars during the replay of the history");
    Scenario s;
    std::vector<IndexedFile> all;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) all.push_back({rome, name});
    WritePictures(s, all, SmallJpeg());
    WriteIndex(s, {{rome, "d.jpg"}});
    WriteHistory(s, {rome + "\\a.jpg", rome + "\\b.jpg", rome + "\\c.jpg"});
    // The panel closes at 800 and the replay of b, c and d begins; the two presses at 1150 and
    // 1160 open it and close it again, which replays from the same place and then goes on.
    auto r = s.Run("500 keyup 32\n600 keyup 37\n700 keyup 37\n800 keyup 32\n1150 keyup 32\n1160 keyup 32\n",
                   "/s", 9000);
    EXPECT_FALSE(r.Control("Panel1")["visible"].boolean);
    EXPECT_EQ(r.State("ShowMode").Int(), 1);
    EXPECT_FALSE(r.State("ReplayFlag").boolean);
    EXPECT_TRUE(NewPictureTitleBetween(r, 1160, 9000)) << "new pictures follow the replay";
  }
  {
    SCOPED_TRACE("an arrow then the space bar during the show");
    Scenario s;
    WriteShowablePictures(s);
    s.WriteFile(kParamFile, "dt0_a = 1000\r\n");
    auto r = s.Run("1250 keyup 39\n1260 keyup 32\n", "/s", 3000);
    EXPECT_TRUE(NewPictureTitleBetween(r, 1250, 1400)) << "the arrow's new picture is shown";
    EXPECT_TRUE(r.Control("Panel1")["visible"].boolean);
    EXPECT_EQ(r.State("ShowMode").Int(), 0);
  }
}

// With the options panel open and nothing pressed, the browse turns wait for input: they come only
// with the timer's ticks, five a second, instead of one after another.
TEST(Runtime, TheOpenPanelIdlesUntilInput) {
  Scenario s;
  WriteShowablePictures(s);
  auto r = s.Run("500 keyup 32\n600 keyup 37\n", "/s", 10600);
  EXPECT_TRUE(r.Control("Panel1")["visible"].boolean);
  EXPECT_LE(CountFrom(r, "picture", 700), 10000u / 200 + 2);
  EXPECT_LE(CountFrom(r, "title", 700), 10000u / 200 + 2);
}

// A scripted run with --for goes on until then: the timer ticks after the last scripted event, so a
// fast move of the pointer, the last thing the script does, still quits.
TEST(Runtime, ScriptedTimeGoesOnAfterTheLastEvent) {
  Scenario s;
  WriteShowablePictures(s);
  auto r = s.Run("500 keyup 13\n700 mouse 1500 0\n", "/s", 2000);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_GT(ExitTime(r), 700);
  EXPECT_LT(ExitTime(r), 1000) << "at the first tick after the move";
}

}  // namespace
}  // namespace lumivel::testing
