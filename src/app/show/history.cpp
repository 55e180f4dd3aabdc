// Stepping through the history from the options panel, and replaying it when the panel closes.
#include "app/tdiapo.h"
#include "show/title_line.h"
#include "util/key_codes.h"

namespace lumivel {

void Tdiapo::ResumeFromHistory() {
  ReplayFlag = true;
  const int32_t count = ListBox_passee.Count();
  // A resume with nothing newer to replay leaves the flag raised: the next browse turns then play
  // their effect, and arrow steps their tone, until a replay of at least one picture ends.
  if (count - HistoryPos - 1 <= 0) return;
  // A replay is a run of the show: a key that restarts the show ends it.
  Application::ShowScope replaying(app_);
  const int savedTop = Panel1.Top();
  Panel1.SetTop(Form.Height());
  toolkit_.SetCursorHidden(true);
  for (int32_t a = HistoryPos; a < count; ++a) {
    const Text path = HistoryEntry(a);
    ShowTitle(ReplayTitle(path));
    LoadPicture(path);
    if (a + 1 < count) DecodeAheadOf(HistoryEntry(a + 1));
    ShowEffect(path);
    ShowDirectoryAndName(path);
  }
  ReplayFlag = false;
  Panel1.SetTop(savedTop);
}

void Tdiapo::Button_retourClick() { StepThroughHistory(keys::kLeft); }

void Tdiapo::Button_avanceClick() { StepThroughHistory(keys::kRight); }

void Tdiapo::Panel_continuer_clik() { ContinueShow(); }

void Tdiapo::ContinueShow() {
  SaveSettings();
  ListBox_rep.SetVisible(false);
  ToggleOptionsPanel();
}

}  // namespace lumivel
