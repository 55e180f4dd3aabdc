#include "app/program.h"

#include "app/run_mode.h"
#include "app/winparam.h"

namespace lumivel {
namespace {

class FinishingGuard {
 public:
  FinishingGuard(const FinishingHook& hook, ControlSet& controls, Tdiapo* diapo)
      : hook_(hook), controls_(controls), diapo_(diapo) {}
  ~FinishingGuard() {
    if (!hook_) return;
    try {
      hook_(controls_, diapo_);
    } catch (...) {
      // A failing report must not turn an ending run into a crash.
    }
  }
  FinishingGuard(const FinishingGuard&) = delete;
  FinishingGuard& operator=(const FinishingGuard&) = delete;

 private:
  const FinishingHook& hook_;
  ControlSet& controls_;
  Tdiapo* diapo_;
};

}  // namespace

int RunProgram(Application& app, Toolkit& toolkit, Services& services, const std::string& argument1,
               const FinishingHook& finishing) {
  RunModeChoice choice = ChooseRunMode(argument1);
  if (choice.mode == RunMode::OptionsDialog) {
    Twinparam dialog(app, services.fs);
    FinishingGuard guard(finishing, dialog.Controls(), nullptr);
    toolkit.AttachWindow(WindowBinding{&dialog.Controls(), &dialog.Form, {}, nullptr});
    app.Dispatch([&] { dialog.FormCreate(); });
    return app.Run([] {});
  }
  if (choice.setsApplicationTitle) toolkit.ApplicationTitle("Lumivel");
  Tdiapo diapo(app, services, toolkit, argument1);
  FinishingGuard guard(finishing, diapo.Controls(), &diapo);
  toolkit.AttachWindow(WindowBinding{
      &diapo.Controls(), &diapo.Form,
      [&diapo](int key, bool shift) { diapo.FormKeyUp(&diapo.Form, key, shift); }, &diapo.Timer1,
      [&diapo] { diapo.QuitOnSystemRequest(); }});
  app.Dispatch([&] { diapo.FormCreate(); });
  return app.Run([&] { diapo.RunShow(); });
}

}  // namespace lumivel
