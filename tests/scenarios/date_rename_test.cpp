// Batch renaming of dated sub-directories, as a person runs it from the renaming panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/scenario.h"

namespace lumivel::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Children(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct RenameTree {
  Scenario s;
  fs::path root;
  explicit RenameTree(std::vector<std::string> dirs) {
    root = s.DriveC() / "Photos";
    for (const auto& d : dirs) fs::create_directories(root / fs::u8path(d));
  }
  std::string ChooseAndCount() const {
    return "10 click SpeedButton2\n20 choose \"" + root.string() + "\"\n30 click SpeedButton3\n";
  }
};

TEST(DateRename, CountingListsEveryCandidateWithItsNewName) {
  RenameTree t({"050828 avg", "notes", "0508281 avg"});
  fs::create_directories(t.root / "2005-08-28 avg" / "deeper 050828");
  std::ofstream(t.root / "050828.jpg") << "x";
  auto r = t.s.Run(t.ChooseAndCount(), "/s", 500);
  EXPECT_EQ(r.Control("Label24")["text"].string, "2");
  EXPECT_EQ(r.Control("Edit2")["text"].string, "C:\\Photos");
  auto log = r.Control("ListBox1")["lines"].Strings();
  ASSERT_EQ(log.size(), 4u);
  // Listing order is the file system's: check the pairs, not their order.
  std::vector<std::string> pairs = {log[0] + "|" + log[1], log[2] + "|" + log[3]};
  for (auto& p : pairs) p = p.substr(p.find(" : ") + 3);
  std::sort(pairs.begin(), pairs.end());
  EXPECT_EQ(pairs, (std::vector<std::string>{"050828 avg|  -> 2005-08-28 avg", "2005-08-28 avg|  -> 2005-08-28 avg"}));
}

TEST(DateRename, RenamesEveryShortFormAndLogsEachOutcome) {
  RenameTree t({"050828 avg", "05-08-28 bbb", "05.08.28 ccc", "05_08_28 ddd", "2005.08.28 eee", "20050828 fff",
                "050829", "0508281 ggg", "2005-08-30 hhh"});
  fs::create_directories(t.root / "050828 avg" / "060101 deeper");
  std::string script = t.ChooseAndCount() + "40 answer yes\n50 click SpeedButton4\n";
  auto r = t.s.Run(script, "/s", 500);
  EXPECT_EQ(Children(t.root),
            (std::vector<std::string>{"0508281 ggg", "2005-08-28 avg", "2005-08-28 bbb", "2005-08-28 ccc",
                                      "2005-08-28 ddd", "2005-08-28 eee", "2005-08-28 fff", "2005-08-29",
                                      "2005-08-30 hhh"}));
  EXPECT_TRUE(fs::exists(t.root / "2005-08-28 avg" / "060101 deeper")) << "deeper levels are left alone";
  EXPECT_TRUE(r.Saw("confirm", "\"\\n     Renommage des 7 fichiers effectués \" -> yes"));
  EXPECT_EQ(r.Control("Label24")["text"].string, "---");
  auto log = r.Control("ListBox1")["lines"].Strings();
  EXPECT_NE(std::find(log.begin(), log.end(), "ok de   050828 avg"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), " -----> 2005-08-28 avg"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "problème avec       2005-08-30 hhh"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "     existe dèjà -> 2005-08-30 hhh"), log.end());
}

TEST(DateRename, ASecondRenameRightAfterLogsEveryRenamedFolderAsAProblem) {
  RenameTree t({"050828 avg"});
  std::string script = t.ChooseAndCount() + "40 answer yes\n50 click SpeedButton4\n60 answer yes\n70 click SpeedButton4\n";
  auto r = t.s.Run(script, "/s", 500);
  EXPECT_TRUE(r.Saw("confirm", "\"\\n     Renommage des 0 fichiers effectués \" -> yes"));
  EXPECT_EQ(r.Control("ListBox1")["lines"].Strings(),
            (std::vector<std::string>{"problème avec       2005-08-28 avg", "     existe dèjà -> 2005-08-28 avg"}));
}

TEST(DateRename, ThePrefixIsReadAtEachUse) {
  RenameTree t({"981224 Noël"});
  std::string script = "5 click SpeedButton2\n6 edit Edit3 \"19\"\n" + t.ChooseAndCount().substr(t.ChooseAndCount().find('\n') + 1) +
                       "40 answer yes\n50 click SpeedButton4\n";
  auto r = t.s.Run(script, "/s", 500);
  EXPECT_EQ(Children(t.root), (std::vector<std::string>{"1998-12-24 Noël"}));
  EXPECT_EQ(r.Control("Label23")["text"].string, "nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '19aa-mm-jj ...'");
  EXPECT_EQ(r.Control("Label27")["text"].string, "ex: /051231 avg ou /05-12-31 avg en /1905-15-21 avg");
}

TEST(DateRename, NothingToRenameAndNoFolderChosen) {
  RenameTree t({"notes"});
  auto counted = t.s.Run(t.ChooseAndCount() + "40 click SpeedButton4\n", "/s", 500);
  EXPECT_TRUE(counted.Saw("confirm", "\"\\n     Aucun fichier à renommer \" -> yes"));
  EXPECT_EQ(Children(t.root), std::vector<std::string>{"notes"});

  Scenario fresh;
  auto none = fresh.Run("10 click SpeedButton2\n40 answer yes\n50 click SpeedButton4\n", "/s", 500);
  EXPECT_TRUE(none.Events("confirm").size() == 1 && none.Events("confirm")[0].find("Renommer") == std::string::npos);
}

TEST(DateRename, NoAnswerRenamesNothing) {
  RenameTree t({"050828 avg"});
  auto r = t.s.Run(t.ChooseAndCount() + "40 answer no\n50 click SpeedButton4\n", "/s", 500);
  EXPECT_EQ(Children(t.root), std::vector<std::string>{"050828 avg"});
  EXPECT_EQ(r.Control("Label24")["text"].string, "1");
}

}  // namespace
}  // namespace lumivel::testing
