#include "index/walk_filters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {
namespace {

using namespace literals;
using Words = std::vector<Text>;

TEST(IsPictureFileTest, TakesJpegAndBitmapNamesOfFilesWithContent) {
  struct Case {
    const char* what;
    DirEntry entry;
    bool expected;
  };
  const Case cases[] = {
      {"lower-case jpg", {"photo.jpg", false, 1200}, true},
      {"upper-case JPG", {"PHOTO.JPG", false, 1200}, true},
      {"bitmap", {"scan.bmp", false, 1200}, true},
      {".jpg anywhere in the name", {"photo.jpg.bak", false, 1200}, true},
      {"jpeg is another extension", {"photo.jpeg", false, 1200}, false},
      {"png", {"photo.png", false, 1200}, false},
      {"name beginning with a dot", {"._photo.jpg", false, 4096}, false},
      {"empty file", {"photo.jpg", false, 0}, false},
      {"directory named like a picture", {"album.jpg", true, 4096}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPictureFile(c.entry), c.expected) << c.what;
}

TEST(SplitFilterWordsTest, FoldsAndSplitsLikeACommaText) {
  struct Case {
    const char* what;
    Text box;
    Words expected;
  };
  const Case cases[] = {
      {"accents folded, blank after the comma dropped", "Noël, fête"_cp, {"NOEL", "FETE"}},
      {"two commas give an empty item", "a,,b", {"A", "", "B"}},
      {"only blanks", "   ", {}},
      {"blanks join words", "divers avignon", {"DIVERSAVIGNON"}},
      {"trailing comma gives no item", "a,", {"A"}},
      {"leading comma gives an empty item", ",a", {"", "A"}},
      {"control characters end an item", "a\tb", {"A", "B"}},
      {"quoted item keeps its comma", "\"x,y\",z", {"X,Y", "Z"}},
      {"doubled quote stands for one", "\"a\"\"b\"", {"A\"B"}},
      {"empty quoted item", "\"\",a", {"", "A"}},
      {"text after a closing quote starts an item", "\"ab\"cd", {"AB", "CD"}},
      {"unclosed quote runs to the end", "\"ab", {"AB"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitFilterWords(c.box), c.expected) << c.what;
}

// Keeps the picture at dir + "\" + name?
bool Keeps(const WalkFilterSettings& settings, const Text& dir, const Text& name = "a.jpg") {
  return PassesWalkFilters(PreparedWalkFilters(settings), dir, dir + "\\" + name);
}

WalkFilterSettings NoFilters() {
  WalkFilterSettings settings;
  settings.markerRule = kMarkerIgnored;
  return settings;
}

TEST(MarkerRuleTest, LooksForMarkersInTheWholePath) {
  const Text privateDir = "C:\\Photos\\2014-10 ++privé"_cp;
  const Text sectionDir = "C:\\Photos§"_cp;
  const Text plainDir = "C:\\Photos";
  struct Case {
    int rule;
    Text dir;
    Text name;
    bool expected;
  };
  const Case cases[] = {
      {kMarkerExcludes, privateDir, "a.jpg", false},
      {kMarkerExcludes, sectionDir, "b.jpg", false},
      {kMarkerExcludes, plainDir, "c.jpg", true},
      {kMarkerExcludes, plainDir, "d++.jpg", false},
      {kMarkerExcludes, plainDir, "e§.jpg"_cp, false},
      {kMarkerExcludes, "C:\\a+", "+b.jpg", true},  // the backslash splits the two plus signs
      {kMarkerRequired, privateDir, "a.jpg", true},
      {kMarkerRequired, plainDir, "c.jpg", false},
      {kMarkerRequired, plainDir, "d++.jpg", true},
      {kMarkerIgnored, privateDir, "a.jpg", true},
      {-1, sectionDir, "b.jpg", true},
  };
  for (const auto& c : cases) {
    auto settings = NoFilters();
    settings.markerRule = c.rule;
    EXPECT_EQ(Keeps(settings, c.dir, c.name), c.expected) << c.rule << " " << c.dir << "\\" << c.name;
  }
}

TEST(ExclusionListTest, RejectsPathsContainingAnEntryLetterCaseCounting) {
  auto settings = NoFilters();
  settings.exclusionListsOn = true;
  settings.excludedDirectories = {"C:\\Photos\\Vieux", ""};
  settings.excludedFileEntries = {"C:\\Photos\\2014-10 Rome\\IMG_12.JPG"};
  EXPECT_FALSE(Keeps(settings, "C:\\Photos\\Vieux"));
  EXPECT_FALSE(Keeps(settings, "C:\\Photos\\Vieux\\Noël"_cp));
  EXPECT_FALSE(Keeps(settings, "C:\\Photos\\Vieux 2"));
  EXPECT_TRUE(Keeps(settings, "c:\\photos\\vieux", "x.jpg"));
  EXPECT_TRUE(Keeps(settings, "C:\\Photos\\Neuf")) << "an empty line never matches";

  const Text rome = "C:\\Photos\\2014-10 Rome";
  EXPECT_FALSE(Keeps(settings, rome, "IMG_12.JPG"));
  EXPECT_FALSE(Keeps(settings, rome, "IMG_12.JPG.bak"));
  EXPECT_TRUE(Keeps(settings, rome, "IMG_120.JPG"));
  EXPECT_TRUE(Keeps(settings, rome, "img_12.jpg"));
  EXPECT_TRUE(Keeps(settings, "C:\\Photos\\2014-10 Rome 2", "IMG_12.JPG"));

  settings.exclusionListsOn = false;
  EXPECT_TRUE(Keeps(settings, "C:\\Photos\\Vieux"));
  EXPECT_TRUE(Keeps(settings, rome, "IMG_12.JPG"));
}

TEST(ExclusionListTest, BlockDirectoryAloneExcludesEveryPictureBelowIt) {
  auto settings = NoFilters();
  settings.exclusionListsOn = true;
  settings.excludedFileEntries = {"C:\\Photos\\Rome\\"};
  EXPECT_FALSE(Keeps(settings, "C:\\Photos\\Rome"));
  EXPECT_FALSE(Keeps(settings, "C:\\Photos\\Rome\\jour 2"));
  EXPECT_TRUE(Keeps(settings, "C:\\Photos\\Rome 2"));
  PreparedWalkFilters filters(settings);
  EXPECT_TRUE(filters.JudgeDirectory("C:\\Photos\\Rome").RejectsEveryFile());
  EXPECT_FALSE(filters.JudgeDirectory("C:\\Photos\\Rome 2").RejectsEveryFile());
}

// The plain reading of the exclusion and marker filters, on the whole path.
bool ReferenceKeeps(const std::vector<Text>& entries, int markerRule, const Text& path) {
  for (const Text& entry : entries) {
    if (!entry.empty() && path.find(entry) != Text::npos) return false;
  }
  const bool marker = path.find("++") != Text::npos || path.find('\xA7') != Text::npos;
  if (markerRule == kMarkerExcludes) return !marker;
  if (markerRule == kMarkerRequired) return marker;
  return true;
}

// The per-directory shortcut must give the answers of the plain reading for any mix of entries:
// with and without backslashes, heads that end the directory or lie inside it, tails that begin
// the name, sit inside it or run into a deeper directory.
TEST(ExclusionListTest, DirectoryShortcutAgreesWithThePlainReading) {
  const std::vector<Text> dirs = {
      "C:\\Photos",       "C:\\Photos\\Rome",   "C:\\Photos\\Rome\\jour2", "C:\\Photos\\Rome 2",
      "D:\\Rome\\Photos", "C:\\Photos\\++x",    "C:\\Photos\\Ro",          "C:\\PhotosRome",
      "C:\\Photos\\R§",   "C:\\Photos\\Rome\\IMG_1"};
  const std::vector<Text> names = {"IMG_1.JPG", "IMG_12.JPG", "xIMG_1.JPG", "Rome.jpg",
                                   "a++.jpg",   "IMG_.JPG",   "b.bmp",      "jour2.jpg"};
  const std::vector<std::vector<Text>> entrySets = {
      {},
      {"Rome"},
      {"C:\\Photos\\Rome"},
      {"C:\\Photos\\Rome\\IMG_1"},
      {"Rome\\IMG_1", "Rome\\IMG_12.JPG"},
      {"Photos\\Rome\\jour", "Photos\\R"},
      {"\\IMG_1.JPG", "\\b."},
      {"C:\\Photos\\Rome\\", "IMG_"},
      {"Photos\\Ro", "s\\", "OS\\Rome"},
      {"D:\\Rome\\Photos\\IMG_1.JPG", "D:\\Rome\\Photos\\IMG_12.JPG", "Photos\\Rome\\jour2\\"},
  };
  for (int rule : {kMarkerExcludes, kMarkerIgnored, kMarkerRequired}) {
    for (const auto& entries : entrySets) {
      auto settings = NoFilters();
      settings.markerRule = rule;
      settings.exclusionListsOn = true;
      // Split between the two lists: where an entry comes from does not matter.
      for (std::size_t i = 0; i < entries.size(); ++i) {
        (i % 2 == 0 ? settings.excludedDirectories : settings.excludedFileEntries)
            .push_back(entries[i]);
      }
      const PreparedWalkFilters filters(settings);
      for (const Text& dir : dirs) {
        const DirectoryVerdict verdict = filters.JudgeDirectory(dir);
        for (const Text& name : names) {
          const Text path = dir + "\\" + name;
          EXPECT_EQ(verdict.AcceptsFile(name), ReferenceKeeps(entries, rule, path))
              << "rule " << rule << ", first entry "
              << (entries.empty() ? Text("none") : entries.front()) << ", " << path;
        }
      }
    }
  }
}

struct DateCase {
  const char* what;
  int mode;
  Text yearFrom, monthFrom, yearTo, monthTo;
  Text dirName;
  bool expected;
};

TEST(DateFilterTest, KeepsDirectoriesByTheDateStemOfTheirName) {
  const DateCase cases[] = {
      {"from 2014-10: later day of the month", 1, "2014", "10", "", "", "2014-10-05 mariage", true},
      {"from 2014-10: month before", 1, "2014", "10", "", "", "2014-09 rentrée"_cp, false},
      {"from 2014-10: no date", 1, "2014", "10", "", "", "Noël"_cp, false},
      {"from 2014, years only: any month", 1, "2014", "", "", "", "2014-03 Rome", true},
      {"from 2014, years only: earlier year", 1, "2014", "", "", "", "2013-12 Noël"_cp, false},
      {"from 2014: year without hyphen is no date", 1, "2014", "", "", "", "2014 Rome", false},
      {"only 2014-07: that month", 2, "2014", "7", "", "", "2014-07 été"_cp, true},
      {"only 2014-07: another month", 2, "2014", "7", "", "", "2014-08 Août"_cp, false},
      {"only 2014-07: month box trimmed and padded", 2, "2014", " 7 ", "", "", "2014-07", true},
      {"only 2014, years only", 2, "2014", "", "", "", "2014-03 Rome", true},
      {"only 2014, years only: other year", 2, "2014", "", "", "", "2015-03 Rome", false},
      {"hidden end month makes months count: January", 2, "2014", "", "", "5", "2014-01 x", true},
      {"hidden end month makes months count: March", 2, "2014", "", "", "5", "2014-03 x", false},
      {"2014-10 to 2013-02 exchanged: lower end", 3, "2014", "10", "2013", "02", "2013-02", true},
      {"2014-10 to 2013-02 exchanged: upper end", 3, "2014", "10", "2013", "02", "2014-10-31", true},
      {"2014-10 to 2013-02 exchanged: before", 3, "2014", "10", "2013", "02", "2013-01", false},
      {"2014-10 to 2013-02 exchanged: after", 3, "2014", "10", "2013", "02", "2014-11", false},
      {"2013 to 2014 years only: 2013", 3, "2013", "", "2014", "", "2013-01", true},
      {"2013 to 2014 years only: 2015", 3, "2013", "", "2014", "", "2015-01", false},
      {"2015 to 2013 years only: not exchanged", 3, "2015", "", "2013", "", "2014-05", false},
      {"start month empty: not exchanged", 3, "2015", "", "2013", "02", "2014-05", false},
      {"range: no date", 3, "2013", "", "2014", "", "vacances", false},
      {"except 2013-02..2014-10: inside", 4, "2013", "02", "2014", "10", "2014-05", false},
      {"except 2013-02..2014-10: before", 4, "2013", "02", "2014", "10", "2012-12", true},
      {"except, exchanged bounds: inside", 4, "2014", "10", "2013", "02", "2014-05", false},
      {"except: no date", 4, "2013", "02", "2014", "10", "Noël"_cp, true},
      {"up to 2014: 2014", 5, "", "", "2014", "", "2014-12", true},
      {"up to 2014: 2015", 5, "", "", "2014", "", "2015-01", false},
      {"up to 2014: no date", 5, "", "", "2014", "", "Noël"_cp, true},
      {"from with empty year box", 1, "", "10", "", "", "2014-10", false},
      {"only with empty year box", 2, "", "", "2014", "", "2014-10", false},
      {"up to with empty end year", 5, "2014", "", "", "", "2013-05", false},
      {"all dates", 0, "", "", "", "", "vacances", true},
      {"letters typed as a year compare as text", 1, "abcd", "", "", "", "2014-10", false},
  };
  for (const auto& c : cases) {
    auto settings = NoFilters();
    settings.dateMode = c.mode;
    settings.yearFrom = c.yearFrom;
    settings.monthFrom = c.monthFrom;
    settings.yearTo = c.yearTo;
    settings.monthTo = c.monthTo;
    EXPECT_EQ(Keeps(settings, "C:\\Photos\\" + c.dirName), c.expected) << c.what;
  }
}

TEST(DateFilterTest, ReadsOnlyTheNameOfTheDirectoryHoldingThePicture) {
  auto settings = NoFilters();
  settings.dateMode = 1;
  settings.yearFrom = "2014";
  settings.monthFrom = "10";
  EXPECT_FALSE(Keeps(settings, "C:\\2014-10\\divers"));
  EXPECT_TRUE(Keeps(settings, "C:\\2001-01 vieux\\2014-10 neuf"));
  EXPECT_TRUE(PreparedWalkFilters(settings).JudgeDirectory("C:\\2014-10\\divers").RejectsEveryFile());
}

WalkFilterSettings WordSettings(bool excluded, const Text& box) {
  auto settings = NoFilters();
  const auto words = SplitFilterWords(box);
  if (excluded) {
    settings.excludedWordsChecked = true;
    settings.excludedWordsBoxEmpty = box.empty();
    settings.excludedWords = words;
  } else {
    settings.requiredWordsChecked = true;
    settings.requiredWordsBoxEmpty = box.empty();
    settings.requiredWords = words;
  }
  return settings;
}

TEST(WordFilterTest, ReadsTheFoldedLastDirectoryName) {
  const Text avignon = "C:\\Photos\\2014-10 Avignon été"_cp;
  const Text underAvignon = "C:\\Photos\\Avignon\\2014-10";
  EXPECT_TRUE(Keeps(WordSettings(false, "avignon"), avignon));
  EXPECT_FALSE(Keeps(WordSettings(true, "avignon"), avignon));
  EXPECT_FALSE(Keeps(WordSettings(false, "avignon"), underAvignon));
  EXPECT_TRUE(Keeps(WordSettings(true, "avignon"), underAvignon));

  EXPECT_TRUE(Keeps(WordSettings(false, "ETE"), avignon)) << "accents folded on both sides";
  EXPECT_TRUE(Keeps(WordSettings(false, "fête"_cp), "C:\\Photos\\Fête des mères"_cp));
  EXPECT_TRUE(Keeps(WordSettings(false, "rome,avignon"), avignon)) << "one word is enough";
}

TEST(WordFilterTest, BoxStateDecidesWhetherTheFilterRuns) {
  const Text dir = "C:\\Photos\\Rome";
  EXPECT_FALSE(Keeps(WordSettings(false, "   "), dir)) << "box not empty, yet no word";
  EXPECT_TRUE(Keeps(WordSettings(true, "   "), dir));
  EXPECT_TRUE(Keeps(WordSettings(false, ""), dir)) << "empty box: no filter";

  auto unchecked = WordSettings(false, "avignon");
  unchecked.requiredWordsChecked = false;
  EXPECT_TRUE(Keeps(unchecked, dir));

  EXPECT_FALSE(Keeps(WordSettings(false, "a,,b"), "C:\\Photos\\xyz"))
      << "an empty word occurs nowhere";
  EXPECT_TRUE(Keeps(WordSettings(true, "a,,b"), "C:\\Photos\\xyz"));
}

}  // namespace
}  // namespace lumivel
