// Times drawing a metafile the way the programs do, by their helper program lumivel-metafile,
// against drawing it in this process with the same code.
//   bench_metafile [--short] [--runs R] [FILE.wmf|FILE.emf ...]
// Its own files are a plain and an enhanced metafile of 200 x 100 screen pixels holding 1000
// filled rectangles. For each file and each size (its own; covering a 1920 x 1080 screen; the
// zoom's 6144 wide), the best of R (5) rounds of
//   in process   the file read and drawn here
//   helper       PosixPictureLoader::LoadMetafile: the helper started, the picture read back,
//                checked, and the helper's end awaited
// and the difference: what keeping the libraries out of the program costs. Also the helper
// started on a file it refuses at once (what starting it costs alone). Times are wall-clock
// (most of the work is another process's), so a busy machine disturbs them; each round runs every
// measure once in turn, so that it disturbs all alike. --short: one round, own size and screen
// only, for CI, whose exit status then tells only whether everything was drawn.
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
#include <vector>

#include "posix/metafile_decoder.h"
#include "posix/picture_file.h"
#include "posix/picture_loader.h"
#include "bench_args.h"
#include "support/picture_factory.h"
#include "util/errors.h"

namespace {

namespace fs = std::filesystem;
using lumivel::testing::MetaRect;

std::vector<MetaRect> Drawing(int width, int height) {
  std::mt19937 random(2024);
  std::vector<MetaRect> rects;
  for (int i = 0; i < 1000; ++i) {
    const int left = int(random() % unsigned(width)), top = int(random() % unsigned(height));
    const int right = std::min(width, left + 1 + int(random() % 40));
    const int bottom = std::min(height, top + 1 + int(random() % 20));
    rects.push_back({left, top, right, bottom,
                     {uint8_t(random()), uint8_t(random()), uint8_t(random())}});
  }
  return rects;
}

void Write(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

double Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The best wall-clock time of each task over `runs` rounds; a task returns false when it failed,
// and then there is nothing.
std::optional<std::vector<double>> Best(int runs, const std::vector<std::function<bool()>>& tasks) {
  std::vector<double> best(tasks.size(), 1e300);
  for (int i = 0; i < runs; ++i) {
    for (size_t t = 0; t < tasks.size(); ++t) {
      const auto start = std::chrono::steady_clock::now();
      if (!tasks[t]()) return std::nullopt;
      best[t] = std::min(best[t], Since(start));
    }
  }
  return best;
}

bool InProcess(const fs::path& file, int coverWidth, int coverHeight) {
  const auto bytes = lumivel::ReadWholeFile(file.string());
  return bytes && lumivel::DecodeMetafile(bytes->Span(), coverWidth, coverHeight).has_value();
}

bool ThroughHelper(const fs::path& file, int coverWidth, int coverHeight) {
  try {
    return lumivel::PosixPictureLoader().LoadMetafile(file.string(), coverWidth, coverHeight)->width > 0;
  } catch (const lumivel::ProgramError&) {
    return false;
  }
}

bool Refused(const fs::path& file) { return !ThroughHelper(file, 0, 0); }

struct Size {
  const char* name;
  int coverWidth, coverHeight;
};

// Prints the figures for one file; false when something could not be drawn.
bool Measure(const fs::path& file, const fs::path& refused, const std::vector<Size>& sizes, int runs) {
  std::vector<std::function<bool()>> tasks = {[&] { return Refused(refused); }};
  for (const Size& size : sizes) {
    tasks.push_back([&] { return InProcess(file, size.coverWidth, size.coverHeight); });
    tasks.push_back([&] { return ThroughHelper(file, size.coverWidth, size.coverHeight); });
  }
  const auto best = Best(runs, tasks);
  if (!best) {
    std::fprintf(stderr, "%s: could not be drawn\n", file.c_str());
    return false;
  }
  const std::vector<double>& t = *best;
  std::printf("%s, best of %d rounds\n", file.c_str(), runs);
  std::printf("  %-28s %29s %8.1f ms\n", "helper refusing a file", "", t[0]);
  for (size_t i = 0; i < sizes.size(); ++i) {
    const auto picture = lumivel::PosixPictureLoader().LoadMetafile(file.string(), sizes[i].coverWidth,
                                                                     sizes[i].coverHeight);
    const std::string drawn = std::to_string(picture->pixelWidth) + " x " + std::to_string(picture->pixelHeight);
    const double here = t[1 + 2 * i], apart = t[2 + 2 * i];
    std::printf("  %-14s %-13s in process %8.1f ms  helper %8.1f ms  +%6.1f ms (x %.2f)\n", sizes[i].name,
                drawn.c_str(), here, apart, apart - here, apart / here);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const lumivel::bench::BenchArgs args = lumivel::bench::ParseBenchArgs(argc, argv, "bench_metafile [--short] [--runs R] [FILE.wmf|FILE.emf ...]", 5, true);
  const bool quick = args.quick;
  const int runs = args.runs;
  std::vector<fs::path> files = args.files;
  char workTemplate[] = "/tmp/lumivel_bench_metafile_XXXXXX";
  if (!::mkdtemp(workTemplate)) return 1;
  const fs::path work = workTemplate;
  const auto rects = Drawing(200, 100);
  Write(work / "drawing.wmf", lumivel::testing::WmfFile(200, 100, 96, rects));
  Write(work / "drawing.emf", lumivel::testing::EmfFile(5292, 2646, 200, 100, rects));
  Write(work / "refused.emf", lumivel::testing::GarbageBytes(300));
  files.insert(files.begin(), {work / "drawing.wmf", work / "drawing.emf"});

  std::vector<Size> sizes = {{"own size", 0, 0}, {"screen", 1920, 1080}};
  if (!quick) sizes.push_back({"zoom", 6144, 0});
  bool worked = true;
  for (const auto& file : files) worked &= Measure(file, work / "refused.emf", sizes, runs);
  fs::remove_all(work);
  return worked ? 0 : 1;
}
