// The size the program reads of a file, over the real file system.
#include "services/file_system.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "posix/posix_file_system.h"
#include "support/test_support.h"

namespace lumivel {
namespace {

PosixFileSystem DriveC(const testing::TempDir& dir) {
  DriveMap drives;
  drives.Map('C', dir.Path().string());
  return PosixFileSystem(drives);
}

class FileSizeOfTest : public ::testing::Test {
 protected:
  void MakeSparse(const std::string& name, std::uintmax_t size) {
    auto path = dir_.Write(name, "");
    std::filesystem::resize_file(path, size);
  }

  testing::TempDir dir_;
  PosixFileSystem fs_ = DriveC(dir_);
};

TEST_F(FileSizeOfTest, MissingAndOrdinaryFiles) {
  dir_.Write("ten.bin", "0123456789");
  dir_.Write("empty.bin", "");
  EXPECT_EQ(FileSizeOf(fs_, "C:\\ten.bin"), 10);
  EXPECT_EQ(FileSizeOf(fs_, "C:\\TEN.BIN"), 10);
  EXPECT_EQ(FileSizeOf(fs_, "C:\\empty.bin"), 0);
  EXPECT_EQ(FileSizeOf(fs_, "C:\\absent.bin"), -1);
  EXPECT_EQ(FileSizeOf(fs_, "Q:\\unmapped.bin"), -1);
}

TEST_F(FileSizeOfTest, SizesBeyond2GiBWrapAs32BitSigned) {
  // Sparse files: they take no room on disk.
  struct Case {
    const char* name;
    std::uintmax_t size;
    int64_t expected;
  };
  const Case cases[] = {
      {"largest.bin", 0x7FFFFFFFu, 2147483647},
      {"two_gib.bin", 0x80000000u, -2147483648LL},
      {"three_gib.bin", 0xC0000000u, -1073741824},
      {"four_gib_and_5.bin", 0x100000005ull, 5},
  };
  for (const auto& c : cases) {
    MakeSparse(c.name, c.size);
    EXPECT_EQ(FileSizeOf(fs_, Text("C:\\") + c.name), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace lumivel
