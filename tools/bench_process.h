#pragma once
// What the benchmark's own process has used: processor time as getrusage gives it, and resident
// memory.
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>

namespace lumivel::bench {

inline double Milliseconds(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

// This process's resident memory now, in bytes; 0 when /proc does not say.
inline long ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * ::sysconf(_SC_PAGESIZE);
}

}  // namespace lumivel::bench
