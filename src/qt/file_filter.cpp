#include "qt/file_filter.h"

#include <vector>

namespace lumivel {

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string_view WithoutTrailingPatterns(std::string_view description) {
  description = Trim(description);
  if (!description.empty() && description.back() == ')') {
    const size_t open = description.rfind('(');
    if (open != std::string_view::npos) return Trim(description.substr(0, open));
  }
  return description;
}

}  // namespace

std::string QtNameFilters(std::string_view filter) {
  if (Trim(filter).empty()) return {};
  const std::vector<std::string_view> fields = Split(filter, '|');
  std::string result;
  for (size_t i = 0; i < fields.size(); i += 2) {
    std::string patterns;
    const std::string_view patternField = i + 1 < fields.size() ? fields[i + 1] : "*";
    for (std::string_view pattern : Split(patternField, ';')) {
      pattern = Trim(pattern);
      if (pattern.empty()) continue;
      if (!patterns.empty()) patterns += ' ';
      patterns += pattern == "*.*" ? std::string_view("*") : pattern;
    }
    if (patterns.empty()) patterns.push_back('*');
    if (!result.empty()) result += ";;";
    const std::string_view description = WithoutTrailingPatterns(fields[i]);
    if (!description.empty()) {
      result += description;
      result += ' ';
    }
    result += '(';
    result += patterns;
    result += ')';
  }
  return result;
}

}  // namespace lumivel
