// The main window's design values (captions, items, places, colours, hints) and the wiring of its
// handlers, as a form file would hold them.
#include "app/tdiapo.h"

namespace lumivel {

using namespace literals;

namespace {

// One control's place and texts, as a form file lists them. Texts are UTF-8 (an edit box's caption
// is its text); none leaves the control's own.
struct Row {
  Control& control;
  int left, top, width, height;
  const char* caption = nullptr;
  const char* hint = nullptr;
};

void Lay(std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    row.control.SetBounds(row.left, row.top, row.width, row.height);
    if (row.caption) row.control.SetCaption(Utf8ToCp1252(row.caption));
    if (row.hint) row.control.SetHint(Utf8ToCp1252(row.hint));
  }
}

void Items(RadioGroup& group, std::initializer_list<const char*> items, int index) {
  group.items.clear();
  for (const char* item : items) group.items.push_back(Utf8ToCp1252(item));
  group.SetItemIndex(index);
}

// The window's own labels and lists, over the picture.
void DesignMainWindow(Tdiapo& f) {
  Lay({
      {f.Label1, 24, 8, 1400, 35, "lecture Base de données image"},
      {f.Label4, 10, 60, 600, 20},
      {f.Label6, 50, 100, 900, 90},
      {f.Label_an, 0, 0, 200, 30, "année"},
      {f.Label_options, 0, 30, 200, 30, "options"},
      {f.Label_mois, 0, 65, 200, 30, "mois"},
      {f.ListBox_passee, 8, 8, 657, 225},
      {f.ListBox_rep, 8, 241, 657, 249},
  });
  f.Label1.SetFontColor(colors::kYellow);
  f.Label1.SetColor(colors::kBlack);
  f.Label1.SetFontSize(28);
  f.Label6.SetFontColor(colors::kYellow);
  f.Label6.SetFontSize(20);
  f.Label_an.SetFontColor(colors::kYellow);
  f.Label_an.SetFontSize(28);
  f.Label_an.rightJustified = true;
  f.Label_options.SetFontColor(colors::kYellow);
  f.Label_options.rightJustified = true;
  f.Label_mois.SetFontColor(colors::kYellow);
}

// The options panel in its full layout, and its first row; ShowCompactPanel and ShowFullPanel move
// the row.
void DesignOptionsButtonRow(Tdiapo& f) {
  Lay({
      {f.Panel1, 110, 700, 1700, 325},
      {f.Label11, 8, 10, 100, 20, "Lumivel"},
      {f.Panel_continuer, 475, 6, 180, 27, "continuer [Espace]",
       "----------> pour reprendre le diaporama où il s'était arrêté "},
      {f.Button_retour, 663, 6, 50, 27, "<",
       "-------> parmis les 300 dernières affichées  [flèche Gauche]"},
      {f.Button_avance, 719, 6, 50, 27, ">",
       "-------> parmis les 300 dernières affichées  [flèche Droite]"},
      {f.Panel_ouvrir_rep_img, 769, 6, 210, 27, "ouvrir le répertoire de l'image",
       "-------> visualise le répertoire dans XnView  "},
      {f.Button_avec_sans_option, 1082, 6, 100, 27, "options",
       "-------> afficher les options disponibles "},
      {f.Button_quit, 123, 6, 100, 27, " quitter (Esc)"},
      {f.Button_close_param, 1667, 6, 25, 27, "X", "-------> comme Continuer (espace)"},
      {f.Button_tout_le_rep, 990, 6, 92, 27, "DIAPORAMA - F3 ",
       "-------> diaporama simple du répertoire de l'image "},
  });
  f.Label11.SetFontBold(true);
  f.Button_tout_le_rep.SetFontSize(10);
}

// Column 1: the root directories and the reset button.
void DesignRootsColumn(Tdiapo& f) {
  Lay({
      {f.Panel_ajout_rep, 8, 42, 172, 22, "ajouter un répertoire",
       "-------> à la liste ci-dessous "},
      {f.Panel_sup_rep, 184, 42, 174, 22, "supprimer la sélection",
       "-------> supprime les lignes sélectionnées de la liste ci-dessous "},
      {f.CheckListBox_rep, 8, 70, 350, 150},
      {f.Bevel1, 7, 69, 352, 152},
      {f.aPanel_sauve_param_et_BD0_et_quitter, 8, 226, 350, 30,
       "Réinitialiser = enregistre + quitter et Relancer",
       "-------> réinitialise l'index des images avec tous les nouveaux répertoires "},
      {f.RadioGroup_sous_rep_recursif, 8, 260, 350, 36, "Sous-répertoires à lire"},
      {f.Label20, 8, 300, 350, 17, "ligne"},
  });
  f.CheckListBox_rep.SetColor(colors::kWindow);
  f.aPanel_sauve_param_et_BD0_et_quitter.SetFontBold(true);
  Items(f.RadioGroup_sous_rep_recursif, {"aucun", "tous"}, 1);
}

// Column 2: the filters of the walk.
void DesignFiltersColumn(Tdiapo& f) {
  Lay({
      {f.RadioGroup_exclusion, 366, 42, 380, 80, "Exclusion répertoire(s)"},
      {f.CheckBox_fic_exclusion, 366, 125, 314, 20, "fichier d'exclusions (Lumivel_exclusions.txt)",
       "fichier contenant les répertoires et images à ne pas afficher  (aide dans le fichier)  "},
      {f.SpeedButton1, 684, 124, 62, 22, "l'éditer",
       "éditer le fichier contenant les répertoires et images à ne pas afficher  (aide dans le "
       "fichier)  "},
      {f.CheckBox_contient, 366, 150, 160, 20, "doit contenir"},
      {f.Edit_contient, 530, 149, 216, 21, "divers avignon"},
      {f.CheckBox_ne_contient_pas, 366, 173, 160, 20, "ne doit pas contenir"},
      {f.Edit_ne_contient_pas, 530, 172, 216, 21, "divers avignon"},
      {f.SpeedButton_valider_filtre, 366, 198, 380, 24, "Valider les filtres"},
  });
  Items(f.RadioGroup_exclusion,
        {"++  ou  §  dans le nom = exclus", "indifférent", "que ceux contenant  ++  ou  § "}, 0);
}

// Column 3: the date filter.
void DesignDateFilterColumn(Tdiapo& f) {
  Lay({
      {f.RadioGroup_filtre_date, 756, 42, 290, 130, "Filtre des dates"},
      {f.Label28, 780, 176, 130, 17, "année         mois"},
      {f.Label29, 756, 196, 22, 17, "de"},
      {f.Edit_annee_de, 778, 194, 60, 21, "2014"},
      {f.Edit_mois_de, 854, 194, 34, 21, "10"},
      {f.Label30, 896, 196, 14, 17, "à"},
      {f.Edit_annee_a, 912, 194, 60, 21},
      {f.Edit_mois_a, 976, 194, 34, 21},
  });
  Items(f.RadioGroup_filtre_date,
        {"toutes les dates   -----------------------", "à partir de:           ____--------------",
         "que:                    __-_________", "de...à...               ____----------__",
         "sauf de...à...       --------_____----", "jusqu'à               -------------_____"},
        0);
}

// Column 4: the effects and their durations, one row of boxes an effect.
void DesignEffectsColumn(Tdiapo& f) {
  Lay({{f.Rdg1, 1056, 42, 416, 160, "Effets"}});
  Items(f.Rdg1,
        {"reste à 1  (sans zoom =1 )                        1 durée",
         "SBN  (Sans Bandes Noires)                     1 durée",
         "1   puis  1 à SBN                                     2 durées",
         "1 à SBN  (Sans Bandes Noires)   lent      2 durées + zoom lent",
         "1 à zoom lent fixé                                     2 durées + zoom lent",
         "SBN à zoom lent fixé                                2 durées + zoom lent"},
        0);
  Edit* durations[6][2] = {{&f.Edit_dt0_a, nullptr}, {&f.Edit_dt1_a, nullptr},
                           {&f.Edit_dt2_a, &f.Edit_dt2_b}, {&f.Edit_dt3_a, &f.Edit_dt3_b},
                           {&f.Edit_dt4_a, &f.Edit_dt4_b}, {&f.Edit_dt5_a, &f.Edit_dt5_b}};
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 2; ++col) {
      if (Edit* e = durations[row][col]) {
        Lay({{*e, 1476 + col * 50, 63 + row * 22, 46, 21, "2000"}});
      }
    }
  }
  f.Edit_dt0_a.SetText("5000");
}

// Column 5: the order of the show, the captions and the panel's size.
void DesignShowColumn(Tdiapo& f) {
  Lay({
      {f.CheckBox_rnd, 1056, 208, 96, 20, "aléatoire",
       "lecture aléatoire ou successive (voir indice non aléatoire de démarrage)"},
      {f.Label9, 1156, 210, 104, 17, "rayon aléatoire", "rayon du 2ème  tirage  aléatoire"},
      {f.Edit_rayon_rnd, 1262, 207, 36, 21, "5"},
      {f.Label17, 1306, 210, 186, 17, "nb de tirages dans ce rayon",
       "ce nombre est  plus petit que 2 fois le rayon!"},
      {f.Edit_nb_fouille, 1496, 207, 36, 21, "5"},
      {f.Label18, 1056, 234, 258, 17, "indice de démarrage  (SI non aléatoire)"},
      {f.Edit_indice_non_aleatoire, 1316, 231, 50, 21, "0"},
      {f.Label10, 1372, 234, 122, 17, "vitesse souris max",
       "vitesse de la souris qui arrête le diaporama"},
      {f.Edit_vmax, 1496, 231, 36, 21, "100"},
      {f.RadioGroup_titre_ecran, 1056, 256, 432, 38, "afficher à l'écran"},
      {f.CheckBox_af_an, 1496, 258, 196, 18, "affiche année mois"},
      {f.CheckBox_grand_menu, 1496, 277, 196, 18, "grand menu constant"},
  });
  f.CheckBox_rnd.SetChecked(true);
  Items(f.RadioGroup_titre_ecran, {"rien", "répertoire", "répertoire + nom"}, 1);
}

// The lower middle and the right end: history counters, the save buttons, the albums and the
// viewer.
void DesignAlbumsAndViewer(Tdiapo& f) {
  Lay({
      {f.Label5, 1580, 42, 112, 17},
      {f.Label13, 1580, 62, 112, 17},
      {f.Label21, 1580, 82, 112, 17},
      {f.Label_etat, 1580, 102, 112, 17, "état"},
      {f.Label_delai, 1580, 122, 112, 17, "délai"},
      {f.CheckBox1, 756, 222, 290, 20, "voir la liste filtrée"},
      {f.Label_repertoire, 756, 246, 290, 17},
      {f.Label_nom_img, 756, 266, 290, 17},
      {f.Button2, 756, 292, 152, 26, "Enregistrer paramètres"},
      {f.Button_param_avancer, 912, 292, 134, 26, "Paramètres avancés"},
      {f.Button_aide, 1580, 144, 30, 26, "?", "Aide"},

      {f.rep_album_A, 366, 231, 148, 17, "répertoire album A"},
      {f.SpeedButton_album_A, 518, 228, 24, 22, "...", "choix du répertoire de l'album A"},
      {f.Button_album_a, 546, 228, 146, 22, "Copier vers album A"},
      {f.Panel_ouvrir_repA, 696, 228, 50, 22, "ouvrir", "visualise l'album A"},
      {f.rep_album_B, 366, 255, 148, 17, "répertoire album B"},
      {f.SpeedButton_album_B, 518, 252, 24, 22, "...", "choix du répertoire de l'album B"},
      {f.Button_album_B, 546, 252, 146, 22, "Copier vers album B"},
      {f.Panel_ouvrir_repB, 696, 252, 50, 22, "ouvrir", "visualise l'album B"},
      {f.Label12, 366, 279, 380, 17, "Programme de visualisation du répertoire image courant"},
      {f.xnview_alternative_Label, 366, 299, 352, 17, "exécutable (*.exe)"},
      {f.SpeedButton_xnview, 722, 297, 24, 20, "...", " choix d'un autre logiciel que XnView"},
      {f.CheckBox_xnview_rep_et_nom, 1056, 298, 420, 20,
       "xnview => répertoire ET nom (relance obligatoire)",
       " en plus du répertoire, le nom du fichier sera transféré au visualisateur "},
  });
}

// The advanced panel (zoom settings), placed above the right end of the options panel.
void DesignAdvancedPanel(Tdiapo& f) {
  Lay({
      {f.Panel3, 1360, 480, 450, 200, "ZOOM param"},
      {f.Label3, 8, 172, 300, 17},
      {f.Label_zoom, 8, 30, 200, 17, "zoom max en 1/10ème"},
      {f.Edit_zoom_s_dix, 220, 28, 50, 21, "16"},
      {f.Label_inc, 8, 56, 200, 17, "nb d'itérations"},
      {f.Edit_inc_pixel, 220, 54, 50, 21, "250"},
      {f.Label_haut, 8, 82, 210, 17, "décalage vers le bas (0 à 100%)",
       "40 % permet de stabiliser le centre de l'image pendant le zoom"},
      {f.Edit_haut, 220, 80, 50, 21, "100"},
      {f.Button_enreg_param, 8, 110, 180, 26, "Enregistrer et continuer"},
      {f.Button4, 420, 4, 24, 24, "X"},
      {f.CheckBox_voir_liste_300, 290, 30, 150, 20, "voir la liste des 300"},
      {f.CheckBox_voir_idx, 290, 56, 150, 20, "voir idx rep"},
      {f.SpeedButton2, 290, 110, 150, 26, "renommage par lot"},
  });
  f.Panel3.SetVisible(false);
}

// The screen-saver panel, left of the advanced panel.
void DesignScreenSaverPanel(Tdiapo& f) {
  Lay({
      {f.Panel2, 1010, 480, 348, 200},
      {f.Label25, 8, 6, 200, 20, "écran de veille"},
      {f.Panel4, 8, 30, 332, 160},
      {f.Label2, 8, 8, 316, 40,
       "Délai avant mise en route (en secondes)      Efffectif au prochain redémarrage"},
      {f.Edit1, 8, 56, 80, 21, "60"},
      {f.ButtonValidationDelai, 100, 54, 150, 26, "Validation délai ",
       "ça va être validé au prochain démarrage    "},
  });
  f.Panel2.SetVisible(false);
}

// The renaming panel.
void DesignRenamingPanel(Tdiapo& f) {
  Lay({
      {f.Panel_renommage, 300, 120, 700, 460},
      {f.Button3, 670, 4, 24, 24, "X"},
      {f.Label22, 8, 6, 400, 20, "renommage de lots de répertoires "},
      {f.Label27, 8, 30, 600, 17, "ex: /051231 avg ou /05-12-31 avg en /2005-15-21 avg"},
      {f.Label26, 8, 50, 600, 17, "20050828 avg /2005 08 28 avg en /2005-05-28 avg"},
      {f.SpeedButton3, 8, 76, 150, 24, "Répertoire cible "},
      {f.Edit2, 166, 78, 350, 21},
      {f.SpeedButton5, 522, 76, 170, 24, "l'ouvrir dans l'explorateur"},
      {f.Label_prefixe, 8, 108, 150, 17, "siècle des années"},
      {f.Edit3, 166, 106, 40, 21, "20"},
      {f.Label23, 8, 134, 500, 17,
       "nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '20aa-mm-jj ...'"},
      {f.Label24, 520, 134, 60, 17, "---"},
      {f.ListBox1, 8, 160, 684, 260},
      {f.SpeedButton4, 8, 426, 150, 26, "renommer"},
  });
  f.Panel_renommage.SetVisible(false);
}

}  // namespace

void Tdiapo::SetDesignValues() {
  Form.SetColor(colors::kBlack);
  Timer1.intervalMs = 200;
  DesignMainWindow(*this);
  DesignOptionsButtonRow(*this);
  DesignRootsColumn(*this);
  DesignFiltersColumn(*this);
  DesignDateFilterColumn(*this);
  DesignEffectsColumn(*this);
  DesignShowColumn(*this);
  DesignAlbumsAndViewer(*this);
  DesignAdvancedPanel(*this);
  DesignScreenSaverPanel(*this);
  DesignRenamingPanel(*this);
}

void Tdiapo::WireHandlers() {
  Timer1.OnTimer = [this] { Timer1Timer(); };
  Form.OnClick = [this] { FormClick(); };

  Button_quit.OnClick = [this] { Button_quitClick(); };
  ButtonValidationDelai.OnClick = [this] { ButtonValidationDelaiClick(); };

  aPanel_sauve_param_et_BD0_et_quitter.OnClick = [this] { ResetAndQuit(); };
  Label25.OnClick = [this] { ResetAndQuit(); };
  SpeedButton_valider_filtre.OnClick = [this] { SpeedButton_valider_filtreClick(); };
  Button_enreg_param.OnClick = [this] { Button_enreg_paramClick(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button_param_avancer.OnClick = [this] { Button_param_avancerClick(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button_close_param.OnClick = [this] { Button_close_paramClick(); };
  auto setsChanged = [this] { SettingsChanged = true; };
  Edit_vmax.OnChange = setsChanged;
  Edit_indice_non_aleatoire.OnChange = setsChanged;
  Edit_rayon_rnd.OnChange = setsChanged;
  Edit_nb_fouille.OnChange = setsChanged;
  RadioGroup_titre_ecran.OnClick = setsChanged;
  CheckBox_rnd.OnClick = setsChanged;
  Edit_annee_de.OnChange = setsChanged;
  Edit_annee_a.OnChange = setsChanged;
  Edit_mois_de.OnChange = setsChanged;
  Edit_mois_a.OnChange = setsChanged;

  SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
  CheckBox_fic_exclusion.OnClick = [this] { CheckBox_fic_exclusionClick(); };
  Panel_sup_rep.OnClick = [this] { Panel_sup_repClick(); };
  Panel_ajout_rep.OnClick = [this] { Panel_ajout_repClick(); };
  CheckListBox_rep.OnClick = [this] { CheckListBox_repClick(); };
  CheckBox_contient.OnClick = [this] { CheckBox_contientClick(); };
  CheckBox_ne_contient_pas.OnClick = [this] { CheckBox_ne_contient_pasClick(); };
  RadioGroup_exclusion.OnClick = [this] { RadioGroup_exclusionClick(); };

  Button_retour.OnClick = [this] { Button_retourClick(); };
  Button_avance.OnClick = [this] { Button_avanceClick(); };
  Panel_continuer.OnClick = [this] { Panel_continuer_clik(); };
  Button_avec_sans_option.OnClick = [this] { Button_avec_sans_optionClick(); };

  CheckBox_af_an.OnClick = [this] { CheckBox_af_anClick(); };
  RadioGroup_filtre_date.OnClick = [this] { RadioGroup_filtre_dateClick(); };
  Edit_annee_de.OnExit = [this] { Edit_annee_deExit(); };
  Edit_annee_a.OnExit = [this] { Edit_annee_aExit(); };
  Edit_contient.OnChange = [this] { Edit_contientChange(); };
  Edit_ne_contient_pas.OnChange = [this] { Edit_ne_contient_pasChange(); };
  Edit_contient.OnKeyDown = [this](int key) { Edit_contientKeyDown(key); };
  Edit_ne_contient_pas.OnKeyDown = [this](int key) { Edit_ne_contient_pasKeyDown(key); };

  Button_album_a.OnClick = [this] { Button_album_aClick(); };
  Label12.OnClick = [this] { Button_album_aClick(); };
  Button_album_B.OnClick = [this] { Button_album_BClick(); };
  SpeedButton_album_A.OnClick = [this] { SpeedButton_album_AClick(); };
  SpeedButton_album_B.OnClick = [this] { SpeedButton_album_BClick(); };
  Panel_ouvrir_rep_img.OnClick = [this] { Panel_ouvrir_rep_imgClick(&Panel_ouvrir_rep_img); };
  Panel_ouvrir_repA.OnClick = [this] { Panel_ouvrir_rep_imgClick(&Panel_ouvrir_repA); };
  Panel_ouvrir_repB.OnClick = [this] { Panel_ouvrir_rep_imgClick(&Panel_ouvrir_repB); };
  SpeedButton_xnview.OnClick = [this] { SpeedButton_xnviewClick(); };
  Button_aide.OnClick = [this] { Button_aideClick(); };
  SpeedButton5.OnClick = [this] { SpeedButton5Click(); };
  SpeedButton2.OnClick = [this] { SpeedButton2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  SpeedButton3.OnClick = [this] { SpeedButton3Click(); };
  SpeedButton4.OnClick = [this] { SpeedButton4Click(); };
  Edit3.OnChange = [this] { Edit3Change(); };
  CheckBox_voir_liste_300.OnClick = [this] { CheckBox_voir_liste_300Click(); };
  CheckBox_voir_idx.OnClick = [this] { CheckBox_voir_idxClick(); };
  CheckBox1.OnClick = [this] { CheckBox1Click(); };
  Button_tout_le_rep.OnClick = [this] { Button_tout_le_repClick(&Button_tout_le_rep); };
}

}  // namespace lumivel
