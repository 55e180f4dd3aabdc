// The show loop as a person meets it: which pictures come, in which order, with which captions,
// what the queue file does, and how the options panel is laid out.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "index/image_index.h"
#include "scenarios/show_scenario.h"

namespace lumivel::testing {
namespace {

const std::string kRome = "C:\\Photos\\2014.10 Rome";

std::vector<IndexedFile> RomeFiles(int count) {
  std::vector<IndexedFile> files;
  for (int i = 0; i < count; ++i)
    files.push_back({kRome, "img." + std::to_string(1000 + i) + ".jpg"});
  return files;
}

void WriteShow(const Scenario& s, const std::vector<IndexedFile>& files,
               const std::vector<std::string>& settings) {
  WriteIndex(s, files);
  WritePictures(s, files, SmallJpeg());
  WriteSettings(s, settings);
  WriteHistory(s, {kRome + "\\img.1000.jpg"});
}

TEST(Show, EmptyIndexOpensThePanelWithoutATurn) {
  Scenario s;
  auto r = s.Run("", "/s", 2000);
  EXPECT_TRUE(r.Control("Panel1")["visible"].boolean);
  EXPECT_TRUE(r.Events("title").empty());
  EXPECT_TRUE(r.Events("picture").empty());
  EXPECT_TRUE(r.State("ListBox_passee").Strings().empty());
}

TEST(Show, NewPictureTurnSetsEveryCaption) {
  Scenario s;
  WriteShow(s, RomeFiles(1), {"dt0_a = 5000"});
  auto r = s.Run("", "/s", 1000);
  ASSERT_EQ(r.Events("title").size(), 1u);
  EXPECT_EQ(r.Events("title")[0], Quoted("(0/1)  2014 10 Rome"));
  EXPECT_EQ(r.Events("picture")[0], Quoted(kRome + "\\img.1000.jpg") + " 8x6");
  EXPECT_EQ(r.Control("Label1")["text"].string, "(0/1)  2014 10 Rome");
  EXPECT_EQ(r.Control("Label5")["text"].string, "1") << "after the saved entry";
  EXPECT_EQ(r.Control("Label13")["text"].string, "1 images");
  EXPECT_EQ(r.State("ListBox_passee").Strings(),
            (std::vector<std::string>{kRome + "\\img.1000.jpg", kRome + "\\img.1000.jpg"}));
  EXPECT_EQ(r.State("HistoryPos").Int(), 1);
  EXPECT_EQ(r.State("HistoryWritePos").Int(), 1);
  EXPECT_FALSE(r.Control("Label6")["visible"].boolean);
  // The directory and the name are set once the turn has run to its end.
  EXPECT_EQ(r.Control("Label_repertoire")["text"].string, "");
  auto done = s.Run("", "/s", 5200);
  EXPECT_EQ(done.Control("Label_repertoire")["text"].string, kRome);
  EXPECT_EQ(done.Control("Label_nom_img")["text"].string, "img.1000.jpg");
  EXPECT_EQ(done.State("LastShownPath").string, kRome + "\\img.1000.jpg");
}

TEST(Show, TitleOfANewPictureFollowsTheChosenItem) {
  const struct {
    int item;
    std::string title;
  } cases[] = {
      {0, ""},
      {1, "(0/1)  2014 10 Rome"},
      {2, "(0/1)  2014 10 Rome \\\\ img 1000 jpg"},
  };
  for (const auto& c : cases) {
    Scenario s;
    WriteShow(s, RomeFiles(1),
              {"dt0_a = 5000", "RadioGroup_titre_ecran.ItemIndex = " + std::to_string(c.item)});
    auto r = s.Run("", "/s", 500);
    EXPECT_EQ(Titles(r), std::vector<std::string>{c.title}) << c.item;
  }
}

TEST(Show, SequentialOrderWrapsAndRemembersItsPlace) {
  Scenario s;
  WriteShow(s, RomeFiles(3),
            {"CheckBox_rnd.Checked = false", "indice_non_aleatoire = 1", "dt0_a = 100"});
  auto r = s.Run("450 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  const std::vector<int> positions = TitlePositions(r);
  ASSERT_GE(positions.size(), 4u);
  for (std::size_t i = 0; i < positions.size(); ++i) EXPECT_EQ(positions[i], int((2 + i) % 3)) << i;
  const std::string last = std::to_string(positions.back());
  EXPECT_EQ(r.Control("Edit_indice_non_aleatoire")["text"].string, last);
  EXPECT_NE(
      s.ReadFile("C:\\lumivel\\lumivel_var.prm").find("indice_non_aleatoire = " + last + "\r\n"),
      std::string::npos)
      << "the position moved, so quitting saves it";
}

// Random order comes in groups: a centre, then nb_fouille - 1 pictures lying 1 to rayon_rnd
// places after it, no offset twice. A navigation key starts a new group.
TEST(Show, RandomOrderShowsNeighbourhoods) {
  Scenario s;
  WriteShow(s, RomeFiles(400), {"dt0_a = 100", "rayon_rnd = 5", "nb_fouille = 3"});
  auto r = s.Run("1250 keyup 39\n", "/s", 3800);
  const auto titles = TimedEvents(r, "title");
  // Split the picks at the restart.
  std::vector<std::vector<int>> runs(1);
  for (const auto& [ms, title] : titles) {
    if (ms > 1250 && runs.size() == 1) runs.emplace_back();
    runs.back().push_back(std::stoi(title.substr(2)));
  }
  ASSERT_EQ(runs.size(), 2u);
  std::set<int> centres;
  for (const auto& picks : runs) {
    ASSERT_GE(picks.size(), 6u);
    for (std::size_t g = 0; g + 2 < picks.size(); g += 3) {
      const int c = picks[g];
      centres.insert(c);
      SCOPED_TRACE(::testing::Message()
                   << "group at " << g << ": " << c << " " << picks[g + 1] << " " << picks[g + 2]);
      // Near the end of the index the offsets are held to the last picture.
      for (int k : {picks[g + 1], picks[g + 2]}) {
        EXPECT_TRUE((k > c && k <= std::min(c + 5, 399)) || (c == 399 && k == 399)) << k;
      }
      if (c + 5 <= 399) {
        EXPECT_NE(picks[g + 1], picks[g + 2]);
      }
    }
  }
  EXPECT_GE(centres.size(), 3u) << "centres are drawn anew";
}

TEST(Show, QueueFileSuppliesTheNextPictures) {
  const std::string kQueue = "C:\\lumivel\\image_rep_crt.txt";
  struct Case {
    const char* what;
    std::string queue;
    std::vector<std::string> shown;  // file paths of the first turns
    std::string left;                // the queue file afterwards; "-" for none
  };
  const Case cases[] = {
      {"one line: deleted by the next turn, which shows the index picture",
       "C:\\Queue\r\n",
       {kRome + "\\img.1000.jpg"},
       "-"},
      {"two lines: one picture, then a one-line file",
       "C:\\Queue\r\nq1.jpg\r\n",
       {"C:\\Queue\\q1.jpg"},
       "C:\\Queue\r\n"},
      {"three lines, over three turns: both names, then the index",
       "C:\\Queue\r\nq1.jpg\r\nq2.jpg\r\n",
       {"C:\\Queue\\q1.jpg", "C:\\Queue\\q2.jpg", kRome + "\\img.1000.jpg"},
       "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteShow(s, RomeFiles(1), {"dt0_a = 1000"});
    s.WriteFile("C:\\Queue\\q1.jpg", SmallJpeg(4, 4));
    s.WriteFile("C:\\Queue\\q2.jpg", SmallJpeg(4, 4));
    s.WriteFile(kQueue, c.queue);
    // Quit inside the wait of the last turn looked at.
    auto r = s.Run(std::to_string(1011 * c.shown.size() - 500) + " keyup 27\n");
    std::vector<std::string> history = r.State("ListBox_passee").Strings();
    history.erase(history.begin());
    EXPECT_EQ(history, c.shown);
    if (c.left == "-") {
      EXPECT_FALSE(s.Exists(kQueue));
    } else {
      EXPECT_EQ(s.ReadFile(kQueue), c.left);
    }
    // The title still shows the index position drawn for the turn.
    for (const auto& t : Titles(r)) EXPECT_EQ(t.substr(0, 7), "(0/1)  ");
  }
}

TEST(Show, MissingPictureFileResetsTheIndexAndQuits) {
  Scenario s;
  const std::vector<IndexedFile> files = {{kRome, "gone.jpg"}};
  WriteIndex(s, files);
  WriteHistory(s, {kRome + "\\gone.jpg"});
  auto r = s.Run("", "/s", 5000);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.Events("picture").empty());
  EXPECT_FALSE(s.Exists("C:\\Lumivel\\effacez_moi_pour_reinitialiser.___"))
      << "the next start rebuilds";
}

// A record naming a directory the list does not hold: the error is shown and the show ends.
TEST(Show, RecordBeyondTheDirectoryListEndsTheShow) {
  Scenario s;
  ImageIndex index;
  index.Append(3, "a.jpg");
  s.WriteFile("C:\\Lumivel\\toutes_img._nf", index.Serialize());
  s.WriteFile("C:\\Lumivel\\toutes_img_ListBox_rep.dat", Cp(kRome) + "\r\n");
  s.WriteFile("C:\\Lumivel\\effacez_moi_pour_reinitialiser.___", "");
  WriteHistory(s, {kRome + "\\img.1000.jpg"});
  auto r = s.Run("", "/s", 3000);
  EXPECT_EQ(r.exitCode, 0);
  // One box: the show did not go on to fail again.
  EXPECT_EQ(r.Events("box"),
            std::vector<std::string>{Quoted("L'indice de liste dépasse les limites (3)")});
  EXPECT_TRUE(r.Events("title").empty());
}

TEST(Show, PanelLayouts) {
  struct Case {
    const char* what;
    std::string settings;
    std::string script;
    std::string caption;
    int left, top, width, height;
    int continuerLeft, quitLeft, closeLeft;
  };
  const Case cases[] = {
      {"compact, as the space bar opens it", "CheckBox_grand_menu.Checked = false",
       "100 keyup 32\n", "options", 459, 1029, 1001, 39, 123, 744, 849},
      {"full, after the options button", "CheckBox_grand_menu.Checked = false",
       "100 keyup 32\n200 click Button_avec_sans_option\n", "moins d'options", 110, 743, 1700, 325,
       475, 123, 1667},
      {"compact again after a second press", "CheckBox_grand_menu.Checked = false",
       "100 keyup 32\n200 click Button_avec_sans_option\n300 click Button_avec_sans_option\n",
       "options", 459, 1029, 1001, 39, 123, 744, 849},
      {"grand menu: full whatever is pressed", "CheckBox_grand_menu.Checked = true",
       "100 keyup 32\n200 click Button_avec_sans_option\n300 click Button_avec_sans_option\n",
       "moins d'options", 110, 743, 1700, 325, 475, 123, 1667},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteShow(s, RomeFiles(1), {c.settings});
    auto r = s.Run(c.script, "/s", 500);
    const Json& panel = r.Control("Panel1");
    EXPECT_TRUE(panel["visible"].boolean);
    EXPECT_EQ(r.Control("Button_avec_sans_option")["text"].string, c.caption);
    EXPECT_EQ(panel["left"].Int(), c.left);
    EXPECT_EQ(panel["top"].Int(), c.top);
    EXPECT_EQ(panel["width"].Int(), c.width);
    EXPECT_EQ(panel["height"].Int(), c.height);
    EXPECT_EQ(r.Control("Panel_continuer")["left"].Int(), c.continuerLeft);
    EXPECT_EQ(r.Control("Button_quit")["left"].Int(), c.quitLeft);
    EXPECT_EQ(r.Control("Button_close_param")["left"].Int(), c.closeLeft);
    if (c.width == 1700) {
      // The side panels sit above the right end: zoom panel flush right, the other beside it.
      EXPECT_EQ(r.Control("Panel3")["left"].Int(), 110 + 1700 - 450);
      EXPECT_EQ(r.Control("Panel3")["top"].Int(), 743 - 200 - 2);
      EXPECT_EQ(r.Control("Panel2")["left"].Int(), 1360 - 348 - 2);
      EXPECT_EQ(r.Control("Panel2")["top"].Int(), 541);
    }
  }
}

// Arrow keys pressed for an hour restart the show thousands of times; the program keeps going
// and ends when the time is up.
TEST(Show, AnHourOfArrowKeys) {
  Scenario s;
  WriteShow(s, RomeFiles(50), {"dt0_a = 2000"});
  std::string script;
  const int kPresses = 7200;
  for (int i = 1; i <= kPresses; ++i)
    script += std::to_string(i * 500) + " keyup " + (i % 2 ? "39" : "37") + "\n";
  auto r = s.Run(script, "/s", 3'600'000 + 1000);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.Events("box").empty());
  const auto titles = TimedEvents(r, "title");
  // Each key starts a new run whose first turn shows a new picture at once.
  EXPECT_GE(titles.size(), std::size_t(kPresses));
  ASSERT_FALSE(titles.empty());
  EXPECT_GE(titles.back().first, 3'600'000);
}

}  // namespace
}  // namespace lumivel::testing
