// Rebuilding the index as a person meets it: which pictures of which folders the saved index
// holds and in what order, what the filters keep, what a key does in the middle of the walk, and
// whether the next start finds the marker.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "scenarios/show_scenario.h"
#include "scenarios/walk_fixtures.h"

namespace lumivel::testing {
namespace {

// Virtual time for the walk of these small trees, the save and a few turns of the show.
constexpr long kRunMs = 3000;

std::string Params(int dateMode, const std::string& yearFrom, const std::string& monthFrom,
                   const std::string& yearTo, const std::string& monthTo) {
  return "RadioGroup_filtre_date.ItemIndex = " + std::to_string(dateMode) + "\nannee_de = " + yearFrom +
         "\nmois_de = " + monthFrom + "\nannee_a = " + yearTo + "\nmois_a = " + monthTo;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
    lines.push_back(text.substr(from, end - from));
  }
  lines.push_back(text.substr(from));
  return lines;
}

// The pictures of `folders`, one named p.jpg in each, under C:\Photos.
std::set<std::string> PicturesOf(const std::vector<std::string>& folders) {
  std::set<std::string> paths;
  for (const auto& folder : folders) paths.insert("C:\\Photos\\" + folder + "\\p.jpg");
  return paths;
}

// A walk whose filters keep nothing: no marker, no index files, and the message.
void ExpectNothingKept(const Scenario& s, const ScenarioResult& r, const std::string& why) {
  EXPECT_EQ(r.State("ImageCount").Int(), 0) << why;
  EXPECT_TRUE(r.Saw("box", kNoPictureBox)) << why;
  EXPECT_FALSE(s.Exists(kMarkerFile)) << why;
  EXPECT_FALSE(s.Exists(kRecordFile)) << why;
}

// Walks one picture in each of `folders` under C:\\Photos with the given settings lines and checks
// the index holds exactly the pictures of `kept`, byte for byte.
void ExpectFoldersKept(const std::vector<std::string>& folders, const std::vector<std::string>& params,
                       const std::vector<std::string>& kept, const char* description) {
  Scenario s;
  std::vector<std::string> files;
  for (const auto& folder : folders) files.push_back("C:\\Photos\\" + folder + "\\p.jpg");
  WriteFiles(s, files);
  WriteRoots(s, {{"C:\\Photos", true}});
  WriteParams(s, params);
  auto r = s.Run("", "/s", kRunMs);
  if (kept.empty()) {
    ExpectNothingKept(s, r, description);
    return;
  }
  const IndexFiles expected = ExpectedIndex(s, {"C:\\Photos"}, true, PicturesOf(kept));
  EXPECT_EQ(ReadIndexFiles(s).directories, expected.directories) << description;
  EXPECT_EQ(ReadIndexFiles(s).records, expected.records) << description;
}

TEST(Walk, SubDirectoryChoiceDecidesWhichFoldersAreRead) {
  const std::vector<std::string> tree = {
      "C:\\Photos\\a.jpg",           "C:\\Photos\\PHOTO.JPG",
      "C:\\Photos\\scan.bmp",        "C:\\Photos\\photo.jpg.bak",
      "C:\\Photos\\photo.jpeg",      "C:\\Photos\\photo.png",
      "C:\\Photos\\._photo.jpg",     "C:\\Photos\\notes.txt",
      "C:\\Photos\\album.jpg\\e.jpg", "C:\\Photos\\2014-10 Rome\\b.JPG",
      "C:\\Photos\\2014-10 Rome\\Sélection\\c.jpg",
      "C:\\Photos\\2014-10 Rome\\Sélection\\Très loin\\d.bmp"};
  const std::set<std::string> rootOnly = {"C:\\Photos\\a.jpg", "C:\\Photos\\PHOTO.JPG",
                                          "C:\\Photos\\scan.bmp", "C:\\Photos\\photo.jpg.bak"};
  std::set<std::string> everyLevel = rootOnly;
  everyLevel.insert({"C:\\Photos\\album.jpg\\e.jpg", "C:\\Photos\\2014-10 Rome\\b.JPG",
                     "C:\\Photos\\2014-10 Rome\\Sélection\\c.jpg",
                     "C:\\Photos\\2014-10 Rome\\Sélection\\Très loin\\d.bmp"});
  struct Case {
    const char* description;
    int choice;
    const std::set<std::string>& kept;
  } cases[] = {{"\"tous\": every level", 1, everyLevel}, {"\"aucun\": the root only", 0, rootOnly}};
  for (const auto& c : cases) {
    Scenario s;
    WriteFiles(s, tree);
    s.WriteFile("C:\\Photos\\vide.jpg", "");
    WriteRoots(s, {{"C:\\Photos", true}});
    WriteParams(s, {"RadioGroup_sous_rep_recursif.ItemIndex = " + std::to_string(c.choice)});
    auto r = s.Run("", "/s", kRunMs);
    const IndexFiles expected = ExpectedIndex(s, {"C:\\Photos"}, c.choice == 1, c.kept);
    const IndexFiles index = ReadIndexFiles(s);
    EXPECT_EQ(index.records, expected.records) << c.description;
    EXPECT_EQ(index.directories, expected.directories) << c.description;
    EXPECT_EQ(r.State("ImageCount").Int(), static_cast<int>(c.kept.size())) << c.description;
    EXPECT_TRUE(s.Exists(kMarkerFile)) << c.description;
  }
}

TEST(Walk, TickedRootsAreWalkedInListOrderAndOthersAddNothing) {
  Scenario s;
  WriteFiles(s, {"C:\\Zèbre\\z.jpg", "C:\\Albums\\a1.jpg", "C:\\Albums\\a2.jpg", "C:\\Brouillons\\b.jpg"});
  WriteRoots(s, {{"C:\\Zèbre", true}, {"C:\\Albums", true}, {"C:\\Brouillons", false}, {"C:\\Disparu", true}});
  auto r = s.Run("", "/s", kRunMs);
  const IndexFiles expected = ExpectedIndex(
      s, {"C:\\Zèbre", "C:\\Albums"}, true, {"C:\\Zèbre\\z.jpg", "C:\\Albums\\a1.jpg", "C:\\Albums\\a2.jpg"});
  const IndexFiles index = ReadIndexFiles(s);
  EXPECT_EQ(index.records, expected.records);
  EXPECT_EQ(index.directories, Cp("C:\\Zèbre\r\nC:\\Albums\r\n"));
  EXPECT_EQ(r.Events("box"), std::vector<std::string>{Quoted("3  C:\\Disparu  n'existe pas...")})
      << "the load drops the missing root; the walk itself says nothing";
}

TEST(Walk, ARootTickedTwiceUnderAnotherCaseSharesItsDirectoryLine) {
  Scenario s;
  WriteFiles(s, {"C:\\Albums\\a1.jpg", "C:\\Albums\\a2.jpg"});
  WriteRoots(s, {{"C:\\Albums", true}, {"C:\\ALBUMS", true}});
  s.Run("", "/s", kRunMs);
  const IndexFiles once = ExpectedIndex(s, {"C:\\Albums"}, true, {"C:\\Albums\\a1.jpg", "C:\\Albums\\a2.jpg"});
  const IndexFiles index = ReadIndexFiles(s);
  EXPECT_EQ(index.records, once.records + once.records);
  EXPECT_EQ(index.directories, "C:\\Albums\r\n");
}

TEST(Walk, FoldersWhoseNamesDifferOnlyInCaseKeepTheirOwnLines) {
  // Two folders on Linux, which one folder under another spelling never is: each picture must be
  // found again where it lies, or the show resets and quits at every start.
  Scenario s;
  s.WriteFile("C:\\P\\Été\\x.jpg", SmallJpeg());
  s.WriteFile("C:\\P\\été\\y.jpg", SmallJpeg());
  WriteRoots(s, {{"C:\\P", true}});
  WriteParams(s, {"dt0_a = 100"});
  auto r = s.Run("", "/s", kRunMs);
  const IndexFiles expected = ExpectedIndex(s, {"C:\\P"}, true, {"C:\\P\\Été\\x.jpg", "C:\\P\\été\\y.jpg"});
  EXPECT_EQ(ReadIndexFiles(s).directories, expected.directories);
  EXPECT_EQ(ReadIndexFiles(s).records, expected.records);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.Saw("picture", Quoted("C:\\P\\Été\\x.jpg") + " 8x6"));
  EXPECT_TRUE(r.Saw("picture", Quoted("C:\\P\\été\\y.jpg") + " 8x6"));
}

TEST(Walk, DecomposedAccentsAreReadComposedAndFoundAgain) {
  // Names copied from a Mac write "é" as "e" and a combining accent. Chosen in the dialog, walked
  // and shown, they are the composed names of code page 1252 and lead back to the same files.
  Scenario s;
  const std::string decomposedRoot = "Re\u0301union";   // Réunion
  const std::string decomposedFolder = "Fe\u0302te";    // Fête
  const std::string decomposedFile = "e\u0301te\u0301.jpg";  // été.jpg
  std::filesystem::create_directories(s.DriveC() / decomposedRoot / decomposedFolder);
  std::ofstream(s.DriveC() / decomposedRoot / decomposedFolder / decomposedFile) << SmallJpeg();
  WriteParams(s, {"dt0_a = 100"});
  auto chosen = s.Run("100 choose \"" + (s.DriveC() / decomposedRoot).string() +
                      "\"\n100 answer yes\n200 click Panel_ajout_rep\n300 click aPanel_sauve_param_et_BD0_et_quitter\n");
  EXPECT_EQ(chosen.exitCode, 1);
  EXPECT_EQ(s.ReadFile(kRootsFile), Cp("C:\\Réunion\r\n"));

  auto walked = s.Run("", "/s", kRunMs);
  EXPECT_EQ(ReadIndexFiles(s).directories, Cp("C:\\Réunion\\Fête\r\n"));
  EXPECT_EQ(walked.State("ImageCount").Int(), 1);
  EXPECT_TRUE(walked.Saw("picture", Quoted("C:\\Réunion\\Fête\\été.jpg") + " 8x6"));
  EXPECT_EQ(walked.exitCode, 0);
}

// 150 pictures in one folder: the walk lasts about 150 virtual milliseconds, one an entry.
void WriteBigFolder(const Scenario& s) {
  std::vector<std::string> files;
  for (int i = 0; i < 150; ++i) files.push_back("C:\\Photos\\Beaucoup\\p" + std::to_string(1000 + i) + ".jpg");
  WriteFiles(s, files);
  WriteRoots(s, {{"C:\\Photos", true}});
}

std::set<std::string> BigFolderPictures() {
  std::set<std::string> kept;
  for (int i = 0; i < 150; ++i) kept.insert("C:\\Photos\\Beaucoup\\p" + std::to_string(1000 + i) + ".jpg");
  return kept;
}

TEST(Walk, AKeyCutsTheWalkShortAndTheShortenedIndexIsSavedAndLoadedLater) {
  Scenario s;
  WriteBigFolder(s);
  auto cut = s.Run("40 keyup 65\n", "/s", kRunMs);
  const IndexFiles full = ExpectedIndex(s, {"C:\\Photos"}, true, BigFolderPictures());
  const IndexFiles index = ReadIndexFiles(s);
  ASSERT_GT(index.records.size(), 0u);
  EXPECT_LT(index.records.size(), full.records.size());
  EXPECT_EQ(index.records, full.records.substr(0, index.records.size())) << "the pictures found so far";
  EXPECT_EQ(index.directories, full.directories);
  EXPECT_EQ(cut.State("ImageCount").Int(), static_cast<int>(index.records.size() / 88));
  EXPECT_TRUE(s.Exists(kMarkerFile));

  auto next = s.Run("", "/s", kRunMs);
  EXPECT_EQ(next.State("EntriesSeen").Int(), 0) << "the next start loads instead of walking";
  EXPECT_EQ(next.State("ImageCount").Int(), cut.State("ImageCount").Int());
  EXPECT_EQ(ReadIndexFiles(s).records, index.records);
}

TEST(Walk, AKeyIsSeenWithinOneEntry) {
  // Pending messages run after every entry and each run moves the virtual clock by 1 ms, so a key
  // pressed 50 ms later stops the walk exactly 50 entries later.
  std::vector<ScenarioResult> runs;
  for (const char* script : {"40 keyup 65\n", "90 keyup 65\n"}) {
    Scenario s;
    WriteBigFolder(s);
    runs.push_back(s.Run(script, "/s", kRunMs));
  }
  EXPECT_EQ(runs[1].State("EntriesSeen").Int() - runs[0].State("EntriesSeen").Int(), 50);
  EXPECT_EQ(runs[1].State("ImageCount").Int() - runs[0].State("ImageCount").Int(), 50);
}

TEST(Walk, AFilterChangedDuringTheWalkCountsFromTheNextPicture) {
  // The options panel is open while the walk runs; the filters read its controls at each picture.
  Scenario s;
  std::vector<std::string> files;
  std::set<std::string> pictures;
  for (int i = 0; i < 150; ++i) {
    files.push_back("C:\\Photos\\Beaucoup\\p" + std::to_string(1000 + i) + "++.jpg");
    pictures.insert(files.back());
  }
  WriteFiles(s, files);
  WriteRoots(s, {{"C:\\Photos", true}});
  // "++" in a name rejects the picture until the marker rule becomes "indifférent".
  s.Run("75 select RadioGroup_exclusion 1\n", "/s", kRunMs);
  const IndexFiles all = ExpectedIndex(s, {"C:\\Photos"}, true, pictures);
  const IndexFiles index = ReadIndexFiles(s);
  ASSERT_GT(index.records.size(), 0u) << "kept after the change";
  EXPECT_LT(index.records.size(), all.records.size()) << "rejected before it";
  EXPECT_EQ(index.records, all.records.substr(all.records.size() - index.records.size()));
}

TEST(Walk, EscDuringTheWalkEndsTheProgramWithTheMarkerMissing) {
  Scenario s;
  WriteBigFolder(s);
  // The marker with the record file missing: the start walks.
  s.WriteFile(kDirectoryFile, "C:\\Ancien\r\n");
  s.WriteFile(kMarkerFile, "");
  auto r = s.Run("40 keyup 27\n", "/s", kRunMs);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(s.Exists(kMarkerFile)) << "deleted when the walk began; the next start walks again";
  EXPECT_FALSE(s.Exists(kRecordFile)) << "nothing is saved";
  EXPECT_EQ(s.ReadFile(kDirectoryFile), "C:\\Ancien\r\n");
  EXPECT_LT(r.State("EntriesSeen").Int(), 150);
}

TEST(Walk, TheMarkerComesBackOnlyWithBothIndexFiles) {
  Scenario s;
  WriteFiles(s, {"C:\\Photos\\a.jpg"});
  WriteRoots(s, {{"C:\\Photos", true}});
  s.WriteFile(kMarkerFile, "");
  // The record file cannot be written where a folder stands: the save fails after the walk.
  std::filesystem::create_directories(s.Host(kRecordFile));
  auto r = s.Run("", "/s", kRunMs);
  EXPECT_TRUE(r.Saw("box", Quoted("Nom de fichier incorrect")));
  EXPECT_FALSE(s.Exists(kMarkerFile)) << "a half-saved index must not be loaded by the next start";
}

TEST(Walk, EveryTwoHundredthEntryShowsTheCount) {
  struct Case {
    int files;
    const char* caption;
  } cases[] = {{198, "200"}, {197, "lecture Base de données image"}};
  for (const auto& c : cases) {
    // Not pictures, so no show starts and nothing else writes Label1 afterwards. With "." and
    // "..", 198 files make 200 entries.
    Scenario s;
    std::vector<std::string> files;
    for (int i = 0; i < c.files; ++i) files.push_back("C:\\Photos\\note" + std::to_string(i) + ".txt");
    WriteFiles(s, files);
    WriteRoots(s, {{"C:\\Photos", true}});
    auto r = s.Run("", "/s", kRunMs);
    EXPECT_EQ(r.Control("Label1")["text"].string, c.caption) << c.files;
    EXPECT_EQ(r.State("EntriesSeen").Int(), c.files + 2);
  }
}

TEST(Walk, DateFilterReadsTheFolderThatHoldsThePicture) {
  const std::vector<std::string> folders = {
      "2014-10-05 mariage", "2014-09 rentrée", "Noël",          "2014-03 Rome",
      "2014 Rome",          "2014-07-14 Fête", "2014-01-20 Neige", "2013-02 Ski",
      "2013-01 Montagne",   "2015-06 Plage",   "2012-12 Hiver"};
  const std::vector<std::string> year2014 = {"2014-10-05 mariage", "2014-09 rentrée", "2014-03 Rome",
                                             "2014-07-14 Fête", "2014-01-20 Neige"};
  auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  struct Case {
    const char* description;
    std::string params;
    std::vector<std::string> kept;
  } cases[] = {
      {"from 2014-10", Params(1, "2014", "10", "", ""), {"2014-10-05 mariage", "2015-06 Plage"}},
      {"from 2014, years only", Params(1, "2014", "", "", ""), with(year2014, {"2015-06 Plage"})},
      {"only 2014-07", Params(2, "2014", "7", "", ""), {"2014-07-14 Fête"}},
      {"only 2014, years only", Params(2, "2014", "", "", ""), year2014},
      {"only 2014, a hidden end month makes the bounds carry months", Params(2, "2014", "", "", "5"),
       {"2014-01-20 Neige"}},
      {"2014-10 to 2013-02, bounds exchanged", Params(3, "2014", "10", "2013", "02"),
       {"2013-02 Ski", "2014-10-05 mariage", "2014-09 rentrée", "2014-03 Rome", "2014-07-14 Fête",
        "2014-01-20 Neige"}},
      {"2013 to 2014", Params(3, "2013", "", "2014", ""), with(year2014, {"2013-02 Ski", "2013-01 Montagne"})},
      {"2015 to 2013, years are not exchanged", Params(3, "2015", "", "2013", ""), {}},
      {"all but 2013 to 2014, names without a date kept", Params(4, "2013", "", "2014", ""),
       {"Noël", "2014 Rome", "2015-06 Plage", "2012-12 Hiver"}},
      {"up to 2013, names without a date kept", Params(5, "", "", "2013", ""),
       {"2013-02 Ski", "2013-01 Montagne", "2012-12 Hiver", "Noël", "2014 Rome"}},
      {"from an empty year", Params(1, "", "", "", ""), {}},
  };
  for (const auto& c : cases) ExpectFoldersKept(folders, Lines(c.params), c.kept, c.description);
}

TEST(Walk, WordFiltersReadOnlyTheLastFolderName) {
  const std::vector<std::string> folders = {"2014-10 Avignon été", "Avignon\\2014-10", "Lyon divers",
                                            "Noël en Fête"};
  struct Case {
    const char* description;
    std::vector<std::string> params;
    std::vector<std::string> kept;
  } cases[] = {
      {"must contain AVIGNON",
       {"CheckBox_contient.Checked = true", "filtre_contient = AVIGNON"},
       {"2014-10 Avignon été"}},
      {"must not contain avignon",
       {"CheckBox_ne_contient_pas.Checked = true", "filtre_ne_contient_pas = avignon"},
       {"Avignon\\2014-10", "Lyon divers", "Noël en Fête"}},
      {"must contain one of two words, accents folded",
       {"CheckBox_contient.Checked = true", "filtre_contient = lyon, noël"},
       {"Lyon divers", "Noël en Fête"}},
      {"a box that is not ticked plays no part",
       {"CheckBox_contient.Checked = false", "filtre_contient = AVIGNON"},
       folders},
      {"blanks do not separate words", {"CheckBox_contient.Checked = true", "filtre_contient = divers avignon"}, {}},
  };
  for (const auto& c : cases) ExpectFoldersKept(folders, c.params, c.kept, c.description);
}

TEST(Walk, MarkerCharactersAnywhereInThePath) {
  const std::string privateFolder = "C:\\Photos\\2014-10 ++privé\\a.jpg";
  const std::string markedRoot = "C:\\Photos§\\b.jpg";
  const std::string plain = "C:\\Photos\\Normal\\c.jpg";
  const std::string markedName = "C:\\Photos\\Normal\\d§.jpg";
  struct Case {
    int rule;
    std::set<std::string> kept;
  } cases[] = {{0, {plain}}, {1, {privateFolder, markedRoot, plain, markedName}},
               {2, {privateFolder, markedRoot, markedName}}};
  for (const auto& c : cases) {
    Scenario s;
    WriteFiles(s, {privateFolder, markedRoot, plain, markedName});
    WriteRoots(s, {{"C:\\Photos", true}, {"C:\\Photos§", true}});
    WriteParams(s, {"RadioGroup_exclusion.ItemIndex = " + std::to_string(c.rule)});
    s.Run("", "/s", kRunMs);
    const IndexFiles expected = ExpectedIndex(s, {"C:\\Photos", "C:\\Photos§"}, true, c.kept);
    EXPECT_EQ(ReadIndexFiles(s).records, expected.records) << "rule " << c.rule;
    EXPECT_EQ(ReadIndexFiles(s).directories, expected.directories) << "rule " << c.rule;
  }
}

TEST(Walk, EntriesThatCannotBeReadArePassedOver) {
  Scenario s;
  WriteFiles(s, {"C:\\Photos\\a.jpg", "C:\\Photos\\日本\\x.jpg", "C:\\Photos\\日本.jpg",
                 "C:\\Photos\\\xff\xfe.jpg"});
  const auto photos = s.Host("C:\\Photos");
  std::filesystem::create_symlink("/nonexistent/perdu.jpg", photos / "perdu.jpg");
  std::filesystem::create_symlink("boucle.jpg", photos / "boucle.jpg");
  // Named with a backslash, it has no program path that leads back to it.
  std::filesystem::create_directories(photos / "a\\b");
  std::ofstream(photos / "a\\b" / "y.jpg") << "picture bytes";
  WriteRoots(s, {{"C:\\Photos", true}});
  auto r = s.Run("", "/s", kRunMs);
  EXPECT_TRUE(r.Events("box").empty());
  EXPECT_EQ(ReadIndexFiles(s).records, ExpectedIndex(s, {"C:\\Photos"}, true, {"C:\\Photos\\a.jpg"}).records);
  EXPECT_EQ(ReadIndexFiles(s).directories, "C:\\Photos\r\n");
  EXPECT_TRUE(s.Exists(kMarkerFile));
}

TEST(Walk, NamesWithALineBreakAreLeftOutSoTheSavedIndexStaysWhole) {
  // Written into the directory list, such a name would take two lines and shift every later
  // directory number: the next start would look for its pictures in the wrong folders.
  Scenario s;
  for (const char* path : {"C:\\Photos\\deux\nlignes\\a.jpg", "C:\\Photos\\retour\rchariot\\b.jpg",
                           "C:\\Photos\\z\\c\nd.jpg", "C:\\Photos\\z\\p.jpg"}) {
    s.WriteFile(path, SmallJpeg());
  }
  WriteRoots(s, {{"C:\\Photos", true}});
  s.Run("", "/s", kRunMs);
  EXPECT_EQ(ReadIndexFiles(s).directories, "C:\\Photos\\z\r\n");
  EXPECT_EQ(ReadIndexFiles(s).records, ExpectedIndex(s, {"C:\\Photos"}, true, {"C:\\Photos\\z\\p.jpg"}).records);

  auto next = s.Run("", "/s", kRunMs);
  EXPECT_EQ(next.exitCode, 0) << "no picture is missing, so nothing resets and quits";
  EXPECT_TRUE(next.Saw("picture", Quoted("C:\\Photos\\z\\p.jpg") + " 8x6"));
}

TEST(Walk, LinkedFoldersAreNotDescendedSoLoopsCannotHangTheWalk) {
  Scenario s;
  WriteFiles(s, {"C:\\Photos\\a.jpg", "C:\\Ailleurs\\b.jpg"});
  const auto photos = s.Host("C:\\Photos");
  std::filesystem::create_directory_symlink(".", photos / "moi");
  std::filesystem::create_directory_symlink("..", photos / "parent");
  std::filesystem::create_directory_symlink(s.Host("C:\\Ailleurs"), photos / "ailleurs");
  WriteRoots(s, {{"C:\\Photos", true}});
  auto r = s.Run("", "/s", kRunMs);
  EXPECT_EQ(r.State("ImageCount").Int(), 1);
  EXPECT_EQ(ReadIndexFiles(s).directories, "C:\\Photos\r\n");
}

}  // namespace
}  // namespace lumivel::testing
