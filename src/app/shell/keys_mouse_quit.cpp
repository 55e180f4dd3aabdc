// The key handler, the mouse-speed rule and the quit procedure every way out goes through.
#include <cmath>
#include <cstdlib>

#include "app/tdiapo.h"
#include "services/data_paths.h"
#include "util/errors.h"
#include "util/key_codes.h"

namespace lumivel {

using namespace literals;

void Tdiapo::FormKeyUp(Control* sender, int key, bool /*shift*/) {
  // Key preview: a key released in a text box belongs to the text.
  if (dynamic_cast<const Edit*>(controls_.Focused())) return;
  StopShow = true;
  LastKey = key;
  if (key == keys::kEsc || key == keys::kQ) {
    QuitProgram();
    return;
  }
  if (key == keys::kF3) {
    OfferDirectorySlideshow(sender);
    return;
  }
  if (key == keys::kSpace) {
    ToggleOptionsPanel();
    return;
  }
  if (key == keys::kLeft || key == keys::kRight) StepThroughHistory(key);
}

void Tdiapo::ToggleOptionsPanel() {
  StopShow = true;
  ClearResetMark();
  LastKey = 0;
  Panel1.SetVisible(!Panel1.Visible());
  Panel1.SetTop(ScreenHeight - Panel1.Height() - 12);
  if (!Panel1.Visible()) {
    Panel3.SetVisible(false);
    Panel2.SetVisible(false);
    ShowCompactPanel();
  }
  if (Panel1.Visible()) {
    ShowMode = 0;
    toolkit_.SetCursorHidden(false);
  } else {
    ResumeFromHistory();
    ShowMode = 1;
    toolkit_.SetCursorHidden(true);
  }
  app_.QueueShow();
}

void Tdiapo::StepThroughHistory(int arrowKey) {
  StopShow = true;
  LastKey = arrowKey;
  app_.QueueShow();
}

void Tdiapo::Timer1Timer() {
  Point pointer = toolkit_.CursorPos();
  MouseTickCount += 1;
  double dx = std::abs(static_cast<double>(pointer.x) - MouseRefX);
  double now = services_.clock.NowDays();
  double dt = now - MouseRefTime;
  if (dt == 0) dt = 10000;
  double speed = dx / dt / 1000000;
  // Moves never quit while the panel shows, nor at the first tick after it closes: that tick
  // measures the move from the last tick with the panel open, made on the panel.
  const bool panelShown = Panel1.Visible();
  const bool movedOnThePanel = MousePanelShownAtLastTick;
  MousePanelShownAtLastTick = panelShown;
  if (!panelShown && !movedOnThePanel && MouseTickCount > 1 && speed > MouseSpeedMax) QuitProgram();
  MouseRefX = pointer.x;
  MouseRefTime = now;
}

void Tdiapo::Button_quitClick() {
  CenterMouseCursor();
  if (toolkit_.Confirm("\n     Quitter ?"_cp)) QuitProgram();
}

void Tdiapo::CenterMouseCursor() {
  toolkit_.SetCursorPos(toolkit_.ScreenWidth() / 2, toolkit_.ScreenHeight() / 2);
}

// The window closed or the session ending: the program leaves as Esc makes it, but nobody is there
// to answer a box, so a save that fails is told on standard error and the program ends all the same.
void Tdiapo::QuitOnSystemRequest() {
  try {
    QuitProgram();
  } catch (const ProgramError& error) {
    toolkit_.ReportError(error.Message());
  }
  app_.Exit(1);
}

void Tdiapo::QuitProgram() {
  if (LastKey == keys::kSpace) return;
  if (ResetOnQuit) {
    services_.fs.DeleteFile(paths::kMarkerFile);
    services_.fs.DeleteFile(paths::kQueueFile);
  }
  if (SettingsChanged) SaveSettings();
  ImageIndexRecords.SetLength(1);
  toolkit_.SetCursorHidden(false);
  app_.Exit(1);
}

}  // namespace lumivel
