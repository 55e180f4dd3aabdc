// The list of root directories in the options panel: adding through the chooser, removing, and
// the reset button that lights up when a rebuild is due.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scenarios/settings_fixtures.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

constexpr int kRed = 255;
constexpr int kWhite = 16777215;
constexpr int kButtonFace = -16777201;  // the system colour, as the dump writes it

const char* const kAddQuestionEnd =
    "\\n\\n(attention, dans la fenêtre précedente, il fallait double-cliquer pour valider le choix d'un "
    "nouveau répertoire) \\n\\n\"";

bool MarkedForReset(const ScenarioResult& r) {
  const auto& button = r.Control("aPanel_sauve_param_et_BD0_et_quitter");
  return button["color"].Int() == kRed && button["fontColor"].Int() == kWhite;
}

TEST(RootDirectories, AddingThroughTheChooser) {
  struct Case {
    const char* what;
    const char* savedRoots;  // nullptr: no saved list
    const char* choice;      // folder under drive C, or "cancel"
    const char* answer;
    std::vector<std::string> lines;
    std::vector<bool> checks;
    bool beep;
  };
  const Case cases[] = {
      {"a new folder is appended, ticked", "C:\\Photos\r\n", "Été 2014", "yes", {"C:\\Photos", "C:\\Été 2014"},
       {false, true}, false},
      {"already listed in another case", "c:\\PHOTOS\r\n", "Photos", "yes", {"c:\\PHOTOS"}, {false}, true},
      {"answered Non", nullptr, "Été 2014", "no", {}, {}, false},
      {"chooser cancelled", nullptr, "cancel", "yes", {}, {}, false},
  };
  for (const auto& c : cases) {
    Scenario s;
    std::filesystem::create_directories(s.DriveC() / "Photos");
    if (c.savedRoots) {
      s.WriteFile(kRootsFile, c.savedRoots);
      s.WriteFile(kFlagsFile, "false\r\n");
    }
    const bool cancel = std::string(c.choice) == "cancel";
    const std::string choose = cancel ? "cancel" : "\"" + (s.DriveC() / c.choice).string() + "\"";
    auto r = s.Run("100 choose " + choose + "\n100 answer " + c.answer + "\n200 click Panel_ajout_rep\n", "/s", 500);

    EXPECT_EQ(r.Control("CheckListBox_rep")["lines"].Strings(), c.lines) << c.what;
    const auto& checks = r.Control("CheckListBox_rep")["checks"];
    ASSERT_EQ(checks.array.size(), c.checks.size()) << c.what;
    for (std::size_t i = 0; i < c.checks.size(); ++i) EXPECT_EQ(checks[i].boolean, c.checks[i]) << c.what;
    EXPECT_EQ(r.Events("beep").size(), c.beep ? 1u : 0u) << c.what;
    EXPECT_EQ(r.Events("confirm").size(), cancel ? 0u : 1u) << c.what;
    if (!cancel) {
      const std::string chosen = "C:\\\\" + std::string(c.choice);
      EXPECT_TRUE(r.Saw("confirm", "\"Rajouter le répertoire suivant à la liste ?\\n\\n" + chosen + kAddQuestionEnd +
                                       " -> " + c.answer))
          << c.what;
    }
    EXPECT_TRUE(r.State("ResetOnQuit").boolean) << c.what << ": whatever the outcome";
    EXPECT_TRUE(MarkedForReset(r)) << c.what;
  }
}

TEST(RootDirectories, CancellingTheChooserStillMakesTheNextStartRebuild) {
  for (bool opened : {false, true}) {
    Scenario s;
    WriteShowablePictures(s);
    std::string script = "100 keyup 32\n";
    if (opened) script += "200 choose cancel\n300 click Panel_ajout_rep\n";
    script += "400 keyup 27\n";
    auto r = s.Run(script, "/s", 2000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(s.Exists(kMarkerFile), !opened) << (opened ? "after the chooser" : "without it");
  }
}

TEST(RootDirectories, RemovingTheSelectedLineAfterConfirmation) {
  struct Case {
    const char* what;
    const char* select;  // nullptr: nothing selected
    const char* answer;
    std::vector<std::string> lines;
    bool asked;
    bool resetOnQuit;
    bool marked;
  };
  const Case cases[] = {
      {"answered Oui", "1", "yes", {"C:\\A", "C:\\C"}, true, true, true},
      {"answered Non", "1", "no", {"C:\\A", "C:\\B", "C:\\C"}, true, false, true},
      {"nothing selected", nullptr, "yes", {"C:\\A", "C:\\B", "C:\\C"}, false, false, false},
  };
  for (const auto& c : cases) {
    Scenario s;
    for (const char* dir : {"A", "B", "C"}) std::filesystem::create_directories(s.DriveC() / dir);
    s.WriteFile(kRootsFile, "C:\\A\r\nC:\\B\r\nC:\\C\r\n");
    std::string script;
    if (c.select) script += std::string("100 select CheckListBox_rep ") + c.select + "\n";
    // The space bar gives the reset button its normal look again, so only the removal can mark it.
    script += "150 keyup 32\n200 answer " + std::string(c.answer) + "\n300 click Panel_sup_rep\n";
    auto r = s.Run(script, "/s", 500);
    EXPECT_EQ(r.Control("CheckListBox_rep")["lines"].Strings(), c.lines) << c.what;
    EXPECT_EQ(r.Events("confirm").size(), c.asked ? 1u : 0u) << c.what;
    if (c.asked) {
      EXPECT_TRUE(r.Saw("confirm", "\"Effacer de la liste le répertoire : C:\\\\B\" -> " + std::string(c.answer)))
          << c.what;
    }
    EXPECT_EQ(r.State("ResetOnQuit").boolean, c.resetOnQuit) << c.what;
    EXPECT_EQ(MarkedForReset(r), c.marked) << c.what;
    if (!c.marked) {
      EXPECT_EQ(r.Control("aPanel_sauve_param_et_BD0_et_quitter")["color"].Int(), kButtonFace) << c.what;
      EXPECT_EQ(r.Control("aPanel_sauve_param_et_BD0_et_quitter")["fontColor"].Int(), kRed) << c.what;
    }
  }
}

TEST(RootDirectories, ASecondClickOnRemoveAfterARemovalAsksNothing) {
  Scenario s;
  for (const char* dir : {"A", "B", "C"}) std::filesystem::create_directories(s.DriveC() / dir);
  s.WriteFile(kRootsFile, "C:\\A\r\nC:\\B\r\nC:\\C\r\n");
  auto r = s.Run("100 select CheckListBox_rep 1\n150 keyup 32\n200 answer yes\n210 answer yes\n"
                 "300 click Panel_sup_rep\n400 click Panel_sup_rep\n",
                 "/s", 500);
  EXPECT_EQ(r.Events("confirm").size(), 1u) << "the removed line was the selection; nothing is selected now";
  EXPECT_EQ(r.Control("CheckListBox_rep")["lines"].Strings(), (std::vector<std::string>{"C:\\A", "C:\\C"}));
  EXPECT_EQ(r.Control("CheckListBox_rep")["itemIndex"].Int(), -1);
}

TEST(RootDirectories, ClickingALineShowsItAndMarksTheResetButton) {
  Scenario s;
  for (const char* dir : {"A", "B"}) std::filesystem::create_directories(s.DriveC() / dir);
  s.WriteFile(kRootsFile, "C:\\A\r\nC:\\B\r\n");
  auto before = s.Run("", "/s", 300);
  EXPECT_EQ(before.Control("Label20")["text"].string, "ligne");
  EXPECT_FALSE(MarkedForReset(before));

  auto after = s.Run("100 select CheckListBox_rep 1\n", "/s", 300);
  EXPECT_EQ(after.Control("Label20")["text"].string, "C:\\B");
  EXPECT_TRUE(MarkedForReset(after));
  EXPECT_FALSE(after.State("ResetOnQuit").boolean);
}

TEST(RootDirectories, FilterSwitchesMarkTheResetButtonOnly) {
  for (const char* action : {"check CheckBox_contient 1", "check CheckBox_ne_contient_pas 1",
                             "check CheckBox_fic_exclusion 1", "select RadioGroup_exclusion 2"}) {
    Scenario s;
    auto r = s.Run(std::string("100 ") + action + "\n", "/s", 300);
    EXPECT_TRUE(MarkedForReset(r)) << action;
    EXPECT_FALSE(r.State("ResetOnQuit").boolean) << action;
  }
}

}  // namespace
}  // namespace lumivel::testing
