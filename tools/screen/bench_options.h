#pragma once
// The one option every screen benchmark takes: --short, a quick run that proves it works (for CI).
#include <cstdio>
#include <cstring>

namespace lumivel::bench {

struct BenchOptions {
  bool shortRun = false;
};

inline BenchOptions ParseBenchOptions(int argc, char** argv, const char* usage) {
  BenchOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--short") == 0) {
      options.shortRun = true;
    } else {
      std::fprintf(stderr, "usage: %s\n", usage);
      std::exit(64);
    }
  }
  return options;
}

}  // namespace lumivel::bench
