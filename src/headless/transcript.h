#pragma once
// What a person would have seen, one line an event: "<ms> <kind> <details>", texts in double
// quotes with backslash escapes, in UTF-8.
#include <cstdint>
#include <ostream>
#include <string>

#include "util/cp1252.h"

namespace lumivel {

std::string QuoteForTranscript(const Text& text);

class Transcript {
 public:
  explicit Transcript(std::ostream& out) : out_(out) {}
  void Write(int64_t ms, const std::string& kind, const std::string& details);

 private:
  std::ostream& out_;
};

}  // namespace lumivel
