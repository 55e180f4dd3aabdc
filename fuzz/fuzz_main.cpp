// One libFuzzer program per reader: LUMIVEL_FUZZ_HARNESS names the harness at build time.
#include <cstddef>
#include <cstdint>

#include "harnesses.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  return lumivel::fuzz::LUMIVEL_FUZZ_HARNESS(data, size);
}
