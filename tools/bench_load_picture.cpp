// Times the JPEG loader on a camera-sized picture against libjpeg-turbo's own djpeg.
//   bench_load_picture [runs]
// Writes a 6000 x 4000 4:2:0 JPEG of quality 90 (gradients and sensor-like noise) into a fresh
// temporary folder, then reports the best of `runs` times for:
//   ours (fit)   the loader asked to cover a 1920 x 1080 screen (what the fit and fill effects need)
//   ours (zoom)  the loader asked to cover 3.2 screen widths, 6144 x 4608: every pixel
//   djpeg full and djpeg -scale M/8 (the reduction the loader chose), output thrown away
// and checks: ours(fit) <= 0.8 x djpeg full, ours(fit) <= 1.15 x djpeg M/8,
// ours(zoom) <= 1.15 x djpeg full. Each run is timed twice: on the wall clock, and in processor
// time (user and system, page faults included), which a machine busy with other work disturbs
// far less; the checks use processor time. djpeg's times include starting its process (about a
// millisecond). Without djpeg on the PATH only our times are shown.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/posix/picture_loader.h"

extern char** environ;

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

std::string CameraLikeJpeg() {
  std::vector<unsigned char> rgb(size_t(kWidth) * kHeight * 3);
  std::mt19937 random(2024);
  std::normal_distribution<double> noise(0.0, 6.0);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const double base[3] = {40.0 + 170.0 * x / kWidth, 30.0 + 190.0 * y / kHeight,
                              120.0 + 60.0 * ((x / 300 + y / 200) % 2)};
      for (int c = 0; c < 3; ++c) {
        const double v = base[c] + noise(random);
        rgb[(size_t(y) * kWidth + size_t(x)) * 3 + size_t(c)] =
            static_cast<unsigned char>(v < 0 ? 0 : v > 255 ? 255 : v);
      }
    }
  }
  tjhandle tj = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  if (!tj || tjCompress2(tj, rgb.data(), kWidth, 0, kHeight, TJPF_RGB, &jpeg, &size, TJSAMP_420,
                         90, 0) != 0) {
    std::fprintf(stderr, "encoding failed\n");
    std::exit(1);
  }
  std::string bytes(reinterpret_cast<char*>(jpeg), size);
  tjFree(jpeg);
  tjDestroy(tj);
  return bytes;
}

struct Times {
  double wall = 1e300;
  double processor = 1e300;
};

double Milliseconds(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

double OwnProcessorMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime);
}

// The best of `runs` runs; run returns the processor time it took, or a negative number on failure.
std::optional<Times> Best(int runs, const std::function<double()>& run) {
  Times best;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const double processor = run();
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    if (processor < 0) return std::nullopt;
    best.wall = std::min(best.wall, wall.count());
    best.processor = std::min(best.processor, processor);
  }
  return best;
}

double TimeOurs(const std::function<bool()>& load) {
  const double before = OwnProcessorMilliseconds();
  if (!load()) return -1;
  return OwnProcessorMilliseconds() - before;
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

void Show(const char* what, const Times& t) {
  std::printf("  %-32s %7.1f ms processor %7.1f ms wall\n", what, t.processor, t.wall);
}

bool Check(const char* what, const Times& ours, double factor, const Times& theirs) {
  const bool met = ours.processor <= factor * theirs.processor;
  std::printf("  %-34s ratio %.2f (wall %.2f), target <= %.2f: %s\n", what,
              ours.processor / theirs.processor, ours.wall / theirs.wall, factor,
              met ? "met" : "MISSED");
  return met;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  char folderTemplate[] = "/tmp/lumivel_bench_XXXXXX";
  if (!::mkdtemp(folderTemplate)) return 1;
  const std::filesystem::path folder = folderTemplate;
  const std::string file = (folder / "camera.jpg").string();
  {
    const std::string jpeg = CameraLikeJpeg();
    std::ofstream(file, std::ios::binary).write(jpeg.data(), std::streamsize(jpeg.size()));
    std::printf("%d x %d, 4:2:0, quality 90: %.1f MB; best of %d runs\n", kWidth, kHeight,
                double(jpeg.size()) / 1e6, runs);
  }

  lumivel::PosixPictureLoader loader;
  int scaledWidth = 0;
  const auto fit = Best(runs, [&] {
    return TimeOurs([&] {
      const auto p = loader.LoadJpeg(file, 1920, 1080);
      scaledWidth = p->pixelWidth;
      return p->width == kWidth;
    });
  });
  const auto zoom = Best(runs, [&] {
    return TimeOurs([&] { return loader.LoadJpeg(file, 6144, 4608)->pixelWidth == kWidth; });
  });
  if (!fit || !zoom) {
    std::fprintf(stderr, "the loader failed on the picture\n");
    return 1;
  }
  const std::string scale = std::to_string(scaledWidth * 8 / kWidth) + "/8";
  Show(("ours (fit, decoded at " + scale + ")").c_str(), *fit);
  Show("ours (zoom, full size)", *zoom);

  int status = 0;
  if (const auto djpeg = FindOnPath("djpeg")) {
    const auto full = Best(runs, [&] { return RunProgram({*djpeg, "-outfile", "/dev/null", file}); });
    const auto scaled = Best(runs, [&] {
      return RunProgram({*djpeg, "-scale", scale, "-outfile", "/dev/null", file});
    });
    if (!full || !scaled) {
      std::fprintf(stderr, "djpeg failed\n");
      return 1;
    }
    Show("djpeg full", *full);
    Show(("djpeg -scale " + scale).c_str(), *scaled);
    bool met = Check("ours(fit) / djpeg full", *fit, 0.8, *full);
    met &= Check(("ours(fit) / djpeg -scale " + scale).c_str(), *fit, 1.15, *scaled);
    met &= Check("ours(zoom) / djpeg full", *zoom, 1.15, *full);
    if (!met) status = 2;
  } else {
    std::printf("  djpeg not found (package libjpeg-turbo-progs): no comparison\n");
  }
  std::filesystem::remove_all(folder);
  return status;
}
