#include "show/picker.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "services/services.h"
#include "util/util.h"

namespace lumivel {
namespace {

// The centre and the neighbours that follow it: at most 60 offsets after one centre.
constexpr int32_t kMaxDrawsPerCentre = kNeighbourSlots + 1;

int32_t& Slot(PickerState& state, int32_t k) { return state.NeighbourTable[k - 1]; }

// Centre plus offset, held within the index. The sum is taken in 64 bits: a centre near the top
// of the 32-bit range plus an offset must not overflow before it is clamped.
int32_t NeighbourPosition(int32_t centre, int32_t offset, int32_t n) {
  const int64_t sum = int64_t{centre} + offset;
  int32_t position = static_cast<int32_t>(
      std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
  ClampInt(position, 0, n - 1);
  return position;
}

PickResult PickSequential(int32_t& indice_non_aleatoire, int32_t n) {
  const int64_t next = int64_t{indice_non_aleatoire} + 1;
  indice_non_aleatoire = next >= n || next < 0 ? 0 : static_cast<int32_t>(next);
  return {indice_non_aleatoire, true};
}

PickResult PickRandom(PickerState& state, const PickSettings& settings, int32_t n,
                      RandomSource& random, Clock& clock) {
  int32_t result;
  if (state.DrawCounter == 0) {
    const int32_t centre = random.Next(n);
    ShuffleNeighbours(state, settings.rayon_rnd, random, clock);
    state.NeighbourCentre = centre;
    result = centre;
  } else if (settings.rayon_rnd >= 1) {
    result = NeighbourPosition(state.NeighbourCentre, Slot(state, state.DrawCounter), n);
  } else {
    result = NeighbourPosition(state.NeighbourCentre, 1, n);
  }
  const int32_t drawsPerCentre = std::min(settings.nb_fouille, kMaxDrawsPerCentre);
  ++state.DrawCounter;
  if (state.DrawCounter >= drawsPerCentre) state.DrawCounter = 0;
  return {result, false};
}

}  // namespace

void ResetForNewRun(PickerState& state) {
  state.DrawCounter = 0;
  state.NeighbourTable.fill(0);
}

void SeedFromTimeOfDay(RandomSource& random, Clock& clock) {
  random.Seed(static_cast<uint32_t>(clock.MillisecondsSinceMidnight()));
}

void ShuffleNeighbours(PickerState& state, int32_t rayon_rnd, RandomSource& random, Clock& clock) {
  const int32_t radius = std::min(rayon_rnd, kNeighbourSlots);
  if (radius <= 0) return;
  for (int32_t k = 1; k <= radius; ++k) Slot(state, k) = k;
  SeedFromTimeOfDay(random, clock);
  for (int32_t round = 0; round < radius; ++round) {
    const int32_t i = random.Next(radius) + 1;
    const int32_t j = random.Next(radius) + 1;
    std::swap(Slot(state, i), Slot(state, j));
  }
}

PickResult PickNextIndex(PickerState& state, const PickSettings& settings,
                         int32_t& indice_non_aleatoire, int32_t n, RandomSource& random,
                         Clock& clock) {
  if (n <= 0) return {};
  if (!settings.random) return PickSequential(indice_non_aleatoire, n);
  return PickRandom(state, settings, n, random, clock);
}

}  // namespace lumivel
