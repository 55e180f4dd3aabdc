// Operations still to be built; each moves to its own file when it is.
#include "app/tdiapo.h"

namespace lumivel {

void Tdiapo::LoadSettings() {}
void Tdiapo::SaveSettings() {}
void Tdiapo::ResetAndQuit() {}
void Tdiapo::Button_enreg_paramClick() {}
void Tdiapo::Button2Click() {}
void Tdiapo::Button_param_avancerClick() {}
void Tdiapo::Button4Click() {}
void Tdiapo::Button_close_paramClick() {}
void Tdiapo::SpeedButton_valider_filtreClick() {}

}  // namespace lumivel
