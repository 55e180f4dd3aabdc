// Operations still to be built; each moves to its own file when it is.
#include "app/tdiapo.h"

namespace lumivel {

void Tdiapo::RunShow() {
  app_.TakeQueuedShow();
  StopShow = false;
  if (ImageCount() == 0) {
    Panel1.SetVisible(true);
    toolkit_.SetCursorHidden(false);
  }
}
void Tdiapo::ResumeFromHistory() {}
void Tdiapo::Button_retourClick() {}
void Tdiapo::Button_avanceClick() {}
void Tdiapo::Panel_continuer_clik() {}
int32_t Tdiapo::PickNextIndex() { return 0; }
void Tdiapo::LoadPicture(const Text&) {}
void Tdiapo::ShowEffect(const Text&) {}
void Tdiapo::WaitSteps(int32_t) {}
void Tdiapo::PlayTone(int32_t, int32_t, uint8_t) {}
void Tdiapo::ShowCompactPanel() {}
void Tdiapo::ShowFullPanel() {}
void Tdiapo::Button_avec_sans_optionClick() {}
void Tdiapo::ShowTitle(const Text&) {}
Text Tdiapo::RecordPath(int32_t) const { return Text(); }
void Tdiapo::NewPictureTurn() {}
void Tdiapo::BrowseTurn() {}
void Tdiapo::ShowPictureTurn() {}

}  // namespace lumivel
