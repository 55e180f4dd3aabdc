// The main window's design values (captions, items, places, colours, hints) and the wiring of its
// handlers, as a form file would hold them.
#include "app/tdiapo.h"

namespace lumivel {

using namespace literals;

namespace {

void Place(Control& c, int left, int top, int width, int height) { c.SetBounds(left, top, width, height); }

void Caption(Control& c, const char* utf8) { c.SetCaption(Utf8ToCp1252(utf8)); }

void Hint(Control& c, const char* utf8) { c.SetHint(Utf8ToCp1252(utf8)); }

void Items(RadioGroup& group, std::initializer_list<const char*> items, int index) {
  group.items.clear();
  for (const char* item : items) group.items.push_back(Utf8ToCp1252(item));
  group.SetItemIndex(index);
}

}  // namespace

void Tdiapo::SetDesignValues() {
  Form.SetColor(colors::kBlack);
  Timer1.intervalMs = 200;

  Place(Label1, 24, 8, 1400, 35);
  Caption(Label1, "lecture Base de données image");
  Label1.SetFontColor(colors::kYellow);
  Label1.SetColor(colors::kBlack);
  Label1.SetFontSize(28);
  Place(Label4, 10, 60, 600, 20);
  Place(Label6, 50, 100, 900, 90);
  Label6.SetFontColor(colors::kYellow);
  Label6.SetFontSize(20);
  Place(Label_an, 0, 0, 200, 30);
  Caption(Label_an, "année");
  Label_an.SetFontColor(colors::kYellow);
  Label_an.SetFontSize(28);
  Label_an.rightJustified = true;
  Place(Label_options, 0, 30, 200, 30);
  Caption(Label_options, "options");
  Label_options.SetFontColor(colors::kYellow);
  Label_options.rightJustified = true;
  Place(Label_mois, 0, 65, 200, 30);
  Caption(Label_mois, "mois");
  Label_mois.SetFontColor(colors::kYellow);
  Place(ListBox_passee, 8, 8, 657, 225);
  Place(ListBox_rep, 8, 241, 657, 249);

  // The options panel in its full layout; ShowCompactPanel and ShowFullPanel move the first row.
  Place(Panel1, 110, 700, 1700, 325);
  Caption(Label11, "Lumivel");
  Place(Label11, 8, 10, 100, 20);
  Label11.SetFontBold(true);
  Place(Panel_continuer, 475, 6, 180, 27);
  Caption(Panel_continuer, "continuer [Espace]");
  Hint(Panel_continuer, "----------> pour reprendre le diaporama où il s'était arrêté ");
  Place(Button_retour, 663, 6, 50, 27);
  Caption(Button_retour, "<");
  Hint(Button_retour, "-------> parmis les 300 dernières affichées  [flèche Gauche]");
  Place(Button_avance, 719, 6, 50, 27);
  Caption(Button_avance, ">");
  Hint(Button_avance, "-------> parmis les 300 dernières affichées  [flèche Droite]");
  Place(Panel_ouvrir_rep_img, 769, 6, 210, 27);
  Caption(Panel_ouvrir_rep_img, "ouvrir le répertoire de l'image");
  Hint(Panel_ouvrir_rep_img, "-------> visualise le répertoire dans XnView  ");
  Place(Button_avec_sans_option, 1082, 6, 100, 27);
  Caption(Button_avec_sans_option, "options");
  Hint(Button_avec_sans_option, "-------> afficher les options disponibles ");
  Place(Button_quit, 123, 6, 100, 27);
  Caption(Button_quit, " quitter (Esc)");
  Place(Button_close_param, 1667, 6, 25, 27);
  Caption(Button_close_param, "X");
  Hint(Button_close_param, "-------> comme Continuer (espace)");
  Place(Button_tout_le_rep, 990, 6, 92, 27);
  Button_tout_le_rep.SetFontSize(10);
  Caption(Button_tout_le_rep, "DIAPORAMA - F3 ");
  Hint(Button_tout_le_rep, "-------> diaporama simple du répertoire de l'image ");

  // Column 1: the root directories and the reset button.
  Place(Panel_ajout_rep, 8, 42, 172, 22);
  Caption(Panel_ajout_rep, "ajouter un répertoire");
  Hint(Panel_ajout_rep, "-------> à la liste ci-dessous ");
  Place(Panel_sup_rep, 184, 42, 174, 22);
  Caption(Panel_sup_rep, "supprimer la sélection");
  Hint(Panel_sup_rep, "-------> supprime les lignes sélectionnées de la liste ci-dessous ");
  Place(CheckListBox_rep, 8, 70, 350, 150);
  CheckListBox_rep.SetColor(colors::kWindow);
  Place(Bevel1, 7, 69, 352, 152);
  Place(aPanel_sauve_param_et_BD0_et_quitter, 8, 226, 350, 30);
  Caption(aPanel_sauve_param_et_BD0_et_quitter, "Réinitialiser = enregistre + quitter et Relancer");
  Hint(aPanel_sauve_param_et_BD0_et_quitter,
       "-------> réinitialise l'index des images avec tous les nouveaux répertoires ");
  aPanel_sauve_param_et_BD0_et_quitter.SetFontBold(true);
  Place(RadioGroup_sous_rep_recursif, 8, 260, 350, 36);
  Caption(RadioGroup_sous_rep_recursif, "Sous-répertoires à lire");
  Items(RadioGroup_sous_rep_recursif, {"aucun", "tous"}, 1);
  Place(Label20, 8, 300, 350, 17);
  Caption(Label20, "ligne");

  // Column 2: the filters of the walk.
  Place(RadioGroup_exclusion, 366, 42, 380, 80);
  Caption(RadioGroup_exclusion, "Exclusion répertoire(s)");
  Items(RadioGroup_exclusion,
        {"++  ou  §  dans le nom = exclus", "indifférent", "que ceux contenant  ++  ou  § "}, 0);
  Place(CheckBox_fic_exclusion, 366, 125, 314, 20);
  Caption(CheckBox_fic_exclusion, "fichier d'exclusions (Lumivel_exclusions.txt)");
  Hint(CheckBox_fic_exclusion,
       "fichier contenant les répertoires et images à ne pas afficher  (aide dans le fichier)  ");
  Place(SpeedButton1, 684, 124, 62, 22);
  Caption(SpeedButton1, "l'éditer");
  Hint(SpeedButton1,
       "éditer le fichier contenant les répertoires et images à ne pas afficher  (aide dans le "
       "fichier)  ");
  Place(CheckBox_contient, 366, 150, 160, 20);
  Caption(CheckBox_contient, "doit contenir");
  Place(Edit_contient, 530, 149, 216, 21);
  Edit_contient.SetText(Utf8ToCp1252("divers avignon"));
  Place(CheckBox_ne_contient_pas, 366, 173, 160, 20);
  Caption(CheckBox_ne_contient_pas, "ne doit pas contenir");
  Place(Edit_ne_contient_pas, 530, 172, 216, 21);
  Edit_ne_contient_pas.SetText(Utf8ToCp1252("divers avignon"));
  Place(SpeedButton_valider_filtre, 366, 198, 380, 24);
  Caption(SpeedButton_valider_filtre, "Valider les filtres");

  // Column 3: the date filter.
  Place(RadioGroup_filtre_date, 756, 42, 290, 130);
  Caption(RadioGroup_filtre_date, "Filtre des dates");
  Items(RadioGroup_filtre_date,
        {"toutes les dates   -----------------------", "à partir de:           ____--------------",
         "que:                    __-_________", "de...à...               ____----------__",
         "sauf de...à...       --------_____----", "jusqu'à               -------------_____"},
        0);
  Place(Label28, 780, 176, 130, 17);
  Caption(Label28, "année         mois");
  Place(Label29, 756, 196, 22, 17);
  Caption(Label29, "de");
  Place(Edit_annee_de, 778, 194, 60, 21);
  Edit_annee_de.SetText("2014");
  Place(Edit_mois_de, 854, 194, 34, 21);
  Edit_mois_de.SetText("10");
  Place(Label30, 896, 196, 14, 17);
  Caption(Label30, "à");
  Place(Edit_annee_a, 912, 194, 60, 21);
  Place(Edit_mois_a, 976, 194, 34, 21);

  // Column 4: the effects and their durations.
  Place(Rdg1, 1056, 42, 416, 160);
  Caption(Rdg1, "Effets");
  Items(Rdg1,
        {"reste à 1  (sans zoom =1 )                        1 durée",
         "SBN  (Sans Bandes Noires)                     1 durée",
         "1   puis  1 à SBN                                     2 durées",
         "1 à SBN  (Sans Bandes Noires)   lent      2 durées + zoom lent",
         "1 à zoom lent fixé                                     2 durées + zoom lent",
         "SBN à zoom lent fixé                                2 durées + zoom lent"},
        0);
  Edit* durations[6][2] = {{&Edit_dt0_a, nullptr}, {&Edit_dt1_a, nullptr},
                           {&Edit_dt2_a, &Edit_dt2_b}, {&Edit_dt3_a, &Edit_dt3_b},
                           {&Edit_dt4_a, &Edit_dt4_b}, {&Edit_dt5_a, &Edit_dt5_b}};
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 2; ++col) {
      if (Edit* e = durations[row][col]) {
        Place(*e, 1476 + col * 50, 63 + row * 22, 46, 21);
        e->SetText("2000");
      }
    }
  }
  Edit_dt0_a.SetText("5000");

  // Column 5: order of the show, captions and counters.
  Place(CheckBox_rnd, 1056, 208, 96, 20);
  Caption(CheckBox_rnd, "aléatoire");
  Hint(CheckBox_rnd, "lecture aléatoire ou successive (voir indice non aléatoire de démarrage)");
  CheckBox_rnd.SetChecked(true);
  Place(Label9, 1156, 210, 104, 17);
  Caption(Label9, "rayon aléatoire");
  Hint(Label9, "rayon du 2ème  tirage  aléatoire");
  Place(Edit_rayon_rnd, 1262, 207, 36, 21);
  Edit_rayon_rnd.SetText("5");
  Place(Label17, 1306, 210, 186, 17);
  Caption(Label17, "nb de tirages dans ce rayon");
  Hint(Label17, "ce nombre est  plus petit que 2 fois le rayon!");
  Place(Edit_nb_fouille, 1496, 207, 36, 21);
  Edit_nb_fouille.SetText("5");
  Place(Label18, 1056, 234, 258, 17);
  Caption(Label18, "indice de démarrage  (SI non aléatoire)");
  Place(Edit_indice_non_aleatoire, 1316, 231, 50, 21);
  Edit_indice_non_aleatoire.SetText("0");
  Place(Label10, 1372, 234, 122, 17);
  Caption(Label10, "vitesse souris max");
  Hint(Label10, "vitesse de la souris qui arrête le diaporama");
  Place(Edit_vmax, 1496, 231, 36, 21);
  Edit_vmax.SetText("100");
  Place(RadioGroup_titre_ecran, 1056, 256, 432, 38);
  Caption(RadioGroup_titre_ecran, "afficher à l'écran");
  Items(RadioGroup_titre_ecran, {"rien", "répertoire", "répertoire + nom"}, 1);
  Place(CheckBox_af_an, 1496, 258, 196, 18);
  Caption(CheckBox_af_an, "affiche année mois");
  Place(CheckBox_grand_menu, 1496, 277, 196, 18);
  Caption(CheckBox_grand_menu, "grand menu constant");

  // Lower middle: history counters, albums and the viewer.
  Place(Label5, 1580, 42, 112, 17);
  Place(Label13, 1580, 62, 112, 17);
  Place(Label21, 1580, 82, 112, 17);
  Place(Label_etat, 1580, 102, 112, 17);
  Caption(Label_etat, "état");
  Place(Label_delai, 1580, 122, 112, 17);
  Caption(Label_delai, "délai");
  Place(CheckBox1, 756, 222, 290, 20);
  Caption(CheckBox1, "voir la liste filtrée");
  Place(Label_repertoire, 756, 246, 290, 17);
  Place(Label_nom_img, 756, 266, 290, 17);
  Place(Button2, 756, 292, 152, 26);
  Caption(Button2, "Enregistrer paramètres");
  Place(Button_param_avancer, 912, 292, 134, 26);
  Caption(Button_param_avancer, "Paramètres avancés");
  Place(Button_aide, 1580, 144, 30, 26);
  Caption(Button_aide, "?");
  Hint(Button_aide, "Aide");

  Place(rep_album_A, 366, 231, 148, 17);
  Caption(rep_album_A, "répertoire album A");
  Place(SpeedButton_album_A, 518, 228, 24, 22);
  Caption(SpeedButton_album_A, "...");
  Hint(SpeedButton_album_A, "choix du répertoire de l'album A");
  Place(Button_album_a, 546, 228, 146, 22);
  Caption(Button_album_a, "Copier vers album A");
  Place(Panel_ouvrir_repA, 696, 228, 50, 22);
  Caption(Panel_ouvrir_repA, "ouvrir");
  Hint(Panel_ouvrir_repA, "visualise l'album A");
  Place(rep_album_B, 366, 255, 148, 17);
  Caption(rep_album_B, "répertoire album B");
  Place(SpeedButton_album_B, 518, 252, 24, 22);
  Caption(SpeedButton_album_B, "...");
  Hint(SpeedButton_album_B, "choix du répertoire de l'album B");
  Place(Button_album_B, 546, 252, 146, 22);
  Caption(Button_album_B, "Copier vers album B");
  Place(Panel_ouvrir_repB, 696, 252, 50, 22);
  Caption(Panel_ouvrir_repB, "ouvrir");
  Hint(Panel_ouvrir_repB, "visualise l'album B");
  Place(Label12, 366, 279, 380, 17);
  Caption(Label12, "Programme de visualisation du répertoire image courant");
  Place(xnview_alternative_Label, 366, 299, 352, 17);
  Caption(xnview_alternative_Label, "exécutable (*.exe)");
  Place(SpeedButton_xnview, 722, 297, 24, 20);
  Caption(SpeedButton_xnview, "...");
  Hint(SpeedButton_xnview, " choix d'un autre logiciel que XnView");
  Place(CheckBox_xnview_rep_et_nom, 1056, 298, 420, 20);
  Caption(CheckBox_xnview_rep_et_nom, "xnview => répertoire ET nom (relance obligatoire)");
  Hint(CheckBox_xnview_rep_et_nom,
       " en plus du répertoire, le nom du fichier sera transféré au visualisateur ");

  // The advanced panel (zoom settings), placed above the right end of the options panel.
  Place(Panel3, 1360, 480, 450, 200);
  Caption(Panel3, "ZOOM param");
  Place(Label3, 8, 172, 300, 17);
  Place(Label_zoom, 8, 30, 200, 17);
  Caption(Label_zoom, "zoom max en 1/10ème");
  Place(Edit_zoom_s_dix, 220, 28, 50, 21);
  Edit_zoom_s_dix.SetText("16");
  Place(Label_inc, 8, 56, 200, 17);
  Caption(Label_inc, "nb d'itérations");
  Place(Edit_inc_pixel, 220, 54, 50, 21);
  Edit_inc_pixel.SetText("250");
  Place(Label_haut, 8, 82, 210, 17);
  Caption(Label_haut, "décalage vers le bas (0 à 100%)");
  Hint(Label_haut, "40 % permet de stabiliser le centre de l'image pendant le zoom");
  Place(Edit_haut, 220, 80, 50, 21);
  Edit_haut.SetText("100");
  Place(Button_enreg_param, 8, 110, 180, 26);
  Caption(Button_enreg_param, "Enregistrer et continuer");
  Place(Button4, 420, 4, 24, 24);
  Caption(Button4, "X");
  Place(CheckBox_voir_liste_300, 290, 30, 150, 20);
  Caption(CheckBox_voir_liste_300, "voir la liste des 300");
  Place(CheckBox_voir_idx, 290, 56, 150, 20);
  Caption(CheckBox_voir_idx, "voir idx rep");
  Place(SpeedButton2, 290, 110, 150, 26);
  Caption(SpeedButton2, "renommage par lot");
  Panel3.SetVisible(false);

  // The screen-saver panel, left of the advanced panel.
  Place(Panel2, 1010, 480, 348, 200);
  Place(Label25, 8, 6, 200, 20);
  Caption(Label25, "écran de veille");
  Place(Panel4, 8, 30, 332, 160);
  Place(Label2, 8, 8, 316, 40);
  Caption(Label2, "Délai avant mise en route (en secondes)      Efffectif au prochain redémarrage");
  Place(Edit1, 8, 56, 80, 21);
  Edit1.SetText("60");
  Place(ButtonValidationDelai, 100, 54, 150, 26);
  Caption(ButtonValidationDelai, "Validation délai ");
  Hint(ButtonValidationDelai, "ça va être validé au prochain démarrage    ");
  Panel2.SetVisible(false);

  // The renaming panel.
  Place(Panel_renommage, 300, 120, 700, 460);
  Panel_renommage.SetVisible(false);
  Place(Button3, 670, 4, 24, 24);
  Caption(Button3, "X");
  Place(Label22, 8, 6, 400, 20);
  Caption(Label22, "renommage de lots de répertoires ");
  Place(Label27, 8, 30, 600, 17);
  Caption(Label27, "ex: /051231 avg ou /05-12-31 avg en /2005-15-21 avg");
  Place(Label26, 8, 50, 600, 17);
  Caption(Label26, "20050828 avg /2005 08 28 avg en /2005-05-28 avg");
  Place(SpeedButton3, 8, 76, 150, 24);
  Caption(SpeedButton3, "Répertoire cible ");
  Place(Edit2, 166, 78, 350, 21);
  Place(SpeedButton5, 522, 76, 170, 24);
  Caption(SpeedButton5, "l'ouvrir dans l'explorateur");
  Place(Label_prefixe, 8, 108, 150, 17);
  Caption(Label_prefixe, "siècle des années");
  Place(Edit3, 166, 106, 40, 21);
  Edit3.SetText("20");
  Place(Label23, 8, 134, 500, 17);
  Caption(Label23, "nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '20aa-mm-jj ...'");
  Place(Label24, 520, 134, 60, 17);
  Caption(Label24, "---");
  Place(ListBox1, 8, 160, 684, 260);
  Place(SpeedButton4, 8, 426, 150, 26);
  Caption(SpeedButton4, "renommer");
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
