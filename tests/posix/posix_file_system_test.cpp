// Program paths on Linux: drive letters, names without regard to case, host paths in and out,
// and writes that never leave a file half-written.
#include "posix/posix_file_system.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/test_support.h"

namespace lumivel {
namespace {

using testing::TempDir;

struct Fixture {
  TempDir c;
  PosixFileSystem fs{[this] {
    DriveMap d;
    d.Map('C', c.Path().string());
    d.Map('Z', "/");
    return d;
  }()};
};

TEST(PosixFileSystem, ComponentsMatchWithoutRegardToCase) {
  Fixture f;
  f.c.Write("Lumivel/lumivel_var.prm", "x");
  EXPECT_TRUE(f.fs.FileExists("C:\\Lumivel\\lumivel_var.prm"));
  EXPECT_TRUE(f.fs.FileExists("C:\\lumivel\\LUMIVEL_VAR.PRM"));
  EXPECT_TRUE(f.fs.FileExists("c:\\LUMIVEL\\lumivel_var.prm"));
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\LUMIVEL"));
  EXPECT_FALSE(f.fs.FileExists("C:\\LUMIVEL"));
  EXPECT_FALSE(f.fs.FileExists("D:\\Lumivel\\lumivel_var.prm")) << "drive D is not mapped";
}

TEST(PosixFileSystem, AccentedNamesMatchWithoutRegardToCase) {
  Fixture f;
  f.c.Write("Photos/Été/a.jpg", "x");
  EXPECT_TRUE(f.fs.FileExists(Utf8ToCp1252("C:\\photos\\été\\A.JPG")));
}

TEST(PosixFileSystem, DecomposedNamesAreFoundByTheirExactComposedSpellingFirst) {
  // Two folders whose names, once composed, differ only in letter case: each spelling leads to its
  // own, whichever the folder lists first.
  Fixture f;
  f.c.Write("P/E\u0301te\u0301/x.jpg", "x");
  f.c.Write("P/e\u0301te\u0301/y.jpg", "y");
  EXPECT_EQ(f.fs.ReadFile(Utf8ToCp1252("C:\\P\\Été\\x.jpg")), "x");
  EXPECT_EQ(f.fs.ReadFile(Utf8ToCp1252("C:\\P\\été\\y.jpg")), "y");
  EXPECT_EQ(f.fs.ToProgram(f.c.Path().string() + "/P/e\u0301te\u0301"), Utf8ToCp1252("C:\\P\\été"));
}

TEST(PosixFileSystem, HostPathsComeInAsProgramPaths) {
  Fixture f;
  EXPECT_EQ(f.fs.ToProgram(f.c.Path().string() + "/Photos/Noël"), Utf8ToCp1252("C:\\Photos\\Noël"));
  EXPECT_EQ(f.fs.ToProgram(f.c.Path().string()), "C:\\");
  EXPECT_EQ(f.fs.ToProgram("/home/ann/Photos/"), "Z:\\home\\ann\\Photos");
  EXPECT_EQ(f.fs.ToProgram("/"), "Z:\\");
  EXPECT_EQ(f.fs.ToHost("Z:\\"), "/");
  EXPECT_EQ(f.fs.ToHost("Z:\\tmp"), "/tmp");
}

TEST(PosixFileSystem, ListingKeepsTheFileSystemsOrderAndSizes) {
  Fixture f;
  f.c.Write("d/a.jpg", "12345");
  f.c.Write("d/sub/b.jpg", "1");
  auto entries = f.fs.ListDirectory("C:\\d");
  ASSERT_TRUE(entries);
  bool sawDot = false, sawSub = false, sawA = false;
  for (const auto& e : *entries) {
    sawDot = sawDot || e.name == ".";
    if (e.name == "sub") sawSub = e.isDirectory;
    if (e.name == "a.jpg") sawA = !e.isDirectory && e.size == 5;
  }
  EXPECT_TRUE(sawDot && sawSub && sawA);
  EXPECT_FALSE(f.fs.ListDirectory("C:\\missing"));
}

TEST(PosixFileSystem, WritesReplaceTheFileWholeAndLeaveNoTemporaryBehind) {
  Fixture f;
  f.c.Write("Lumivel/x.txt", "old");
  ASSERT_EQ(f.fs.WriteFile("C:\\LUMIVEL\\X.TXT", "new content"), 0);
  EXPECT_EQ(f.c.Read("Lumivel/x.txt"), "new content");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(f.c.Path() / "Lumivel")) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
  EXPECT_NE(f.fs.WriteFile("C:\\missing\\x.txt", "a"), 0);
  EXPECT_NE(f.fs.WriteFile("D:\\x.txt", "a"), 0);
}

TEST(PosixFileSystem, ReadsAWholeFileIntoTheMemoryItIsGiven) {
  Fixture f;
  const std::string bytes(200000, 'r');
  f.c.Write("Lumivel/records", bytes);
  std::string memory;
  std::size_t asked = 0;
  const auto read = f.fs.ReadFileInto("C:\\lumivel\\RECORDS", [&](std::size_t size) {
    asked = size;
    memory.assign(size, '\0');
    return memory.data();
  });
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, bytes.size());
  EXPECT_EQ(asked, bytes.size());
  EXPECT_EQ(memory, bytes);
  int error = 0;
  EXPECT_FALSE(f.fs.ReadFileInto("C:\\missing", [](std::size_t) { return nullptr; }, &error));
  EXPECT_EQ(error, ENOENT);
}

TEST(PosixFileSystem, MoveRefusesAnExistingTarget) {
  Fixture f;
  f.c.Write("p/a/x", "1");
  f.c.Write("p/b/x", "2");
  EXPECT_FALSE(f.fs.MoveFile("C:\\p\\a", "C:\\p\\b"));
  EXPECT_TRUE(f.fs.MoveFile("C:\\p\\a", "C:\\p\\c"));
  EXPECT_TRUE(f.fs.DirectoryExists("C:\\p\\c"));
}

TEST(PosixFileSystem, NamesWithoutACodePageFormAreLeftOutOfListings) {
  Fixture f;
  f.c.Write("d/\xe2\x98\x83.jpg", "x");  // a snowman
  f.c.Write("d/ok.jpg", "x");
  auto entries = f.fs.ListDirectory("C:\\d");
  ASSERT_TRUE(entries);
  for (const auto& e : *entries) EXPECT_EQ(e.name.find('?'), std::string::npos);
}

}  // namespace
}  // namespace lumivel
