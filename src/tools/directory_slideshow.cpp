// The viewer's own slideshow of the shown picture's directory (button or F3), after which the
// control panel toggles as the space bar does.
#include "app/tdiapo.h"

namespace lumivel {

namespace {
constexpr int kKeySpace = 32;
}  // namespace

void Tdiapo::Button_tout_le_repClick(Control* sender) {
  if (toolkit_.Confirm("\n\n     Diaporama de ?\n\n" + Label_repertoire.Caption() + "\n\n")) {
    Panel_ouvrir_rep_imgClick(sender);
  }
  ShowCompactPanel();
  FormKeyUp(sender, kKeySpace, false);
}

}  // namespace lumivel
