// Times the JPEG loader against libjpeg-turbo's own djpeg, on a camera-like picture and on any
// JPEG named on the command line.
//   bench_load_picture [--short] [--runs R] [FILE.jpg ...]
// The camera-like picture is 6000 x 4000, 4:2:0, quality 95, gradients under sensor-like noise
// (about 10 MB; --short: 1500 x 1000 and one run, for CI, whose exit status then tells only
// whether the programs worked). For each file, the best of R (5) rounds of
//   fit      the loader asked to cover a 1920 x 1080 screen (what the fit and fill effects need),
//            up to the pixels the window draws
//   full     the loader asked for every pixel (what the zoom effects need of a camera picture)
//   djpeg    full size, and at the reduction the loader chose, output thrown away
//   turned   fit and full again on the same file tagged with EXIF orientation 6, against a copy
//            tagged 1 (the tag block is put first, so it is the one read)
//   turn     the fit load of a show's turn whose picture was decoded ahead while the previous one
//            showed for a second, and one whose hint named another file, against no hint
// and the goals: fit <= 0.8 x djpeg full; turning upright <= 10 % of the decode. Times are
// processor time (user and system, page faults included), which a machine busy with other work
// disturbs far less than the wall clock, and each round runs every measure once in turn, so that
// the business of the moment weighs on all alike; djpeg's include starting its process (about a
// millisecond). The turns are timed on the wall clock: decoding ahead moves the work to another
// thread of the process, and what counts is how long the person waits. Without djpeg on the PATH only our times are shown.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "posix/picture_loader.h"
#include "bench_args.h"
#include "bench_process.h"
#include "support/picture_factory.h"

extern char** environ;

namespace {

using lumivel::bench::Milliseconds;

namespace fs = std::filesystem;

std::string CameraLikeJpeg(int width, int height) {
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  std::mt19937 random(2024);
  std::normal_distribution<double> noise(0.0, 7.0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double base[3] = {40.0 + 170.0 * x / width, 30.0 + 190.0 * y / height,
                              120.0 + 60.0 * ((x * 20 / width + y * 20 / height) % 2)};
      for (int c = 0; c < 3; ++c) {
        const double v = base[c] + noise(random);
        rgb[(size_t(y) * size_t(width) + size_t(x)) * 3 + size_t(c)] =
            static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  }
  return lumivel::testing::EncodeJpeg(rgb, width, height, {.quality = 95, .subsample420 = true});
}

double OwnProcessorMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// The best time of each task over `runs` rounds, each round running every task once in turn, so
// that a machine busier at one moment than another weighs on all of them alike. A task returns the
// processor time it took, or a negative number on failure; nothing when one failed.
std::optional<std::vector<double>> Best(int runs, const std::vector<std::function<double()>>& tasks) {
  std::vector<double> best(tasks.size(), 1e300);
  for (int i = 0; i < runs; ++i) {
    for (size_t t = 0; t < tasks.size(); ++t) {
      const double ms = tasks[t]();
      if (ms < 0) return std::nullopt;
      best[t] = std::min(best[t], ms);
    }
  }
  return best;
}

std::optional<std::string> FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "";
  size_t from = 0;
  while (from <= dirs.size()) {
    const size_t to = std::min(dirs.find(':', from), dirs.size());
    const std::string candidate = dirs.substr(from, to - from) + "/" + program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    from = to + 1;
  }
  return std::nullopt;
}

// Runs a program to its end; its processor time, or -1 when it failed.
double RunProgram(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

struct Load {
  int pixelWidth = 0;
  int pixelHeight = 0;
};

// A task loading `file`; `load` receives the decoded size.
std::function<double()> LoadTask(const fs::path& file, int coverWidth, int coverHeight, Load* load = nullptr) {
  return [=] {
    lumivel::PosixPictureLoader loader;
    const double before = OwnProcessorMilliseconds();
    const auto picture = loader.LoadJpeg(file.string(), coverWidth, coverHeight);
    const double ms = OwnProcessorMilliseconds() - before;
    if (load) *load = {picture->pixelWidth, picture->pixelHeight};
    return picture->width > 0 ? ms : -1;
  };
}

// A show's turn loading `file` for the fit effect, after the previous picture showed for a second
// with a hint naming `hinted` (no hint when empty); the wall time of the load itself.
std::function<double()> TurnTask(const fs::path& file, const fs::path& hinted) {
  return [=] {
    lumivel::PosixPictureLoader loader;
    if (!hinted.empty()) {
      loader.DecodeAhead(hinted.string(), 1920, 1080);
      std::this_thread::sleep_for(std::chrono::seconds(1));
    }
    const auto before = std::chrono::steady_clock::now();
    const auto picture = loader.LoadJpeg(file.string(), 1920, 1080);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - before).count();
    return picture->width > 0 ? ms : -1;
  };
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

bool Goal(const char* what, double ours, double reference, double goal) {
  const double ratio = ours / reference;
  std::printf("  %-44s %7.1f ms  reference %7.1f ms  ratio %.2f (goal <= %.2f) %s\n", what, ours,
              reference, ratio, goal, ratio <= goal ? "met" : "MISSED");
  return ratio <= goal;
}

// Prints the figures for one JPEG; false when a goal is missed; nothing when something failed.
std::optional<bool> Measure(const fs::path& file, const fs::path& work, int runs,
                            const std::optional<std::string>& djpeg) {
  const std::string bytes = Bytes(file);
  if (bytes.size() < 2) return std::nullopt;
  std::string tagged1 = bytes, tagged6 = bytes;
  tagged1.insert(2, lumivel::testing::ExifApp1(1, lumivel::testing::ByteOrder::kLittle));
  tagged6.insert(2, lumivel::testing::ExifApp1(6, lumivel::testing::ByteOrder::kLittle));
  Write(work / "tagged1.jpg", tagged1);
  Write(work / "tagged6.jpg", tagged6);
  Load fit, full;
  // A load that fails takes -1 ms.
  if (LoadTask(file, 1920, 1080, &fit)() < 0 || LoadTask(file, 0, 0, &full)() < 0) return std::nullopt;
  const std::string scale = std::to_string(std::max(1, fit.pixelWidth * 8 / std::max(1, full.pixelWidth))) + "/8";

  std::vector<std::function<double()>> tasks = {
      LoadTask(file, 1920, 1080), LoadTask(file, 0, 0),
      LoadTask(work / "tagged1.jpg", 1920, 1080), LoadTask(work / "tagged6.jpg", 1920, 1080),
      LoadTask(work / "tagged1.jpg", 0, 0), LoadTask(work / "tagged6.jpg", 0, 0),
      TurnTask(file, {}), TurnTask(file, file), TurnTask(file, work / "tagged1.jpg")};
  if (djpeg) {
    tasks.push_back([&] { return RunProgram({*djpeg, "-outfile", "/dev/null", file.string()}); });
    tasks.push_back([&] { return RunProgram({*djpeg, "-scale", scale, "-outfile", "/dev/null", file.string()}); });
  }
  constexpr size_t kDjpeg = 9;
  const auto best = Best(runs, tasks);
  if (!best) return std::nullopt;
  const std::vector<double>& t = *best;
  std::printf("%s: %d x %d, %.1f MB, best of %d rounds\n", file.c_str(), full.pixelWidth, full.pixelHeight,
              double(bytes.size()) / 1e6, runs);
  std::printf("  %-44s %7.1f ms (%d x %d)\n", "ours, fit", t[0], fit.pixelWidth, fit.pixelHeight);
  std::printf("  %-44s %7.1f ms\n", "ours, full size", t[1]);
  bool met = Goal("orientation 6, fit (vs tag 1)", t[3], t[2], 1.10);
  met &= Goal("orientation 6, full size (vs tag 1)", t[5], t[4], 1.10);
  std::printf("  %-44s %7.2f ms  reference %7.1f ms  ratio %.3f (no hint; goal: at once)\n",
              "turn, decoded ahead (wall)", t[7], t[6], t[7] / t[6]);
  std::printf("  %-44s %7.1f ms  reference %7.1f ms  ratio %.2f (no hint; no goal)\n",
              "turn, another file decoded ahead (wall)", t[8], t[6], t[8] / t[6]);
  if (djpeg) {
    std::printf("  %-44s %7.1f ms\n", ("djpeg -scale " + scale).c_str(), t[kDjpeg + 1]);
    met &= Goal("fit vs djpeg full size", t[0], t[kDjpeg], 0.80);
    std::printf("  %-44s %7.1f ms  reference %7.1f ms  ratio %.2f (no goal)\n", "full size vs djpeg full size",
                t[1], t[kDjpeg], t[1] / t[kDjpeg]);
  } else {
    std::printf("  djpeg not found (package libjpeg-turbo-progs): no comparison\n");
  }
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  const lumivel::bench::BenchArgs args = lumivel::bench::ParseBenchArgs(argc, argv, "bench_load_picture [--short] [--runs R] [FILE.jpg ...]", 5, true);
  const bool quick = args.quick;
  const int runs = args.runs;
  std::vector<fs::path> files = args.files;
  char workTemplate[] = "/tmp/lumivel_bench_picture_XXXXXX";
  if (!::mkdtemp(workTemplate)) return 1;
  const fs::path work = workTemplate;
  const fs::path camera = work / "camera.jpg";
  Write(camera, quick ? CameraLikeJpeg(1500, 1000) : CameraLikeJpeg(6000, 4000));
  files.insert(files.begin(), camera);

  const auto djpeg = FindOnPath("djpeg");
  bool met = true, worked = true;
  for (const auto& file : files) {
    const auto result = Measure(file, work, runs, djpeg);
    if (!result) {
      std::fprintf(stderr, "%s: could not be decoded\n", file.c_str());
      worked = false;
    } else {
      met &= *result;
    }
  }
  fs::remove_all(work);
  if (!worked) return 1;
  return met || quick ? 0 : 2;
}
