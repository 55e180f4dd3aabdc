#include "index/exclusion_file.h"

#include <algorithm>
#include <string>

#include "util/text_lines.h"
#include "util/util.h"

namespace lumivel {
namespace {

// Statement texts and the last name of a range are read as short strings.
constexpr std::size_t kShortTextLength = 255;

// One line of a block: a file name (or the start of one), or a range "first...last".
void AddBlockEntry(const Text& dir, const Text& entry, std::vector<Text>& fileEntries,
                   MessageSink& messages) {
  const auto dots = entry.find("...");
  if (dots == Text::npos) {
    fileEntries.push_back(dir + "\\" + entry);
    return;
  }
  Text first = entry.substr(0, dots);
  const auto slash = entry.rfind('\\');
  if (slash != Text::npos) first.erase(0, std::min(slash + 1, first.size()));
  const Text last = entry.substr(dots + 3, kShortTextLength);
  const auto dot = first.rfind('.');
  const Text ext = dot == Text::npos ? Text() : first.substr(dot);

  Text firstLetters;
  Text stem;
  int32_t low = 0;
  int32_t high = 0;
  SplitLettersDigits(first, firstLetters, low, messages);
  SplitLettersDigits(last, stem, high, messages);
  const int64_t end = std::min<int64_t>(high, int64_t{low} + kMaxNamesPerRange - 1);
  for (int64_t k = low; k <= end; ++k) {
    fileEntries.push_back(dir + "\\" + stem + std::to_string(k) + ext);
  }
}

}  // namespace

ExclusionLists ParseExclusionFile(std::string_view bytes, MessageSink& messages) {
  std::vector<Text> lines = SplitTextLines(bytes);
  for (Text& line : lines) RepairUtf8Accents(line);

  ExclusionLists lists;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Text& line = lines[i];
    if (line.empty() || line.front() == '\'') continue;
    if (line.starts_with("**")) {
      lists.directories.push_back(line.substr(2, kShortTextLength));
    } else if (line.starts_with("+*")) {
      // Every line up to "-" is an entry, even an empty one or one that looks like a statement.
      const Text dir = line.substr(2, kShortTextLength);
      while (++i < lines.size() && lines[i] != "-") {
        AddBlockEntry(dir, lines[i], lists.fileEntries, messages);
      }
    }
  }
  return lists;
}

}  // namespace lumivel
