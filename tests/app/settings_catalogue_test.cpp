// The stored settings as the parameter file holds them: every key read into its own control and
// variable, and written back unchanged.
#include "app/settings/settings_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/in_process_window.h"
#include "util/text_lines.h"

namespace lumivel::testing {
namespace {

using namespace literals;

const Text kParamFile = "C:\\lumivel\\lumivel_var.prm";

// A value unlike both the design value and the load default for every key, so that a key read
// into the wrong control, or not read at all, shows in the file written back.
const std::vector<Text> kEveryKeyChanged = {
    "rep_album_A.Caption = D:\\Albums\\Été"_cp,
    "rep_album_B.Caption = D:\\Albums\\Hiver",
    "xnview_alternative_Label.Caption = C:\\Outils\\viewer.exe",
    "dt0_a = 1100",
    "dt1_a = 1200",
    "dt2_a = 1300",
    "dt2_b = 1400",
    "dt3_a = 1500",
    "dt3_b = 1600",
    "dt4_a = 1700",
    "dt4_b = 1800",
    "dt5_a = 1900",
    "dt5_b = 2100",
    "_haut = 40",
    "vmax = 77",
    "zoom_max10 = 25",
    "inc_dx = 333",
    "indice_non_aleatoire = 1234",
    "rayon_rnd = 9",
    "nb_fouille = 7",
    "Rdg1.ItemIndex = 4",
    "RadioGroup_titre_ecran.ItemIndex = 2",
    "RadioGroup_sous_rep_recursif.ItemIndex = 0",
    "RadioGroup_exclusion.ItemIndex = 2",
    "CheckBox_rnd.Checked = false",
    "RadioGroup_filtre_date.ItemIndex = 3",
    "annee_de = 2001",
    "annee_a = 2009",
    "mois_de = 03",
    "mois_a = 11",
    "CheckBox_contient.Checked = true",
    "CheckBox_ne_contient_pas.Checked = true",
    "filtre_contient = noël, été"_cp,
    "filtre_ne_contient_pas = brouillon",
    "CheckBox_xnview_rep_et_nom.Checked = true",
    "CheckBox_af_an.Checked = true",
    "CheckBox_fic_exclusion.Checked = true",
    "CheckBox_grand_menu.Checked = true",
};

TEST(SettingsCatalogue, KeysAreUniqueAndInFileOrder) {
  std::set<std::string_view> keys;
  for (std::size_t i = 0; i < kSettingsCatalogue.size(); ++i) {
    EXPECT_TRUE(keys.insert(kSettingsCatalogue[i].key).second) << kSettingsCatalogue[i].key;
    const Text& line = kEveryKeyChanged[i];
    EXPECT_EQ(line.substr(0, line.find(" = ")), kSettingsCatalogue[i].key) << "position " << i;
  }
}

TEST(SettingsCatalogue, EveryKeyLoadsAndSavesBackUnchanged) {
  InProcessWindow w;
  w.Write(kParamFile, JoinCrLf(kEveryKeyChanged));
  w.diapo.Panel1.SetVisible(false);
  w.diapo.LoadSettings();
  w.diapo.SaveSettings();
  EXPECT_EQ(SplitTextLines(w.Read(kParamFile)), kEveryKeyChanged);
}

TEST(SettingsCatalogue, NumbersReachTheirVariablesOnLoadAndOnSave) {
  struct Case {
    const char* key;
    int32_t Tdiapo::*variable;
    Edit Tdiapo::*box;
  };
  const Case cases[] = {
      {"dt0_a", &Tdiapo::dt0_a, &Tdiapo::Edit_dt0_a},
      {"dt1_a", &Tdiapo::dt1_a, &Tdiapo::Edit_dt1_a},
      {"dt2_a", &Tdiapo::dt2_a, &Tdiapo::Edit_dt2_a},
      {"dt2_b", &Tdiapo::dt2_b, &Tdiapo::Edit_dt2_b},
      {"dt3_a", &Tdiapo::dt3_a, &Tdiapo::Edit_dt3_a},
      {"dt3_b", &Tdiapo::dt3_b, &Tdiapo::Edit_dt3_b},
      {"dt4_a", &Tdiapo::dt4_a, &Tdiapo::Edit_dt4_a},
      {"dt4_b", &Tdiapo::dt4_b, &Tdiapo::Edit_dt4_b},
      {"dt5_a", &Tdiapo::dt5_a, &Tdiapo::Edit_dt5_a},
      {"dt5_b", &Tdiapo::dt5_b, &Tdiapo::Edit_dt5_b},
      {"_haut", &Tdiapo::_haut, &Tdiapo::Edit_haut},
      {"vmax", &Tdiapo::MouseSpeedMax, &Tdiapo::Edit_vmax},
      {"zoom_max10", &Tdiapo::zoom_max10, &Tdiapo::Edit_zoom_s_dix},
      {"inc_dx", &Tdiapo::inc_dx, &Tdiapo::Edit_inc_pixel},
      {"indice_non_aleatoire", &Tdiapo::indice_non_aleatoire, &Tdiapo::Edit_indice_non_aleatoire},
      {"rayon_rnd", &Tdiapo::rayon_rnd, &Tdiapo::Edit_rayon_rnd},
      {"nb_fouille", &Tdiapo::nb_fouille, &Tdiapo::Edit_nb_fouille},
  };
  InProcessWindow w;
  std::vector<Text> lines;
  int32_t value = 100;
  for (const auto& c : cases) lines.push_back(Text(c.key) + " = " + std::to_string(++value));
  w.Write(kParamFile, JoinCrLf(lines));
  w.diapo.Panel1.SetVisible(false);
  w.diapo.LoadSettings();
  value = 100;
  for (const auto& c : cases) {
    ++value;
    EXPECT_EQ(w.diapo.*c.variable, value) << c.key;
    EXPECT_EQ((w.diapo.*c.box).GetText(), std::to_string(value)) << c.key;
  }

  // The save reads each box as a number and writes it in plain decimal.
  value = 500;
  for (const auto& c : cases) (w.diapo.*c.box).SetText("  0" + std::to_string(++value));
  w.diapo.SaveSettings();
  value = 500;
  const std::vector<Text> saved = SplitTextLines(w.Read(kParamFile));
  for (const auto& c : cases) {
    ++value;
    EXPECT_EQ(w.diapo.*c.variable, value) << c.key;
    EXPECT_NE(std::find(saved.begin(), saved.end(), Text(c.key) + " = " + std::to_string(value)), saved.end())
        << c.key;
  }
}

TEST(SettingsCatalogue, RadioIndexesAreClampedToTheirGroup) {
  struct Case {
    const char* what;
    const char* stored;
    int expected;
  };
  const Case cases[] = {
      {"in range", "2", 2},
      {"none selected", "-1", -1},
      {"below none", "-7", -1},
      {"past the last item", "3", 2},
      {"far past", "999", 2},
  };
  for (const auto& c : cases) {
    InProcessWindow w;
    w.Write(kParamFile, Text("RadioGroup_titre_ecran.ItemIndex = ") + c.stored + "\r\n");
    w.diapo.Panel1.SetVisible(false);
    w.diapo.LoadSettings();
    EXPECT_EQ(w.diapo.RadioGroup_titre_ecran.ItemIndex(), c.expected) << c.what;
  }
}

TEST(SettingsCatalogue, YearLabelFollowsItsCheckBox) {
  for (bool ticked : {false, true}) {
    InProcessWindow w;
    w.Write(kParamFile, Text("CheckBox_af_an.Checked = ") + (ticked ? "true" : "false") + "\r\n");
    w.diapo.Label_an.SetVisible(!ticked);
    w.diapo.Panel1.SetVisible(false);
    w.diapo.LoadSettings();
    EXPECT_EQ(w.diapo.Label_an.Visible(), ticked);
  }
}

}  // namespace
}  // namespace lumivel::testing
