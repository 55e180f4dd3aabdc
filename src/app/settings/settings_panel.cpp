// The save and reset buttons of the options panels, and the advanced panels' visibility.
#include "app/tdiapo.h"

namespace lumivel {

// Saves, then quits so that the next start rebuilds the index from the current roots and filters.
// Also the way out when a picture of the index has disappeared.
void Tdiapo::ResetAndQuit() {
  SettingsChanged = true;
  ResetOnQuit = true;
  SaveSettings();
  QuitProgram();
}

void Tdiapo::Button_enreg_paramClick() {
  SettingsChanged = true;
  ResetOnQuit = true;
  SaveSettings();
  Panel3.SetVisible(false);
  Panel2.SetVisible(false);
}

void Tdiapo::Button2Click() { SaveSettings(); }

void Tdiapo::Button_param_avancerClick() {
  Panel3.SetVisible(!Panel3.Visible());
  Panel2.SetVisible(Panel3.Visible());
  ListBox_passee.SetVisible(Panel3.Visible() && CheckBox_voir_liste_300.Checked());
}

void Tdiapo::Button4Click() {
  Panel3.SetVisible(false);
  Panel2.SetVisible(false);
  ListBox_passee.SetVisible(false);
  ListBox_rep.SetVisible(false);
}

void Tdiapo::Button_close_paramClick() { ContinueShow(); }

void Tdiapo::SpeedButton_valider_filtreClick() { ResetAndQuit(); }

}  // namespace lumivel
