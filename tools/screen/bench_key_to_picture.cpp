// Time from a right-arrow key to the next picture on the screen, for Lumivel during its show and
// for feh stepping through the same two pictures (the reference).
//   bench_key_to_picture [--short]       (on an X display; --short: 3 presses instead of 25)
// The two small pictures are magenta and green; the probe watches the centre of the screen change
// from one to the other. Lumivel shows them in order with a display time far longer than the run,
// so only the key changes the picture. Goal: median <= 20 ms.
#include <X11/keysym.h>

#include <cstdio>
#include <algorithm>
#include <chrono>
#include <thread>

#include "screen/bench_album.h"
#include "bench_args.h"

namespace {

using namespace lumivel::bench;

bool IsPicture(const Colour& c) { return c.Near(kMagenta) || c.Near(kGreen); }

std::vector<double> Latencies(const ScreenProbe& screen, const std::vector<std::string>& argv,
                              const std::vector<std::string>& environment, int presses) {
  screen.WaitForCentre([](const Colour& c) { return !IsPicture(c); }, 3000);
  Process process(argv, environment);
  std::vector<double> times;
  if (!screen.WaitForCentre(IsPicture, 20000)) return times;
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  for (int i = 0; i < presses; ++i) {
    const bool wasMagenta = screen.Centre().Near(kMagenta);
    const double pressed = NowMs();
    screen.Tap(XK_Right);
    const auto changed = screen.WaitForCentre(
        [&](const Colour& c) { return (wasMagenta ? c.Near(kGreen) : c.Near(kMagenta)); }, 2000);
    if (changed) times.push_back(*changed - pressed);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
  }
  return times;
}

void Print(const char* what, const std::vector<double>& times) {
  if (times.empty()) {
    std::printf("  %-22s no picture changed\n", what);
    return;
  }
  std::printf("  %-22s median %6.1f ms, max %6.1f ms (%zu presses)\n", what, Median(times),
              *std::max_element(times.begin(), times.end()), times.size());
}

}  // namespace

int main(int argc, char** argv) {
  const BenchArgs options = ParseBenchArgs(argc, argv, "bench_key_to_picture [--short]");
  auto screen = ScreenProbe::Open();
  if (!screen) {
    std::fprintf(stderr, "bench_key_to_picture needs an X display ($DISPLAY)\n");
    return 2;
  }
  const int presses = options.quick ? 3 : 25;
  BenchFolder folder;
  const auto photos = folder.Path() / "photos";
  WriteSolidJpeg(photos / "a.jpg", 800, 600, kMagenta);
  WriteSolidJpeg(photos / "b.jpg", 800, 600, kGreen);
  LumivelDrive drive(folder.Path() / "drive_c", {photos},
                     {"Rdg1.ItemIndex = 0", "dt0_a = 600000", "CheckBox_rnd.Checked = false"});
  const auto feh = Latencies(*screen, {"/usr/bin/feh", "-F", photos / "a.jpg", photos / "b.jpg"}, {}, presses);
  const auto ours = Latencies(*screen, {OwnFolder() + "/lumivel", "/s"}, QtOnX11({drive.Environment()}), presses);
  std::printf("right arrow to the next picture on screen\n");
  Print("lumivel /s", ours);
  Print("feh (reference)", feh);
  if (!ours.empty() && !feh.empty()) {
    std::printf("  ratio lumivel / feh    %6.2f (goal: lumivel median <= 20 ms)\n", Median(ours) / Median(feh));
  }
  return ours.empty() ? 1 : 0;
}
