#include "dates/year_month.h"

#include <gtest/gtest.h>

#include "util/cp1252.h"

namespace lumivel {
namespace {

using namespace literals;

// The file's own month, told apart from anything read out of a name, and counted.
struct FileMonth {
  int calls = 0;
  Text operator()() {
    ++calls;
    return "file-month";
  }
};

Text YearMonthOf(const Text& path, FileMonth& fileMonth, bool titleEmpty = false) {
  return YearMonthFromPath(path, titleEmpty, [&fileMonth] { return fileMonth(); });
}

TEST(YearMonthFromPathTest, ReadsTheDateShapesOfTheDirectoryName) {
  struct Case {
    const char* what;
    Text path;
    Text expected;
  };
  const Case cases[] = {
      {"six digits", "D:\\photos\\2005\\050828 avg\\img_0012.jpg", "2005-08"},
      {"two-digit groups", "D:\\photos\\05-08-28 avg\\img.jpg", "2005-08"},
      {"year-month-day, found after the century", "D:\\photos\\2005-08-28 avg\\img.jpg", "2005-08"},
      {"underscores", "D:\\photos\\2005_08_28 avg\\img.jpg", "2005-08"},
      {"eight digits", "D:\\photos\\20050828 avg\\img.jpg", "2005-08"},
      {"first pair is the year", "D:\\photos\\12-05-07 fête\\img.jpg"_cp, "2012-05"},
      {"year 40 is of the 2000s", "D:\\photos\\400101 x\\img.jpg", "2040-01"},
      {"eight digits inside the name", "D:\\photos\\avg 20050828\\img.jpg", "2005-08"},
      {"year and month with hyphen", "D:\\photos\\2005-08 vacances\\img.jpg", "2005-08"},
      {"year alone keeps its hyphen", "D:\\photos\\2005 Noël\\img.jpg"_cp, "2005-"},
      {"stamp ignored when the name has a 2000s date",
       "D:\\photos\\2005-08 x\\IMG_19991224123456.jpg", "2005-08"},
      {"a 20 read by chance is kept", "D:\\photos\\20 ans de Léa\\img.jpg"_cp, "20 -"},
  };
  for (const auto& c : cases) {
    FileMonth fileMonth;
    EXPECT_EQ(YearMonthOf(c.path, fileMonth), c.expected) << c.what;
    EXPECT_EQ(fileMonth.calls, 0) << c.what;
  }
}

TEST(YearMonthFromPathTest, WithoutATwoThousandsYearFallsBackToStampThenFile) {
  struct Case {
    const char* what;
    Text path;
    Text expected;
    int fileCalls;
  };
  const Case cases[] = {
      {"1900s year, no stamp", "D:\\photos\\981224 Noël\\img.jpg"_cp, "file-month", 1},
      {"1900s year, stamp in the file name", "D:\\photos\\981224 Noël\\IMG_20051224123456.jpg"_cp,
       "2005-12", 0},
      {"year 41 is of the 1900s", "D:\\photos\\410101 x\\img.jpg", "file-month", 1},
      {"no date", "D:\\photos\\vacances\\img.jpg", "file-month", 1},
      {"year after letters is lost", "D:\\photos\\Rome 2014\\img.jpg", "file-month", 1},
      {"no date, stamp in a parent", "D:\\20140915081500\\vacances\\img.jpg", "2014-09", 0},
      {"thirteen digits are no stamp", "D:\\photos\\vacances\\2014091508150.jpg", "file-month",
       1},
      {"picture at the top of a drive", "D:\\img.jpg", "file-month", 1},
  };
  for (const auto& c : cases) {
    FileMonth fileMonth;
    EXPECT_EQ(YearMonthOf(c.path, fileMonth), c.expected) << c.what;
    EXPECT_EQ(fileMonth.calls, c.fileCalls) << c.what;
  }
}

TEST(YearMonthFromPathTest, EmptyTitleShowsTheFileMonthWhateverTheName) {
  FileMonth fileMonth;
  EXPECT_EQ(YearMonthOf("D:\\photos\\050828 avg\\img.jpg", fileMonth, true), "file-month");
  EXPECT_EQ(fileMonth.calls, 1);
}

TEST(FormatYearMonthTest, PadsYearAndMonth) {
  EXPECT_EQ(FormatYearMonth({2014, 10, 5, 12, 0, 0, 0}), "2014-10");
  EXPECT_EQ(FormatYearMonth({987, 3, 1, 0, 0, 0, 0}), "0987-03");
}

TEST(BuildOptionsTextTest, SummarisesTheFiltersInForce) {
  struct Case {
    const char* what;
    int dateIndex;
    bool contient;
    Text contientText;
    bool neContientPas;
    Text neContientPasText;
    Text expected;
  };
  const Case cases[] = {
      {"no filter", 0, false, "divers", false, "x", ""},
      {"no item selected", -1, false, "", false, "", ""},
      {"date filter only", 3, false, "divers", false, "x", "dates filtrées"_cp},
      {"both word filters, one group per line", 0, true, "divers,avignon", true, "rome",
       "\noui => divers\navignon\nnon => rome"},
      {"date and excluded words", 1, false, "a", true, "b,c", "dates filtrées\nnon => b\nc"_cp},
      {"required words with an empty box", 0, true, "", false, "", "\noui => "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BuildOptionsText(c.dateIndex, c.contient, c.contientText, c.neContientPas,
                               c.neContientPasText),
              c.expected)
        << c.what;
  }
}

}  // namespace
}  // namespace lumivel
