#pragma once
// One entry point per reader of outside bytes. The fuzzers call them with whatever libFuzzer makes;
// the regression test replays the inputs that once broke them. Each checks what must hold for any
// input and aborts when it does not.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumivel::fuzz {

int ParamFile(const uint8_t* data, std::size_t size);
int TextListFile(const uint8_t* data, std::size_t size);
int IndexRecords(const uint8_t* data, std::size_t size);
int ExclusionFile(const uint8_t* data, std::size_t size);
int IniFile(const uint8_t* data, std::size_t size);
int JpegFile(const uint8_t* data, std::size_t size);
int BmpFile(const uint8_t* data, std::size_t size);
int IcoFile(const uint8_t* data, std::size_t size);
int WmfFile(const uint8_t* data, std::size_t size);
int EmfFile(const uint8_t* data, std::size_t size);

struct Harness {
  const char* name;
  int (*run)(const uint8_t*, std::size_t);
};
const std::vector<Harness>& AllHarnesses();

// Small real-looking files for a harness to start from.
std::vector<std::string> SeedCorpus(const std::string& harness);

}  // namespace lumivel::fuzz
