#include "dates/year_month.h"

#include <cstdio>

#include "util/program_path.h"
#include "util/util.h"

namespace lumivel {
namespace {

Text MaskOf(const Text& text) {
  Text mask = text;
  DigitMask('*', mask, '_');
  return mask;
}

// Two-digit years up to 40 are of the 2000s, the others of the 1900s.
Text CenturyOf(const Text& text, std::size_t at) {
  const int year = (text[at] - '0') * 10 + (text[at + 1] - '0');
  return year <= 40 ? "20" : "19";
}

// Year and month read from a name whose mask holds one of the date shapes.
Text YearMonthFromName(const Text& name) {
  const Text mask = MaskOf(name);
  if (mask.starts_with("******_")) {
    return CenturyOf(name, 0) + name.substr(0, 2) + "-" + name.substr(2, 2);
  }
  if (auto at = mask.find("**_**_**_"); at != Text::npos) {
    return CenturyOf(name, at) + name.substr(at, 2) + "-" + name.substr(at + 3, 2);
  }
  if (auto at = mask.find("********_"); at != Text::npos) {
    return name.substr(at, 4) + "-" + name.substr(at + 4, 2);
  }
  if (auto at = mask.find("****_**_**"); at != Text::npos) {
    return name.substr(at, 4) + "-" + name.substr(at + 5, 2);
  }
  return ExtractField(name, 1, '-').substr(0, 4) + "-" + ExtractField(name, 2, '-').substr(0, 2);
}

}  // namespace

Text FormatYearMonth(const LocalDateTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d", time.year, time.month);
  return text;
}

Text YearMonthFromPath(const Text& currentImagePath, bool titleEmpty,
                       const std::function<Text()>& fileYearMonth) {
  if (titleEmpty) return fileYearMonth();
  Text yearMonth = YearMonthFromName(LastPathComponent(DirectoryPart(currentImagePath)));
  // Every reading keeps its hyphen through StripLetters, so the text is never empty here and a
  // name without a date goes on to the stamp or the file's month below.
  StripLetters(yearMonth);
  if (yearMonth.find("20") == Text::npos) {
    // Fourteen digits in a row, read as a year-month-day-hour-minute-second stamp.
    const auto at = MaskOf(currentImagePath).find(Text(14, '*'));
    if (at != Text::npos) {
      yearMonth = currentImagePath.substr(at, 4) + "-" + currentImagePath.substr(at + 4, 2);
    } else {
      yearMonth = fileYearMonth();
    }
  }
  return yearMonth;
}

Text BuildOptionsText(int dateFilterIndex, bool contientChecked, const Text& contientText,
                      bool neContientPasChecked, const Text& neContientPasText) {
  using namespace literals;
  Text text;
  if (dateFilterIndex > 0) text = "dates filtrées"_cp;
  auto appendWords = [&text](const char* prefix, Text words) {
    ReplaceChar(',', '\n', words);
    text += "\n";
    text += prefix;
    text += words;
  };
  if (contientChecked) appendWords("oui => ", contientText);
  if (neContientPasChecked) appendWords("non => ", neContientPasText);
  return text;
}

}  // namespace lumivel
