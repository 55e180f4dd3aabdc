// The exclusion file as a person uses it: directories and pictures that the rebuilt index leaves
// out, the file saved by any editor (code page 1252 or UTF-8), mistakes in it, and the button
// that opens it.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "scenarios/show_scenario.h"
#include "scenarios/walk_fixtures.h"

namespace lumivel::testing {
namespace {

constexpr long kRunMs = 3000;
const std::string kExclusionOn = "CheckBox_fic_exclusion.Checked = true";

std::vector<std::string> RomeFiles() {
  std::vector<std::string> files;
  for (int k = 11; k <= 24; ++k) files.push_back("C:\\Photos\\2014-10 Rome\\IMG_" + std::to_string(k) + ".JPG");
  return files;
}

// As a UTF-8 editor saves it, with a comment, a directory, two blocks (one with a range, one with
// an empty entry that stands for the whole directory) and a statement after a blank, ignored.
const std::string kUtf8File =
    "' photos à ne pas montrer\r\n"
    "**C:\\Photos\\Été\r\n"
    "\r\n"
    "+*C:\\Photos\\2014-10 Rome\r\n"
    "IMG_12.JPG\r\n"
    "IMG_20.JPG...IMG_23.JPG\r\n"
    "-\r\n"
    "+*C:\\Photos\\Brouillons\r\n"
    "\r\n"
    "-\r\n"
    " **C:\\Photos\\Noël\r\n";

void WriteExclusionTree(const Scenario& s) {
  std::vector<std::string> files = RomeFiles();
  for (const char* other : {"C:\\Photos\\Été\\a.jpg", "C:\\Photos\\Été 2\\b.jpg", "C:\\Photos\\été\\c.jpg",
                            "C:\\Photos\\Brouillons\\d.jpg", "C:\\Photos\\Noël\\e.jpg"}) {
    files.push_back(other);
  }
  WriteFiles(s, files);
  WriteRoots(s, {{"C:\\Photos", true}});
}

TEST(ExclusionFile, Utf8FileLeavesOutItsDirectoriesAndPictures) {
  Scenario s;
  WriteExclusionTree(s);
  s.WriteFile(kExclusionFile, kUtf8File);
  WriteParams(s, {kExclusionOn});
  auto r = s.Run("", "/s", kRunMs);
  EXPECT_EQ(r.Control("ListBox_rep_exclu")["lines"].Strings(), std::vector<std::string>{"C:\\Photos\\Été"});
  EXPECT_EQ(r.Control("ListBox_rep_nom_fic_exclu")["lines"].Strings(),
            (std::vector<std::string>{"C:\\Photos\\2014-10 Rome\\IMG_12.JPG", "C:\\Photos\\2014-10 Rome\\IMG_20.JPG",
                                      "C:\\Photos\\2014-10 Rome\\IMG_21.JPG", "C:\\Photos\\2014-10 Rome\\IMG_22.JPG",
                                      "C:\\Photos\\2014-10 Rome\\IMG_23.JPG", "C:\\Photos\\Brouillons\\"}));
  std::set<std::string> kept = {"C:\\Photos\\été\\c.jpg", "C:\\Photos\\Noël\\e.jpg"};
  for (int k : {11, 13, 14, 15, 16, 17, 18, 19, 24}) {
    kept.insert("C:\\Photos\\2014-10 Rome\\IMG_" + std::to_string(k) + ".JPG");
  }
  const IndexFiles expected = ExpectedIndex(s, {"C:\\Photos"}, true, kept);
  EXPECT_EQ(ReadIndexFiles(s).records, expected.records);
  EXPECT_EQ(ReadIndexFiles(s).directories, expected.directories);
}

TEST(ExclusionFile, NotReadWhenTheBoxIsNotTicked) {
  Scenario s;
  WriteExclusionTree(s);
  s.WriteFile(kExclusionFile, kUtf8File);
  auto r = s.Run("", "/s", kRunMs);
  EXPECT_TRUE(r.Control("ListBox_rep_exclu")["lines"].Strings().empty());
  EXPECT_TRUE(r.Control("ListBox_rep_nom_fic_exclu")["lines"].Strings().empty());
  std::vector<std::string> all = RomeFiles();
  all.insert(all.end(), {"C:\\Photos\\Été\\a.jpg", "C:\\Photos\\Été 2\\b.jpg", "C:\\Photos\\été\\c.jpg",
                         "C:\\Photos\\Brouillons\\d.jpg", "C:\\Photos\\Noël\\e.jpg"});
  EXPECT_EQ(ReadIndexFiles(s).records, ExpectedIndex(s, {"C:\\Photos"}, true, {all.begin(), all.end()}).records);
}

TEST(ExclusionFile, MistakesInTheFileAreReportedOrIgnoredAndTheWalkGoesOn) {
  struct Case {
    const char* description;
    std::string file;
    std::vector<std::string> boxes;
    std::set<std::string> kept;
  } cases[] = {
      {"a byte-order mark hides the first line's statement",
       "\xEF\xBB\xBF**C:\\Photos\\Vieux\r\n**C:\\Photos\\Gris\r\n",
       {},
       {"C:\\Photos\\Vieux\\v.jpg", "C:\\Photos\\R\\IMG_1.JPG", "C:\\Photos\\R\\IMG_2.JPG",
        "C:\\Photos\\R\\IMG_0001.JPG"}},
      {"a number beyond 32 bits counts as 0, so the range is empty",
       "+*C:\\Photos\\R\r\nIMG_1.JPG...IMG_99999999999.JPG\r\n-\r\n",
       {Quoted("EConvertError\n\r'99999999999' n'est pas une valeur entière correcte")},
       {"C:\\Photos\\Vieux\\v.jpg", "C:\\Photos\\Gris\\g.jpg", "C:\\Photos\\R\\IMG_1.JPG",
        "C:\\Photos\\R\\IMG_2.JPG", "C:\\Photos\\R\\IMG_0001.JPG"}},
      {"leading zeros are not kept in a range's names",
       "+*C:\\Photos\\R\r\nIMG_0001.JPG...IMG_0002.JPG\r\n-\r\n",
       {},
       {"C:\\Photos\\Vieux\\v.jpg", "C:\\Photos\\Gris\\g.jpg", "C:\\Photos\\R\\IMG_0001.JPG"}},
  };
  for (const auto& c : cases) {
    Scenario s;
    WriteFiles(s, {"C:\\Photos\\Vieux\\v.jpg", "C:\\Photos\\Gris\\g.jpg", "C:\\Photos\\R\\IMG_1.JPG",
                   "C:\\Photos\\R\\IMG_2.JPG", "C:\\Photos\\R\\IMG_0001.JPG"});
    WriteRoots(s, {{"C:\\Photos", true}});
    s.WriteFile(kExclusionFile, c.file);
    WriteParams(s, {kExclusionOn});
    auto r = s.Run("", "/s", kRunMs);
    EXPECT_EQ(r.Events("box"), c.boxes) << c.description;
    const IndexFiles expected = ExpectedIndex(s, {"C:\\Photos"}, true, c.kept);
    EXPECT_EQ(ReadIndexFiles(s).records, expected.records) << c.description;
    EXPECT_EQ(ReadIndexFiles(s).directories, expected.directories) << c.description;
    EXPECT_TRUE(s.Exists(kMarkerFile)) << c.description;
  }
}

TEST(ExclusionFile, AFileThatCannotBeReadStopsTheStartWithTheRuntimeMessage) {
  Scenario s;
  WriteFiles(s, {"C:\\Photos\\a.jpg"});
  WriteRoots(s, {{"C:\\Photos", true}});
  WriteParams(s, {kExclusionOn});
  // It exists and opens, but reading it fails with an input/output error.
  std::filesystem::create_directories(s.Host(kExclusionFile).parent_path());
  std::filesystem::create_symlink("/proc/self/mem", s.Host(kExclusionFile));
  auto r = s.Run("", "/s", kRunMs);
  EXPECT_TRUE(r.Saw("box", Quoted("Erreur E/S 5")));
  EXPECT_EQ(r.State("EntriesSeen").Int(), 0) << "the start stops before the walk";
  EXPECT_FALSE(s.Exists(kRecordFile));
}

TEST(ExclusionFile, ButtonOpensTheFileInTheTextEditorWithoutWaiting) {
  Scenario s;
  WriteFiles(s, {"C:\\Photos\\a.jpg"});
  WriteRoots(s, {{"C:\\Photos", true}});
  // No desktop opener can be found: only the request is seen.
  s.environment.push_back("PATH=/nonexistent");
  auto r = s.Run("500 click SpeedButton1\n", "/s", kRunMs);
  EXPECT_EQ(r.Events("open"),
            std::vector<std::string>{Quoted("notepad.exe") + " " + Quoted("Lumivel_exclusion.txt") + " " +
                                     Quoted("C:\\Lumivel")});
  EXPECT_EQ(r.exitCode, 0);
}

TEST(ExclusionFile, TickingTheBoxAsksForAReset) {
  for (bool clicked : {false, true}) {
    Scenario s;
    WriteFiles(s, {"C:\\Photos\\a.jpg"});
    WriteRoots(s, {{"C:\\Photos", true}});
    auto r = s.Run(clicked ? "500 click CheckBox_fic_exclusion\n" : "", "/s", kRunMs);
    const bool red = r.Control("aPanel_sauve_param_et_BD0_et_quitter")["color"].Int() == 0x0000FF;
    EXPECT_EQ(red, clicked);
  }
}

}  // namespace
}  // namespace lumivel::testing
