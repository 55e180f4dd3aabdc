// Creation and activation of the main window: the start-up order every later step relies on.
#include "app/run_mode.h"
#include "app/tdiapo.h"
#include "services/data_paths.h"
#include "settings/param_list.h"

namespace lumivel {

using namespace literals;

Tdiapo::Tdiapo(Application& app, Services& services, Toolkit& toolkit, std::string argument1)
    : app_(app), services_(services), toolkit_(toolkit), argument1_(std::move(argument1)) {
  SetDesignValues();
  WireHandlers();
}

Tdiapo::~Tdiapo() { FormDestroy(); }

void Tdiapo::FormCreate() {
  // Hints and double buffering belong to the view.
  Form.SetColor(colors::kBlack);
  ScreenWidth = toolkit_.ScreenWidth();
  ScreenHeight = toolkit_.ScreenHeight();
  Form.SetBounds(0, 0, ScreenWidth, ScreenHeight);
  // The corner labels keep their right edges on the window's right edge as it takes the screen.
  for (Label* corner : {&Label_an, &Label_options, &Label_mois}) {
    corner->SetLeft(ScreenWidth - corner->Width());
  }
  ImageIndexRecords.SetLength(1);
  Label3.SetCaption("paramètre ligne de commande = <"_cp + ChooseRunMode(argument1_).secondCharacter + ">");
  ListBox_rep.Clear();
  ListBox_passee.Clear();
  Form.SetBounds((ScreenWidth - Form.Width()) / 2, (ScreenHeight - Form.Height()) / 2, Form.Width(),
                 Form.Height());
  LastKey = 0;
  ReadScreenSaverState();
  StopShow = false;
  SettingsChanged = false;
  ResetOnQuit = false;
  HistoryCap = 300;
  MouseSpeedMax = 100;
  MouseRefTime = services_.clock.NowDays();
  EntriesSeen = 0;
  HistoryRingSize = 32766;
  HistoryPos = -1;
  MouseTickCount = 0;
  Panel1.SetVisible(false);
  Bevel1.SetBounds(CheckListBox_rep.Left() - 1, CheckListBox_rep.Top() - 1,
                   CheckListBox_rep.Width() + 2, CheckListBox_rep.Height() + 2);
  Edit_rayon_rnd.SetHint(Label9.Hint());
  Edit_nb_fouille.SetHint(Label17.Hint());
  Edit_indice_non_aleatoire.SetHint(Label18.Hint());
  Edit_vmax.SetHint(Label10.Hint());
  ListBox_passee.SetVisible(false);
  ListBox_rep.SetVisible(false);
  toolkit_.SetCursorHidden(true);
  Label4.SetVisible(false);
  ShowMode = 1;
  Form.SetVisible(true);
  FormActivate();
  try {
    PrepareIndex();
  } catch (const ShowInterrupted&) {
    // A key replaced the first show; the event loop starts the new one after these last steps.
  }
  for (auto [label, top] : {std::pair{&Label_an, 0}, {&Label_options, 30}, {&Label_mois, 65}}) {
    label->SetCaption(Text());
    label->SetBounds(ScreenWidth - label->Width(), top, label->Width(), label->Height());
  }
  ReplayFlag = false;
}

void Tdiapo::FormActivate() {
  if (activated_) return;
  activated_ = true;
  Label11.SetCaption(Label11.Caption() + " 3.8");
  ListBox_rep_exclu.Clear();
  ListBox_rep_nom_fic_exclu.Clear();
  ClearResetMark();
  ParamLoad(ListBox_param.EditLines(), services_.fs, paths::kParamFile);
  CheckBox_grand_menu.SetChecked(
      ParamReadBool(ListBox_param.Lines(), "CheckBox_grand_menu.Checked", "false"));
  ShowCompactPanel();
  ShowDateRangeBoxes();
  Edit_contient.SetHint(
      "  le répertoire des images doit \n  contenir les mots suivants séparés par une virgule  "_cp);
  Edit_ne_contient_pas.SetHint(
      "  le répertoire des images ne doit pas  \n  contenir les mots suivants séparés par une virgule  "_cp);
  RequiredWords = std::make_unique<std::vector<Text>>();
  ExcludedWords = std::make_unique<std::vector<Text>>();
}

void Tdiapo::FormDestroy() {
  RequiredWords.reset();
  ExcludedWords.reset();
}

}  // namespace lumivel
