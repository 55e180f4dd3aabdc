#include "tools/date_rename.h"

#include <gtest/gtest.h>

#include "util/cp1252.h"

namespace lumivel {
namespace {

using namespace lumivel::literals;

TEST(DateRename, FormsAndNewNames) {
  struct Case {
    const char* what;
    Text name;
    Text prefix;
    DateForm form;
    Text newName;
  };
  const Case cases[] = {
      {"aammjj", "050828 avg", "20", DateForm::ShortDate, "2005-08-28 avg"},
      {"aa-mm-jj", "05-08-28 avg", "20", DateForm::ShortSeparated, "2005-08-28 avg"},
      {"dots as separators", "05.08.28 avg", "20", DateForm::ShortSeparated, "2005-08-28 avg"},
      {"underscores as separators", "05_08_28 avg", "20", DateForm::ShortSeparated,
       "2005-08-28 avg"},
      {"aaaammjj", "20050828 avg", "20", DateForm::LongDate, "2005-08-28 avg"},
      {"aaaa.mm.jj", "2005.08.28 avg", "20", DateForm::LongSeparated, "2005-08-28 avg"},
      {"blanks as separators", "2005 08 28 avg", "20", DateForm::LongSeparated, "2005-08-28 avg"},
      {"the final form matches itself", "2005-08-28 avg", "20", DateForm::LongSeparated,
       "2005-08-28 avg"},
      {"a date alone", "050828", "20", DateForm::ShortDate, "2005-08-28"},
      {"a long date alone", "20050828", "20", DateForm::LongDate, "2005-08-28"},
      {"another century", "981224 Noël"_cp, "19", DateForm::ShortDate, "1998-12-24 Noël"_cp},
      {"the prefix is not checked", "981224x", "abc", DateForm::ShortDate, "abc98-12-24x"},
      {"the rest keeps its own digits and dots", "05-08-28.2 v1.5", "20",
       DateForm::ShortSeparated, "2005-08-28.2 v1.5"},
      {"seven digits match nothing", "0508281 avg", "20", DateForm::None, ""},
      {"too short", "0508", "20", DateForm::None, ""},
      {"a short separated date with a one-digit day", "05-08-2 avg", "20", DateForm::None, ""},
      {"nine digits", "200508281", "20", DateForm::None, ""},
      {"a date not at the start", "avg 050828", "20", DateForm::None, ""},
      {"empty", "", "20", DateForm::None, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DateRenameMatch match = MatchDateForm(c.name, c.prefix);
    EXPECT_EQ(match.form, c.form);
    EXPECT_EQ(match.NewName(), c.newName);
  }
}

TEST(DateRename, LogLines) {
  EXPECT_EQ(CountedLogLines(3, "050828 avg", "2005-08-28 avg"),
            (LogLines{"3 : 050828 avg", "  -> 2005-08-28 avg"}));
  EXPECT_EQ(TargetExistsLogLines("2005-08-28 avg", "2005-08-28 avg"),
            (LogLines{"problème avec       2005-08-28 avg"_cp,
                      "     existe dèjà -> 2005-08-28 avg"_cp}));
  EXPECT_EQ(RenamedLogLines("050828", "2005-08-28"),
            (LogLines{"ok de   050828", " -----> 2005-08-28"}));
  EXPECT_EQ(RenameFailedLogLines("050828", "2005-08-28"),
            (LogLines{"Erreur de 050828", "       en 2005-08-28"}));
}

TEST(DateRename, CountWrapsAfter65535) {
  EXPECT_EQ(NextRenameCount(0), 1);
  EXPECT_EQ(NextRenameCount(65534), 65535);
  EXPECT_EQ(NextRenameCount(65535), 0);
  EXPECT_EQ(CountedLogLines(NextRenameCount(65535), "a", "b")[0], "0 : a");
}

}  // namespace
}  // namespace lumivel
