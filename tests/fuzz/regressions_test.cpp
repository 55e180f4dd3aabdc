// Replays every input a fuzzer once broke a reader with, and the seed files, through the same
// harnesses: each must run to its end.
#include <gtest/gtest.h>

#include <filesystem>

#include "harnesses.h"
#include "support/test_support.h"

namespace lumivel::fuzz {
namespace {

TEST(FuzzRegressions, KeptInputsAndSeedsRunThrough) {
  int replayed = 0;
  for (const auto& harness : AllHarnesses()) {
    for (const auto& seed : SeedCorpus(harness.name)) {
      harness.run(reinterpret_cast<const uint8_t*>(seed.data()), seed.size());
      ++replayed;
    }
    std::filesystem::path dir = std::filesystem::path(LUMIVEL_FUZZ_REGRESSIONS) / harness.name;
    if (!std::filesystem::exists(dir)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      std::string bytes = testing::ReadHostFile(entry.path());
      SCOPED_TRACE(entry.path().string());
      harness.run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 8);
}

TEST(FuzzRegressions, EveryHarnessHasSeeds) {
  for (const auto& harness : AllHarnesses()) EXPECT_FALSE(SeedCorpus(harness.name).empty()) << harness.name;
}

}  // namespace
}  // namespace lumivel::fuzz
