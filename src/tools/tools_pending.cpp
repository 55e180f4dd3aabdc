// Operations still to be built; each moves to its own file when it is.
#include "app/tdiapo.h"

namespace lumivel {

void Tdiapo::Button_album_aClick() {}
void Tdiapo::Button_album_BClick() {}
void Tdiapo::SpeedButton_album_AClick() {}
void Tdiapo::SpeedButton_album_BClick() {}
void Tdiapo::Panel_ouvrir_rep_imgClick(Control*) {}
void Tdiapo::SpeedButton_xnviewClick() {}
void Tdiapo::Button_aideClick() {}
void Tdiapo::OpenHelpManual() {}
void Tdiapo::SpeedButton5Click() {}
void Tdiapo::CheckBox_voir_liste_300Click() {}
void Tdiapo::CheckBox_voir_idxClick() {}
void Tdiapo::CheckBox1Click() {}
void Tdiapo::Button_tout_le_repClick(Control*) {}

}  // namespace lumivel
