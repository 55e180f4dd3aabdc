// The viewer's own slideshow of the shown picture's directory (button or F3), after which the
// control panel toggles as the space bar does.
#include "app/key_codes.h"
#include "app/tdiapo.h"

namespace lumivel {

void Tdiapo::Button_tout_le_repClick(Control* sender) {
  if (toolkit_.Confirm("\n\n     Diaporama de ?\n\n" + Label_repertoire.Caption() + "\n\n")) {
    Panel_ouvrir_rep_imgClick(sender);
  }
  ShowCompactPanel();
  FormKeyUp(sender, keys::kSpace, false);
}

}  // namespace lumivel
