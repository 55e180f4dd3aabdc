// The effect of one picture: where Image2 goes on the screen, the slow zoom, and how long the
// picture stays; plus the short tone of the history keys.
#include <iterator>
#include <string>

#include "app/tdiapo.h"
#include "show/effect_geometry.h"
#include "show/tone.h"
#include "util/key_codes.h"
#include "util/program_path.h"

namespace lumivel {

namespace {

constexpr int kWaitStepMs = 100;
constexpr int kBadPicturePauseMs = 2000;

// Where a step of an effect puts Image2: nowhere new, the whole picture on the screen with black
// bars, or the screen covered.
enum class Placement { kNone, kFit, kFill };

// The setting whose milliseconds a wait lasts; nullptr: no wait.
using Duration = int32_t Tdiapo::*;

// One effect, walked in this order: placed, a wait, placed again, a wait, then (when it zooms) the
// slow zoom from the width of the last placement, and a last wait.
struct EffectSteps {
  Placement first;
  Duration firstWait;
  Placement second;
  Duration secondWait;
  bool zoom;
  Duration lastWait;
};

// The effects by item of Rdg1.
constexpr EffectSteps kEffects[] = {
    // first           wait            second            wait            zoom   last wait
    {Placement::kFit,  &Tdiapo::dt0_a, Placement::kNone, nullptr,        false, nullptr},
    {Placement::kFill, &Tdiapo::dt1_a, Placement::kNone, nullptr,        false, nullptr},
    {Placement::kFit,  &Tdiapo::dt2_a, Placement::kFill, &Tdiapo::dt2_b, false, nullptr},
    {Placement::kFit,  &Tdiapo::dt3_a, Placement::kNone, nullptr,        true,  &Tdiapo::dt3_b},
    {Placement::kFit,  &Tdiapo::dt4_a, Placement::kNone, nullptr,        true,  &Tdiapo::dt4_b},
    {Placement::kFill, &Tdiapo::dt5_a, Placement::kNone, nullptr,        true,  &Tdiapo::dt5_b},
};
// No item chosen: the slow zoom alone, from width 0.
constexpr EffectSteps kNoEffect = {Placement::kNone, nullptr, Placement::kNone, nullptr, true,
                                   nullptr};

}  // namespace

void Tdiapo::ShowEffect(const Text& path) {
  // A picture browsed with the panel open is placed in its own shape, as the fit step places it,
  // without effect or wait: left in the previous picture's bounds it would be squashed, or cropped
  // in the frame of a slow zoom.
  const auto placeAsFitted = [this] {
    const int32_t pw = Image2.PictureWidth();
    const int32_t ph = Image2.PictureHeight();
    if (pw <= 0 || ph <= 0) return;
    const Rect fit = FitBounds(ScreenWidth, ScreenHeight, pw, ph);
    PlaceImage(fit.left, fit.top, fit.width, fit.height);
  };
  if (Panel1.Visible() && !ReplayFlag) {
    placeAsFitted();
    return;
  }
  if (!services_.fs.FileExists(path)) {
    ResetAndQuit();
    return;
  }
  if (LastKey == keys::kArrowUsed) {
    PlayTone(640, 20, 30);
    LastKey = 0;
    placeAsFitted();
    return;
  }
  if (LowerCase(ExtensionOf(path)) == ".mp4") return;
  Form.SetColor(colors::kBlack);
  const int32_t pw = Image2.PictureWidth();
  const int32_t ph = Image2.PictureHeight();
  if (pw == 0) {
    Form.SetColor(colors::kRed);
    Label4.SetCaption(" " + std::string(42, 'x') + " ix=0 " + path);
    // Without letting messages run: the notice stays the whole pause, so it is put on the screen
    // first.
    toolkit_.PresentNow();
    services_.clock.Sleep(kBadPicturePauseMs);
    return;
  }
  const int32_t effect = Rdg1.ItemIndex();
  const bool listed = effect >= 0 && effect < static_cast<int32_t>(std::size(kEffects));
  const EffectSteps& steps = listed ? kEffects[effect] : kNoEffect;
  int32_t width = 0;
  const auto place = [&](Placement placement) {
    if (placement == Placement::kNone) return;
    const Rect bounds = placement == Placement::kFit
                            ? FitBounds(ScreenWidth, ScreenHeight, pw, ph)
                            : FillBounds(ScreenWidth, ScreenHeight, pw, ph, _haut);
    PlaceImage(bounds.left, bounds.top, bounds.width, bounds.height);
    width = bounds.width;
  };
  const auto wait = [this](Duration duration) {
    if (duration) WaitSteps(this->*duration);
  };
  place(steps.first);
  wait(steps.firstWait);
  place(steps.second);
  wait(steps.secondWait);
  if (!steps.zoom) return;
  // Keys released during the first wait may have opened the panel.
  if (Panel1.Visible() && !ReplayFlag) return;
  SlowZoom(width, pw, ph);
  wait(steps.lastWait);
}

void Tdiapo::SlowZoom(int32_t startWidth, int32_t pw, int32_t ph) {
  const ZoomRange zoom = MakeZoomRange(startWidth, ScreenWidth, zoom_max10, inc_dx);
  int32_t width = startWidth;
  for (int64_t pass = 0; zoom.maxWidth > width && !StopShow; ++pass) {
    const Rect bounds = ZoomPassBounds(width, ScreenWidth, ScreenHeight, pw, ph, _haut);
    PlaceImage(bounds.left, bounds.top, bounds.width, bounds.height);
    width = NextZoomWidth(zoom, pass);
    services_.clock.Sleep(0);
    // One pass a frame: a pass the screen could not show would only cost the processor.
    app_.AwaitFrame();
    app_.ProcessMessages();
  }
  // A stopping key only cuts the zoom short: the show goes on.
  StopShow = false;
}

void Tdiapo::PlaceImage(int left, int top, int width, int height) {
  Image2.SetBounds(left, top, width, height);
  toolkit_.PicturePlaced(left, top, width, height);
}

void Tdiapo::WaitSteps(int32_t milliseconds) {
  for (int32_t step = WaitStepCount(milliseconds); step > 0; --step) {
    app_.Wait(kWaitStepMs);
    app_.ProcessMessages();
  }
}

void Tdiapo::PlayTone(int32_t frequency, int32_t durationMs, uint8_t volume) {
  if (ToneFrequencyTooHigh(frequency)) {
    toolkit_.ShowMessage(ToneFrequencyMessage(frequency));
    return;
  }
  const std::vector<uint8_t> wave = BuildToneWave(frequency, durationMs, volume);
  toolkit_.TonePlayed(frequency, durationMs, volume);
  services_.sound.PlayWave(wave);
}

}  // namespace lumivel
