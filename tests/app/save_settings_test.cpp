// What a save leaves on disk: whole files only, in order, even when it is cut short.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "app/in_process_window.h"
#include "util/errors.h"
#include "util/text_lines.h"

namespace lumivel::testing {
namespace {

using namespace literals;

const Text kRoots = "C:\\lumivel\\lumivel.rep";
const Text kFlags = "C:\\lumivel\\lumivel.repflag";
const Text kParams = "C:\\lumivel\\lumivel_var.prm";
const Text kHistory = "C:\\lumivel\\img_affichees.lst";
const Text kQueue = "C:\\lumivel\\image_rep_crt.txt";
// In the order the save writes them.
const Text kSavedFiles[] = {kRoots, kFlags, kParams, kHistory};

// Files from an earlier save, each unlike what the next save writes, and a window whose state
// differs from them in every file.
void PrepareEarlierSave(InProcessWindow& w) {
  w.Write(kRoots, "C:\\Ancien\r\n");
  w.Write(kFlags, "false\r\n");
  w.Write(kParams, "dt0_a = 9\r\n");
  w.Write(kHistory, "C:\\Ancien\\x.jpg\r\n");
  Tdiapo& d = w.diapo;
  d.CheckListBox_rep.AddLine("C:\\Photos", true);
  d.CheckListBox_rep.AddLine("C:\\Noël"_cp, false);
  d.ListBox_passee.SetLines({"C:\\Photos\\a.jpg", "C:\\Noël\\b.jpg"_cp});
  d.Edit_dt0_a.SetText("1234");
}

std::vector<std::string> Snapshot(const InProcessWindow& w) {
  std::vector<std::string> bytes;
  for (const Text& file : kSavedFiles) bytes.push_back(w.Read(file));
  return bytes;
}

TEST(SaveSettings, ACutShortSaveLeavesEveryFileOldOrNewNeverHalf) {
  InProcessWindow reference;
  PrepareEarlierSave(reference);
  const auto before = Snapshot(reference);
  reference.diapo.SaveSettings();
  const auto after = Snapshot(reference);
  for (std::size_t i = 0; i < before.size(); ++i) ASSERT_NE(before[i], after[i]) << kSavedFiles[i];

  for (int failing = 1; failing <= 4; ++failing) {
    InProcessWindow w;
    PrepareEarlierSave(w);
    w.fs.failAt = failing;
    EXPECT_EQ(ErrorOf([&] { w.diapo.SaveSettings(); }),
              FormatMessage("Impossible de créer le fichier %s"_cp, kSavedFiles[failing - 1]))
        << "write " << failing;
    const auto now = Snapshot(w);
    for (int i = 0; i < 4; ++i) {
      // Files before the failing write are new; the failing one and those after it untouched.
      EXPECT_EQ(now[i], i < failing - 1 ? after[i] : before[i]) << "write " << failing << ", " << kSavedFiles[i];
    }
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(w.Host(kRoots).parent_path())) {
      names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"lumivel.rep", "lumivel.repflag", "lumivel_var.prm", "img_affichees.lst"}))
        << "no temporary file is left behind";
  }
}

TEST(SaveSettings, ANumberThatDoesNotConvertStopsTheSaveAtItsKey) {
  InProcessWindow w;
  PrepareEarlierSave(w);
  const auto before = Snapshot(w);
  w.diapo.Edit_dt3_a.SetText("12abc");
  EXPECT_EQ(ErrorOf([&] { w.diapo.SaveSettings(); }), "'12abc' n'est pas une valeur entière correcte"_cp);
  EXPECT_EQ(w.Read(kRoots), "C:\\Photos\r\nC:\\No\xEBl\r\n");
  EXPECT_EQ(w.Read(kFlags), "true\r\nfalse\r\n");
  EXPECT_EQ(w.Read(kParams), before[2]);
  EXPECT_EQ(w.Read(kHistory), before[3]);
  const auto& staged = w.diapo.ListBox_param.Lines();
  ASSERT_EQ(staged.size(), 7u) << "the keys before dt3_a";
  EXPECT_EQ(staged.back(), "dt2_b = 2000");
  EXPECT_EQ(w.diapo.dt0_a, 1234) << "numbers before the failing key are taken";
  EXPECT_EQ(w.diapo.dt3_a, 0) << "the failing key's variable keeps its value";
}

TEST(SaveSettings, HistoryKeepsItsNewest300Entries) {
  InProcessWindow w;
  std::vector<Text> entries;
  for (int i = 0; i < 301; ++i) entries.push_back("C:\\P\\" + std::to_string(i) + ".jpg");
  w.diapo.ListBox_passee.SetLines(entries);
  w.diapo.SaveSettings();
  const std::vector<Text> newest(entries.begin() + 1, entries.end());
  EXPECT_EQ(SplitTextLines(w.Read(kHistory)), newest);
  EXPECT_EQ(w.diapo.ListBox_passee.Count(), 301) << "the history in memory is not cut";
}

TEST(SaveSettings, AfterAResetTheQueueGoesAndTheHistoryStays) {
  InProcessWindow w;
  PrepareEarlierSave(w);
  w.Write(kQueue, "C:\\Photos\r\na.jpg\r\n");
  const auto before = Snapshot(w);
  w.diapo.ResetOnQuit = true;
  w.diapo.SaveSettings();
  EXPECT_FALSE(std::filesystem::exists(w.Host(kQueue)));
  EXPECT_EQ(w.Read(kHistory), before[3]);
  EXPECT_NE(w.Read(kParams), before[2]);
}

TEST(SaveSettings, CreatesTheDataFolderOneLevelOnly) {
  {
    InProcessWindow w;
    w.diapo.SaveSettings();
    EXPECT_TRUE(std::filesystem::is_directory(w.drive.Path() / "lumivel"));
    EXPECT_EQ(SplitTextLines(w.Read(kParams)).size(), 38u);
  }
  {
    InProcessWindow w("no-such-drive");
    EXPECT_EQ(ErrorOf([&] { w.diapo.SaveSettings(); }), "Impossible de créer C:\\lumivel"_cp);
    EXPECT_FALSE(std::filesystem::exists(w.drive.Path() / "no-such-drive"));
  }
}

}  // namespace
}  // namespace lumivel::testing
