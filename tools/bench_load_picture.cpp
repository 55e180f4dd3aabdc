// Times the JPEG loader on a camera-sized picture against libjpeg-turbo's own djpeg.
//   bench_load_picture [runs]
// Writes a 6000 x 4000 4:2:0 JPEG of quality 90 (gradients and sensor-like noise) into a fresh
// temporary folder, then reports the best of `runs` times for:
//   ours (fit)   the loader asked to cover a 1920 x 1080 screen (what the fit and fill effects need)
//   ours (zoom)  the loader asked to cover 3.2 screen widths, 6144 x 4608: every pixel
//   djpeg full and djpeg -scale M/8 (the reduction the loader chose), output thrown away
// and checks: ours(fit) <= 0.8 x djpeg full, ours(fit) <= 1.15 x djpeg M/8,
// ours(zoom) <= 1.15 x djpeg full. djpeg's times include starting its process (about a
// millisecond). Without djpeg on the PATH only our times are shown.
#include <spawn.h>
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

double BestMilliseconds(int runs, const std::function<bool()>& run) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (!run()) return -1;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
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

bool RunQuietly(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
  int status = 0;
  return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Check(const char* what, double ours, double factor, double theirs) {
  std::printf("  %-34s %7.1f ms <= %4.2f x %7.1f ms = %7.1f ms  ratio %.2f  %s\n", what, ours,
              factor, theirs, factor * theirs, ours / theirs,
              ours <= factor * theirs ? "ok" : "MISSED");
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
  const double fit = BestMilliseconds(runs, [&] {
    const auto p = loader.LoadJpeg(file, 1920, 1080);
    scaledWidth = p->pixelWidth;
    return p->width == kWidth;
  });
  const double zoom = BestMilliseconds(runs, [&] {
    return loader.LoadJpeg(file, 6144, 4608)->pixelWidth == kWidth;
  });
  const int eighths = scaledWidth * 8 / kWidth;
  std::printf("  ours (fit, cover 1920 x 1080)      %7.1f ms  decoded at %d/8: %d px wide\n", fit,
              eighths, scaledWidth);
  std::printf("  ours (zoom, cover 6144 x 4608)     %7.1f ms  full size\n", zoom);

  int status = 0;
  if (const auto djpeg = FindOnPath("djpeg")) {
    const std::string scale = std::to_string(eighths) + "/8";
    const double full =
        BestMilliseconds(runs, [&] { return RunQuietly({*djpeg, "-outfile", "/dev/null", file}); });
    const double scaled = BestMilliseconds(runs, [&] {
      return RunQuietly({*djpeg, "-scale", scale, "-outfile", "/dev/null", file});
    });
    std::printf("  djpeg full                         %7.1f ms\n", full);
    std::printf("  djpeg -scale %-21s %7.1f ms\n", scale.c_str(), scaled);
    Check("ours(fit) vs djpeg full", fit, 0.8, full);
    Check(("ours(fit) vs djpeg -scale " + scale).c_str(), fit, 1.15, scaled);
    Check("ours(zoom) vs djpeg full", zoom, 1.15, full);
    if (fit > 0.8 * full || fit > 1.15 * scaled || zoom > 1.15 * full) status = 2;
  } else {
    std::printf("  djpeg not found (package libjpeg-turbo-progs): no comparison\n");
  }
  std::filesystem::remove_all(folder);
  return status;
}
