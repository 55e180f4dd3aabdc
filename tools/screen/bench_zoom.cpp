// The slow zoom as the screen shows it: frames a second, the longest gap between two frames, and
// the processor load, for a 6000 x 4000 picture zoomed on the whole screen (effect "1 à zoom lent
// fixé", 500 passes to 3.2 screen widths).
//   bench_zoom [--short]                 (on an X display; --short: 60 passes)
// Frames are counted from outside with the X DAMAGE extension on Lumivel's window. The reference is
// the screen's refresh rate; goals: <= 65 frames a second, <= 30 % of a core, no gap above 50 ms.
#include <algorithm>
#include <cstdio>

#include "screen/bench_album.h"
#include "bench_args.h"

int main(int argc, char** argv) {
  using namespace lumivel::bench;
  const BenchArgs options = ParseBenchArgs(argc, argv, "bench_zoom [--short]");
  auto screen = ScreenProbe::Open();
  if (!screen) {
    std::fprintf(stderr, "bench_zoom needs an X display ($DISPLAY)\n");
    return 2;
  }
  const int passes = options.quick ? 60 : 500;
  BenchFolder folder;
  const auto photos = folder.Path() / "photos";
  WritePatternJpeg(photos / "camera.jpg", 6000, 4000);
  LumivelDrive drive(folder.Path() / "drive_c", {photos},
                     {"Rdg1.ItemIndex = 4", "dt4_a = 1500", "dt4_b = 600000", "zoom_max10 = 32",
                      "inc_dx = " + std::to_string(passes), "_haut = 40"});
  Process lumivel({OwnFolder() + "/lumivel", "/s"}, QtOnX11({drive.Environment()}));
  const auto window = screen->WindowOf(lumivel.Pid(), 20000);
  if (!window) {
    std::fprintf(stderr, "lumivel showed no window\n");
    return 1;
  }
  FrameWatch frames(*screen, *window);
  // Start-up and the fitted picture, then the first wait: the zoom begins with the next frame.
  frames.Collect(800, NowMs() + 20000);
  const auto first = frames.Next(5000);
  if (!first) {
    std::fprintf(stderr, "the zoom never began\n");
    return 1;
  }
  const double cpuStart = lumivel.CpuMs();
  std::vector<double> times = {*first};
  const auto rest = frames.Collect(300, NowMs() + 60000);
  times.insert(times.end(), rest.begin(), rest.end());
  const double cpuEnd = lumivel.CpuMs();
  const double duration = times.back() - times.front();
  double longest = 0;
  for (size_t i = 1; i < times.size(); ++i) longest = std::max(longest, times[i] - times[i - 1]);
  const double fps = duration > 0 ? (static_cast<double>(times.size()) - 1) * 1000.0 / duration : 0;
  const double load = duration > 0 ? (cpuEnd - cpuStart) / duration * 100.0 : 0;
  std::printf("slow zoom of a 6000 x 4000 picture, %d passes, on %d x %d\n", passes, screen->Width(),
              screen->Height());
  std::printf("  frames                %6zu in %.0f ms\n", times.size(), duration);
  std::printf("  frames a second       %6.1f (reference: the screen's 60 Hz; ratio %.2f; goal <= 65)\n", fps,
              fps / 60.0);
  std::printf("  longest gap           %6.1f ms (goal <= 50)\n", longest);
  std::printf("  processor load        %6.1f %% of a core (goal <= 30)\n", load);
  return 0;
}
