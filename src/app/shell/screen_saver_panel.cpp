// The system screen saver's switch and delay, shown on the options panel and set from Panel2.
#include "app/tdiapo.h"
#include "util/int_conversion.h"

namespace lumivel {

using namespace literals;

void Tdiapo::ReadScreenSaverState() {
  bool active = false;
  int32_t seconds = 0;
  services_.saver.ReadActive(active);
  services_.saver.ReadTimeout(seconds);
  Label_etat.SetCaption(active ? "actif"_cp : "inactif"_cp);
  Label_delai.SetCaption(std::to_string(seconds) + " s");
  Edit1.SetText(std::to_string(seconds));
}

void Tdiapo::ButtonValidationDelaiClick() {
  int32_t seconds = StrToInt(Edit1.GetText());
  services_.saver.SetTimeout(seconds);
  // Ends at once: nothing is saved and the quit procedure does not run.
  app_.Exit(1);
}

}  // namespace lumivel
