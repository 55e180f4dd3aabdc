#include "show/random_source.h"

namespace lumivel {

void UniformRandomSource::Seed(uint32_t seed) { engine_.seed(seed); }

int32_t UniformRandomSource::Next(int32_t m) {
  if (m <= 0) return 0;
  const uint64_t range = uint64_t{1} << 32;
  const uint64_t span = static_cast<uint64_t>(m);
  // The largest multiple of m within the generator's range: draws at or above it are redrawn.
  const uint64_t limit = range - range % span;
  uint64_t draw;
  do {
    draw = engine_();
  } while (draw >= limit);
  return static_cast<int32_t>(draw % span);
}

}  // namespace lumivel
