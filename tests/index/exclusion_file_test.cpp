#include "index/exclusion_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"
#include "util/cp1252.h"

namespace lumivel {
namespace {

using namespace literals;
using Lines = std::vector<Text>;

ExclusionLists Parse(const std::string& bytes, testing::RecordingMessages& messages) {
  return ParseExclusionFile(bytes, messages);
}

ExclusionLists Parse(const std::string& bytes) {
  testing::RecordingMessages messages;
  auto lists = ParseExclusionFile(bytes, messages);
  EXPECT_TRUE(messages.messages.empty());
  return lists;
}

TEST(ExclusionFileTest, ReadsDirectoryLinesAndBlocks) {
  const auto lists = Parse(
      "' photos \xE0 ne pas montrer\r\n"
      "**C:\\Photos\\Brouillons\r\n"
      "\r\n"
      "' the block\r\n"
      "+*C:\\Photos\\2014-10 Rome\r\n"
      "IMG_12.JPG\r\n"
      "IMG_20.JPG...IMG_23.JPG\r\n"
      "-\r\n"
      "**C:\\Photos\\Vieux\r\n");
  EXPECT_EQ(lists.directories, (Lines{"C:\\Photos\\Brouillons", "C:\\Photos\\Vieux"}));
  EXPECT_EQ(lists.fileEntries, (Lines{
                                   "C:\\Photos\\2014-10 Rome\\IMG_12.JPG",
                                   "C:\\Photos\\2014-10 Rome\\IMG_20.JPG",
                                   "C:\\Photos\\2014-10 Rome\\IMG_21.JPG",
                                   "C:\\Photos\\2014-10 Rome\\IMG_22.JPG",
                                   "C:\\Photos\\2014-10 Rome\\IMG_23.JPG",
                               }));
}

TEST(ExclusionFileTest, StatementsCountOnlyAtTheVeryStartOfALine) {
  const auto lists = Parse(
      " **C:\\x\r\n"
      "-\r\n"
      "*C:\\y\r\n"
      "C:\\z\n"
      "**C:\\w\n");
  EXPECT_EQ(lists.directories, (Lines{"C:\\w"}));
  EXPECT_TRUE(lists.fileEntries.empty());
}

TEST(ExclusionFileTest, EveryLineOfABlockIsAnEntry) {
  const auto lists = Parse(
      "+*D\r\n"
      "\r\n"
      "'comment.jpg\r\n"
      "**E\r\n"
      "- \r\n"
      "-\r\n"
      "**F\r\n");
  EXPECT_EQ(lists.fileEntries, (Lines{"D\\", "D\\'comment.jpg", "D\\**E", "D\\- "}));
  EXPECT_EQ(lists.directories, (Lines{"F"}));
}

TEST(ExclusionFileTest, BlocksRunToTheEndOfTheFileWhenNotClosed) {
  EXPECT_TRUE(Parse("**A\r\n+*D").fileEntries.empty());
  EXPECT_EQ(Parse("+*D\r\nx.jpg").fileEntries, (Lines{"D\\x.jpg"}));
  EXPECT_EQ(Parse("+*D\r\nx.jpg\r\n**A\r\n").fileEntries, (Lines{"D\\x.jpg", "D\\**A"}));
}

TEST(ExclusionFileTest, RepairsUtf8Accents) {
  const auto lists = Parse(
      "**C:\\Photos\\\xC3\x89t\xC3\xA9\r\n"
      "+*C:\\Photos\\F\xC3\xAAte\r\n"
      "\xC3\xA9t\xC3\xA9.jpg\r\n"
      "-\r\n");
  EXPECT_EQ(lists.directories, (Lines{"C:\\Photos\\Été"_cp}));
  EXPECT_EQ(lists.fileEntries, (Lines{"C:\\Photos\\Fête\\été.jpg"_cp}));
}

TEST(ExclusionFileTest, ByteOrderMarkHidesTheFirstStatement) {
  const auto lists = Parse("\xEF\xBB\xBF**C:\\x\r\n**C:\\y\r\n");
  EXPECT_EQ(lists.directories, (Lines{"C:\\y"}));
}

TEST(ExclusionFileTest, StatementTextsKeep255Characters) {
  const Text longDir(300, 'd');
  const auto lists = Parse("**" + longDir + "\r\n+*" + longDir + "\r\nx\r\n-\r\n");
  EXPECT_EQ(lists.directories, (Lines{Text(255, 'd')}));
  EXPECT_EQ(lists.fileEntries, (Lines{Text(255, 'd') + "\\x"}));
}

TEST(ExclusionFileTest, Ranges) {
  struct Case {
    const char* what;
    Text entry;
    Lines expected;
  };
  const Case cases[] = {
      {"leading zeros are not kept", "DSC_0001.JPG...DSC_0003.JPG",
       {"D\\DSC_1.JPG", "D\\DSC_2.JPG", "D\\DSC_3.JPG"}},
      {"nothing when high is below low", "a5.jpg...a3.jpg", {}},
      {"one name when both ends agree", "a5.jpg...a5.jpg", {"D\\a5.jpg"}},
      {"letters from the last name, extension from the first", "p1.jpg...q3.png",
       {"D\\q1.jpg", "D\\q2.jpg", "D\\q3.jpg"}},
      {"first name loses its directory", "sous\\x8.jpg...x9.jpg", {"D\\x8.jpg", "D\\x9.jpg"}},
      {"first name without extension", "x1...x2.jpg", {"D\\x1", "D\\x2"}},
      {"digits among letters", "a1b2.jpg...a1b3.jpg", {"D\\ab12.jpg", "D\\ab13.jpg"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Parse("+*D\r\n" + c.entry + "\r\n-\r\n").fileEntries, c.expected) << c.what;
  }
}

TEST(ExclusionFileTest, NumberBeyond32BitsShowsTheMessageAndCountsAsZero) {
  testing::RecordingMessages messages;
  auto lists = Parse("+*D\r\na1.jpg...a4294967296.jpg\r\n-\r\n", messages);
  EXPECT_TRUE(lists.fileEntries.empty());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_NE(messages.messages[0].find("4294967296"), Text::npos);

  messages.messages.clear();
  lists = Parse("+*D\r\na99999999999.jpg...a2.jpg\r\n-\r\n", messages);
  EXPECT_EQ(lists.fileEntries, (Lines{"D\\a0.jpg", "D\\a1.jpg", "D\\a2.jpg"}));
  EXPECT_EQ(messages.messages.size(), 1u);
}

TEST(ExclusionFileTest, OneRangeAddsAtMostTheGuardedNumberOfNames) {
  const auto lists = Parse("+*D\r\na1.jpg...a2147483647.jpg\r\nb.jpg\r\n-\r\n");
  ASSERT_EQ(lists.fileEntries.size(), static_cast<std::size_t>(kMaxNamesPerRange) + 1);
  EXPECT_EQ(lists.fileEntries.front(), "D\\a1.jpg");
  EXPECT_EQ(lists.fileEntries[kMaxNamesPerRange - 1],
            "D\\a" + std::to_string(kMaxNamesPerRange) + ".jpg");
  EXPECT_EQ(lists.fileEntries.back(), "D\\b.jpg");
}

}  // namespace
}  // namespace lumivel
