#include "dates/file_year_month.h"

#include "dates/year_month.h"

namespace lumivel {

Text FileYearMonth(const FileSystem& fs, const Text& path) {
  const auto modified = fs.ModificationTime(path);
  return modified ? FormatYearMonth(*modified) : Text("?");
}

}  // namespace lumivel
