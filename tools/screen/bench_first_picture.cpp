// Time from start to the first picture on the screen, for Lumivel with a saved index of 100,000
// pictures, for feh -F -z -r over the same folders, and for a bare Qt window showing one JPEG (the
// floor: what starting Qt and drawing one picture costs).
//   bench_first_picture [--short]        (on an X display; --short: 2,000 pictures, one run)
// Every picture is the same magenta JPEG, so whichever one a program draws first, the probe sees
// it at the centre of the screen. Prints the median of the runs and Lumivel's ratio to feh
// (goal <= 0.4, stretch 0.3).
#include <X11/keysym.h>

#include <cstdio>
#include <functional>

#include "screen/bench_album.h"
#include "bench_args.h"

namespace {

using namespace lumivel::bench;

// Starts the program, waits for the magenta picture, and returns how long that took.
std::optional<double> FirstPicture(const ScreenProbe& screen, const std::vector<std::string>& argv,
                                   const std::vector<std::string>& environment) {
  // The previous run's picture must be gone first.
  screen.WaitForCentre([](const Colour& c) { return !c.Near(kMagenta); }, 3000);
  Process process(argv, environment);
  const auto shown = screen.WaitForCentre([](const Colour& c) { return c.Near(kMagenta); }, 20000);
  if (!shown) return std::nullopt;
  return *shown - process.StartedMs();
}

double MedianOf(int runs, const std::function<std::optional<double>()>& run, const char* what) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (auto t = run()) times.push_back(*t);
  }
  if (times.empty()) {
    std::fprintf(stderr, "%s never showed its picture\n", what);
    std::exit(1);
  }
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  const BenchArgs options = ParseBenchArgs(argc, argv, "bench_first_picture [--short]");
  auto screen = ScreenProbe::Open();
  if (!screen) {
    std::fprintf(stderr, "bench_first_picture needs an X display ($DISPLAY)\n");
    return 2;
  }
  const int pictures = options.quick ? 2000 : 100000;
  const int runs = options.quick ? 1 : 7;
  BenchFolder folder;
  const auto photos = folder.Path() / "photos";
  WritePictureTree(photos, pictures, kMagenta);
  LumivelDrive drive(folder.Path() / "drive_c", {photos}, {"Rdg1.ItemIndex = 0", "dt0_a = 600000"},
                     pictures + pictures / 100);
  const std::string bin = OwnFolder();
  const auto one = photos / "2020-1000" / "IMG_10000.jpg";

  const double floor = MedianOf(runs, [&] { return FirstPicture(*screen, {bin + "/bare_picture_window", one}, QtOnX11()); },
                                "the bare Qt window");
  const double feh = MedianOf(runs, [&] { return FirstPicture(*screen, {"/usr/bin/feh", "-F", "-z", "-r", photos}, {}); },
                              "feh");
  const double ours = MedianOf(runs, [&] { return FirstPicture(*screen, {bin + "/lumivel", "/s"}, QtOnX11({drive.Environment()})); },
                               "lumivel");
  std::printf("first picture on screen, %d pictures, median of %d runs\n", pictures, runs);
  std::printf("  lumivel /s (saved index)     %7.1f ms\n", ours);
  std::printf("  feh -F -z -r (reference)     %7.1f ms\n", feh);
  std::printf("  bare Qt window, one JPEG     %7.1f ms (floor)\n", floor);
  std::printf("  ratio lumivel / feh          %7.2f (goal <= 0.40, stretch 0.30)\n", ours / feh);
  return 0;
}
