// The viewer's own slideshow of the shown picture's directory (button or F3), after which the
// control panel toggles as the space bar does.
#include "app/tdiapo.h"
#include "util/program_path.h"

namespace lumivel {

void Tdiapo::Button_tout_le_repClick(Control* sender) { OfferDirectorySlideshow(sender); }

void Tdiapo::OfferDirectorySlideshow(Control* sender) {
  // The folder of the picture on screen, also during the first turn of a run, before the turn sets
  // Label_repertoire.
  if (toolkit_.Confirm("\n\n     Diaporama de ?\n\n" + DirectoryPart(PictureOnScreenPath) + "\n\n")) {
    OpenInViewer(sender);
  }
  ShowCompactPanel();
  ToggleOptionsPanel();
}

}  // namespace lumivel
