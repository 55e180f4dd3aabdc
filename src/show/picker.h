#pragma once
// Choosing the next picture of a new-picture turn: the stored position walked in index order, or a
// random centre followed by a few shuffled pictures lying just after it (usually the same
// directory, since the index lists pictures directory by directory).
#include <array>
#include <cstdint>

namespace lumivel {

class Clock;
class RandomSource;

// Number of offsets the neighbourhood can hold; larger settings are held to it when used.
inline constexpr int32_t kNeighbourSlots = 60;

struct PickerState {
  // Pictures of the current neighbourhood drawn so far; 0: the next random pick draws a centre.
  int32_t DrawCounter = 0;
  // Index position of the last centre drawn.
  int32_t NeighbourCentre = 0;
  // Offsets after the centre, slots numbered 1 to 60: slot k is NeighbourTable[k - 1]. Slots above
  // the radius keep 0, or what a larger radius left there during the same run.
  std::array<int32_t, kNeighbourSlots> NeighbourTable{};
};

struct PickSettings {
  bool random = true;       // CheckBox_rnd
  int32_t rayon_rnd = 5;    // how far after the centre a neighbour may lie
  int32_t nb_fouille = 3;   // pictures per neighbourhood, the centre included
};

struct PickResult {
  int32_t index = 0;
  // True when the pick walked the index order and stored the new position in
  // indice_non_aleatoire: the caller then writes it into Edit_indice_non_aleatoire, whose change
  // marks the settings as changed so the position survives the program.
  bool sequentialPositionWritten = false;
};

// Entry into the show loop: every run starts a new neighbourhood with an empty table.
void ResetForNewRun(PickerState& state);

// Re-seeds the generator from the time of day (milliseconds since midnight).
void SeedFromTimeOfDay(RandomSource& random, Clock& clock);

// Fills slots 1 .. rayon_rnd with 1 .. rayon_rnd, re-seeds from the time of day, then makes
// rayon_rnd exchanges of two slots drawn at random. A radius of 0 or less does nothing; a radius
// above 60 is used as 60 (the setting itself is left alone).
void ShuffleNeighbours(PickerState& state, int32_t rayon_rnd, RandomSource& random, Clock& clock);

// A position in 0 .. n - 1 for the next new picture (n >= 1; an empty index never gets a turn,
// and n <= 0 gives 0 without touching anything).
// Index order: the position after indice_non_aleatoire, back to 0 past the end (and from any
// stored value outside the index, so that a damaged setting cannot point outside it).
// Random order: a new centre when DrawCounter is 0, otherwise the centre plus the offset in slot
// DrawCounter (centre + 1 with a radius of 0 or less), held within the index. A nb_fouille above
// 61 is used as 61, so DrawCounter never passes slot 60.
PickResult PickNextIndex(PickerState& state, const PickSettings& settings,
                         int32_t& indice_non_aleatoire, int32_t n, RandomSource& random,
                         Clock& clock);

}  // namespace lumivel
