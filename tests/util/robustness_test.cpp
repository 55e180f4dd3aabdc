// Random byte strings through every reader and helper: nothing may crash or trip the sanitizers,
// and a few properties that hold for any input are checked on the way.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>

#include "support/test_support.h"
#include "util/cp1252.h"
#include "util/int_conversion.h"
#include "util/text_lines.h"
#include "util/util.h"

namespace lumivel {
namespace {

class RandomTexts {
 public:
  explicit RandomTexts(uint32_t seed) : random_(seed) {}

  // Mostly short texts, some beyond the 255 characters the trimming rules were made for; bytes
  // drawn often from those the helpers react to.
  Text Next() {
    static constexpr char kInteresting[] = {
        ' ', ' ', '-', '-', '\\', '.', '$', 'x', '0', '1', '9', '+', '"', '=', '\r', '\n', '\0',
        '\xC2', '\xC3', '\xE2', '\x80', '\x83', '\x9A', '\xA9', '\xB0', 'a', 'Z', '\xE9'};
    std::size_t length = Below(8) == 0 ? Below(320) : Below(40);
    Text text;
    for (std::size_t i = 0; i < length; ++i) {
      text += Below(3) == 0 ? static_cast<char>(Below(256)) : kInteresting[Below(sizeof kInteresting)];
    }
    return text;
  }

  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

 private:
  std::mt19937 random_;
};

bool PlainDecimal(const Text& text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == Text::npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

TEST(Robustness, RandomTextsThroughEveryHelper) {
  RandomTexts texts(1234567);
  testing::RecordingMessages messages;
  for (int round = 0; round < 3000; ++round) {
    const Text text = texts.Next();
    const char separator = static_cast<char>(texts.Below(256));

    (void)ExtractDatePrefix(text);
    (void)LastPathComponent(text);
    (void)PadTwoDigits(text);

    Text normalized = NormalizeForMatch(text);
    EXPECT_LE(normalized.size(), text.size());
    EXPECT_EQ(normalized.find_first_of(" -"), Text::npos);

    Text mask = text;
    DigitMask('*', mask, '_');
    EXPECT_EQ(mask.size(), text.size() + 1);

    Text stripped = text;
    StripLetters(stripped);
    for (char c : stripped) {
      auto code = static_cast<unsigned char>(c);
      EXPECT_TRUE(code < 'A' || code > 'z');
    }

    Text letters;
    int32_t number = 0;
    SplitLettersDigits(text, letters, number, messages);
    EXPECT_GE(number, 0);

    Text replaced = text;
    ReplaceFirst(text.substr(0, texts.Below(4)), "\xC3\xA9", replaced);

    Text repaired = text;
    RepairUtf8Accents(repaired);
    EXPECT_LE(repaired.size(), text.size());

    int32_t value = static_cast<int32_t>(texts.Below(100)) - 50;
    ClampInt(value, -10, 10);
    EXPECT_TRUE(value >= -10 && value <= 10);

    (void)ToIntOrMessage(text, 7, messages);

    Text trimmed = TrimSpaces(text);
    EXPECT_TRUE(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    EXPECT_EQ(TrimLeftSpaces(text).empty(), text.empty());

    Text field = ExtractField(text, static_cast<int>(texts.Below(260)), separator);
    if (!text.empty()) {
      EXPECT_EQ(field.find(separator), Text::npos);
    }

    Text swapped = text;
    ReplaceChar(separator, '_', swapped);
    EXPECT_EQ(swapped.size(), text.size());

    // The conversion against the C library for the forms both understand.
    auto converted = TryStrToInt(text);
    if (PlainDecimal(text) && text.size() < 18) {
      long long reference = std::strtoll(text.c_str(), nullptr, 10);
      bool inRange = reference >= INT32_MIN && reference <= INT32_MAX;
      ASSERT_EQ(converted.has_value(), inRange) << text;
      if (inRange) {
        EXPECT_EQ(*converted, reference) << text;
      }
    }

    auto lines = SplitTextLines(text);
    for (const auto& line : lines) EXPECT_EQ(line.find_first_of(std::string("\r\n\0", 3)), Text::npos);
    EXPECT_EQ(SplitTextLines(JoinCrLf(lines)), lines);

    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(text)), text);
    (void)Utf8ToCp1252(text);
    EXPECT_EQ(UpperCase(text).size(), text.size());
  }
}

}  // namespace
}  // namespace lumivel
