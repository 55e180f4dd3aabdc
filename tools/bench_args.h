#pragma once
// The command line the benchmarks share: --short (a quick run that only proves the program works,
// as CI runs it), --runs R (the best of R rounds) and files to measure besides the program's own.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace lumivel::bench {

struct BenchArgs {
  bool quick = false;
  int runs = 1;  // 1 in a quick run
  std::vector<std::filesystem::path> files;
};

// Exits with status 64 after the usage line on anything else. A benchmark with `defaultRuns` 0
// takes no --runs; one without `takesFiles` takes no files.
inline BenchArgs ParseBenchArgs(int argc, char** argv, const char* usage, int defaultRuns = 0,
                                bool takesFiles = false) {
  const auto refuse = [usage] {
    std::fprintf(stderr, "usage: %s\n", usage);
    std::exit(64);
  };
  BenchArgs args;
  args.runs = defaultRuns > 0 ? defaultRuns : 1;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--short") {
      args.quick = true;
    } else if (a == "--runs" && defaultRuns > 0) {
      if (i + 1 >= argc || (args.runs = std::atoi(argv[++i])) <= 0) refuse();
    } else if (takesFiles && !a.empty() && a[0] != '-') {
      args.files.emplace_back(a);
    } else {
      refuse();
    }
  }
  if (args.quick) args.runs = 1;
  return args;
}

}  // namespace lumivel::bench
