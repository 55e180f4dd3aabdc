// The keys, the mouse and the quit button, as a person uses them during the show.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "scenarios/settings_fixtures.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

TEST(Keys, SpaceBarOpensThePanelAtTheBottomAndCloses) {
  for (const char* screen : {"1920x1080", "1280x800"}) {
    const int height = std::string(screen) == "1920x1080" ? 1080 : 800;
    Scenario s;
    s.screen = screen;
    WriteShowablePictures(s);
    auto opened = s.Run("300 keyup 32\n", "/s", 1000);
    const auto& panel = opened.Control("Panel1");
    EXPECT_TRUE(panel["visible"].boolean) << screen;
    EXPECT_EQ(panel["top"].Int(), height - panel["height"].Int() - 12) << screen;
    EXPECT_EQ(opened.State("ShowMode").Int(), 0) << screen;
    EXPECT_EQ(opened.State("LastKey").Int(), 0) << screen;

    auto closed = s.Run("300 keyup 32\n600 keyup 32\n", "/s", 1000);
    EXPECT_FALSE(closed.Control("Panel1")["visible"].boolean) << screen;
    EXPECT_FALSE(closed.Control("Panel3")["visible"].boolean) << screen;
    EXPECT_FALSE(closed.Control("Panel2")["visible"].boolean) << screen;
    EXPECT_EQ(closed.State("ShowMode").Int(), 1) << screen;
  }
}

TEST(Keys, ContinuerAndTheCloseButtonSaveAndCloseThePanelAsTheSpaceBarDoes) {
  struct Case {
    const char* what;
    const char* script;
  };
  const Case cases[] = {
      {"continuer", "300 keyup 32\n500 click Panel_continuer\n"},
      {"the close button", "300 keyup 32\n500 click Button_close_param\n"},
      // The panel takes no focus: the word box keeps it, yet the click is no key in its text.
      {"continuer with the focus in a word box",
       "300 keyup 32\n400 focus Edit_contient\n500 click Panel_continuer\n"},
  };
  for (const auto& c : cases) {
    Scenario s;
    WriteShowablePictures(s);
    auto r = s.Run(c.script, "/s", 1000);
    EXPECT_FALSE(r.Control("Panel1")["visible"].boolean) << c.what;
    EXPECT_EQ(r.State("ShowMode").Int(), 1) << c.what;
    EXPECT_NE(s.ReadFile(kParamFile).find("CheckBox_rnd.Checked = true"), std::string::npos)
        << c.what << ": the settings are saved";
  }
}

TEST(Keys, ArrowsStartTheShowAgainOtherKeysOnlyStopIt) {
  struct Case {
    const char* what;
    int key;
    bool stoppedAfter;
  };
  const Case cases[] = {
      {"left arrow", 37, false},
      {"right arrow", 39, false},
      {"Enter", 13, true},
      {"a letter", 65, true},
  };
  for (const auto& c : cases) {
    Scenario s;
    // With an empty index a new run of the show returns at once, having cleared the stop.
    auto r = s.Run("100 keyup " + std::to_string(c.key) + "\n", "/s", 500);
    EXPECT_EQ(r.exitCode, 0) << c.what;
    EXPECT_EQ(r.State("LastKey").Int(), c.key) << c.what;
    EXPECT_EQ(r.State("StopShow").boolean, c.stoppedAfter) << c.what;
  }
}

TEST(Keys, EscBelongsToTheTextWhileAnEditBoxHasTheFocus) {
  struct Case {
    const char* what;
    const char* script;
    int exitCode;
  };
  const Case cases[] = {
      {"options panel edit box", "100 focus Edit_dt0_a\n200 keyup 27\n", 0},
      {"word filter box", "100 focus Edit_contient\n200 keyup 27\n", 0},
      {"screen-saver delay box", "100 focus Edit1\n200 keyup 27\n", 0},
      {"focus moved on to a button", "100 focus Edit_dt0_a\n150 click Button_param_avancer\n200 keyup 27\n", 1},
  };
  for (const auto& c : cases) {
    Scenario s;
    auto r = s.Run(c.script, "/s", 1000);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.what;
    if (c.exitCode == 0) {
      EXPECT_EQ(r.State("LastKey").Int(), 0) << c.what;
      EXPECT_FALSE(r.State("StopShow").boolean) << c.what;
    }
  }
}

TEST(Keys, EscAndQWithOrWithoutShiftQuitWithCodeOne) {
  for (const char* key : {"27", "81", "81 shift"}) {
    Scenario s;
    WriteShowablePictures(s);
    auto r = s.Run(std::string("250 keyup ") + key + "\n", "/s", 2000);
    EXPECT_EQ(r.exitCode, 1) << key;
    ASSERT_FALSE(r.transcript.empty()) << key;
    EXPECT_NE(r.transcript.back().find(" exit 1"), std::string::npos) << key;
  }
}

// The mouse rule between two ticks 200 ms apart: the Enter key stops the show first, so the
// ticks come from the idle event loop, exactly 200 ms apart.
TEST(Mouse, AFastHorizontalMoveQuits) {
  struct Case {
    const char* what;
    const char* params;
    const char* moves;
    bool quits;
  };
  const Case cases[] = {
      {"231 pixels in one tick", "", "3000 mouse 231 0\n", false},
      {"232 pixels in one tick", "", "3000 mouse 232 0\n", true},
      {"leftwards counts the same", "", "3000 mouse 200 0\n3200 mouse 400 0\n3400 mouse 168 0\n", true},
      {"vertical moves never count", "", "3000 mouse 0 1000\n3500 mouse 0 0\n", false},
      {"slow drag across the screen",
       "", "3000 mouse 200 0\n3200 mouse 400 0\n3400 mouse 600 0\n3600 mouse 800 0\n3800 mouse 1000 0\n", false},
      {"vmax 50: 115 pixels", "vmax = 50\r\n", "3000 mouse 115 0\n", false},
      {"vmax 50: 116 pixels", "vmax = 50\r\n", "3000 mouse 116 0\n", true},
  };
  for (const auto& c : cases) {
    Scenario s;
    WriteShowablePictures(s, c.params);
    auto r = s.Run(std::string("50 keyup 13\n") + c.moves, "/s", 5000);
    EXPECT_EQ(r.exitCode, c.quits ? 1 : 0) << c.what;
    if (c.quits) {
      EXPECT_EQ(s.ReadFile(kParamFile).substr(0, 21), "rep_album_A.Caption =")
          << c.what << ": settings changed by the load are saved on the way out";
    }
  }
}

// Ticks come every 200 ms: a jump at 1010 is measured by the tick at 1200.
TEST(Mouse, NeverQuitsOnTheFirstTickNorWithThePanelOpenNorAsItCloses) {
  struct Case {
    const char* what;
    const char* script;
    bool quits;
  };
  const Case cases[] = {
      {"jump before the first tick", "10 mouse 1500 0\n", false},
      {"same jump after it", "1000 mouse 1500 0\n", true},
      {"jump with the panel open", "50 keyup 32\n1000 mouse 1500 0\n", false},
      {"jump on the open panel, closed before the next tick",
       "50 keyup 32\n1010 mouse 1500 0\n1050 keyup 32\n", false},
      {"jump after the first tick since it closed", "50 keyup 32\n1050 keyup 32\n1800 mouse 1500 0\n", true},
  };
  for (const auto& c : cases) {
    Scenario s;
    WriteShowablePictures(s);
    auto r = s.Run(c.script, "/s", 2000);
    EXPECT_EQ(r.exitCode, c.quits ? 1 : 0) << c.what;
  }
}

TEST(QuitButton, AsksFirstAndAnswerNonGoesOn) {
  struct Case {
    const char* answer;
    int exitCode;
  };
  for (const auto& c : {Case{"yes", 1}, Case{"no", 0}}) {
    Scenario s;
    WriteShowablePictures(s);
    auto r = s.Run("50 keyup 32\n1000 answer " + std::string(c.answer) + "\n1000 click Button_quit\n", "/s", 2000);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.answer;
    EXPECT_TRUE(r.Saw("confirm", "\"\\n     Quitter ?\" -> " + std::string(c.answer))) << c.answer;
  }
}

TEST(QuitButton, LeavesThePointerInTheMiddleOfTheScreen) {
  // Once the panel has closed, the pointer jumps to x 1150: 190 pixels from the middle of the
  // screen, where the quit button put it, but 1150 from where it was (0), which quits.
  for (bool clicked : {false, true}) {
    Scenario s;
    WriteShowablePictures(s);
    std::string script = "50 keyup 32\n";
    if (clicked) script += "1000 answer no\n1000 click Button_quit\n";
    script += "1000 keyup 32\n1810 mouse 1150 540\n";
    auto r = s.Run(script, "/s", 2500);
    EXPECT_EQ(r.exitCode, clicked ? 0 : 1) << (clicked ? "after the quit button" : "without it");
  }
}

}  // namespace
}  // namespace lumivel::testing

namespace lumivel::testing {
namespace {

// A logout, a screen-saver manager, a closed terminal or Ctrl+C end the program as Esc does: the
// settings changed by the load are saved with the history of what was shown. A save that fails
// then is told on standard error, and the program still ends.
TEST(Quitting, TheSystemEndsTheProgramAsEscDoes) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    Scenario s;
    WriteShowablePictures(s);
    auto r = s.RunThenSignal("", signal, 300, "/s", 100'000'000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.Events("signal").size(), 1u);
    EXPECT_EQ(s.ReadFile(kParamFile).substr(0, 21), "rep_album_A.Caption =");
    const std::string history = s.ReadFile(kHistoryFile);
    EXPECT_GT(history.size(), std::string("C:\\Photos\\p0.jpg\r\n").size()) << "the pictures shown were added";
  }
  {
    SCOPED_TRACE("a save that fails");
    Scenario s;
    WriteShowablePictures(s);
    // A folder where the parameter file goes: it can be neither read nor replaced.
    std::filesystem::remove(s.Host(kParamFile));
    s.WriteFile(kParamFile + "\\inside", "");
    auto r = s.RunThenSignal("", SIGTERM, 300, "/s", 100'000'000);
    EXPECT_EQ(r.exitCode, 1);
    bool told = false;
    for (const auto& line : r.transcript) told |= line.rfind("lumivel: Impossible", 0) == 0;
    EXPECT_TRUE(told) << "on standard error";
  }
}

}  // namespace
}  // namespace lumivel::testing
