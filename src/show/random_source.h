#pragma once
// The program's own generator: uniform draws in 0 .. m - 1 from a 32-bit Mersenne Twister.
#include <cstdint>
#include <random>

#include "services/services.h"

namespace lumivel {

class UniformRandomSource : public RandomSource {
 public:
  explicit UniformRandomSource(uint32_t seed = 1) : engine_(seed) {}
  void Seed(uint32_t seed) override;
  // Every value of 0 .. m - 1 equally likely (draws from the short top end of the 32-bit range
  // are rejected, so small values are not favoured). m <= 0 gives 0, as the runtime's Random(0).
  int32_t Next(int32_t m) override;

 private:
  std::mt19937 engine_;
};

}  // namespace lumivel
