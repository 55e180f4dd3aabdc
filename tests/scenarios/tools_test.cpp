// The tools of the control panel as a person uses them during the show: album copies, the image
// viewer and its slideshow of the directory, the manual, the file manager and the list views.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "headless/transcript.h"
#include "index/image_index.h"
#include "support/picture_factory.h"
#include "support/recorder_script.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kParams = "C:\\lumivel\\lumivel_var.prm";
constexpr const char* kRecords = "C:\\Lumivel\\toutes_img._nf";
constexpr const char* kDirs = "C:\\Lumivel\\toutes_img_ListBox_rep.dat";
constexpr const char* kMarker = "C:\\Lumivel\\effacez_moi_pour_reinitialiser.___";
constexpr const char* kPictureDir = "C:\\Photos\\050828 avg";
constexpr const char* kPicture = "C:\\Photos\\050828 avg\\img_0012.jpg";
constexpr const char* kDefaultViewer = "C:\\Program Files (x86)\\XnView\\XnView.exe";

// A transcript detail: the program's text quoted as the transcript writes it.
std::string Quoted(const std::string& utf8) { return QuoteForTranscript(Cp(utf8)); }

// Parameter-file lines holding the values the controls have before the load, so that loading
// them marks nothing as changed.
const std::string kQuietSettings =
    "vmax = 100\r\nindice_non_aleatoire = 0\r\nrayon_rnd = 5\r\nnb_fouille = 5\r\n"
    "RadioGroup_titre_ecran.ItemIndex = 1\r\nCheckBox_rnd.Checked = true\r\n"
    "annee_de = 2014\r\nannee_a = \r\nmois_de = 10\r\nmois_a = \r\n"
    "filtre_contient = divers avignon\r\nfiltre_ne_contient_pas = divers avignon\r\n";

// The show of one picture, kPicture, from a saved index; `settings` are more parameter-file lines.
void WriteShow(const Scenario& s, const std::string& settings = "") {
  ImageIndex index;
  index.Append(0, "img_0012.jpg");
  s.WriteFile(kRecords, index.Serialize());
  s.WriteFile(kDirs, std::string(kPictureDir) + "\r\n");
  s.WriteFile(kMarker, "");
  s.WriteFile(kPicture, QuadrantJpeg(64, 48));
  s.WriteFile(kParams, Cp(kQuietSettings + settings));
}

// A script argument: in double quotes, with backslashes and quotes escaped.
std::string Arg(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

// Outside programs are looked for in this folder only, so the machine's own never answer.
void UseSearchPath(Scenario& s, const fs::path& folder) {
  s.environment.push_back("PATH=" + folder.string());
}

// The space bar opens the control panel, whose buttons a person then clicks.
constexpr const char* kOpenPanel = "2500 keyup 32\n";

// Transcript events of a kind that happened after `ms`.
int CountAfter(const ScenarioResult& r, const std::string& kind, long ms) {
  int count = 0;
  for (const auto& line : r.transcript) {
    std::istringstream in(line);
    long when = 0;
    std::string what;
    if (in >> when >> what && what == kind && when > ms) ++count;
  }
  return count;
}

TEST(AlbumCopy, CopyIsNamedAfterItsDirectoryAndReplacesAnOlderOne) {
  Scenario s;
  WriteShow(s, "rep_album_A.Caption = C:\\Albums\\A\r\nrep_album_B.Caption = C:\\Albums\\B\r\n");
  s.WriteFile("C:\\Albums\\A\\050828 avg-img_0012.jpg", "an older copy");
  fs::create_directories(s.Host("C:\\Albums\\B"));
  auto r = s.Run(kOpenPanel + std::string("3000 click Button_album_a\n3500 click Label12\n"
                                          "4000 click Button_album_B\n5000 keyup 27\n"));
  EXPECT_EQ(r.Events("box"),
            (std::vector<std::string>{
                Quoted("C:\\Albums\\A\\050828 avg-img_0012.jpg\n\n    copie effectuée dans l'album A ..."),
                Quoted("C:\\Albums\\A\\050828 avg-img_0012.jpg\n\n    copie effectuée dans l'album A ..."),
                Quoted("C:\\Albums\\B\\050828 avg-img_0012.jpg\n\n    copie effectuée dans l'album B ...")}));
  const std::string picture = s.ReadFile(kPicture);
  EXPECT_EQ(s.ReadFile("C:\\Albums\\A\\050828 avg-img_0012.jpg"), picture);
  EXPECT_EQ(s.ReadFile("C:\\Albums\\B\\050828 avg-img_0012.jpg"), picture);
  EXPECT_EQ(r.exitCode, 1);
}

TEST(AlbumCopy, TheCopyKeepsThePicturesDateAndPermissions) {
  // An album folder's year and month are read from its pictures' dates: a copy dated the day of
  // copying would move the picture to another month.
  Scenario s;
  WriteShow(s, "rep_album_A.Caption = C:\\Albums\\A\r\n");
  fs::create_directories(s.Host("C:\\Albums\\A"));
  const auto taken = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 3);
  fs::last_write_time(s.Host(kPicture), taken);
  fs::permissions(s.Host(kPicture), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  auto r = s.Run(kOpenPanel + std::string("3000 click Button_album_a\n4000 keyup 27\n"));
  const auto copy = s.Host("C:\\Albums\\A\\050828 avg-img_0012.jpg");
  ASSERT_TRUE(fs::exists(copy));
  EXPECT_EQ(fs::last_write_time(copy), taken);
  EXPECT_EQ(fs::status(copy).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(r.exitCode, 1);
}

TEST(AlbumCopy, CopyIntoAMissingAlbumIsSilent) {
  Scenario s;
  WriteShow(s, "rep_album_B.Caption = C:\\Albums\\Absent\r\n");
  auto r = s.Run(kOpenPanel + std::string("3000 click Button_album_B\n4000 keyup 27\n"));
  EXPECT_TRUE(r.Events("box").empty());
  EXPECT_FALSE(s.Exists("C:\\Albums\\Absent")) << "the copy never creates the album";
  EXPECT_EQ(r.exitCode, 1);
}

TEST(AlbumCopy, ChosenFolderBecomesTheAlbumAndIsSavedOnQuitting) {
  struct Case {
    const char* what;
    std::string choice;
    std::string caption;
    bool changed;
  } cases[] = {
      {"a new folder, created by the chooser", "Albums/Nouveau", "C:\\Albums\\Nouveau", true},
      {"cancelled", "", "C:\\Lumivel\\B", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteShow(s);
    const std::string choice = c.choice.empty() ? "cancel" : Arg((s.DriveC() / c.choice).string());
    auto r = s.Run("0 choose " + choice + "\n" + kOpenPanel +
                   "3000 click SpeedButton_album_B\n4000 keyup 27\n");
    EXPECT_EQ(r.Control("rep_album_B")["text"].string, c.caption);
    EXPECT_EQ(r.State("SettingsChanged").boolean, c.changed);
    const bool saved = s.ReadFile(kParams).find("rep_album_B.Caption = " + c.caption) != std::string::npos;
    EXPECT_EQ(saved, c.changed) << "saved by the quit only when changed";
  }
}

TEST(Viewer, CommandLineFollowsTheControlThatAskedForIt) {
  const std::string viewer = "\"C:\\Program Files (x86)\\XnView\\XnView.exe\"";
  const std::string nameTicked = "CheckBox_xnview_rep_et_nom.Checked = true\r\n";
  struct Case {
    const char* what;
    std::string settings;
    std::string script;
    std::string arguments;  // after the viewer
    int exitCode;
  } cases[] = {
      {"picture panel: the picture's directory", "", "3000 click Panel_ouvrir_rep_img\n",
       "\"C:\\Photos\\050828 avg\"", 1},
      {"picture panel with the name ticked: the picture, and the program ends", nameTicked,
       "3000 click Panel_ouvrir_rep_img\n", "\"C:\\Photos\\050828 avg\\img_0012.jpg\"", 0},
      {"album A panel", "rep_album_A.Caption = C:\\Albums\\A\r\n", "3000 click Panel_ouvrir_repA\n",
       "\"C:\\Albums\\A\"", 1},
      {"album B panel with the name ticked: the album still, and the program ends",
       "rep_album_B.Caption = C:\\Albums\\B\r\n" + nameTicked, "3000 click Panel_ouvrir_repB\n",
       "\"C:\\Albums\\B\"", 0},
      {"slideshow button with the name ticked: the directory alone, and the program ends", nameTicked,
       "3000 answer yes\n3000 click Button_tout_le_rep\n", "-slide \"C:\\Photos\\050828 avg\"", 0},
      {"F3 during the show, answered yes: the slideshow of the directory", "",
       "2600 keyup 32\n3000 answer yes\n3000 keyup 114\n",
       "-slide \"C:\\Photos\\050828 avg\"", 1},
  };
  TempDir emptyPath;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    UseSearchPath(s, emptyPath.Path());
    WriteShow(s, c.settings);
    auto r = s.Run(kOpenPanel + c.script + "5000 keyup 27\n");
    EXPECT_EQ(r.Events("launch"), std::vector<std::string>{Quoted(viewer + " " + c.arguments)});
    EXPECT_EQ(r.exitCode, c.exitCode) << "0: ended with the viewer, not by the quit procedure";
  }
}

TEST(Viewer, TickedNameEndsTheProgramWithoutSaving) {
  Scenario s;
  WriteShow(s, "CheckBox_xnview_rep_et_nom.Checked = true\r\n");
  const std::string before = s.ReadFile(kParams);
  auto r = s.Run("0 choose " + Arg((s.DriveC() / "Albums/Neuf").string()) + "\n" + kOpenPanel +
                 "2800 click SpeedButton_album_A\n3000 click Panel_ouvrir_repA\n5000 keyup 27\n");
  EXPECT_TRUE(r.State("SettingsChanged").boolean) << "a change was pending";
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(s.ReadFile(kParams), before);
}

TEST(Viewer, RunsAndIsWaitedForWhileTheWindowGoesOn) {
  Scenario s;
  const fs::path record = s.DriveC() / "viewer-arguments.txt";
  const fs::path seen = s.DriveC() / "viewer-saw.txt";
  const fs::path madeDuringTheWait = s.DriveC() / "Albums/Pendant";
  // The viewer waits for a folder that only the program's own directory chooser makes, which
  // the program can do only if it keeps handling its window while it waits; it then lingers, so
  // a program that did not wait for it would be gone before it says what it saw.
  const std::string folder = "'" + madeDuringTheWait.string() + "'";
  WriteRecorder(s.Host("C:\\viewer.sh"), record,
                "i=0; while [ ! -d " + folder + " ] && [ $i -lt 500 ]; do sleep 0.02; i=$((i+1)); done\n"
                "sleep 0.3\n"
                "if [ -d " + folder + " ]; then echo folder; else echo timeout; fi > '" + seen.string() + "'\n");
  fs::create_directories(s.Host("C:\\Albums\\mon \"A\" d'été"));
  WriteShow(s, "xnview_alternative_Label.Caption = C:\\viewer.sh\r\n"
               "rep_album_A.Caption = C:\\Albums\\mon \"A\" d'été\r\n"
               "CheckBox_xnview_rep_et_nom.Checked = true\r\n");
  auto r = s.Run("0 choose " + Arg(madeDuringTheWait.string()) + "\n" + kOpenPanel +
                 "3000 click Panel_ouvrir_repA\n3001 click SpeedButton_album_B\n");
  EXPECT_EQ(r.Events("launch"),
            std::vector<std::string>{Quoted("\"C:\\viewer.sh\" \"C:\\Albums\\mon \"A\" d'été\"")});
  ASSERT_TRUE(fs::exists(seen)) << "the program ended only after the viewer had";
  EXPECT_EQ(ReadHostFile(seen), "folder\n");
  EXPECT_EQ(r.Control("rep_album_B")["text"].string, "C:\\Albums\\Pendant");
  auto arguments = AwaitRecord(record);
  ASSERT_TRUE(arguments);
  EXPECT_EQ(*arguments, (std::vector<std::string>{fs::current_path().string(),
                                                   s.Host("C:\\Albums\\mon \"A\" d'été").string()}));
  EXPECT_EQ(r.exitCode, 0);
}

TEST(Viewer, ChosenProgramIsConfirmedAndUsedButNotMarkedAsAChange) {
  struct Case {
    const char* what;
    std::string script;
    bool confirmed;
  } cases[] = {
      {"confirmed", "3000 answer yes\n", true},
      {"refused", "3000 answer no\n", false},
  };
  TempDir emptyPath;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    UseSearchPath(s, emptyPath.Path());
    WriteShow(s);
    const std::string viewer = (s.DriveC() / "Outils/visionneuse").string();
    auto r = s.Run("0 choose " + Arg(viewer) + "\n" + kOpenPanel + c.script +
                   "3000 click SpeedButton_xnview\n3500 click Panel_ouvrir_repA\n5000 keyup 27\n");
    EXPECT_TRUE(r.Saw("dialog", Quoted("Choix du programme exécutable") + " -> " +
                                    Quoted("C:\\Outils\\visionneuse")));
    EXPECT_TRUE(r.Saw("confirm", Quoted("C:\\Outils\\visionneuse\r\r => Valider") +
                                     (c.confirmed ? " -> yes" : " -> no")));
    const std::string used = c.confirmed ? "C:\\Outils\\visionneuse" : kDefaultViewer;
    EXPECT_EQ(r.Control("xnview_alternative_Label")["text"].string, used);
    EXPECT_EQ(r.Events("launch"), std::vector<std::string>{Quoted("\"" + used + "\" \"C:\\Lumivel\\A\"")});
    EXPECT_FALSE(r.State("SettingsChanged").boolean);
  }
}

TEST(DirectorySlideshow, F3AnsweredNoDuringTheShowOpensThePanel) {
  Scenario s;
  WriteShow(s);
  auto r = s.Run("3000 keyup 114\n", "/s", 6000);
  EXPECT_EQ(r.Events("confirm"),
            std::vector<std::string>{Quoted("\n\n     Diaporama de ?\n\nC:\\Photos\\050828 avg\n\n") + " -> no"});
  EXPECT_TRUE(r.Events("launch").empty());
  EXPECT_TRUE(r.Control("Panel1")["visible"].boolean);
  EXPECT_EQ(r.State("ShowMode").Int(), 0);
}

// F3 names the folder of the picture on screen, also during the first picture of a run and while
// the next picture's effect runs, before the turn has set its captions.
TEST(DirectorySlideshow, F3NamesTheFolderOfThePictureOnScreen) {
  const std::string rome = "C:\\Photos\\2014-10 Rome", nice = "C:\\Photos\\2015-06 Nice";
  const struct {
    const char* what;
    int at;
    std::string folder;
  } cases[] = {
      {"first picture of the run", 1000, nice},
      {"second picture", 6000, rome},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    TempDir emptyPath;
    UseSearchPath(s, emptyPath.Path());
    ImageIndex index;
    index.Append(0, "a.jpg");
    index.Append(1, "b.jpg");
    s.WriteFile(kRecords, index.Serialize());
    s.WriteFile(kDirs, rome + "\r\n" + nice + "\r\n");
    s.WriteFile(kMarker, "");
    s.WriteFile(rome + "\\a.jpg", QuadrantJpeg(64, 48));
    s.WriteFile(nice + "\\b.jpg", QuadrantJpeg(64, 48));
    // In index order after the stored position 0 (Nice, then Rome), five seconds each.
    std::string settings = kQuietSettings;
    settings.replace(settings.find("CheckBox_rnd.Checked = true"), 27, "CheckBox_rnd.Checked = false");
    s.WriteFile(kParams, Cp(settings + "Rdg1.ItemIndex = 0\r\ndt0_a = 5000\r\n"));
    auto r = s.Run(std::to_string(c.at) + " answer yes\n" + std::to_string(c.at) + " keyup 114\n", "/s",
                   c.at + 500);
    EXPECT_EQ(r.Events("confirm"),
              std::vector<std::string>{Quoted("\n\n     Diaporama de ?\n\n" + c.folder + "\n\n") + " -> yes"});
    EXPECT_EQ(r.Events("launch"),
              std::vector<std::string>{Quoted("\"" + std::string(kDefaultViewer) + "\" -slide \"" + c.folder + "\"")});
  }
}

TEST(DirectorySlideshow, ButtonAnsweredNoOnTheOpenPanelClosesItAndTheShowResumes) {
  Scenario s;
  WriteShow(s);
  auto r = s.Run("3000 keyup 32\n4000 click Button_tout_le_rep\n", "/s", 12000);
  EXPECT_EQ(r.Events("confirm").size(), 1u);
  EXPECT_TRUE(r.Events("launch").empty());
  EXPECT_FALSE(r.Control("Panel1")["visible"].boolean);
  EXPECT_EQ(r.State("ShowMode").Int(), 1);
  EXPECT_GE(CountAfter(r, "picture", 4000), 2) << "new pictures after the panel closed";
}

// Where the program's own manual lies, for a data folder without one.
enum class OwnManual { None, BesideTheProgram, InTheDocumentationFolder };

TEST(HelpManual, ReaderThenBrowserThenTheirMessage) {
  const std::string reader = Quoted("C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe") + " " +
                             Quoted("Lumivel_Manuel.pdf") + " " + Quoted("C:\\Lumivel");
  const std::string browser =
      Quoted("firefox.exe") + " " + Quoted("file:///C:\\Lumivel\\Lumivel_Manuel.pdf") + " " + Quoted("");
  struct Case {
    const char* what;
    bool manual;
    OwnManual own;
    bool readerInstalled, browserInstalled;
    std::vector<std::string> opens;
    std::vector<std::string> boxes;
  } cases[] = {
      {"manual missing everywhere", false, OwnManual::None, true, true, {},
       {Quoted("C:\\Lumivel\\Lumivel_Manuel.pdf introuvable")}},
      {"the program's manual beside it", false, OwnManual::BesideTheProgram, true, true, {reader}, {}},
      {"the program's manual installed", false, OwnManual::InTheDocumentationFolder, true, true, {reader}, {}},
      {"reader and browser missing", true, OwnManual::None, false, false, {reader, browser},
       {Quoted("Firefox et Acrobat introuvables")}},
      {"reader missing, browser found", true, OwnManual::None, false, true, {reader, browser}, {}},
      {"reader found", true, OwnManual::None, true, true, {reader}, {}},
  };
  const std::string ownBytes = "%PDF-1.4 the program's own manual";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    TempDir bin, out, installed;
    UseSearchPath(s, bin.Path());
    WriteShow(s);
    if (c.manual) s.WriteFile("C:\\Lumivel\\Lumivel_Manuel.pdf", "%PDF-1.4");
    if (!c.manual) {
      // Installed under a prefix of its own, so that the build's manual beside the build's program
      // does not count.
      s.program = (installed.Path() / "bin/lumivel-headless").string();
      InstallHeadlessProgram(s.program);
      if (c.own == OwnManual::BesideTheProgram) installed.Write("bin/Lumivel_Manuel.pdf", ownBytes);
      if (c.own == OwnManual::InTheDocumentationFolder) {
        installed.Write("share/doc/lumivel/Lumivel_Manuel.pdf", ownBytes);
      }
    }
    if (c.readerInstalled) {
      WriteRecorder(s.Host("C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe"), out.Path() / "reader");
    }
    if (c.browserInstalled) WriteRecorder(bin.Path() / "firefox", out.Path() / "browser");
    auto r = s.Run(kOpenPanel + std::string("3000 click Button_aide\n4000 keyup 27\n"));
    EXPECT_EQ(r.Events("open"), c.opens);
    EXPECT_EQ(r.Events("box"), c.boxes);
    if (c.own != OwnManual::None) {
      EXPECT_EQ(s.ReadFile("C:\\Lumivel\\Lumivel_Manuel.pdf"), ownBytes) << "put into the data folder";
    }
    if (c.opens.size() == 1) {
      auto received = AwaitRecord(out.Path() / "reader");
      ASSERT_TRUE(received);
      EXPECT_EQ(*received, (std::vector<std::string>{s.Host("C:\\Lumivel").string(), "Lumivel_Manuel.pdf"}));
    } else if (c.opens.size() == 2 && c.boxes.empty()) {
      auto received = AwaitRecord(out.Path() / "browser");
      ASSERT_TRUE(received);
      ASSERT_EQ(received->size(), 2u);
      EXPECT_EQ((*received)[1], "file://" + s.Host("C:\\Lumivel\\Lumivel_Manuel.pdf").string());
    }
  }
}

TEST(FileManager, OpensTheRenamingFolderAsOneArgument) {
  Scenario s;
  TempDir bin, out;
  UseSearchPath(s, bin.Path());
  WriteRecorder(bin.Path() / "xdg-open", out.Path() / "opened");
  WriteShow(s);
  fs::create_directories(s.Host("C:\\Photos\\à trier \"vite\""));
  auto r = s.Run(kOpenPanel + std::string("3000 edit Edit2 ") + Arg("C:\\Photos\\à trier \"vite\"") + "\n3100 click SpeedButton5\n",
                 "/s", 4000);
  EXPECT_EQ(r.Events("open"),
            std::vector<std::string>{Quoted("explorer.exe") + " " + Quoted("C:\\Photos\\à trier \"vite\"") +
                                     " " + Quoted("")});
  auto received = AwaitRecord(out.Path() / "opened");
  ASSERT_TRUE(received);
  EXPECT_EQ(received->back(), s.Host("C:\\Photos\\à trier \"vite\"").string());
}

TEST(ListViews, BoxesShowAndPlaceTheListsAndTheLastClickDecides) {
  struct Case {
    const char* what;
    std::string script;
    bool historyShown, directoriesShown;
    bool underHistory;  // else just above the control panel, flush with its right edge
  } cases[] = {
      {"history list", "3100 check CheckBox_voir_liste_300 1\n", true, false, false},
      {"history list ticked then unticked",
       "3100 check CheckBox_voir_liste_300 1\n3200 check CheckBox_voir_liste_300 0\n", false, false, false},
      {"indexed directories from the advanced panel", "3100 check CheckBox_voir_idx 1\n", false, true, true},
      {"filtered list with the advanced panel closed", "3100 check CheckBox1 1\n", false, true, false},
      {"filtered list with the advanced panel open",
       "3050 click Button_param_avancer\n3100 check CheckBox1 1\n", false, true, true},
      {"unticking the filtered list hides the directories the other box showed",
       "3100 check CheckBox_voir_idx 1\n3150 check CheckBox1 1\n3200 check CheckBox1 0\n", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteShow(s);
    auto r = s.Run("3000 keyup 32\n" + c.script, "/s", 4000);
    const auto& history = r.Control("ListBox_passee");
    const auto& directories = r.Control("ListBox_rep");
    const auto& panel = r.Control("Panel1");
    EXPECT_EQ(history["visible"].boolean, c.historyShown);
    EXPECT_EQ(directories["visible"].boolean, c.directoriesShown);
    if (!c.directoriesShown) continue;
    if (c.underHistory) {
      EXPECT_EQ(directories["left"].Int(), 8);
      EXPECT_EQ(directories["top"].Int(), history["top"].Int() + history["height"].Int() + 8);
    } else {
      EXPECT_EQ(directories["left"].Int() + directories["width"].Int(),
                panel["left"].Int() + panel["width"].Int());
      EXPECT_EQ(directories["top"].Int() + directories["height"].Int() + 8, panel["top"].Int());
    }
  }
}

}  // namespace
}  // namespace lumivel::testing
