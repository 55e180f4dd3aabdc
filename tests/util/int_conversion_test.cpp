#include "util/int_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "util/errors.h"

namespace lumivel {
namespace {

using namespace literals;

TEST(TryStrToInt, AcceptsTheRuntimeForms) {
  struct Case {
    const char* what;
    Text text;
    int32_t expected;
  };
  const Case cases[] = {
      {"decimal", "100", 100},
      {"leading blanks skipped", "   42", 42},
      {"plus sign", "+5", 5},
      {"minus sign", "-5", -5},
      {"minus zero", "-0", 0},
      {"leading zeros", "007", 7},
      {"many leading zeros", "00000000000000000001", 1},
      {"highest", "2147483647", INT32_MAX},
      {"lowest", "-2147483648", INT32_MIN},
      {"dollar hexadecimal", "$1F", 31},
      {"x hexadecimal", "x1f", 31},
      {"X hexadecimal", "X1F", 31},
      {"0x hexadecimal", "0x10", 16},
      {"0X hexadecimal", "0XfF", 255},
      {"signed hexadecimal", "-$10", -16},
      {"blanks before a hexadecimal", "  $A", 10},
      {"eight hex digits wrap to negative", "$FFFFFFFF", -1},
      {"top bit alone", "$80000000", INT32_MIN},
      {"highest in hexadecimal", "$7FFFFFFF", INT32_MAX},
      {"negated wrap", "-$FFFFFFFF", 1},
      {"negated lowest", "-$80000000", INT32_MIN},
      {"leading hex zeros are not significant", "$000000000001", 1},
      {"plain zero", "0", 0},
  };
  for (const auto& c : cases) {
    auto value = TryStrToInt(c.text);
    ASSERT_TRUE(value.has_value()) << c.what;
    EXPECT_EQ(*value, c.expected) << c.what;
  }
}

TEST(TryStrToInt, RejectsEverythingElse) {
  const std::pair<const char*, Text> cases[] = {
      {"empty", ""},
      {"blanks only", "   "},
      {"trailing blank", "42 "},
      {"trailing letter", "4x"},
      {"sign alone", "-"},
      {"blank after the sign", "- 5"},
      {"two signs", "+-5"},
      {"tab is no blank", "\t5"},
      {"decimal point", "1.5"},
      {"one beyond the highest", "2147483648"},
      {"one beyond the lowest", "-2147483649"},
      {"far beyond 32 bits", "99999999999999999999"},
      {"nine significant hex digits", "$100000000"},
      {"dollar alone", "$"},
      {"0x alone", "0x"},
      {"bad hex digit", "$1G"},
      {"two prefixes", "$0x1"},
      {"sign after the prefix", "$-1"},
      {"embedded zero byte", Text("1\0" "2", 3)},
      {"accented digit-like character", "²"_cp},
  };
  for (const auto& [what, text] : cases) EXPECT_FALSE(TryStrToInt(text).has_value()) << what;
}

TEST(StrToInt, RaisesTheConversionErrorNamingTheText) {
  EXPECT_EQ(StrToInt(" -17"), -17);
  try {
    StrToInt("12abc");
    FAIL() << "no error raised";
  } catch (const ProgramError& error) {
    EXPECT_EQ(error.Message(), "'12abc' n'est pas une valeur entière correcte"_cp);
  }
}

}  // namespace
}  // namespace lumivel
