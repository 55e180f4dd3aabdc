#include "headless/transcript.h"

#include <cstdio>

namespace lumivel {

std::string QuoteForTranscript(const Text& text) {
  std::string utf8 = Cp1252ToUtf8(text);
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\x%02x", static_cast<unsigned char>(c));
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void Transcript::Write(int64_t ms, const std::string& kind, const std::string& details) {
  out_ << ms << ' ' << kind;
  if (!details.empty()) out_ << ' ' << details;
  out_ << '\n';
  out_.flush();
}

}  // namespace lumivel
