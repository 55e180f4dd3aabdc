#include "util/program_path.h"

namespace lumivel {

Text DirectoryPart(const Text& path) {
  auto at = path.rfind('\\');
  if (at == Text::npos) return Text();
  if (at == 2 && path.size() >= 3 && path[1] == ':') return path.substr(0, 3);
  return path.substr(0, at);
}

Text FileNamePart(const Text& path) {
  auto at = path.rfind('\\');
  return at == Text::npos ? path : path.substr(at + 1);
}

Text ExtensionOf(const Text& path) {
  auto start = path.find_last_of("\\:");
  auto name = start == Text::npos ? path : path.substr(start + 1);
  auto dot = name.rfind('.');
  return dot == Text::npos ? Text() : name.substr(dot);
}

Text LowerCase(const Text& text) {
  Text out = text;
  for (char& c : out) c = Cp1252Lower(c);
  return out;
}

}  // namespace lumivel
