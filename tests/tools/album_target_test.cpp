#include "tools/album_target.h"

#include <gtest/gtest.h>

namespace lumivel {
namespace {

TEST(AlbumTarget, DirectoryNameHyphenFileName) {
  struct Case {
    const char* what;
    Text album;
    Text picture;
    Text expected;
  };
  const Case cases[] = {
      {"the usual case", "C:\\Lumivel\\A", "D:\\photos\\2005\\050828 avg\\img_0012.jpg",
       "C:\\Lumivel\\A\\050828 avg-img_0012.jpg"},
      {"only the picture's own directory is named", "C:\\Lumivel\\B",
       "E:\\a\\b\\c\\2014.10 Avignon\\IMG.0012.JPG",
       "C:\\Lumivel\\B\\2014.10 Avignon-IMG.0012.JPG"},
      {"a picture at a drive's root is named after the drive", "C:\\Lumivel\\A", "D:\\x.jpg",
       "C:\\Lumivel\\A\\D:-x.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(AlbumTargetPath(c.album, c.picture), c.expected);
  }
}

TEST(AlbumTarget, SameNamesFromTwoDrivesShareTheTarget) {
  EXPECT_EQ(AlbumTargetPath("C:\\Lumivel\\A", "D:\\2005-08\\img.jpg"),
            AlbumTargetPath("C:\\Lumivel\\A", "E:\\old\\2005-08\\img.jpg"));
}

}  // namespace
}  // namespace lumivel
