// Start-up as a person meets it: which index is used, what is rebuilt, what is kept, what is said.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "index/image_index.h"
#include "support/picture_factory.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

constexpr const char* kRecords = "C:\\Lumivel\\toutes_img._nf";
constexpr const char* kDirs = "C:\\Lumivel\\toutes_img_ListBox_rep.dat";
constexpr const char* kMarker = "C:\\Lumivel\\effacez_moi_pour_reinitialiser.___";
constexpr const char* kHistory = "C:\\lumivel\\img_affichees.lst";
const std::string kEmptyIndexBox =
    "box \"    aucune image retenue, dans les Options, changer les filtres          \"";

std::string ThreeRecords() {
  ImageIndex index;
  index.Append(0, "a.jpg");
  index.Append(1, "b.jpg");
  index.Append(0, "c.jpg");
  return index.Serialize();
}

void WriteSavedIndex(const Scenario& s) {
  s.WriteFile(kRecords, ThreeRecords());
  s.WriteFile(kDirs, Cp("C:\\Photos\\2014-10 Rome\r\nC:\\Photos\\Noël\r\n"));
  s.WriteFile(kMarker, "");
  std::string jpeg = QuadrantJpeg(8, 6);
  for (const char* picture : {"C:\\Photos\\2014-10 Rome\\a.jpg", "C:\\Photos\\2014-10 Rome\\c.jpg"}) {
    s.WriteFile(picture, jpeg);
  }
  s.WriteFile("C:\\Photos\\Noël\\b.jpg", jpeg);
}

TEST(Startup, MarkerAndBothFilesLoadTheSavedIndex) {
  Scenario s;
  WriteSavedIndex(s);
  s.WriteFile(kHistory, "C:\\Photos\\x.jpg\r\n");
  auto r = s.Run("50 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.State("ImageCount").Int(), 3);
  EXPECT_EQ(r.State("ListBox_rep").Strings(),
            (std::vector<std::string>{"C:\\Photos\\2014-10 Rome", "C:\\Photos\\Noël"}));
  EXPECT_TRUE(s.Exists(kHistory));
  EXPECT_TRUE(s.Exists(kMarker));
  EXPECT_EQ(s.ReadFile(kRecords), ThreeRecords()) << "loading never rewrites the index";
}

TEST(Startup, WithoutMarkerTheIndexIsRebuiltAndTheHistoryDropped) {
  Scenario s;
  s.WriteFile(kRecords, ThreeRecords());
  s.WriteFile(kDirs, "C:\\Photos\r\n");
  s.WriteFile(kHistory, "C:\\Photos\\x.jpg\r\n");
  auto r = s.Run("", "/s", 300);
  EXPECT_EQ(r.State("ImageCount").Int(), 0);
  EXPECT_FALSE(s.Exists(kHistory));
  EXPECT_TRUE(r.Saw("box", kEmptyIndexBox.substr(4)));
  EXPECT_EQ(s.ReadFile(kRecords), ThreeRecords()) << "an empty walk leaves the old files alone";
  EXPECT_FALSE(s.Exists(kMarker));
}

TEST(Startup, MarkerWithAMissingFileRebuildsButKeepsTheHistory) {
  for (const char* missing : {kRecords, kDirs}) {
    Scenario s;
    WriteSavedIndex(s);
    std::filesystem::remove(s.Host(missing));
    s.WriteFile(kHistory, "C:\\Photos\\x.jpg\r\n");
    auto r = s.Run("50 keyup 27\n");
    EXPECT_EQ(r.State("ImageCount").Int(), 0) << missing;
    EXPECT_TRUE(s.Exists(kHistory)) << missing;
  }
}

TEST(Startup, AnEmptyIndexSaysSoAndOpensThePanel) {
  Scenario s;
  auto r = s.Run("", "/s", 1000);
  EXPECT_EQ(r.exitCode, 0);
  ASSERT_FALSE(r.transcript.empty());
  EXPECT_EQ(r.transcript.front(), "0 " + kEmptyIndexBox);
  EXPECT_TRUE(r.Control("Panel1")["visible"].boolean);
  EXPECT_EQ(r.Control("Label11")["text"].string, "Lumivel 3.8");
}

TEST(Startup, EscQuitsWithCodeOne) {
  Scenario s;
  WriteSavedIndex(s);
  auto r = s.Run("300 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  ASSERT_FALSE(r.transcript.empty());
  EXPECT_EQ(r.transcript.back().substr(r.transcript.back().find(' ') + 1), "exit 1");
}

TEST(Startup, CommandLineCharacterShownInTheAdvancedPanel) {
  struct Case {
    const char* argument;
    const char* caption;
  } cases[] = {{"/s", "<s>"}, {"-p", "<p>"}, {"/S", "<S>"}, {"x", "<>"},
               {"", "<>"}, {"/é", "<é>"}};
  for (const auto& c : cases) {
    Scenario s;
    auto r = s.Run("10 keyup 27\n", c.argument);
    EXPECT_EQ(r.Control("Label3")["text"].string, std::string("paramètre ligne de commande = ") + c.caption)
        << c.argument;
  }
}

TEST(Startup, ConfigurationModeShowsOnlyTheDialogAndReadsNoDataFile) {
  Scenario s;
  s.WriteFile("C:\\lumivel\\lumivel_var.prm", "dt0_a = abc\r\n");
  WriteSavedIndex(s);
  auto r = s.Run("100 click Button2\n", "/c 1234");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.Events("box").empty()) << "no settings were read, so no conversion error";
  EXPECT_EQ(r.Control("Edit1")["text"].string, "Brunald je vais t'hypnotiser !");
  EXPECT_FALSE(r.dump.Has("state"));
}

TEST(Startup, AnAccentedLetterInTheArgumentIsOneCharacter) {
  // The system passes "éc" as three UTF-8 bytes; as one character "é", the second is "c".
  Scenario s;
  auto r = s.Run("100 click Button2\n", "éc");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.Control("Edit1")["text"].string, "Brunald je vais t'hypnotiser !") << "the options dialog";
  EXPECT_FALSE(r.dump.Has("state"));
}

TEST(Startup, BrokenRecordFileIsReportedWithoutACrash) {
  Scenario s;
  WriteSavedIndex(s);
  s.WriteFile(kRecords, ThreeRecords() + std::string(10, 'x'));
  auto r = s.Run("", "/s", 500);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.Saw("box", "\"Lecture au-delà de la fin de fichier\""));
  EXPECT_EQ(r.State("ImageCount").Int(), 3) << "the complete records before the broken one";
  EXPECT_EQ(s.ReadFile(kRecords).size(), 3u * 88 + 10) << "nothing is rewritten";
}

TEST(Startup, AFreshAccountGetsItsDriveCFolderAndCanQuit) {
  // Drive C's folder and its parents do not exist yet, as on a new account: the start makes them,
  // as drive C's root always exists on the system the program was written for.
  for (const char* mode : {"/s", "/c"}) {
    SCOPED_TRACE(mode);
    Scenario s;
    const auto fresh = s.DriveC() / "home" / ".local" / "share" / "lumivel" / "drive_c";
    s.environment.push_back("LUMIVEL_DRIVE_C=" + fresh.string());
    const bool show = std::string(mode) == "/s";
    auto r = s.Run(show ? "100 keyup 81\n" : "100 click Button1\n", mode);
    EXPECT_EQ(r.exitCode, show ? 1 : 0);
    EXPECT_EQ(r.Events("box").size(), show ? 1u : 0u) << "only the empty index is reported";
    EXPECT_TRUE(std::filesystem::exists(fresh / (show ? "lumivel/lumivel_var.prm" : "Windows/Lumivel.ini")));
  }
}

TEST(Startup, ADriveCThatCannotBeMadeStartsEmptyWithoutACrash) {
  Scenario s;
  s.WriteFile("C:\\fichier", "x");
  s.environment.push_back("LUMIVEL_DRIVE_C=" + (s.DriveC() / "fichier" / "drive_c").string());
  auto r = s.Run("100 keyup 81\n");
  EXPECT_TRUE(r.Saw("box", kEmptyIndexBox.substr(4)));
  // Quitting saves the first start's settings; with nowhere to save them, the program says so and
  // stays rather than lose them silently.
  EXPECT_TRUE(r.Saw("box", "\"Impossible de créer C:\\\\lumivel\""));
  EXPECT_FALSE(r.Saw("exit", "1"));
}

}  // namespace
}  // namespace lumivel::testing
