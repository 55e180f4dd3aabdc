#include "settings/ini_profile.h"

#include <optional>
#include <vector>

namespace lumivel {
namespace {

bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
  return text;
}

struct ProfileLine {
  std::size_t start = 0;
  std::size_t end = 0;   // before the line's CR LF or LF
  std::size_t next = 0;  // the start of the next line
  bool terminated = false;
};

std::vector<ProfileLine> SplitProfileLines(std::string_view bytes) {
  std::vector<ProfileLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    ProfileLine line;
    line.start = start;
    const auto feed = bytes.find('\n', start);
    if (feed == std::string_view::npos) {
      line.end = line.next = bytes.size();
    } else {
      line.end = feed > start && bytes[feed - 1] == '\r' ? feed - 1 : feed;
      line.next = feed + 1;
      line.terminated = true;
    }
    lines.push_back(line);
    start = line.next;
  }
  return lines;
}

// "[name]" with anything after the last ']' ignored.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const auto close = line.rfind(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view name;
  std::optional<std::string_view> value;  // none when the line has no "="
};

KeyLine KeyLineOf(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return {Trim(line), std::nullopt};
  return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

struct Location {
  std::vector<ProfileLine> lines;
  std::optional<std::size_t> section;  // the header's line
  std::size_t lastOfSection = 0;       // the section's last line that is not blank
  std::optional<std::size_t> key;
};

Location Locate(std::string_view bytes, std::string_view section, std::string_view key) {
  Location found;
  found.lines = SplitProfileLines(bytes);
  section = Trim(section);
  key = Trim(key);
  for (std::size_t i = 0; i < found.lines.size(); ++i) {
    const auto& line = found.lines[i];
    const auto text = bytes.substr(line.start, line.end - line.start);
    const auto name = SectionNameOf(text);
    if (!found.section) {
      if (name && SameTextIgnoringCase(*name, section)) {
        found.section = i;
        found.lastOfSection = i;
      }
      continue;
    }
    if (name) break;  // only the first section of that name counts
    if (Trim(text).empty()) continue;
    found.lastOfSection = i;
    if (!found.key && !key.empty() && SameTextIgnoringCase(KeyLineOf(text).name, key)) {
      found.key = i;
    }
  }
  return found;
}

}  // namespace

Text IniReadString(std::string_view fileBytes, std::string_view section, std::string_view key,
                   const Text& defaultText) {
  const Location found = Locate(fileBytes, section, key);
  std::optional<std::string_view> value;
  if (found.key) {
    const auto& line = found.lines[*found.key];
    value = KeyLineOf(fileBytes.substr(line.start, line.end - line.start)).value;
  }
  Text result;
  if (value) {
    std::string_view text = *value;
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
      text = text.substr(1, text.size() - 2);
    }
    result = Text(text);
  } else {
    result = defaultText;
    while (!result.empty() && result.back() == ' ') result.pop_back();
  }
  if (result.size() >= kProfileBufferSize) result.resize(kProfileBufferSize - 1);
  return result;
}

std::string IniWriteString(std::string_view fileBytes, std::string_view section,
                           std::string_view key, std::string_view value) {
  const Location found = Locate(fileBytes, section, key);
  std::string bytes(fileBytes);
  if (found.key) {
    const auto& line = found.lines[*found.key];
    const auto name = KeyLineOf(fileBytes.substr(line.start, line.end - line.start)).name;
    bytes.replace(line.start, line.end - line.start,
                  std::string(name) + "=" + std::string(value));
    return bytes;
  }
  const std::string keyLine = std::string(Trim(key)) + "=" + std::string(value) + "\r\n";
  if (found.section) {
    const auto& last = found.lines[found.lastOfSection];
    bytes.insert(last.next, last.terminated ? keyLine : "\r\n" + keyLine);
    return bytes;
  }
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + std::string&&.
  bytes.append("[").append(Trim(section)).append("]\r\n").append(keyLine);
  return bytes;
}

}  // namespace lumivel
