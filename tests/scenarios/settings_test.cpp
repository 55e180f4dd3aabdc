// The settings as a person meets them: a first start, the files written by the save buttons and on
// the way out, and what the load makes of damaged or missing files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scenarios/settings_fixtures.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

// Every key at its load default, in file order.
const char* const kDefaultParams =
    "rep_album_A.Caption = C:\\Lumivel\\A\r\n"
    "rep_album_B.Caption = C:\\Lumivel\\B\r\n"
    "xnview_alternative_Label.Caption = C:\\Program Files (x86)\\XnView\\XnView.exe\r\n"
    "dt0_a = 1000\r\n"
    "dt1_a = 2000\r\n"
    "dt2_a = 4000\r\n"
    "dt2_b = 4000\r\n"
    "dt3_a = 2000\r\n"
    "dt3_b = 2000\r\n"
    "dt4_a = 2000\r\n"
    "dt4_b = 2000\r\n"
    "dt5_a = 2000\r\n"
    "dt5_b = 2000\r\n"
    "_haut = 100\r\n"
    "vmax = 100\r\n"
    "zoom_max10 = 32\r\n"
    "inc_dx = 500\r\n"
    "indice_non_aleatoire = 4\r\n"
    "rayon_rnd = 5\r\n"
    "nb_fouille = 3\r\n"
    "Rdg1.ItemIndex = 0\r\n"
    "RadioGroup_titre_ecran.ItemIndex = 1\r\n"
    "RadioGroup_sous_rep_recursif.ItemIndex = 1\r\n"
    "RadioGroup_exclusion.ItemIndex = 0\r\n"
    "CheckBox_rnd.Checked = true\r\n"
    "RadioGroup_filtre_date.ItemIndex = 0\r\n"
    "annee_de = \r\n"
    "annee_a = \r\n"
    "mois_de = \r\n"
    "mois_a = \r\n"
    "CheckBox_contient.Checked = false\r\n"
    "CheckBox_ne_contient_pas.Checked = false\r\n"
    "filtre_contient = \r\n"
    "filtre_ne_contient_pas = \r\n"
    "CheckBox_xnview_rep_et_nom.Checked = false\r\n"
    "CheckBox_af_an.Checked = false\r\n"
    "CheckBox_fic_exclusion.Checked = false\r\n"
    "CheckBox_grand_menu.Checked = false\r\n";

// The values the window holds before any load, for the keys whose change marks the settings as
// changed: a load of these changes nothing.
const char* const kDesignParams =
    "indice_non_aleatoire = 0\r\n"
    "nb_fouille = 5\r\n"
    "annee_de = 2014\r\n"
    "mois_de = 10\r\n"
    "filtre_contient = divers avignon\r\n"
    "filtre_ne_contient_pas = divers avignon\r\n";

const char* const kFirstStartNotice =
    "Il faut choisir un répertoire contenant des images ET quitter l'application pour la relancer\n\n"
    "  en appuyant sur le  bouton ROUGE  [Enregistrer et quitter pour réinitialiser]";

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

TEST(Settings, FirstStartOnAnEmptyDrive) {
  Scenario s;
  auto r = s.Run("", "/s", 500);
  EXPECT_EQ(r.exitCode, 0);

  const std::pair<const char*, const char*> texts[] = {
      {"rep_album_A", "C:\\Lumivel\\A"},
      {"rep_album_B", "C:\\Lumivel\\B"},
      {"xnview_alternative_Label", "C:\\Program Files (x86)\\XnView\\XnView.exe"},
      {"Edit_dt0_a", "1000"}, {"Edit_dt1_a", "2000"}, {"Edit_dt2_a", "4000"}, {"Edit_dt2_b", "4000"},
      {"Edit_dt3_a", "2000"}, {"Edit_dt3_b", "2000"}, {"Edit_dt4_a", "2000"}, {"Edit_dt4_b", "2000"},
      {"Edit_dt5_a", "2000"}, {"Edit_dt5_b", "2000"}, {"Edit_haut", "100"}, {"Edit_vmax", "100"},
      {"Edit_zoom_s_dix", "32"}, {"Edit_inc_pixel", "500"}, {"Edit_indice_non_aleatoire", "4"},
      {"Edit_rayon_rnd", "5"}, {"Edit_nb_fouille", "3"},
      {"Edit_annee_de", ""}, {"Edit_annee_a", ""}, {"Edit_mois_de", ""}, {"Edit_mois_a", ""},
      {"Edit_contient", ""}, {"Edit_ne_contient_pas", ""},
  };
  for (const auto& [name, text] : texts) EXPECT_EQ(r.Control(name)["text"].string, text) << name;
  const std::pair<const char*, int> indexes[] = {
      {"Rdg1", 0}, {"RadioGroup_titre_ecran", 1}, {"RadioGroup_sous_rep_recursif", 1},
      {"RadioGroup_exclusion", 0}, {"RadioGroup_filtre_date", 0},
  };
  for (const auto& [name, index] : indexes) EXPECT_EQ(r.Control(name)["itemIndex"].Int(), index) << name;
  const std::pair<const char*, bool> checks[] = {
      {"CheckBox_rnd", true}, {"CheckBox_contient", false}, {"CheckBox_ne_contient_pas", false},
      {"CheckBox_xnview_rep_et_nom", false}, {"CheckBox_af_an", false}, {"CheckBox_fic_exclusion", false},
      {"CheckBox_grand_menu", false},
  };
  for (const auto& [name, checked] : checks) EXPECT_EQ(r.Control(name)["checked"].boolean, checked) << name;
  EXPECT_TRUE(r.Control("CheckListBox_rep")["lines"].Strings().empty());
  EXPECT_FALSE(r.Control("Label_an")["visible"].boolean);

  const auto& panel = r.Control("Panel1");
  EXPECT_TRUE(panel["visible"].boolean);
  EXPECT_EQ(panel["top"].Int(), 1080 - panel["height"].Int() - 12);
  EXPECT_EQ(r.Control("Button_avec_sans_option")["text"].string, "moins d'options") << "the full layout";
  const auto& notice = r.Control("Label6");
  EXPECT_TRUE(notice["visible"].boolean);
  EXPECT_EQ(notice["text"].string, kFirstStartNotice);
  EXPECT_EQ(notice["left"].Int(), panel["left"].Int() + 50);
  EXPECT_EQ(notice["top"].Int(), panel["top"].Int() - 150);
  const auto& reset = r.Control("aPanel_sauve_param_et_BD0_et_quitter");
  EXPECT_EQ(reset["fontColor"].Int(), 255) << "the opening of the panel gives it back its normal look";
  EXPECT_TRUE(r.State("SettingsChanged").boolean) << "defaults unlike the design values";
  EXPECT_FALSE(s.Exists("C:\\lumivel\\lumivel_var.prm")) << "nothing is saved before quitting";
}

TEST(Settings, FirstStartThenEscSavesEveryDefault) {
  Scenario s;
  auto r = s.Run("100 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(s.ReadFile("C:\\lumivel\\lumivel_var.prm"), kDefaultParams);
  EXPECT_EQ(s.ReadFile("C:\\lumivel\\lumivel.rep"), "");
  EXPECT_EQ(s.ReadFile("C:\\lumivel\\lumivel.repflag"), "");
  EXPECT_EQ(s.ReadFile("C:\\lumivel\\img_affichees.lst"), "");
  EXPECT_EQ(r.Control("Label1")["text"].string, " Sauvegarde des paramètres");
}

TEST(Settings, ALongHistoryKeepsItsLast300) {
  Scenario s;
  std::vector<std::string> history;
  for (int i = 0; i < 1000; ++i) history.push_back("C:\\Photos\\" + std::to_string(i) + ".jpg");
  s.WriteFile(kHistoryFile, Lines(history));
  s.WriteFile(kMarkerFile, "");  // a start without it drops the history
  auto r = s.Run("300 click Button2\n", "/s", 500);
  const std::vector<std::string> last300(history.end() - 300, history.end());
  EXPECT_EQ(r.State("ListBox_passee").Strings(), last300);
  EXPECT_EQ(r.State("HistoryPos").Int(), 299);
  EXPECT_EQ(s.ReadFile(kHistoryFile), Lines(last300));
  EXPECT_EQ(r.Control("Label6")["text"].string, "patientez ...   ou   Esc") << "not a first start";
}

TEST(Settings, FlagFileTicksTheRootDirectories) {
  struct Case {
    const char* what;
    const char* flags;  // nullptr: no flag file
    std::vector<bool> ticks;
  };
  const Case cases[] = {
      {"no flag file: every root ticked", nullptr, {true, true, true}},
      {"shorter than the list: the rest unticked", "true\r\n", {true, false, false}},
      {"only \"true\" exactly ticks", "True\r\ntrue \r\n1\r\n", {false, false, false}},
      {"longer than the list: the extra lines ignored", "false\r\ntrue\r\nfalse\r\ntrue\r\ntrue\r\n",
       {false, true, false}},
  };
  for (const auto& c : cases) {
    Scenario s;
    for (const char* dir : {"A", "B", "C"}) std::filesystem::create_directories(s.DriveC() / dir);
    s.WriteFile(kRootsFile, "C:\\A\r\nC:\\B\r\nC:\\C\r\n");
    if (c.flags) s.WriteFile(kFlagsFile, c.flags);
    auto r = s.Run("300 click Button2\n", "/s", 500);
    const auto& checks = r.Control("CheckListBox_rep")["checks"];
    ASSERT_EQ(checks.array.size(), 3u) << c.what;
    std::string saved;
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(checks[i].boolean, c.ticks[i]) << c.what << ", root " << i;
      saved += c.ticks[i] ? "true\r\n" : "false\r\n";
    }
    EXPECT_EQ(s.ReadFile(kFlagsFile), saved) << c.what << ": saved back one line a root";
  }
}

TEST(Settings, AMissingRootDirectoryIsReportedAndDropped) {
  Scenario s;
  for (const char* dir : {"A", "B"}) std::filesystem::create_directories(s.DriveC() / dir);
  s.WriteFile(kRootsFile, "C:\\A\r\nC:\\Gone\r\nC:\\B\r\nC:\\Gone2\r\n");
  s.WriteFile(kFlagsFile, "true\r\nfalse\r\ntrue\r\nfalse\r\n");
  auto r = s.Run("300 click Button2\n", "/s", 500);
  const auto boxes = r.Events("box");
  ASSERT_GE(boxes.size(), 2u);
  // Positions at the moment of the check: C:\B moved up into the place of C:\Gone.
  EXPECT_EQ(boxes[0], "\"1  C:\\\\Gone  n'existe pas...\"");
  EXPECT_EQ(boxes[1], "\"2  C:\\\\Gone2  n'existe pas...\"");
  EXPECT_EQ(r.Control("CheckListBox_rep")["lines"].Strings(), (std::vector<std::string>{"C:\\A", "C:\\B"}));
  EXPECT_TRUE(r.Control("CheckListBox_rep")["checks"][1].boolean) << "C:\\B keeps its own tick";
  EXPECT_EQ(s.ReadFile(kRootsFile), "C:\\A\r\nC:\\B\r\n");
  EXPECT_EQ(s.ReadFile(kFlagsFile), "true\r\ntrue\r\n");
}

TEST(Settings, AStoredNumberThatDoesNotConvertStopsTheLoadButEscStillQuits) {
  Scenario s;
  const std::string params = "dt0_a = 1500\r\ndt3_a = 12abc\r\nzoom_max10 = 20\r\n";
  s.WriteFile(kParamFile, params);
  auto r = s.Run("300 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.Events("box"), (std::vector<std::string>{"\"'12abc' n'est pas une valeur entière correcte\""}))
      << "the start-up stops there: no message about the index";
  EXPECT_EQ(r.Control("Edit_dt0_a")["text"].string, "1500") << "read before the faulty key";
  EXPECT_EQ(r.Control("Edit_dt3_a")["text"].string, "2000") << "left as it was";
  EXPECT_EQ(r.Control("Edit_zoom_s_dix")["text"].string, "16") << "never read";
  EXPECT_FALSE(r.Control("Panel1")["visible"].boolean) << "the show never started";
  EXPECT_EQ(s.ReadFile(kParamFile), params) << "nothing had changed a setting, so nothing is saved";
}

TEST(Settings, ATypoInTheParameterFileDoesNotCostTheSettingsAfterIt) {
  // The load stops at the typo, so the controls still hold their design values for every later
  // key; the save that follows writes those. The file as the user wrote it is kept beside it.
  Scenario s;
  const std::string params = Cp("indice_non_aleatoire = 7\r\nnb_fouille = 12abc\r\nannee_de = 2001\r\n"
                                "filtre_contient = chat\r\n");
  s.WriteFile(kParamFile, params);
  const std::string backup = "C:\\Lumivel\\lumivel_var.prm.bak";
  auto r = s.Run("300 keyup 32\n400 click Button2\n500 edit Edit_dt0_a 1500\n600 click Button2\n700 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.Events("box"), (std::vector<std::string>{"\"'12abc' n'est pas une valeur entière correcte\""}));
  EXPECT_NE(s.ReadFile(kParamFile).find("\r\ndt0_a = 1500\r\n"), std::string::npos) << "the saves still happen";
  EXPECT_EQ(s.ReadFile(backup), params) << "kept before the first save, and not replaced by the later ones";

  auto next = s.Run("300 click Button2\n400 keyup 27\n");
  for (const auto& box : next.Events("box")) {
    EXPECT_EQ(box.find("valeur enti"), std::string::npos) << "the saved file loads whole: " << box;
  }
  EXPECT_EQ(s.ReadFile(backup), params) << "a load that reads every key keeps no copy";
}

TEST(Settings, AStartUpErrorAfterTheLoadLeavesNoShowRunning) {
  // The load opens the panel as the space bar does, and that show run ends at once for want of
  // pictures; when the index then fails to load, no show may start later from the history.
  Scenario s;
  WriteShowablePictures(s);
  s.WriteFile("C:\\Lumivel\\toutes_img._nf", s.ReadFile("C:\\Lumivel\\toutes_img._nf") + "broken");
  auto r = s.Run("", "/s", 1000);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.Saw("box", "\"Lecture au-delà de la fin de fichier\""));
  EXPECT_TRUE(r.Events("picture").empty());
}

TEST(Settings, SavingTwiceWritesTheSameBytes) {
  auto run = [](int clicks) {
    Scenario s;
    for (const char* dir : {"A", "Noël"}) std::filesystem::create_directories(s.DriveC() / dir);
    s.WriteFile(kRootsFile, Cp("C:\\A\r\nC:\\Noël\r\n"));
    s.WriteFile(kFlagsFile, "true\r\nfalse\r\n");
    s.WriteFile(kParamFile, Cp("rep_album_A.Caption = D:\\Été\r\nvmax = 80\r\nRdg1.ItemIndex = 3\r\n"));
    s.WriteFile(kHistoryFile, "C:\\A\\1.jpg\r\nC:\\A\\2.jpg\r\n");
    s.WriteFile(kMarkerFile, "");
    std::string script;
    for (int i = 1; i <= clicks; ++i) script += std::to_string(100 * i) + " click Button2\n";
    s.Run(script, "/s", 500);
    std::vector<std::string> files;
    for (const auto& file : {kRootsFile, kFlagsFile, kParamFile, kHistoryFile}) files.push_back(s.ReadFile(file));
    return files;
  };
  const auto once = run(1);
  const auto twice = run(2);
  EXPECT_EQ(once, twice);
  EXPECT_EQ(once[0], Cp("C:\\A\r\nC:\\Noël\r\n"));
  EXPECT_EQ(once[3], "C:\\A\\1.jpg\r\nC:\\A\\2.jpg\r\n");
  EXPECT_NE(once[2].find(Cp("rep_album_A.Caption = D:\\Été\r\n")), std::string::npos);
}

TEST(Settings, ResetAndQuitLeavesTheNextStartARebuild) {
  for (const char* control : {"aPanel_sauve_param_et_BD0_et_quitter", "Label25", "SpeedButton_valider_filtre"}) {
    Scenario s;
    WriteShowablePictures(s);
    s.WriteFile(kRootsFile, "C:\\Photos\r\n");
    s.WriteFile(kQueueFile, "C:\\Photos\r\np1.jpg\r\np2.jpg\r\n");
    const std::string historyBefore = s.ReadFile(kHistoryFile);
    auto r = s.Run(std::string("100 keyup 32\n200 edit Edit_dt0_a 1234\n300 click ") + control + "\n", "/s", 2000);
    EXPECT_EQ(r.exitCode, 1) << control;
    EXPECT_NE(s.ReadFile(kParamFile).find("\r\ndt0_a = 1234\r\n"), std::string::npos) << control;
    EXPECT_EQ(s.ReadFile(kRootsFile), "C:\\Photos\r\n") << control;
    EXPECT_EQ(s.ReadFile(kFlagsFile), "true\r\n") << control;
    EXPECT_FALSE(s.Exists(kMarkerFile)) << control;
    EXPECT_FALSE(s.Exists(kQueueFile)) << control;
    EXPECT_EQ(s.ReadFile(kHistoryFile), historyBefore) << control << ": the next start drops it anyway";
  }
}

TEST(Settings, AdvancedPanelsOpenAndClose) {
  struct Case {
    const char* what;
    const char* script;
    bool advanced;  // Panel3 and Panel2
    bool history;   // ListBox_passee
  };
  const Case cases[] = {
      {"opened", "100 click Button_param_avancer\n", true, false},
      {"opened with the 300 list ticked", "100 check CheckBox_voir_liste_300 1\n200 click Button_param_avancer\n",
       true, true},
      {"opened and closed again", "100 click Button_param_avancer\n200 click Button_param_avancer\n", false, false},
      {"closed with its X",
       "100 check CheckBox_voir_liste_300 1\n200 click Button_param_avancer\n300 click Button4\n", false, false},
      {"closed by saving", "100 click Button_param_avancer\n200 click Button_enreg_param\n", false, false},
  };
  for (const auto& c : cases) {
    Scenario s;
    auto r = s.Run(c.script, "/s", 500);
    EXPECT_EQ(r.Control("Panel3")["visible"].boolean, c.advanced) << c.what;
    EXPECT_EQ(r.Control("Panel2")["visible"].boolean, c.advanced) << c.what;
    EXPECT_EQ(r.Control("ListBox_passee")["visible"].boolean, c.history) << c.what;
  }
}

TEST(Settings, SaveAndContinueMarksTheIndexForRebuilding) {
  Scenario s;
  WriteShowablePictures(s);
  auto r = s.Run("100 keyup 32\n200 click Button_param_avancer\n300 click Button_enreg_param\n400 keyup 27\n", "/s",
                 2000);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(s.Exists(kMarkerFile));
  EXPECT_EQ(s.ReadFile(kHistoryFile), "C:\\Photos\\p0.jpg\r\n") << "a reset is due: the history is not rewritten";
}

TEST(Settings, OnlySomeChangesCountAsChangedSettings) {
  struct Case {
    const char* action;
    bool changed;
  };
  const Case cases[] = {
      {"edit Edit_vmax 90", true},
      {"edit Edit_indice_non_aleatoire 7", true},
      {"edit Edit_rayon_rnd 6", true},
      {"edit Edit_nb_fouille 4", true},
      {"select RadioGroup_titre_ecran 2", true},
      {"check CheckBox_rnd 0", true},
      {"edit Edit_annee_de 2015", true},
      {"edit Edit_annee_a 2016", true},
      {"edit Edit_mois_de 03", true},
      {"edit Edit_mois_a 12", true},
      {"edit Edit_contient rome", true},
      {"edit Edit_ne_contient_pas rome", true},
      {"edit Edit_dt0_a 3000", false},
      {"edit Edit_dt5_b 3000", false},
      {"edit Edit_zoom_s_dix 20", false},
      {"edit Edit_inc_pixel 100", false},
      {"edit Edit_haut 40", false},
      {"select Rdg1 3", false},
      {"select RadioGroup_sous_rep_recursif 0", false},
      {"select RadioGroup_exclusion 1", false},
      {"check CheckBox_grand_menu 1", false},
      {"check CheckBox_xnview_rep_et_nom 1", false},
      {"check CheckBox_af_an 1", false},
      {"check CheckBox_fic_exclusion 1", false},
      {"check CheckBox_contient 1", false},
  };
  for (const auto& c : cases) {
    Scenario s;
    s.WriteFile(kParamFile, kDesignParams);
    s.WriteFile(kHistoryFile, "C:\\Photos\\p0.jpg\r\n");
    s.WriteFile(kMarkerFile, "");
    auto r = s.Run(std::string("100 ") + c.action + "\n200 focus Panel1\n300 keyup 27\n");
    EXPECT_EQ(r.exitCode, 1) << c.action;
    // Quitting saves exactly when a setting counted as changed.
    EXPECT_EQ(s.ReadFile(kParamFile) != kDesignParams, c.changed) << c.action;
  }
}

}  // namespace
}  // namespace lumivel::testing
