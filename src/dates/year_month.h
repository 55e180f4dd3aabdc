#pragma once
// The year and month shown in the top right corner, read from the name of the shown picture's
// directory, and the summary of the filters in force shown under it.
#include <functional>

#include "services/file_system.h"
#include "util/cp1252.h"

namespace lumivel {

// "yyyy-mm", the form in which a file's own date is shown.
Text FormatYearMonth(const LocalDateTime& time);

// The year-month text for the picture at currentImagePath. Directory names such as 050828 avg,
// 05-08-28 avg, 20050828 avg or 2005-08 vacances give 2005-08; a two-digit year above 40 belongs
// to the 1900s. A result without "20" gives way to a fourteen-digit stamp in the path or, last,
// to fileYearMonth (the picture file's own month), which is also used when the title line is
// empty. fileYearMonth is called only when needed.
Text YearMonthFromPath(const Text& currentImagePath, bool titleEmpty,
                       const std::function<Text()>& fileYearMonth);

// The filter summary: "dates filtrées" when a date filter is chosen, then for each ticked word
// filter a line feed, "oui => " or "non => " and its box's text with one word group per line.
// Empty when no filter is in force.
Text BuildOptionsText(int dateFilterIndex, bool contientChecked, const Text& contientText,
                      bool neContientPasChecked, const Text& neContientPasText);

}  // namespace lumivel
