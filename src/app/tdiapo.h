#pragma once
// The main window: its controls with their design values, the program's shared state, and every
// operation and handler. The operations of each subsystem are defined in that subsystem's folder
// of app/ (the walk in app/index/, the show in app/show/, ...), beside the subsystem's pure rules
// in src/index/, src/show/, ...; this header is the form.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "index/image_index.h"
#include "index/walk_filters.h"
#include "services/file_system.h"
#include "services/picture.h"
#include "services/services.h"
#include "show/effect_geometry.h"
#include "show/picker.h"
#include "ui/application.h"
#include "ui/controls.h"

namespace lumivel {

class Tdiapo {
 public:
  // argument1: the first command-line argument ("" when missing).
  Tdiapo(Application& app, Services& services, Toolkit& toolkit, std::string argument1);
  ~Tdiapo();
  Tdiapo(const Tdiapo&) = delete;
  Tdiapo& operator=(const Tdiapo&) = delete;

  ControlSet& Controls() { return controls_; }
  Application& App() { return app_; }

  // Handlers are named after their control and event; the comment before each gives the control's
  // caption (or, for a box without one, what it holds) and what the handler does.

  // ---- Entry and start-up (app/startup.cpp) ----
  void FormCreate();
  void FormActivate();
  void FormDestroy();
  // The window itself: a click or a move over the picture does nothing.
  void FormClick() {}
  void FormMouseMove() {}

  // ---- Keyboard, mouse and quitting (app/shell/keys_mouse_quit.cpp) ----
  // A key released over the window, none while a text box has the focus: every key stops the
  // show; Esc and Q quit, F3 offers the viewer's slideshow, the space bar toggles the options
  // panel, the arrows step through the history.
  void FormKeyUp(Control* sender, int key, bool shift);
  // The space bar: opens the options panel (the show starts again, browsing the history, with the
  // pointer shown) or closes it (the history from the browsed picture is replayed, then new
  // pictures resume).
  void ToggleOptionsPanel();
  // An arrow key (keys::kLeft or keys::kRight): the show starts again, one step through the history.
  void StepThroughHistory(int arrowKey);
  // Timer1, every 200 ms: a fast horizontal move of the pointer quits.
  void Timer1Timer();
  // " quitter (Esc)": asks, then quits.
  void Button_quitClick();
  void CenterMouseCursor();
  void QuitProgram();
  // The quit procedure when the window system or the system ends the program.
  void QuitOnSystemRequest();

  // ---- Screen-saver delay (app/shell/screen_saver_panel.cpp) ----
  void ReadScreenSaverState();
  // "Validation délai ": sets the system's screen-saver delay from Edit1 and ends the program.
  void ButtonValidationDelaiClick();

  // ---- Settings (app/settings/) ----
  void LoadSettings();
  void SaveSettings();
  // "Réinitialiser = enregistre + quitter et Relancer" (and the "écran de veille" title): saves and
  // quits so that the next start rebuilds the index.
  void ResetAndQuit();
  // "Enregistrer et continuer": saves, marks the index for a rebuild, closes the side panels.
  void Button_enreg_paramClick();
  // "Enregistrer paramètres": saves the settings.
  void Button2Click();
  // "Paramètres avancés": shows or hides the advanced and screen-saver panels.
  void Button_param_avancerClick();
  // "X" of the advanced panel: closes the side panels and the lists over the picture.
  void Button4Click();
  // "X" of the options panel: as "continuer".
  void Button_close_paramClick();
  // "Valider les filtres": saves and quits so that the next start rebuilds the index.
  void SpeedButton_valider_filtreClick();

  // ---- Picture index (app/index/) ----
  void PrepareIndex();
  void SaveIndex();
  void LoadIndex();
  void WalkRoots();
  void WalkDirectory(const Text& dir);
  void SetExcludedWords(const Text& text);
  void SetRequiredWords(const Text& text);
  void FilterPicture(const Text& dir, const Text& path, const DirEntry& entry);
  void ReadExclusionFile();
  void OpenInNotepad(const Text& directory, const Text& fileName);
  // "l'éditer": opens the exclusion file in the text editor.
  void SpeedButton1Click();
  // "fichier d'exclusions (Lumivel_exclusions.txt)": the change waits for a rebuild (marked).
  void CheckBox_fic_exclusionClick();
  // "supprimer la sélection": removes the selected root directory, after asking.
  void Panel_sup_repClick();
  // "ajouter un répertoire": adds a chosen directory to the roots, after asking.
  void Panel_ajout_repClick();
  // The root directories' list: shows the selected line under it; marks a rebuild.
  void CheckListBox_repClick();
  // "doit contenir": the change waits for a rebuild (marked).
  void CheckBox_contientClick();
  // "ne doit pas contenir": the change waits for a rebuild (marked).
  void CheckBox_ne_contient_pasClick();
  // "Exclusion répertoire(s)": the change waits for a rebuild (marked).
  void RadioGroup_exclusionClick();
  void MarkResetNeeded();
  void ClearResetMark();

  // ---- The show (app/show/) ----
  void RunShow();
  void ResumeFromHistory();
  // "<": one picture back through the history, as the left arrow.
  void Button_retourClick();
  // ">": one picture forward through the history, as the right arrow.
  void Button_avanceClick();
  // "continuer [Espace]": see ContinueShow.
  void Panel_continuer_clik();
  // Saves the settings and closes the options panel as the space bar does: the show resumes.
  void ContinueShow();
  int32_t PickNextIndex();
  void LoadPicture(const Text& path);
  // Asks the picture loader to decode, while the current picture is shown, the picture the next
  // turn will load when it is known already; DecodeAheadOf names it.
  void DecodeNextAhead();
  void DecodeAheadOf(const Text& path);
  void ShowEffect(const Text& path);
  void WaitSteps(int32_t milliseconds);
  void PlayTone(int32_t frequency, int32_t durationMs, uint8_t volume);
  void ShowCompactPanel();
  void ShowFullPanel();
  // "options" / "moins d'options": switches the options panel between its two layouts.
  void Button_avec_sans_optionClick();
  // Sets the title line over the picture.
  void ShowTitle(const Text& caption);

  // ---- Dates in directory names (app/dates/) ----
  void ShowYearMonth();
  // "affiche année mois": unticked, blanks the corner at once; ticked, waits for the next picture.
  void CheckBox_af_anClick();
  // "Filtre des dates": see ShowDateRangeBoxes.
  void RadioGroup_filtre_dateClick();
  // Shows the year and month boxes the chosen kind of date range needs.
  void ShowDateRangeBoxes();
  // The year boxes after "de" and "à", when left: a two-digit year becomes one of the 2000s.
  void Edit_annee_deExit();
  void Edit_annee_aExit();
  // The words after "doit contenir" / "ne doit pas contenir", changed: a rebuild is due (marked),
  // the settings are to be saved.
  void Edit_contientChange();
  void Edit_ne_contient_pasChange();
  // Enter in either word box: as "Valider les filtres".
  void Edit_contientKeyDown(int key);
  void Edit_ne_contient_pasKeyDown(int key);

  // ---- Tools (app/tools/) ----
  // "Copier vers album A" (and the viewer's "Programme de visualisation ..." label): copies the
  // shown picture into album A.
  void Button_album_aClick();
  // "Copier vers album B": copies the shown picture into album B.
  void Button_album_BClick();
  // "..." beside "répertoire album A" / "répertoire album B": chooses the album's folder.
  void SpeedButton_album_AClick();
  void SpeedButton_album_BClick();
  // "ouvrir le répertoire de l'image" and the two albums' "ouvrir": see OpenInViewer.
  void Panel_ouvrir_rep_imgClick(Control* sender);
  // Opens in the image viewer what `sender` names (the picture's folder, or the picture, or an
  // album), or the viewer's slideshow of the picture's folder after the slideshow button or F3;
  // waits for the viewer, letting messages run.
  void OpenInViewer(Control* sender);
  // "..." beside "exécutable (*.exe)": chooses another image viewer.
  void SpeedButton_xnviewClick();
  // "?": opens the manual.
  void Button_aideClick();
  void OpenHelpManual();
  // "l'ouvrir dans l'explorateur": opens the renaming's target directory in the file manager.
  void SpeedButton5Click();
  uint16_t DateRenamePass(const Text& directory, bool rename);
  // "renommage par lot": shows or hides the renaming panel.
  void SpeedButton2Click();
  // "X" of the renaming panel: closes it.
  void Button3Click();
  // "Répertoire cible ": chooses the directory and counts what would be renamed.
  void SpeedButton3Click();
  // "renommer": renames the dated directories of the chosen directory.
  void SpeedButton4Click();
  // The century box after "siècle des années", changed: the panel's examples follow it.
  void Edit3Change();
  // "voir la liste des 300": shows or hides the history list.
  void CheckBox_voir_liste_300Click();
  // "voir idx rep": shows or hides the indexed directories, under the history list.
  void CheckBox_voir_idxClick();
  // "voir la liste filtrée": shows or hides the indexed directories.
  void CheckBox1Click();
  // "DIAPORAMA - F3 ": see OfferDirectorySlideshow.
  void Button_tout_le_repClick(Control* sender);
  // Asks, then runs the viewer's slideshow of the shown picture's folder; then the options panel
  // takes its compact layout and toggles as the space bar does.
  void OfferDirectorySlideshow(Control* sender);

  // ---- Shared state (names as the program has always called them) ----
  int32_t LastKey = 0;
  bool StopShow = false;
  bool SettingsChanged = false;
  bool ResetOnQuit = false;
  int32_t ScreenWidth = 0;
  int32_t ScreenHeight = 0;
  int32_t HistoryCap = 300;
  uint8_t ShowMode = 1;
  int32_t HistoryPos = -1;
  int32_t HistoryRingSize = 32766;
  int32_t HistoryWritePos = -1;
  int32_t MouseSpeedMax = 100;
  int32_t MouseTickCount = 0;
  int32_t MouseRefX = 0;
  double MouseRefTime = 0;
  // The options panel showed at the previous tick: the move measured next was made with it open.
  bool MousePanelShownAtLastTick = false;
  int32_t EntriesSeen = 0;
  bool ReplayFlag = false;
  Text CurrentImagePath;
  Text LastShownPath;
  // The picture Image2 holds, the one on screen: a turn sets its captions only after its effect.
  Text PictureOnScreenPath;
  Text OptionsText;
  ImageIndex ImageIndexRecords;
  int32_t ImageCount() const { return ImageIndexRecords.Count(); }
  std::unique_ptr<std::vector<Text>> RequiredWords;
  std::unique_ptr<std::vector<Text>> ExcludedWords;
  PickerState Picker;

  // Integer settings kept beside their edit boxes.
  int32_t dt0_a = 0, dt1_a = 0, dt2_a = 0, dt2_b = 0, dt3_a = 0, dt3_b = 0, dt4_a = 0, dt4_b = 0,
          dt5_a = 0, dt5_b = 0;
  int32_t _haut = 0;
  int32_t zoom_max10 = 0;
  int32_t inc_dx = 0;
  int32_t indice_non_aleatoire = 0;
  int32_t rayon_rnd = 0;
  int32_t nb_fouille = 0;

 private:
  void SetDesignValues();
  void WireHandlers();
  // The picture's path of an index record: its directory, "\" and its name.
  Text RecordPath(int32_t position) const;
  void DateRenameOne(const Text& directory, const Text& oldName, const Text& newName, bool rename,
                     uint16_t& count);
  // Album copy and list views (app/tools/).
  bool CopyPictureFile(const Text& source, const Text& target);
  void CopyShownPictureToAlbum(const Label& album, const Text& letter);
  void ChooseAlbumDirectory(Label& album);
  void PlaceDirectoryListUnderHistory();
  void NewPictureTurn();
  // A browse turn; when it met no input and changed nothing, waits for input before the next.
  void BrowseTurn();
  void BrowseTurnSteps();
  // What decides a browse turn's outcome besides the controls that only input changes.
  struct BrowseState {
    int32_t lastKey;
    int32_t historyPos;
    bool stopShow;
    uint8_t showMode;
    bool replayFlag;
    bool panelVisible;
    int32_t historyCount;
    Text lastShownPath;
    bool operator==(const BrowseState&) const = default;
  };
  BrowseState CurrentBrowseState() const;
  void ShowPictureTurn();
  // The history entry at a position; a position outside the list raises the list-index error.
  Text HistoryEntry(int32_t position) const;
  // While the queue file lists pictures, the next one replaces CurrentImagePath.
  void TakePathFromQueueFile();
  // Label_repertoire and Label_nom_img for the picture on screen.
  void ShowDirectoryAndName(const Text& path);
  // Image2's bounds, also told to the view.
  void PlaceImage(int left, int top, int width, int height);
  // Widens Image2 from startWidth in small passes, letting messages run after each.
  void SlowZoom(int32_t startWidth, int32_t pw, int32_t ph);
  // Prepares a walk: its directory numbers from ListBox_rep, and its filters.
  void PrepareWalkFilters();
  // How large the chosen effect needs a picture's pixels.
  PixelSize PictureCover() const;
  // The picture the next turn will load, when it can be told without drawing a random number.
  std::optional<Text> NextKnownPicture();
  // The filters from the control panel as it is now, with the word lists of the walk's start.
  void ReadFilterControls();
  // Grows whenever a control the filters read changes.
  uint64_t FilterControlsRevision() const;
  // dir's position in ListBox_rep, appending it when no line names the same directory.
  int32_t DirectoryNumber(const Text& dir);

  // The file whose pixels Image2 holds, as it was when decoded, and the size it was decoded for.
  struct LoadedPicture {
    Text path;
    PixelSize cover;
    int64_t fileSize = -1;
    std::optional<LocalDateTime> modified;
    bool operator==(const LoadedPicture&) const = default;
  };
  LoadedPicture loaded_;

  Application& app_;
  Services& services_;
  Toolkit& toolkit_;
  std::string argument1_;
  bool activated_ = false;
  // The settings load stopped at a faulty key, so the parameter file holds settings after it that
  // the controls never received: the next save keeps the file beside the new one first.
  bool paramFilePartlyRead_ = false;

  // The walk's filters, prepared when it begins and again when a control they read changes, and
  // what it last worked out for a directory: the pictures of one directory come together, so each
  // run of them is judged and numbered once.
  struct WalkContext {
    std::optional<PreparedWalkFilters> filters;
    uint64_t controlsRevision = 0;  // FilterControlsRevision() when the filters were prepared
    std::optional<Text> judgedDirectory;
    DirectoryVerdict verdict;
    std::optional<Text> numberedDirectory;
    int32_t directoryNumber = 0;
    // The position in ListBox_rep of the first line of each lower-cased text, and of each
    // directory as the walk spelled it: with thousands of directories a search of the list for
    // each one would cost more than the whole listing.
    std::unordered_map<Text, int32_t> directoryNumbers;
    std::unordered_map<Text, int32_t> spelledNumbers;
    int64_t messagesRunAtMs = -1;  // the clock's milliseconds when the walk last let messages run
    // Messages ran since the filters last looked at their controls: only a handler changes them.
    bool messagesRan = false;
  };
  WalkContext walk_;
  // The history position of the last picture shown while browsing: the next step is guessed to go
  // the same way as the last one.
  int32_t browsedAt_ = -1;

  ControlSet controls_;

 public:
  // ---- Controls, parents before children ----
  Panel Form{controls_, "diapo", nullptr, ControlKind::Form};
  Timer Timer1{controls_, "Timer1", &Form};
  PictureBox Image2{controls_, "Image2", &Form};
  Label Label1{controls_, "Label1", &Form};
  Label Label4{controls_, "Label4", &Form};
  Label Label6{controls_, "Label6", &Form};
  Label Label_an{controls_, "Label_an", &Form};
  Label Label_options{controls_, "Label_options", &Form};
  Label Label_mois{controls_, "Label_mois", &Form};
  ListBox ListBox_passee{controls_, "ListBox_passee", &Form};
  ListBox ListBox_rep{controls_, "ListBox_rep", &Form};

  // Hidden lists that serve as the program's string lists.
  ListBox ListBox_param{controls_, "ListBox_param", nullptr};
  ListBox ListBox_tmp{controls_, "ListBox_tmp", nullptr};
  ListBox CheckListBox_rep_flag{controls_, "CheckListBox_rep_flag", nullptr};
  ListBox ListBox_fic_rep_crt{controls_, "ListBox_fic_rep_crt", nullptr};
  ListBox ListBox_rep_exclu{controls_, "ListBox_rep_exclu", nullptr};
  ListBox ListBox_rep_nom_fic_exclu{controls_, "ListBox_rep_nom_fic_exclu", nullptr};

  // The options panel.
  Panel Panel1{controls_, "Panel1", &Form};
  Label Label11{controls_, "Label11", &Panel1};
  Panel Panel_continuer{controls_, "Panel_continuer", &Panel1};
  Button Button_retour{controls_, "Button_retour", &Panel1};
  Button Button_avance{controls_, "Button_avance", &Panel1};
  Panel Panel_ouvrir_rep_img{controls_, "Panel_ouvrir_rep_img", &Panel1};
  Button Button_avec_sans_option{controls_, "Button_avec_sans_option", &Panel1};
  Button Button_quit{controls_, "Button_quit", &Panel1};
  Button Button_close_param{controls_, "Button_close_param", &Panel1};
  Button Button_tout_le_rep{controls_, "Button_tout_le_rep", &Panel1};
  Label Label_etat{controls_, "Label_etat", &Panel1};
  Label Label_delai{controls_, "Label_delai", &Panel1};
  Button Button2{controls_, "Button2", &Panel1};
  Button Button_param_avancer{controls_, "Button_param_avancer", &Panel1};
  Panel Bevel1{controls_, "Bevel1", &Panel1, ControlKind::Bevel};
  CheckListBox CheckListBox_rep{controls_, "CheckListBox_rep", &Panel1};
  Label Label20{controls_, "Label20", &Panel1};
  Panel Panel_sup_rep{controls_, "Panel_sup_rep", &Panel1};
  Panel Panel_ajout_rep{controls_, "Panel_ajout_rep", &Panel1};
  Panel aPanel_sauve_param_et_BD0_et_quitter{controls_, "aPanel_sauve_param_et_BD0_et_quitter", &Panel1};
  RadioGroup RadioGroup_sous_rep_recursif{controls_, "RadioGroup_sous_rep_recursif", &Panel1};
  RadioGroup RadioGroup_exclusion{controls_, "RadioGroup_exclusion", &Panel1};
  CheckBox CheckBox_fic_exclusion{controls_, "CheckBox_fic_exclusion", &Panel1};
  Button SpeedButton1{controls_, "SpeedButton1", &Panel1, ControlKind::SpeedButton};
  CheckBox CheckBox_contient{controls_, "CheckBox_contient", &Panel1};
  Edit Edit_contient{controls_, "Edit_contient", &Panel1};
  CheckBox CheckBox_ne_contient_pas{controls_, "CheckBox_ne_contient_pas", &Panel1};
  Edit Edit_ne_contient_pas{controls_, "Edit_ne_contient_pas", &Panel1};
  Button SpeedButton_valider_filtre{controls_, "SpeedButton_valider_filtre", &Panel1, ControlKind::SpeedButton};
  RadioGroup RadioGroup_filtre_date{controls_, "RadioGroup_filtre_date", &Panel1};
  Label Label28{controls_, "Label28", &Panel1};
  Label Label29{controls_, "Label29", &Panel1};
  Label Label30{controls_, "Label30", &Panel1};
  Edit Edit_annee_de{controls_, "Edit_annee_de", &Panel1};
  Edit Edit_mois_de{controls_, "Edit_mois_de", &Panel1};
  Edit Edit_annee_a{controls_, "Edit_annee_a", &Panel1};
  Edit Edit_mois_a{controls_, "Edit_mois_a", &Panel1};
  RadioGroup Rdg1{controls_, "Rdg1", &Panel1};
  Edit Edit_dt0_a{controls_, "Edit_dt0_a", &Panel1};
  Edit Edit_dt1_a{controls_, "Edit_dt1_a", &Panel1};
  Edit Edit_dt2_a{controls_, "Edit_dt2_a", &Panel1};
  Edit Edit_dt2_b{controls_, "Edit_dt2_b", &Panel1};
  Edit Edit_dt3_a{controls_, "Edit_dt3_a", &Panel1};
  Edit Edit_dt3_b{controls_, "Edit_dt3_b", &Panel1};
  Edit Edit_dt4_a{controls_, "Edit_dt4_a", &Panel1};
  Edit Edit_dt4_b{controls_, "Edit_dt4_b", &Panel1};
  Edit Edit_dt5_a{controls_, "Edit_dt5_a", &Panel1};
  Edit Edit_dt5_b{controls_, "Edit_dt5_b", &Panel1};
  CheckBox CheckBox_rnd{controls_, "CheckBox_rnd", &Panel1};
  Label Label9{controls_, "Label9", &Panel1};
  Edit Edit_rayon_rnd{controls_, "Edit_rayon_rnd", &Panel1};
  Label Label17{controls_, "Label17", &Panel1};
  Edit Edit_nb_fouille{controls_, "Edit_nb_fouille", &Panel1};
  Label Label18{controls_, "Label18", &Panel1};
  Edit Edit_indice_non_aleatoire{controls_, "Edit_indice_non_aleatoire", &Panel1};
  Label Label10{controls_, "Label10", &Panel1};
  Edit Edit_vmax{controls_, "Edit_vmax", &Panel1};
  RadioGroup RadioGroup_titre_ecran{controls_, "RadioGroup_titre_ecran", &Panel1};
  CheckBox CheckBox_af_an{controls_, "CheckBox_af_an", &Panel1};
  CheckBox CheckBox_grand_menu{controls_, "CheckBox_grand_menu", &Panel1};
  CheckBox CheckBox1{controls_, "CheckBox1", &Panel1};
  Label Label5{controls_, "Label5", &Panel1};
  Label Label13{controls_, "Label13", &Panel1};
  Label Label21{controls_, "Label21", &Panel1};
  Label Label_repertoire{controls_, "Label_repertoire", &Panel1};
  Label Label_nom_img{controls_, "Label_nom_img", &Panel1};
  Label rep_album_A{controls_, "rep_album_A", &Panel1};
  Label rep_album_B{controls_, "rep_album_B", &Panel1};
  Button SpeedButton_album_A{controls_, "SpeedButton_album_A", &Panel1, ControlKind::SpeedButton};
  Button SpeedButton_album_B{controls_, "SpeedButton_album_B", &Panel1, ControlKind::SpeedButton};
  Button Button_album_a{controls_, "Button_album_a", &Panel1};
  Button Button_album_B{controls_, "Button_album_B", &Panel1};
  Panel Panel_ouvrir_repA{controls_, "Panel_ouvrir_repA", &Panel1};
  Panel Panel_ouvrir_repB{controls_, "Panel_ouvrir_repB", &Panel1};
  Label Label12{controls_, "Label12", &Panel1};
  CheckBox CheckBox_xnview_rep_et_nom{controls_, "CheckBox_xnview_rep_et_nom", &Panel1};
  Label xnview_alternative_Label{controls_, "xnview_alternative_Label", &Panel1};
  Button SpeedButton_xnview{controls_, "SpeedButton_xnview", &Panel1, ControlKind::SpeedButton};
  Button Button_aide{controls_, "Button_aide", &Panel1};

  // The advanced panel (zoom settings).
  Panel Panel3{controls_, "Panel3", &Form};
  Label Label3{controls_, "Label3", &Panel3};
  Label Label_zoom{controls_, "Label_zoom", &Panel3};
  Edit Edit_zoom_s_dix{controls_, "Edit_zoom_s_dix", &Panel3};
  Label Label_inc{controls_, "Label_inc", &Panel3};
  Edit Edit_inc_pixel{controls_, "Edit_inc_pixel", &Panel3};
  Label Label_haut{controls_, "Label_haut", &Panel3};
  Edit Edit_haut{controls_, "Edit_haut", &Panel3};
  Button Button_enreg_param{controls_, "Button_enreg_param", &Panel3};
  Button Button4{controls_, "Button4", &Panel3};
  CheckBox CheckBox_voir_liste_300{controls_, "CheckBox_voir_liste_300", &Panel3};
  CheckBox CheckBox_voir_idx{controls_, "CheckBox_voir_idx", &Panel3};
  Button SpeedButton2{controls_, "SpeedButton2", &Panel3, ControlKind::SpeedButton};

  // The screen-saver panel.
  Panel Panel2{controls_, "Panel2", &Form};
  Label Label25{controls_, "Label25", &Panel2};
  Panel Panel4{controls_, "Panel4", &Panel2};
  Label Label2{controls_, "Label2", &Panel4};
  Edit Edit1{controls_, "Edit1", &Panel4};
  Button ButtonValidationDelai{controls_, "ButtonValidationDelai", &Panel4};

  // The renaming panel.
  Panel Panel_renommage{controls_, "Panel_renommage", &Form};
  Button Button3{controls_, "Button3", &Panel_renommage};
  Label Label22{controls_, "Label22", &Panel_renommage};
  Label Label27{controls_, "Label27", &Panel_renommage};
  Label Label26{controls_, "Label26", &Panel_renommage};
  Button SpeedButton3{controls_, "SpeedButton3", &Panel_renommage, ControlKind::SpeedButton};
  Button SpeedButton5{controls_, "SpeedButton5", &Panel_renommage, ControlKind::SpeedButton};
  Edit Edit2{controls_, "Edit2", &Panel_renommage};
  Label Label_prefixe{controls_, "Label_prefixe", &Panel_renommage};
  Edit Edit3{controls_, "Edit3", &Panel_renommage};
  Label Label23{controls_, "Label23", &Panel_renommage};
  Label Label24{controls_, "Label24", &Panel_renommage};
  ListBox ListBox1{controls_, "ListBox1", &Panel_renommage};
  Button SpeedButton4{controls_, "SpeedButton4", &Panel_renommage, ControlKind::SpeedButton};
};

}  // namespace lumivel
