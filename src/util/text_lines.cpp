#include "util/text_lines.h"

namespace lumivel {

std::vector<Text> SplitTextLines(std::string_view bytes) {
  auto end = bytes.find('\0');
  if (end != std::string_view::npos) bytes = bytes.substr(0, end);

  std::vector<Text> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(bytes.substr(start, i - start));
    ++i;
    if (c == '\r' && i < bytes.size() && bytes[i] == '\n') ++i;
    start = i;
  }
  // A last line without its terminator still counts; an empty remainder is no line.
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinCrLf(const std::vector<Text>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace lumivel
