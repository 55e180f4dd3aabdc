#include "tools/date_rename.h"

#include <string>

#include "util/util.h"

namespace lumivel {
namespace {

using namespace lumivel::literals;

struct FormRule {
  DateForm form;
  const char* maskStart;
  bool twoDigitYear;
  // The year starts the name; offsets (from 0) of the month, the day and the rest.
  std::size_t month;
  std::size_t day;
  std::size_t rest;
};

constexpr FormRule kRules[] = {
    {DateForm::ShortDate, "******_", true, 2, 4, 6},
    {DateForm::ShortSeparated, "**_**_**_", true, 3, 6, 8},
    {DateForm::LongDate, "********_", false, 4, 6, 8},
    {DateForm::LongSeparated, "****_**_**_", false, 5, 8, 10},
};

}  // namespace

DateRenameMatch MatchDateForm(const Text& name, const Text& centuryPrefix) {
  Text mask = name;
  DigitMask('*', mask, '_');
  for (const FormRule& rule : kRules) {
    if (!mask.starts_with(rule.maskStart)) continue;
    const std::size_t yearLength = rule.twoDigitYear ? 2 : 4;
    const Text year = (rule.twoDigitYear ? centuryPrefix : Text()) + name.substr(0, yearLength);
    return {rule.form,
            year + "-" + name.substr(rule.month, 2) + "-" + name.substr(rule.day, 2),
            name.substr(rule.rest)};
  }
  return {};
}

RenameCount NextRenameCount(RenameCount count) { return static_cast<RenameCount>(count + 1); }

LogLines CountedLogLines(RenameCount count, const Text& oldName, const Text& newName) {
  return {std::to_string(count) + " : " + oldName, "  -> " + newName};
}

LogLines TargetExistsLogLines(const Text& oldName, const Text& newName) {
  return {"problème avec       "_cp + oldName, "     existe dèjà -> "_cp + newName};
}

LogLines RenamedLogLines(const Text& oldName, const Text& newName) {
  return {"ok de   " + oldName, " -----> " + newName};
}

LogLines RenameFailedLogLines(const Text& oldName, const Text& newName) {
  return {"Erreur de " + oldName, "       en " + newName};
}

}  // namespace lumivel
