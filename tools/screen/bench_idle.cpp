// Processor time used while nothing happens: Lumivel with its options panel open after an arrow
// key (browsing the history), and feh showing a picture (the reference).
//   bench_idle [--short]                 (on an X display; --short: measures 1 s instead of 5 s)
// Goal: Lumivel <= 2 % of a core.
#include <X11/keysym.h>

#include <cstdio>
#include <functional>
#include <thread>

#include "screen/bench_album.h"
#include "bench_args.h"

namespace {

using namespace lumivel::bench;

bool IsPicture(const Colour& c) { return c.Near(kMagenta) || c.Near(kGreen); }

// Share of one core used over `seconds`, once the program shows its picture and `prepare` ran.
double IdleLoad(const ScreenProbe& screen, const std::vector<std::string>& argv,
                const std::vector<std::string>& environment, const std::function<void()>& prepare, double seconds) {
  Process process(argv, environment);
  if (!screen.WaitForCentre(IsPicture, 20000)) return -1;
  prepare();
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  const double cpu = process.CpuMs();
  const double start = NowMs();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  return (process.CpuMs() - cpu) / (NowMs() - start) * 100.0;
}

}  // namespace

int main(int argc, char** argv) {
  const BenchArgs options = ParseBenchArgs(argc, argv, "bench_idle [--short]");
  auto screen = ScreenProbe::Open();
  if (!screen) {
    std::fprintf(stderr, "bench_idle needs an X display ($DISPLAY)\n");
    return 2;
  }
  const double seconds = options.quick ? 1.0 : 5.0;
  BenchFolder folder;
  const auto photos = folder.Path() / "photos";
  WriteSolidJpeg(photos / "a.jpg", 3000, 2000, kMagenta);
  WriteSolidJpeg(photos / "b.jpg", 3000, 2000, kGreen);
  LumivelDrive drive(folder.Path() / "drive_c", {photos},
                     {"Rdg1.ItemIndex = 0", "dt0_a = 300", "CheckBox_rnd.Checked = false"});
  const double feh = IdleLoad(*screen, {"/usr/bin/feh", "-F", photos / "a.jpg"}, {}, [] {}, seconds);
  // A few pictures first, so the history has something to step back to.
  const double ours = IdleLoad(
      *screen, {OwnFolder() + "/lumivel", "/s"}, QtOnX11({drive.Environment()}),
      [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        screen->Tap(XK_space);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        screen->Tap(XK_Left);
      },
      seconds);
  std::printf("processor load while nothing happens, over %.0f s\n", seconds);
  std::printf("  lumivel, panel open after an arrow   %5.1f %% of a core (goal <= 2 %%)\n", ours);
  std::printf("  feh showing a picture (reference)    %5.1f %% of a core\n", feh);
  return ours < 0 ? 1 : 0;
}
