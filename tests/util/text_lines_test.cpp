#include "util/text_lines.h"

#include <gtest/gtest.h>

namespace lumivel {
namespace {

using Lines = std::vector<Text>;

TEST(SplitTextLines, EveryLineEndAndTheTextEnd) {
  struct Case {
    const char* what;
    std::string bytes;
    Lines expected;
  };
  const Case cases[] = {
      {"empty input", "", {}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"lone LF", "a\nb\n", {"a", "b"}},
      {"lone CR", "a\rb\r", {"a", "b"}},
      {"mixed ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"last line without its end", "a\r\nb", {"a", "b"}},
      {"single line without end", "a", {"a"}},
      {"empty lines kept", "\r\n\r\na\r\n", {"", "", "a"}},
      {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
      {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
      {"zero byte ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
      {"zero byte right after an end", std::string("a\r\n\0b", 5), {"a"}},
      {"zero byte first", std::string("\0a", 2), {}},
      {"other control characters stay", "a\tb\x1A", {"a\tb\x1A"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTextLines(c.bytes), c.expected) << c.what;
}

TEST(JoinCrLf, EndsEveryLineTheLastOneToo) {
  EXPECT_EQ(JoinCrLf({}), "");
  EXPECT_EQ(JoinCrLf({""}), "\r\n");
  EXPECT_EQ(JoinCrLf({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(TextLines, JoinedLinesSplitBackUnchanged) {
  const Lines lines = {"vmax = 100", "", "  ", "rep_album_A.Caption = C:\\Lumivel\\A", "x=y=z"};
  EXPECT_EQ(SplitTextLines(JoinCrLf(lines)), lines);
  const std::string lf = "a\nb\n";
  EXPECT_EQ(JoinCrLf(SplitTextLines(lf)), "a\r\nb\r\n");
}

}  // namespace
}  // namespace lumivel
