#include "show/picker.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "services/services.h"
#include "show/random_source.h"

namespace lumivel {
namespace {

// Hands out scripted draws and records every request, so a test sees the order of draws and
// re-seeds.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::deque<int32_t> draws) : draws_(std::move(draws)) {}
  void Seed(uint32_t seed) override { calls.push_back("seed " + std::to_string(seed)); }
  int32_t Next(int32_t m) override {
    calls.push_back("next " + std::to_string(m));
    if (draws_.empty()) {
      ADD_FAILURE() << "more draws asked than scripted";
      return 0;
    }
    const int32_t draw = draws_.front();
    draws_.pop_front();
    EXPECT_GE(draw, 0);
    EXPECT_LT(draw, m) << "scripted draw outside the range asked for";
    return draw;
  }
  std::vector<std::string> calls;

 private:
  std::deque<int32_t> draws_;
};

class FixedClock : public Clock {
 public:
  double NowDays() override { return 45000.5; }
  LocalDateTime NowLocal() override { return {}; }
  int64_t MillisecondsSinceMidnight() override { return ms; }
  void Sleep(int) override {}
  int64_t ms = 43200123;
};

std::vector<int32_t> Picks(PickerState& state, const PickSettings& settings, int32_t n, int count,
                           RandomSource& random, Clock& clock) {
  int32_t stored = 0;
  std::vector<int32_t> picks;
  for (int i = 0; i < count; ++i) {
    picks.push_back(PickNextIndex(state, settings, stored, n, random, clock).index);
  }
  return picks;
}

TEST(PickerSequential, WalksTheStoredPositionAndWrapsAtTheEnd) {
  struct Case {
    const char* what;
    int32_t n;
    int32_t stored;
    int32_t expected;
  };
  const Case cases[] = {
      {"the default stored position 4 starts at 5", 5000, 4, 5},
      {"the last position wraps to 0", 10, 9, 0},
      {"a stored position past the end wraps to 0", 10, 15, 0},
      {"a one-picture index stays at 0", 1, 0, 0},
      {"-1 gives the first picture", 10, -1, 0},
      {"a damaged negative position does not leave the index", 10, -7, 0},
      {"the largest stored value does not overflow", 10, 2147483647, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PickerState state;
    state.DrawCounter = 2;
    ScriptedRandom random({});
    FixedClock clock;
    int32_t stored = c.stored;
    const PickResult result =
        PickNextIndex(state, {.random = false}, stored, c.n, random, clock);
    EXPECT_EQ(result.index, c.expected);
    EXPECT_EQ(stored, c.expected);
    EXPECT_TRUE(result.sequentialPositionWritten);
    EXPECT_EQ(state.DrawCounter, 2) << "index order leaves the neighbourhood alone";
    EXPECT_TRUE(random.calls.empty());
  }
}

TEST(PickerRandom, GroupOfThreeIsCentreThenTwoShuffledOffsets) {
  // Centre 100, then five exchanges of slots (1,5) (2,2) (3,4) (1,2) (5,1) on 1 2 3 4 5:
  // 5 2 3 4 1 -> unchanged -> 5 2 4 3 1 -> 2 5 4 3 1 -> 1 5 4 3 2. Slots 1 and 2 hold 1 and 5.
  ScriptedRandom random({100, 0, 4, 1, 1, 2, 3, 0, 1, 4, 0, 555, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
  FixedClock clock;
  PickerState state;
  ResetForNewRun(state);
  const PickSettings settings{.random = true, .rayon_rnd = 5, .nb_fouille = 3};
  int32_t stored = 4;
  std::vector<int32_t> picks;
  for (int i = 0; i < 4; ++i) {
    const PickResult result = PickNextIndex(state, settings, stored, 1000, random, clock);
    EXPECT_FALSE(result.sequentialPositionWritten);
    picks.push_back(result.index);
  }
  EXPECT_EQ(picks, (std::vector<int32_t>{100, 101, 105, 555}));
  EXPECT_EQ(stored, 4) << "random order keeps the stored position";

  // The centre is drawn before the shuffle re-seeds from the time of day.
  std::vector<std::string> expected = {"next 1000", "seed 43200123"};
  for (int i = 0; i < 10; ++i) expected.push_back("next 5");
  expected.push_back("next 1000");
  expected.push_back("seed 43200123");
  for (int i = 0; i < 10; ++i) expected.push_back("next 5");
  EXPECT_EQ(random.calls, expected);
}

TEST(PickerRandom, NeighboursAreDistinctOffsetsAfterTheCentre) {
  UniformRandomSource random(7);
  FixedClock clock;
  PickerState state;
  ResetForNewRun(state);
  const PickSettings settings{.random = true, .rayon_rnd = 5, .nb_fouille = 3};
  for (int group = 0; group < 300; ++group) {
    clock.ms += 137;
    const std::vector<int32_t> picks = Picks(state, settings, 100000, 3, random, clock);
    const int32_t a = picks[1] - picks[0];
    const int32_t b = picks[2] - picks[0];
    if (picks[0] + 5 >= 100000) continue;  // clamped at the end of the index
    EXPECT_GE(a, 1);
    EXPECT_LE(a, 5);
    EXPECT_GE(b, 1);
    EXPECT_LE(b, 5);
    EXPECT_NE(a, b);
  }
}

TEST(PickerRandom, NeighbourhoodShapes) {
  struct Case {
    const char* what;
    int32_t rayon;
    int32_t fouille;
    std::deque<int32_t> draws;  // centre, then the shuffle's draws
    std::vector<int32_t> expected;
  };
  // Radius 2: slots 1 2; exchanges (1,2) (1,1) give 2 1.
  const Case cases[] = {
      {"centre at the last position: every neighbour is clamped to it", 3, 3,
       {49, 0, 1, 2, 2, 1, 1}, {49, 49, 49}},
      {"more draws than the radius: empty slots show the centre again", 2, 5,
       {10, 0, 1, 0, 0}, {10, 12, 11, 10, 10}},
      {"radius 0: the centre, then the one after it", 0, 3, {20}, {20, 21, 21}},
      {"negative radius acts as radius 0", -4, 2, {30}, {30, 31}},
      {"one draw per centre: every pick is a centre", 0, 1, {5, 6, 7}, {5, 6, 7}},
      {"no draws per centre: every pick is a centre", 0, -3, {8, 9}, {8, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedRandom random(c.draws);
    FixedClock clock;
    PickerState state;
    ResetForNewRun(state);
    const PickSettings settings{.random = true, .rayon_rnd = c.rayon, .nb_fouille = c.fouille};
    EXPECT_EQ(Picks(state, settings, 50, static_cast<int>(c.expected.size()), random, clock),
              c.expected);
  }
}

TEST(PickerRandom, SmallerRadiusKeepsOffsetsOfALargerOneUntilTheNextRun) {
  // Radius 4 with identity exchanges leaves slots 1..4 = 1 2 3 4.
  ScriptedRandom random({0, 0, 0, 1, 1, 2, 2, 3, 3,  // centre 0, radius 4
                         10, 0, 0, 1, 1,             // centre 10, radius 2
                         20, 0, 0, 1, 1});           // after a new run
  FixedClock clock;
  PickerState state;
  ResetForNewRun(state);
  Picks(state, {.random = true, .rayon_rnd = 4, .nb_fouille = 1}, 100, 1, random, clock);
  EXPECT_EQ(Picks(state, {.random = true, .rayon_rnd = 2, .nb_fouille = 5}, 100, 5, random, clock),
            (std::vector<int32_t>{10, 11, 12, 13, 14}));
  ResetForNewRun(state);
  EXPECT_EQ(Picks(state, {.random = true, .rayon_rnd = 2, .nb_fouille = 5}, 100, 5, random, clock),
            (std::vector<int32_t>{20, 21, 22, 20, 20}));
}

TEST(PickerRandom, NewRunDrawsANewCentreMidNeighbourhood) {
  ScriptedRandom random({40, 0, 0, 70, 0, 0});
  FixedClock clock;
  PickerState state;
  ResetForNewRun(state);
  const PickSettings settings{.random = true, .rayon_rnd = 1, .nb_fouille = 4};
  EXPECT_EQ(Picks(state, settings, 100, 2, random, clock), (std::vector<int32_t>{40, 41}));
  ResetForNewRun(state);
  EXPECT_EQ(state.DrawCounter, 0);
  EXPECT_EQ(Picks(state, settings, 100, 1, random, clock), (std::vector<int32_t>{70}));
}

TEST(PickerRandom, SettingsBeyondTheTableStayInsideIt) {
  UniformRandomSource random(3);
  FixedClock clock;
  PickerState state;
  ResetForNewRun(state);
  const PickSettings settings{.random = true, .rayon_rnd = 1000, .nb_fouille = 1000};
  // 61 picks per neighbourhood: the centre and 60 distinct offsets 1..60.
  for (int group = 0; group < 3; ++group) {
    const std::vector<int32_t> picks = Picks(state, settings, 1000000, 61, random, clock);
    if (picks[0] + 60 >= 1000000) continue;  // clamped at the end of the index
    std::set<int32_t> offsets;
    for (std::size_t i = 1; i < picks.size(); ++i) offsets.insert(picks[i] - picks[0]);
    EXPECT_EQ(offsets.size(), 60u);
    EXPECT_EQ(*offsets.begin(), 1);
    EXPECT_EQ(*offsets.rbegin(), 60);
    EXPECT_EQ(state.DrawCounter, 0) << "the 62nd pick draws a new centre";
  }
}

TEST(PickerRandom, ShuffleIsAPermutationOfTheRadius) {
  UniformRandomSource random(11);
  FixedClock clock;
  for (int32_t radius : {1, 2, 5, 60, 200}) {
    SCOPED_TRACE(radius);
    PickerState state;
    ShuffleNeighbours(state, radius, random, clock);
    const int32_t used = radius > kNeighbourSlots ? kNeighbourSlots : radius;
    std::set<int32_t> values(state.NeighbourTable.begin(), state.NeighbourTable.begin() + used);
    EXPECT_EQ(values.size(), static_cast<std::size_t>(used));
    EXPECT_EQ(*values.begin(), 1);
    EXPECT_EQ(*values.rbegin(), used);
    for (int32_t k = used; k < kNeighbourSlots; ++k) EXPECT_EQ(state.NeighbourTable[k], 0);
  }
}

TEST(PickerRandom, EmptyIndexGivesZeroAndTouchesNothing) {
  ScriptedRandom random({});
  FixedClock clock;
  PickerState state;
  state.DrawCounter = 1;
  int32_t stored = 4;
  EXPECT_EQ(PickNextIndex(state, {.random = true}, stored, 0, random, clock).index, 0);
  EXPECT_EQ(PickNextIndex(state, {.random = false}, stored, 0, random, clock).index, 0);
  EXPECT_EQ(stored, 4);
  EXPECT_EQ(state.DrawCounter, 1);
}

TEST(UniformRandomSource, DrawsCoverTheRangeEvenlyAndRepeatAfterReseed) {
  UniformRandomSource random;
  random.Seed(42);
  std::vector<int> counts(6, 0);
  std::vector<int32_t> first;
  for (int i = 0; i < 60000; ++i) {
    const int32_t draw = random.Next(6);
    ASSERT_GE(draw, 0);
    ASSERT_LT(draw, 6);
    ++counts[static_cast<std::size_t>(draw)];
    if (i < 20) first.push_back(draw);
  }
  for (int count : counts) {
    EXPECT_GT(count, 9500);
    EXPECT_LT(count, 10500);
  }
  random.Seed(42);
  std::vector<int32_t> again;
  for (int i = 0; i < 20; ++i) again.push_back(random.Next(6));
  EXPECT_EQ(again, first);
  EXPECT_EQ(random.Next(1), 0);
  EXPECT_EQ(random.Next(0), 0);
  EXPECT_EQ(random.Next(-5), 0);
}

}  // namespace
}  // namespace lumivel
