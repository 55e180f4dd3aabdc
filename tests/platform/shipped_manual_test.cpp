// The manual that comes with the program reaches the data folder, from a build folder or from an
// installed documentation folder, and is replaced only when another manual ships.
#include "platform/posix/shipped_manual.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_file_system.h"
#include "support/test_support.h"

namespace lumivel {
namespace {

namespace fsys = std::filesystem;
using testing::TempDir;

TEST(ShippedManual, FoundBesideTheProgramFirstThenInTheDocumentationFolder) {
  TempDir prefix;
  const std::string bin = (prefix.Path() / "bin").string();
  fsys::create_directories(bin);
  EXPECT_FALSE(FindShippedManual(bin, "../share/doc/lumivel"));

  const auto installed = prefix.Write("share/doc/lumivel/Lumivel_Manuel.pdf", "installed");
  EXPECT_EQ(FindShippedManual(bin, "../share/doc/lumivel"), installed.string());

  const auto built = prefix.Write("bin/Lumivel_Manuel.pdf", "built");
  EXPECT_EQ(FindShippedManual(bin, "../share/doc/lumivel"), built.string());
}

struct Drive {
  TempDir c;
  TempDir shipped;
  PosixFileSystem fs{[this] {
    DriveMap d;
    d.Map('C', c.Path().string());
    return d;
  }()};
  std::string Ship(const std::string& bytes, fsys::file_time_type time) {
    const auto path = shipped.Write("Lumivel_Manuel.pdf", bytes);
    fsys::last_write_time(path, time);
    return path.string();
  }
};

TEST(ShippedManual, CopiedIntoTheDataFolderWhenMissingOrAnotherOneShips) {
  Drive d;
  const auto t0 = fsys::file_time_type::clock::now() - std::chrono::hours(48);
  // No data folder yet: it is made.
  PlaceManual(d.fs, d.Ship("v1", t0), "C:\\Lumivel");
  EXPECT_EQ(d.c.Read("Lumivel/Lumivel_Manuel.pdf"), "v1");

  // The same manual again: the copy is left as it is.
  d.c.Write("Lumivel/Lumivel_Manuel.pdf", "v1 kept");
  fsys::last_write_time(d.c.Path() / "Lumivel/Lumivel_Manuel.pdf", t0);
  PlaceManual(d.fs, d.Ship("v1", t0), "C:\\Lumivel");
  EXPECT_EQ(d.c.Read("Lumivel/Lumivel_Manuel.pdf"), "v1 kept");

  // An upgrade may ship a manual made earlier than the copy: it replaces it all the same.
  PlaceManual(d.fs, d.Ship("v2", t0 - std::chrono::hours(1)), "C:\\Lumivel");
  EXPECT_EQ(d.c.Read("Lumivel/Lumivel_Manuel.pdf"), "v2");
  EXPECT_FALSE(fsys::exists(d.c.Path() / "Lumivel/Lumivel_Manuel.pdf.part"));
}

TEST(ShippedManual, TheDataFolderIsFoundWhateverTheCaseOfItsName) {
  Drive d;
  d.c.Write("lumivel/lumivel_var.prm", "x");
  PlaceManual(d.fs, d.Ship("v1", fsys::file_time_type::clock::now()), "C:\\Lumivel");
  EXPECT_EQ(d.c.Read("lumivel/Lumivel_Manuel.pdf"), "v1");
  EXPECT_FALSE(fsys::exists(d.c.Path() / "Lumivel"));
}

}  // namespace
}  // namespace lumivel
