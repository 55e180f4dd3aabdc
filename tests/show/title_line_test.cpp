#include "show/title_line.h"

#include <gtest/gtest.h>

#include "util/cp1252.h"

namespace lumivel {
namespace {

using namespace lumivel::literals;

const Text kPath = "C:\\Photos\\2014.10 Avignon\\IMG.0012.JPG";

TEST(TitleLine, NewPicture) {
  struct Case {
    const char* what;
    int32_t item;
    int32_t k, n;
    Text path;
    Text expected;
  };
  const Case cases[] = {
      {"directory and name, dots as blanks", 2, 17, 5000, kPath,
       "(17/5000)  2014 10 Avignon \\ IMG 0012 JPG"},
      {"directory only", 1, 17, 5000, kPath, "(17/5000)  2014 10 Avignon"},
      {"nothing", 0, 17, 5000, kPath, ""},
      {"no item chosen shows nothing", -1, 17, 5000, kPath, ""},
      {"an item past the list shows nothing", 3, 17, 5000, kPath, ""},
      {"a picture at a drive's root names the drive", 2, 0, 1, "C:\\IMG.JPG",
       "(0/1)  C: \\ IMG JPG"},
      {"accented names pass unchanged", 1, 3, 9, "D:\\Fête à Noël\\a.jpg"_cp,
       "(3/9)  Fête à Noël"_cp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(NewPictureTitle(c.item, c.k, c.n, c.path), c.expected);
  }
}

TEST(TitleLine, BrowseTurn) {
  struct Case {
    const char* what;
    int32_t item;
    int32_t h, n;
    Text path;
    Text expected;
  };
  const Case cases[] = {
      {"whole directory", 1, 3, 5000, kPath, " [3 / 5000]  C:\\Photos\\2014 10 Avignon"},
      {"whole path, no index size", 2, 3, 5000, kPath,
       " [3]  C:\\Photos\\2014 10 Avignon\\IMG 0012 JPG"},
      {"nothing is one blank", 0, 3, 5000, kPath, " "},
      {"no item chosen is one blank too", -1, 3, 5000, kPath, " "},
      {"a drive's root keeps its backslash", 1, 0, 2, "C:\\IMG.JPG", " [0 / 2]  C:\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(BrowseTitle(c.item, c.h, c.n, c.path), c.expected);
  }
}

TEST(TitleLine, ReplayIsThePathWithCommas) {
  EXPECT_EQ(ReplayTitle(kPath), "C:\\Photos\\2014,10 Avignon\\IMG,0012,JPG");
  EXPECT_EQ(ReplayTitle("C:\\a b\\c"), "C:\\a b\\c");
}

}  // namespace
}  // namespace lumivel
