#include "settings/param_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "support/test_support.h"
#include "util/errors.h"
#include "util/text_lines.h"

namespace lumivel {
namespace {

using namespace literals;
using testing::ErrorOf;

TEST(ParamReadText, LookupRules) {
  struct Case {
    const char* what;
    ParamList lines;
    Text expected;
  };
  const Case cases[] = {
      {"written form", {"vmax = 100"}, "100"},
      {"case ignored", {"VMAX = 100"}, "100"},
      {"no blank after the equals sign", {"vmax =100"}, "100"},
      {"no blank before the equals sign", {"vmax=100"}, "default"},
      {"two blanks before the equals sign", {"vmax  = 100"}, "default"},
      {"blanks only after the equals sign", {"vmax =    "}, "default"},
      {"nothing after the equals sign", {"vmax ="}, "default"},
      {"blank before the key", {" vmax = 100"}, "default"},
      {"trailing blanks trimmed", {"vmax =   100   "}, "100"},
      {"tabs are kept", {"vmax = \t100\t"}, "\t100\t"},
      {"blanks inside kept", {"vmax = a  b"}, "a  b"},
      {"first match wins", {"vmax = 1", "vmax = 2"}, "1"},
      {"an empty first match is not skipped", {"vmax = ", "vmax = 2"}, "default"},
      {"line without equals sign never matches", {"vmax ", "vmax 5", "vmax = 7"}, "7"},
      {"longer key does not match", {"vmax2 = 1", "Edit_vmax = 2"}, "default"},
      {"empty list", {}, "default"},
      {"empty lines", {"", "", "vmax = 3"}, "3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParamReadText(c.lines, "vmax", "default"), c.expected) << c.what;
  }
}

TEST(ParamReadText, ValueIsEverythingAfterTheFirstEqualsSign) {
  const ParamList lines = {"a = b = c", "Été = chaud"_cp, "x = y=z"};
  EXPECT_EQ(ParamReadText(lines, "a", ""), "b = c");
  EXPECT_EQ(ParamReadText(lines, "éTÉ"_cp, ""), "chaud");
  EXPECT_EQ(ParamReadText(lines, "x", ""), "y=z");
  EXPECT_EQ(ParamReadText(lines, "y", "none"), "none");
}

TEST(ParamReadBool, OnlyExactLowerCaseTrueIsTrue) {
  struct Case {
    const char* what;
    ParamList lines;
    Text defaultText;
    bool expected;
  };
  const Case cases[] = {
      {"true", {"CheckBox_rnd.Checked = true"}, "false", true},
      {"true with blanks", {"CheckBox_rnd.Checked =  true  "}, "false", true},
      {"capital True", {"CheckBox_rnd.Checked = True"}, "true", false},
      {"all capitals", {"CheckBox_rnd.Checked = TRUE"}, "true", false},
      {"one", {"CheckBox_rnd.Checked = 1"}, "true", false},
      {"oui", {"CheckBox_rnd.Checked = oui"}, "true", false},
      {"false", {"CheckBox_rnd.Checked = false"}, "true", false},
      {"missing, default true", {}, "true", true},
      {"missing, default false", {}, "false", false},
      {"missing, default goes through the same test", {}, "True", false},
      {"key case ignored", {"checkbox_RND.checked = true"}, "false", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParamReadBool(c.lines, "CheckBox_rnd.Checked", c.defaultText), c.expected)
        << c.what;
  }
}

TEST(ParamReadInt, ConvertsTheValueOrTheDefault) {
  struct Case {
    const char* what;
    ParamList lines;
    int32_t expected;
  };
  const Case cases[] = {
      {"decimal", {"Rdg1.ItemIndex = 3"}, 3},
      {"negative", {"Rdg1.ItemIndex = -1"}, -1},
      {"hexadecimal", {"Rdg1.ItemIndex = $10"}, 16},
      {"lowest", {"Rdg1.ItemIndex = -2147483648"}, INT32_MIN},
      {"missing uses the default", {}, 42},
      {"empty uses the default", {"Rdg1.ItemIndex = "}, 42},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParamReadInt(c.lines, "Rdg1.ItemIndex", "42"), c.expected) << c.what;
  }
}

TEST(ParamReadInt, TextThatDoesNotConvertRaisesTheConversionError) {
  const std::pair<ParamList, Text> cases[] = {
      {{"k = 12abc"}, "12abc"},
      {{"k = 4294967296"}, "4294967296"},
      {{"k = 2147483648"}, "2147483648"},
      {{"k = 1.5"}, "1.5"},
      {{}, "bad default"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { ParamReadInt(c.first, "k", "bad default"); }),
              "'"_cp + c.second + "' n'est pas une valeur entière correcte"_cp);
  }
}

TEST(ParamListRobustness, RandomLinesThroughEveryReader) {
  std::mt19937 random(20240611);
  const char alphabet[] = {'k', 'K', ' ', ' ', '=', '=', 't', 'r', 'u', 'e', '$', '-', '0',
                           '7', '9', 'x', '\t', '\r', '\n', '\0', '\xC9', '\xE9', '\xFF'};
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(random); };
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    std::size_t length = pick(5) == 0 ? pick(700) : pick(40);
    for (std::size_t i = 0; i < length; ++i) {
      bytes += pick(3) == 0 ? static_cast<char>(pick(255)) : alphabet[pick(sizeof alphabet - 1)];
    }
    const ParamList lines = SplitTextLines(bytes);
    const Text key = pick(1) ? "k" : "k =";
    Text text = ParamReadText(lines, key, "d");
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.front(), ' ');
    EXPECT_NE(text.back(), ' ');
    (void)ParamReadBool(lines, key, "true");
    try {
      (void)ParamReadInt(lines, key, "1");
    } catch (const ProgramError& error) {
      EXPECT_EQ(error.Message(), ConversionErrorMessage(text));
    }
  }
}

}  // namespace
}  // namespace lumivel
