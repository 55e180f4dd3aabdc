// Operations still to be built; each moves to its own file when it is.
#include "app/tdiapo.h"

namespace lumivel {

void Tdiapo::ShowYearMonth() {}
void Tdiapo::CheckBox_af_anClick() {}
void Tdiapo::RadioGroup_filtre_dateClick() {}
void Tdiapo::Edit_annee_deExit() {}
void Tdiapo::Edit_annee_aExit() {}
void Tdiapo::Edit_contientChange() {}
void Tdiapo::Edit_ne_contient_pasChange() {}
void Tdiapo::Edit_contientKeyDown(int) {}
void Tdiapo::Edit_ne_contient_pasKeyDown(int) {}

}  // namespace lumivel
