// Writes each harness's seed files into DIR/<harness>/: make_corpus DIR
#include <filesystem>
#include <fstream>
#include <iostream>

#include "harnesses.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_corpus DIR\n";
    return 64;
  }
  for (const auto& harness : lumivel::fuzz::AllHarnesses()) {
    std::filesystem::path dir = std::filesystem::path(argv[1]) / harness.name;
    std::filesystem::create_directories(dir);
    int n = 0;
    for (const auto& seed : lumivel::fuzz::SeedCorpus(harness.name)) {
      std::ofstream(dir / ("seed" + std::to_string(n++)), std::ios::binary) << seed;
    }
  }
  return 0;
}
