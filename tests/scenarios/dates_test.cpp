// The year and month in the top right corner, the filter summary under it, and the date-filter
// controls of the options panel, as a person meets them.
#include <utime.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "index/image_index.h"
#include "support/picture_factory.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

constexpr const char* kParams = "C:\\lumivel\\lumivel_var.prm";
constexpr const char* kRecords = "C:\\Lumivel\\toutes_img._nf";
constexpr const char* kDirs = "C:\\Lumivel\\toutes_img_ListBox_rep.dat";
constexpr const char* kMarker = "C:\\Lumivel\\effacez_moi_pour_reinitialiser.___";
constexpr int kScreenWidth = 1920;
constexpr int kRed = 0x0000FF;
constexpr int kWhite = 0xFFFFFF;

using Settings = std::vector<std::pair<std::string, std::string>>;

// A parameter file whose values are those the controls hold before the load, so that loading it
// runs no handler and leaves the settings unchanged; `changes` replace or add keys.
std::string ParamFile(const Settings& changes) {
  Settings params = {{"dt0_a", "5000"},
                     {"vmax", "100"},
                     {"indice_non_aleatoire", "0"},
                     {"rayon_rnd", "5"},
                     {"nb_fouille", "5"},
                     {"Rdg1.ItemIndex", "0"},
                     {"RadioGroup_titre_ecran.ItemIndex", "1"},
                     {"CheckBox_rnd.Checked", "true"},
                     {"RadioGroup_filtre_date.ItemIndex", "0"},
                     {"annee_de", "2014"},
                     {"annee_a", ""},
                     {"mois_de", "10"},
                     {"mois_a", ""},
                     {"CheckBox_contient.Checked", "false"},
                     {"CheckBox_ne_contient_pas.Checked", "false"},
                     {"filtre_contient", "divers avignon"},
                     {"filtre_ne_contient_pas", "divers avignon"},
                     {"CheckBox_af_an.Checked", "false"}};
  for (const auto& change : changes) {
    auto same = std::find_if(params.begin(), params.end(),
                             [&](const auto& p) { return p.first == change.first; });
    if (same == params.end()) {
      params.push_back(change);
    } else {
      same->second = change.second;
    }
  }
  std::string text;
  for (const auto& [key, value] : params) text += key + " = " + value + "\r\n";
  return Cp(text);
}

// Gives the file a last-modification date in the middle of the month, local time, so that no
// time zone can move it into another month.
void SetModified(const std::filesystem::path& file, int year, int month) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = 15;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const std::time_t when = std::mktime(&local);
  const utimbuf times{when, when};
  ASSERT_EQ(utime(file.c_str(), &times), 0) << file;
}

struct Photo {
  std::string directory;  // under C:\Photos, UTF-8
  std::string file;
  int year = 2014;  // the file's last modification
  int month = 10;
  bool onDisk = true;
};

std::string PhotoPath(const Photo& photo) { return "C:\\Photos\\" + photo.directory + "\\" + photo.file; }

// The photos on drive C and a saved index listing them in order, with its marker, so the
// sequential show reaches photo k when the stored position is k - 1.
void WriteAlbum(const Scenario& s, const std::vector<Photo>& photos) {
  ImageIndex index;
  std::string directories;
  for (std::size_t i = 0; i < photos.size(); ++i) {
    const Photo& photo = photos[i];
    if (photo.onDisk) {
      s.WriteFile(PhotoPath(photo), QuadrantJpeg(64, 48));
      SetModified(s.Host(PhotoPath(photo)), photo.year, photo.month);
    }
    index.Append(static_cast<int32_t>(i), Cp(photo.file));
    directories += "C:\\Photos\\" + photo.directory + "\r\n";
  }
  s.WriteFile(kRecords, index.Serialize());
  s.WriteFile(kDirs, Cp(directories));
  s.WriteFile(kMarker, "");
}

// Shows photo `position` of the album in sequential order with the year display on, then quits.
ScenarioResult ShowPhoto(const std::vector<Photo>& album, std::size_t position, Settings settings = {}) {
  Scenario s;
  WriteAlbum(s, album);
  const std::size_t stored = (position == 0 ? album.size() : position) - 1;
  settings.insert(settings.begin(), {{"CheckBox_af_an.Checked", "true"},
                                     {"CheckBox_rnd.Checked", "false"},
                                     {"indice_non_aleatoire", std::to_string(stored)}});
  s.WriteFile(kParams, ParamFile(settings));
  return s.Run("300 keyup 27\n");
}

int RightEdge(const Json& control) { return control["left"].Int() + control["width"].Int(); }

TEST(YearMonthDisplay, CornerShowsTheDateOfTheDirectoryName) {
  struct Case {
    const char* what;
    Photo photo;
    const char* shown;
  };
  const Case cases[] = {
      {"six digits", {"050828 avg", "a.jpg"}, "2005-08"},
      {"two-digit groups", {"05-08-28 avg", "a.jpg"}, "2005-08"},
      {"year, month and day", {"2005-08-28 avg", "a.jpg"}, "2005-08"},
      {"underscores", {"2005_08_28 avg", "a.jpg"}, "2005-08"},
      {"eight digits", {"20050828 avg", "a.jpg"}, "2005-08"},
      {"first pair taken as the year", {"12-05-07 fête", "a.jpg"}, "2012-05"},
      {"1900s year gives way to the file's month", {"981224 Noël", "a.jpg", 2016, 3}, "2016-03"},
      {"1900s year gives way to a stamp in the path", {"981224 Noël", "20051224123456.jpg", 2016, 3},
       "2005-12"},
      {"no date: the file's month", {"vacances", "a.jpg", 2017, 6}, "2017-06"},
      {"year alone keeps its hyphen", {"2005 Noël", "a.jpg", 2017, 6}, "2005-"},
  };
  std::vector<Photo> album;
  for (const auto& c : cases) album.push_back(c.photo);
  for (std::size_t i = 0; i < album.size(); ++i) {
    const Case& c = cases[i];
    auto r = ShowPhoto(album, i);
    EXPECT_EQ(r.exitCode, 1) << c.what;
    EXPECT_EQ(r.State("CurrentImagePath").string, PhotoPath(c.photo)) << c.what;
    const Json& corner = r.Control("Label_an");
    EXPECT_EQ(corner["text"].string, c.shown) << c.what;
    EXPECT_TRUE(corner["visible"].boolean) << c.what;
    EXPECT_EQ(RightEdge(corner), kScreenWidth) << c.what;
    EXPECT_FALSE(r.Control("Label_mois")["visible"].boolean) << c.what;
  }
}

TEST(YearMonthDisplay, TheFileItselfAnswersWhenTheTitleIsEmptyOrTheNameHasNoDate) {
  // With the title "rien" the name is not read at all; a vanished file has no date.
  auto untitled =
      ShowPhoto({{"050828 avg", "a.jpg", 2013, 2}}, 0, {{"RadioGroup_titre_ecran.ItemIndex", "0"}});
  EXPECT_EQ(untitled.Control("Label_an")["text"].string, "2013-02");

  auto vanished = ShowPhoto({{"vacances", "gone.jpg", 2013, 2, false}}, 0);
  EXPECT_EQ(vanished.State("CurrentImagePath").string, "C:\\Photos\\vacances\\gone.jpg");
  EXPECT_EQ(vanished.Control("Label_an")["text"].string, "?");
}

TEST(YearMonthDisplay, SummaryOfTheFiltersUnderTheCorner) {
  struct Case {
    const char* what;
    Settings settings;
    const char* summary;  // nullptr: the summary is hidden
  };
  const Case cases[] = {
      {"no filter", {}, nullptr},
      {"date filter only", {{"RadioGroup_filtre_date.ItemIndex", "2"}}, "dates filtrées"},
      {"words that must appear, one group a line",
       {{"CheckBox_contient.Checked", "true"}, {"filtre_contient", "divers,avignon"}},
       "\noui => divers\navignon"},
      {"words that must not appear",
       {{"CheckBox_ne_contient_pas.Checked", "true"}, {"filtre_ne_contient_pas", "mer,plage"}},
       "\nnon => mer\nplage"},
      {"both word filters",
       {{"CheckBox_contient.Checked", "true"},
        {"filtre_contient", "divers,avignon"},
        {"CheckBox_ne_contient_pas.Checked", "true"},
        {"filtre_ne_contient_pas", "mer"}},
       "\noui => divers\navignon\nnon => mer"},
      {"every filter",
       {{"RadioGroup_filtre_date.ItemIndex", "5"},
        {"CheckBox_contient.Checked", "true"},
        {"filtre_contient", "Rome"},
        {"CheckBox_ne_contient_pas.Checked", "true"},
        {"filtre_ne_contient_pas", "flou,test"}},
       "dates filtrées\noui => Rome\nnon => flou\ntest"},
      {"unticked word filters say nothing", {{"filtre_contient", "Rome"}}, nullptr},
  };
  for (const auto& c : cases) {
    auto r = ShowPhoto({{"050828 avg", "a.jpg"}}, 0, c.settings);
    const Json& summary = r.Control("Label_options");
    if (c.summary) {
      EXPECT_TRUE(summary["visible"].boolean) << c.what;
      EXPECT_EQ(summary["text"].string, c.summary) << c.what;
      EXPECT_EQ(RightEdge(summary), kScreenWidth) << c.what;
    } else {
      EXPECT_FALSE(summary["visible"].boolean) << c.what;
    }
  }
}

TEST(YearMonthDisplay, TheSwitchDuringTheShow) {
  const std::vector<Photo> album = {{"050828 avg", "a.jpg"}};
  {
    // Unticking blanks the corner at once and the next pictures leave it so.
    Scenario s;
    WriteAlbum(s, album);
    s.WriteFile(kParams, ParamFile({{"CheckBox_af_an.Checked", "true"}, {"dt0_a", "200"}}));
    auto r = s.Run("100 check CheckBox_af_an 0\n900 keyup 27\n");
    EXPECT_EQ(r.Control("Label_an")["text"].string, "    ");
    EXPECT_TRUE(r.Control("Label_an")["visible"].boolean);
  }
  {
    // Loaded unticked, the corner is hidden; ticking it fills it from the next picture on, but
    // only the next start shows it again. The summary shows at once.
    Scenario s;
    WriteAlbum(s, album);
    s.WriteFile(kParams, ParamFile({{"dt0_a", "200"}, {"RadioGroup_filtre_date.ItemIndex", "1"}}));
    auto r = s.Run("100 check CheckBox_af_an 1\n900 keyup 27\n");
    EXPECT_EQ(r.Control("Label_an")["text"].string, "2005-08");
    EXPECT_FALSE(r.Control("Label_an")["visible"].boolean);
    EXPECT_TRUE(r.Control("Label_options")["visible"].boolean);
    EXPECT_EQ(r.Control("Label_options")["text"].string, "dates filtrées");
  }
}

struct DateRow {
  bool start;
  bool end;
};

void ExpectDateRows(const ScenarioResult& r, DateRow rows, const std::string& what) {
  for (const char* name : {"Edit_annee_de", "Edit_mois_de", "Label29"}) {
    EXPECT_EQ(r.Control(name)["visible"].boolean, rows.start) << what << ": " << name;
  }
  for (const char* name : {"Edit_annee_a", "Edit_mois_a", "Label30"}) {
    EXPECT_EQ(r.Control(name)["visible"].boolean, rows.end) << what << ": " << name;
  }
}

TEST(DateFilterControls, EachKindOfRangeShowsItsRows) {
  struct Case {
    int before;
    int chosen;
    DateRow rows;
  };
  const Case cases[] = {
      {3, 0, {false, false}}, {5, 1, {true, false}}, {5, 2, {true, false}},
      {0, 3, {true, true}},   {0, 4, {true, true}},  {1, 5, {false, true}},
      {3, -1, {true, true}},  // no item chosen leaves the rows as they were
  };
  for (const auto& c : cases) {
    Scenario s;
    s.WriteFile(kParams, ParamFile({}));
    auto r = s.Run("100 select RadioGroup_filtre_date " + std::to_string(c.before) +
                       "\n200 select RadioGroup_filtre_date " + std::to_string(c.chosen) + "\n",
                   "/s", 400);
    EXPECT_EQ(r.Control("RadioGroup_filtre_date")["itemIndex"].Int(), c.chosen);
    ExpectDateRows(r, c.rows, "item " + std::to_string(c.chosen) + " after " + std::to_string(c.before));
  }
}

TEST(DateFilterControls, RowsMatchTheStoredKindFromTheStart) {
  struct Case {
    const char* stored;
    DateRow rows;
  };
  const Case cases[] = {
      {"0", {false, false}}, {"2", {true, false}}, {"4", {true, true}}, {"5", {false, true}}};
  for (const auto& c : cases) {
    Scenario s;
    s.WriteFile(kParams, ParamFile({{"RadioGroup_filtre_date.ItemIndex", c.stored}}));
    auto r = s.Run("", "/s", 300);
    ExpectDateRows(r, c.rows, std::string("stored item ") + c.stored);
  }
}

TEST(DateFilterControls, TwoDigitYearsGetTheirCenturyOnLeavingTheBox) {
  struct Case {
    const char* box;
    const char* typed;
    bool leave;
    const char* kept;
  };
  const Case cases[] = {
      {"Edit_annee_de", "14", true, "2014"},  {"Edit_annee_de", "5", true, "5"},
      {"Edit_annee_de", "205", true, "205"},  {"Edit_annee_de", "", true, ""},
      {"Edit_annee_de", "ab", true, "20ab"},  {"Edit_annee_de", "14", false, "14"},
      {"Edit_annee_a", "14", true, "2014"},   {"Edit_mois_de", "14", true, "14"},
  };
  for (const auto& c : cases) {
    Scenario s;
    s.WriteFile(kParams, ParamFile({}));
    std::string script = std::string("100 edit ") + c.box + " \"" + c.typed + "\"\n";
    if (c.leave) script += "200 focus Edit_dt0_a\n";
    auto r = s.Run(script, "/s", 400);
    EXPECT_EQ(r.Control(c.box)["text"].string, c.kept) << c.box << " \"" << c.typed << "\"";
  }
}

TEST(DateFilterControls, EscSavesTheChosenKindOnlyWithAnotherChange) {
  const std::string stored = ParamFile({});
  {
    Scenario s;
    s.WriteFile(kParams, stored);
    auto r = s.Run("100 select RadioGroup_filtre_date 3\n200 keyup 27\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(s.ReadFile(kParams), stored);
  }
  {
    Scenario s;
    s.WriteFile(kParams, stored);
    auto r = s.Run("100 edit Edit_annee_a 2020\n150 select RadioGroup_filtre_date 3\n200 keyup 27\n");
    EXPECT_EQ(r.exitCode, 1);
    const std::string saved = s.ReadFile(kParams);
    EXPECT_NE(saved.find("RadioGroup_filtre_date.ItemIndex = 3\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("annee_a = 2020\r\n"), std::string::npos) << saved;
  }
}

TEST(DateFilterControls, TypingWordsAsksForARebuild) {
  struct Case {
    const char* box;
    const char* typed;  // nullptr: nothing typed
  };
  const Case cases[] = {
      {"Edit_contient", "mer"}, {"Edit_ne_contient_pas", "mer"}, {"Edit_contient", nullptr}};
  for (const auto& c : cases) {
    Scenario s;
    s.WriteFile(kParams, ParamFile({}));
    const std::string script = c.typed ? std::string("100 edit ") + c.box + " " + c.typed + "\n" : "";
    auto r = s.Run(script, "/s", 300);
    const Json& reset = r.Control("aPanel_sauve_param_et_BD0_et_quitter");
    const bool typed = c.typed != nullptr;
    EXPECT_EQ(reset["color"].Int() == kRed && reset["fontColor"].Int() == kWhite, typed) << c.box;
    EXPECT_EQ(r.State("SettingsChanged").boolean, typed) << c.box;
  }
}

TEST(DateFilterControls, EnterInAWordBoxValidatesTheFilters) {
  const std::pair<const char*, std::string> boxes[] = {{"Edit_contient", "filtre_contient"},
                                                       {"Edit_ne_contient_pas", "filtre_ne_contient_pas"}};
  for (const auto& [box, key] : boxes) {
    Scenario s;
    s.WriteFile(kParams, ParamFile({}));
    auto r = s.Run(std::string("100 edit ") + box + " mer,plage\n200 keydown 13\n", "/s", 1000);
    EXPECT_EQ(r.exitCode, 1) << box;
    EXPECT_TRUE(r.State("ResetOnQuit").boolean) << box;
    EXPECT_NE(s.ReadFile(kParams).find(key + " = mer,plage\r\n"), std::string::npos) << box;
  }
  Scenario s;
  s.WriteFile(kParams, ParamFile({}));
  auto r = s.Run("100 edit Edit_contient mer\n200 keydown 65\n", "/s", 1000);
  EXPECT_EQ(r.exitCode, 0) << "any other key goes on as usual";
}

}  // namespace
}  // namespace lumivel::testing
