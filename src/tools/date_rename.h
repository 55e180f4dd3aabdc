#pragma once
// Names of dated directories written in short forms (two-digit year, other separators, no
// separators) and their new names in the form year-month-day with a four-digit year and hyphens,
// which the date filter of the walk reads; and the lines the renaming tool logs.
#include <array>
#include <cstdint>

#include "util/cp1252.h"

namespace lumivel {

// The forms a name may begin with, tested in this order; at most one fits a name.
enum class DateForm {
  None,
  ShortDate,          // aammjj
  ShortSeparated,     // aa-mm-jj, any separators
  LongDate,           // aaaammjj
  LongSeparated,      // aaaa-mm-jj, any separators (the final form matches here, unchanged)
};

struct DateRenameMatch {
  DateForm form = DateForm::None;
  Text newDatePart;  // e.g. "2005-08-28"
  Text rest;         // the old name after its date part, possibly empty
  Text NewName() const { return newDatePart + rest; }
};

// Reads the start of a directory name through its digit mask ('*' a digit, '_' anything else,
// one '_' appended, so a name that is only a date fits too). centuryPrefix (the text of Edit3,
// not checked) goes before two-digit years.
DateRenameMatch MatchDateForm(const Text& name, const Text& centuryPrefix);

// Candidates and successful renames are counted in 16 bits, wrapping after 65535.
using RenameCount = uint16_t;
RenameCount NextRenameCount(RenameCount count);

using LogLines = std::array<Text, 2>;

// Counting: "3 : 050828 avg" and "  -> 2005-08-28 avg".
LogLines CountedLogLines(RenameCount count, const Text& oldName, const Text& newName);
// Renaming, target already there: nothing is renamed.
LogLines TargetExistsLogLines(const Text& oldName, const Text& newName);
LogLines RenamedLogLines(const Text& oldName, const Text& newName);
LogLines RenameFailedLogLines(const Text& oldName, const Text& newName);

}  // namespace lumivel
