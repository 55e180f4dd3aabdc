// The history as a person meets it: stepping back and forth with the options panel open, the
// replay when it closes, and the ring that keeps an all-night show's history bounded.
#include <gtest/gtest.h>

#include "scenarios/show_scenario.h"

namespace lumivel::testing {
namespace {

const std::string kRome = "C:\\Photos\\2014.10 Rome";
const std::string kA = kRome + "\\a.jpg";
const std::string kB = kRome + "\\b.jpg";
const std::string kC = kRome + "\\c.jpg";
const std::string kD = kRome + "\\d.jpg";

// Saved history a, b, c; the index holds d alone, so the first turn makes the history a, b, c, d.
void WriteBrowsable(const Scenario& s, const std::vector<std::string>& settings) {
  const std::vector<IndexedFile> all = {
      {kRome, "a.jpg"}, {kRome, "b.jpg"}, {kRome, "c.jpg"}, {kRome, "d.jpg"}};
  WritePictures(s, all, SmallJpeg());
  WriteIndex(s, {{kRome, "d.jpg"}});
  WriteHistory(s, {kA, kB, kC});
  WriteSettings(s, settings);
}

// Titles from a time on, each once in a row (a browsed picture may be drawn again at later turns).
std::vector<std::string> TitlesFrom(const ScenarioResult& r, int64_t from) {
  std::vector<std::string> out;
  for (const auto& [ms, title] : TimedEvents(r, "title")) {
    if (ms >= from && (out.empty() || out.back() != title)) out.push_back(title);
  }
  return out;
}

TEST(History, ArrowsStepThroughItWithThePanelOpen) {
  struct Case {
    const char* what;
    std::string keys;  // after the panel opened at 500, during the first turn
    int historyPos;
    std::string title;
    bool newerEntries;
  };
  const Case cases[] = {
      {"one back", "600 keyup 37\n", 2, " [2]  " + kC, true},
      {"two back, one forth", "600 keyup 37\n700 keyup 37\n800 keyup 39\n", 2, " [2]  " + kC, true},
      {"through the buttons",
       "600 click Button_retour\n700 click Button_retour\n800 click Button_avance\n", 2,
       " [2]  " + kC, true},
      {"right arrow at the newest entry: the same picture again", "600 keyup 39\n", 3,
       " [3]  " + kD, false},
      {"left arrow at entry 0: the same picture again",
       "600 keyup 37\n650 keyup 37\n700 keyup 37\n750 keyup 37\n", 0, " [0]  " + kA, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteBrowsable(s, {"RadioGroup_titre_ecran.ItemIndex = 2"});
    auto r = s.Run("500 keyup 32\n" + c.keys, "/s", 900);
    EXPECT_EQ(r.State("HistoryPos").Int(), c.historyPos);
    std::string expected = c.title;
    for (char& ch : expected) ch = ch == '.' ? ' ' : ch;
    const auto titles = TitlesFrom(r, 600);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.back(), Quoted(expected));
    EXPECT_EQ(r.Control("Label5")["text"].string, std::to_string(c.historyPos));
    EXPECT_EQ(r.Control("Label21")["text"].string, "1 : " + std::to_string(c.historyPos));
    EXPECT_EQ(r.Control("Button_avance")["bold"].boolean, c.newerEntries);
    EXPECT_EQ(r.Control("CheckBox1")["text"].string,
              "voir la liste filtrée des 1 répertoires (1 images)");
    EXPECT_TRUE(r.Events("tone").empty()) << "no effect, so no tone, while browsing";
    for (const auto& [ms, place] : TimedEvents(r, "place")) {
      if (ms >= 500) {
        EXPECT_EQ(place, "240 0 1440 1080") << "each browsed picture fitted, at once";
      }
    }
  }
}

// Browsing after a slow zoom: a portrait and a landscape each fitted to the screen in its own
// shape, neither squashed into the other's bounds nor cropped in the zoom's frame.
TEST(History, EachBrowsedPictureIsPlacedInItsOwnShape) {
  const std::string portrait = kRome + "\\portrait.jpg";
  Scenario s;
  WritePictures(s, {{kRome, "a.jpg"}}, SmallJpeg(8, 6));
  s.WriteFile(portrait, SmallJpeg(6, 8));
  WriteIndex(s, {{kRome, "a.jpg"}});
  WriteHistory(s, {portrait});
  WriteSettings(s, {"Rdg1.ItemIndex = 4", "dt4_a = 100", "dt4_b = 5000", "zoom_max10 = 30", "inc_dx = 50"});
  auto r = s.Run("1500 keyup 32\n1600 keyup 37\n1700 keyup 39\n", "/s", 1800);
  std::vector<std::string> zoomed, browsed;
  for (const auto& [ms, place] : TimedEvents(r, "place")) {
    std::vector<std::string>& seen = ms < 1500 ? zoomed : browsed;
    if (seen.empty() || seen.back() != place) seen.push_back(place);
  }
  ASSERT_FALSE(zoomed.empty());
  EXPECT_LT(std::stoi(zoomed.back()), -1800) << "zoomed to nearly three screens wide";
  EXPECT_EQ(browsed, (std::vector<std::string>{"240 0 1440 1080", "555 0 810 1080", "240 0 1440 1080"}));
}

TEST(History, BrowseTitleFollowsTheChosenItem) {
  const struct {
    int item;
    std::string title;
  } cases[] = {
      {0, " "},
      {1, " [2 / 1]  C:\\Photos\\2014 10 Rome"},
      {2, " [2]  C:\\Photos\\2014 10 Rome\\c jpg"},
  };
  for (const auto& c : cases) {
    Scenario s;
    WriteBrowsable(s, {"RadioGroup_titre_ecran.ItemIndex = " + std::to_string(c.item)});
    auto r = s.Run("500 keyup 32\n600 keyup 37\n", "/s", 650);
    EXPECT_EQ(TitlesFrom(r, 600), std::vector<std::string>{Quoted(c.title)}) << c.item;
  }
}

TEST(History, ClosingThePanelReplaysTheNewerEntriesThenShowsNewPictures) {
  const std::string script = "500 keyup 32\n600 keyup 37\n700 keyup 37\n800 keyup 32\n";
  // Entries 1 to 3 are replayed, about a second each with the default effect.
  Scenario s;
  WriteBrowsable(s, {});
  auto during = s.Run(script, "/s", 1500);
  EXPECT_TRUE(during.State("ReplayFlag").boolean);
  EXPECT_EQ(during.Control("Panel1")["top"].Int(), 1080) << "moved below the screen";
  EXPECT_FALSE(during.Control("Panel1")["visible"].boolean);

  auto r = s.Run(script, "/s", 4500);
  const std::vector<std::string> expected = {
      Quoted("C:\\Photos\\2014,10 Rome\\b,jpg"), Quoted("C:\\Photos\\2014,10 Rome\\c,jpg"),
      Quoted("C:\\Photos\\2014,10 Rome\\d,jpg"), Quoted("(0/1)  2014 10 Rome")};
  const auto titles = TitlesFrom(r, 800);
  ASSERT_GE(titles.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(titles.begin(), titles.begin() + 4), expected);
  EXPECT_FALSE(r.State("ReplayFlag").boolean);
  EXPECT_EQ(r.Control("Panel1")["top"].Int(), 1029) << "back where it was";
  EXPECT_EQ(r.State("HistoryPos").Int(), 4)
      << "the replay moved nothing; the new picture was appended";
  EXPECT_EQ(r.State("ListBox_passee").Strings(), (std::vector<std::string>{kA, kB, kC, kD, kD}));
  // Each replayed picture had its effect: fitted and placed.
  int placedDuringReplay = 0;
  for (const auto& [ms, place] : TimedEvents(r, "place"))
    placedDuringReplay += ms >= 800 && ms < 3800;
  EXPECT_EQ(placedDuringReplay, 3);
}

// Closing the panel at the newest entry replays nothing and leaves ReplayFlag raised, so the
// next arrow step plays the tone instead of an effect; a replay of at least one picture lowers it.
TEST(History, ResumeWithNothingToReplayKeepsTheFlagRaised) {
  Scenario s;
  WriteBrowsable(s, {});
  auto r = s.Run("500 keyup 32\n600 keyup 32\n1000 keyup 32\n1100 keyup 37\n", "/s", 1300);
  EXPECT_TRUE(r.State("ReplayFlag").boolean);
  EXPECT_EQ(r.Events("tone"), std::vector<std::string>{"640 20 30"});
  EXPECT_EQ(r.State("LastKey").Int(), 0) << "the tone used up the arrow";

  auto lowered = s.Run(
      "500 keyup 32\n600 keyup 32\n1000 keyup 32\n1100 keyup 37\n1200 keyup 32\n"
      "3400 keyup 32\n3500 keyup 37\n",
      "/s", 3700);
  EXPECT_FALSE(lowered.State("ReplayFlag").boolean);
  EXPECT_EQ(lowered.Events("tone").size(), 1u) << "no tone after the replay lowered the flag";
}

// With 32766 entries the next picture is appended as position 32766; the one after overwrites 0.
TEST(History, RingOfAnAllNightShow) {
  Scenario s;
  std::vector<IndexedFile> files;
  for (int i = 0; i < 7; ++i) files.push_back({kRome, "p" + std::to_string(i) + ".jpg"});
  WriteIndex(s, files);
  WritePictures(s, files, SmallJpeg(2, 2));
  WriteSettings(s, {"dt0_a = 0", "CheckBox_rnd.Checked = false", "indice_non_aleatoire = 6"});
  auto r = s.Run("", "/s", 32766 + 20);
  const int turns = static_cast<int>(r.Events("title").size());
  ASSERT_GT(turns, 32768) << "one turn a millisecond without a wait";
  // Turn t shows picture t mod 7; turns past 32767 write over the oldest entries from 0 on.
  const std::vector<std::string> history = r.State("ListBox_passee").Strings();
  ASSERT_EQ(history.size(), 32767u);
  const int overwritten = turns - 32767;
  for (int position : {0, overwritten - 1, overwritten, 32765, 32766}) {
    const int turn = position < overwritten ? 32767 + position : position;
    EXPECT_EQ(history[static_cast<std::size_t>(position)],
              kRome + "\\p" + std::to_string(turn % 7) + ".jpg")
        << position;
  }
  EXPECT_EQ(r.State("HistoryPos").Int(), overwritten - 1);
  EXPECT_EQ(r.State("HistoryWritePos").Int(), overwritten - 1);
}

}  // namespace
}  // namespace lumivel::testing
