#include "index/walk_filters.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <unordered_map>
#include <utility>

#include "util/program_path.h"
#include "util/util.h"

namespace lumivel {

// Exclusion texts that hold a backslash, by their head (the part up to and including the last
// backslash), keep here their tails (the part after it). A file name holds no backslash, so such a
// text can end inside a file's name only when its last backslash is the one before the name: the
// head then ends dir + "\" and the tail begins the name.
struct ExclusionTails {
  std::vector<Text> sorted;  // non-empty, sorted, without duplicates
  std::size_t longest = 0;

  bool AnyBegins(std::string_view text) const {
    const std::size_t limit = std::min(text.size(), longest);
    for (std::size_t length = 1; length <= limit; ++length) {
      if (std::binary_search(sorted.begin(), sorted.end(), text.substr(0, length),
                             std::less<>())) {
        return true;
      }
    }
    return false;
  }
};

struct PreparedWalkFilters::Exclusions {
  struct Group {
    Text head;
    bool headAlone = false;  // the head itself is an exclusion text (a block's empty entry)
    ExclusionTails tails;
  };
  std::vector<Text> plain;  // texts without a backslash: they lie in dir or in the name
  std::vector<Group> groups;
};

namespace {

constexpr char kSectionSign = '\xA7';

bool HoldsMarker(std::string_view text) {
  return text.find("++") != std::string_view::npos ||
         text.find(kSectionSign) != std::string_view::npos;
}

bool ContainsAny(std::string_view text, const std::vector<Text>& parts) {
  return std::any_of(parts.begin(), parts.end(), [text](const Text& part) {
    return text.find(part) != std::string_view::npos;
  });
}

Text UpperAscii(Text text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// Codes 1 to 32 end an unquoted item of a comma text and are skipped around items.
bool IsCommaTextBlank(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// The words never match as empty texts: an empty item, such as the one of "a,,b", would
// otherwise occur in every name.
std::vector<Text> WithoutEmptyItems(const std::vector<Text>& items) {
  std::vector<Text> kept;
  std::copy_if(items.begin(), items.end(), std::back_inserter(kept),
               [](const Text& item) { return !item.empty(); });
  return kept;
}

}  // namespace

bool IsPictureFile(const DirEntry& entry) {
  if (entry.isDirectory || entry.size <= 0) return false;
  if (!entry.name.empty() && entry.name.front() == '.') return false;
  const Text upper = UpperCase(entry.name);
  return upper.find(".JPG") != Text::npos || upper.find(".BMP") != Text::npos;
}

std::vector<Text> SplitFilterWords(const Text& boxText) {
  const Text text = UpperAscii(NormalizeForMatch(TrimSpaces(boxText)));
  const std::size_t n = text.size();
  std::vector<Text> items;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < n && IsCommaTextBlank(text[i])) ++i;
  };
  skipBlanks();
  while (i < n) {
    Text item;
    if (text[i] == '"') {
      ++i;
      while (i < n) {
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      const std::size_t start = i;
      while (i < n && !IsCommaTextBlank(text[i]) && text[i] != ',') ++i;
      item = text.substr(start, i - start);
    }
    items.push_back(std::move(item));
    skipBlanks();
    if (i < n && text[i] == ',') {
      ++i;
      skipBlanks();
    }
  }
  return items;
}

bool DirectoryVerdict::AcceptsFile(std::string_view name) const {
  if (rejectsAll_) return false;
  if (plainEntries_ != nullptr && ContainsAny(name, *plainEntries_)) return false;
  for (const ExclusionTails* tails : tails_) {
    if (tails->AnyBegins(name)) return false;
  }
  if (markerRule_ == kMarkerExcludes) return !HoldsMarker(name);
  if (markerRule_ == kMarkerRequired) return markerInDirectory_ || HoldsMarker(name);
  return true;
}

PreparedWalkFilters::PreparedWalkFilters(const WalkFilterSettings& settings)
    : markerRule_(settings.markerRule),
      dateMode_(settings.dateMode),
      excludedWordsOn_(settings.excludedWordsChecked && !settings.excludedWordsBoxEmpty),
      requiredWordsOn_(settings.requiredWordsChecked && !settings.requiredWordsBoxEmpty),
      excludedWords_(WithoutEmptyItems(settings.excludedWords)),
      requiredWords_(WithoutEmptyItems(settings.requiredWords)) {
  if (dateMode_ >= 1 && dateMode_ <= 5) {
    const bool needsFrom = dateMode_ <= 4;
    const bool needsTo = dateMode_ >= 3;
    dateRejectsAll_ = (needsFrom && settings.yearFrom.empty()) ||
                      (needsTo && settings.yearTo.empty());
    // The bounds come from all four boxes, also those the chosen mode hides.
    const Text monthFrom = PadTwoDigits(settings.monthFrom);
    const Text monthTo = PadTwoDigits(settings.monthTo);
    yearsOnly_ = monthFrom.empty() && monthTo.empty();
    from_ = settings.yearFrom;
    to_ = settings.yearTo;
    if (!yearsOnly_) {
      from_ += "-" + (monthFrom.empty() ? Text("01") : monthFrom);
      to_ += "-" + (monthTo.empty() ? Text("12") : monthTo);
    }
    if ((dateMode_ == 3 || dateMode_ == 4) && !monthFrom.empty() && from_ > to_) {
      std::swap(from_, to_);
    }
  }

  if (!settings.exclusionListsOn) return;
  exclusions_ = std::make_unique<Exclusions>();
  std::unordered_map<Text, std::size_t> groupOfHead;
  auto add = [&](const Text& entry) {
    if (entry.empty()) return;  // an empty line never matches
    const auto slash = entry.rfind('\\');
    if (slash == Text::npos) {
      exclusions_->plain.push_back(entry);
      return;
    }
    Text head = entry.substr(0, slash + 1);
    const auto [at, added] = groupOfHead.try_emplace(head, exclusions_->groups.size());
    if (added) exclusions_->groups.push_back({std::move(head), false, {}});
    auto& group = exclusions_->groups[at->second];
    if (slash + 1 == entry.size()) {
      group.headAlone = true;
      return;
    }
    group.tails.sorted.push_back(entry.substr(slash + 1));
    group.tails.longest = std::max(group.tails.longest, entry.size() - slash - 1);
  };
  for (const Text& entry : settings.excludedDirectories) add(entry);
  for (const Text& entry : settings.excludedFileEntries) add(entry);
  for (auto& group : exclusions_->groups) {
    auto& tails = group.tails.sorted;
    std::sort(tails.begin(), tails.end());
    tails.erase(std::unique(tails.begin(), tails.end()), tails.end());
  }
}

PreparedWalkFilters::~PreparedWalkFilters() = default;
PreparedWalkFilters::PreparedWalkFilters(PreparedWalkFilters&&) noexcept = default;
PreparedWalkFilters& PreparedWalkFilters::operator=(PreparedWalkFilters&&) noexcept = default;

bool PreparedWalkFilters::PassesDateFilter(const Text& dir) const {
  if (dateMode_ < 1 || dateMode_ > 5) return true;
  if (dateRejectsAll_) return false;
  const Text stem = ExtractDatePrefix(dir).substr(0, yearsOnly_ ? 4 : 7);
  switch (dateMode_) {
    case 1:
      return stem >= from_;
    case 2:
      return stem == from_;
    case 3:
      return from_ <= stem && stem <= to_;
    case 4:
      return stem < from_ || stem > to_;
    default:
      return stem <= to_;
  }
}

bool PreparedWalkFilters::PassesWordFilters(const Text& dir) const {
  if (!excludedWordsOn_ && !requiredWordsOn_) return true;
  // Only the name of the directory that holds the pictures counts, not its parents.
  const Text folded = UpperAscii(NormalizeForMatch(FileNamePart(dir)));
  if (excludedWordsOn_ && ContainsAny(folded, excludedWords_)) return false;
  return !requiredWordsOn_ || ContainsAny(folded, requiredWords_);
}

DirectoryVerdict PreparedWalkFilters::JudgeDirectory(const Text& dir) const {
  DirectoryVerdict verdict;
  verdict.markerRule_ = markerRule_;
  const Text dirSlash = dir + "\\";
  verdict.markerInDirectory_ = HoldsMarker(dirSlash);
  if (markerRule_ == kMarkerExcludes && verdict.markerInDirectory_) verdict.rejectsAll_ = true;
  if (!verdict.rejectsAll_) {
    verdict.rejectsAll_ = !PassesDateFilter(dir) || !PassesWordFilters(dir);
  }
  if (verdict.rejectsAll_ || !exclusions_) return verdict;

  if (ContainsAny(dirSlash, exclusions_->plain)) {
    verdict.rejectsAll_ = true;
    return verdict;
  }
  verdict.plainEntries_ = &exclusions_->plain;
  for (const auto& group : exclusions_->groups) {
    for (auto at = dirSlash.find(group.head); at != Text::npos;
         at = dirSlash.find(group.head, at + 1)) {
      if (group.headAlone) {
        verdict.rejectsAll_ = true;
        return verdict;
      }
      const std::size_t after = at + group.head.size();
      if (after == dirSlash.size()) {
        verdict.tails_.push_back(&group.tails);
        break;
      }
      // A tail holds no backslash, so it must begin the part of dir that follows the head.
      const std::size_t next = dirSlash.find('\\', after);
      if (group.tails.AnyBegins(std::string_view(dirSlash).substr(after, next - after))) {
        verdict.rejectsAll_ = true;
        return verdict;
      }
    }
  }
  return verdict;
}

bool PassesWalkFilters(const PreparedWalkFilters& filters, const Text& dir, const Text& path) {
  return filters.JudgeDirectory(dir).AcceptsFile(FileNamePart(path));
}

}  // namespace lumivel
