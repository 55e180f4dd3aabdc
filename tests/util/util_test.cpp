#include "util/util.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/test_support.h"

namespace lumivel {
namespace {

using namespace literals;
using testing::RecordingMessages;

struct TextCase {
  const char* what;
  Text input;
  Text expected;
};

TEST(ExtractDatePrefix, TakesTheStemOfTheLastPathPart) {
  const TextCase cases[] = {
      {"full date", "C:\\Photos\\2014-10-05 mariage", "2014-10-05"},
      {"year and month", "C:\\Photos\\2014-10 Noël"_cp, "2014-10"},
      {"only the last part counts", "C:\\2014-10\\divers", ""},
      {"too short", "2014-1", ""},
      {"other characters unchecked", "abcd-efgh", "abcd-ef"},
      {"exactly ten", "2014-10-05", "2014-10-05"},
      {"exactly seven", "2014-10", "2014-10"},
      {"eighth not a hyphen", "2014-10x05", "2014-10"},
      {"fifth not a hyphen", "2014_10-05", ""},
      {"trailing backslash", "C:\\Photos\\2014-10-05\\", ""},
      {"no backslash", "1999-12-31 an 2000", "1999-12-31"},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtractDatePrefix(c.input), c.expected) << c.what;
}

TEST(NormalizeForMatch, UpperCasesAsciiDropsBlanksAndHyphensFoldsAccents) {
  const TextCase cases[] = {
      {"lower accents stay lower", "Fête des mères"_cp, "FeTEDESMeRES"},
      {"upper accent", "Île-de-France"_cp, "ILEDEFRANCE"},
      {"diaeresis and grave", "Noël à Paris"_cp, "NOeLaPARIS"},
      {"ligatures are not folded", "Œuvre æ Æ œ"_cp, "ŒUVREæÆœ"_cp},
      {"Y with accents", "Ÿ ÿ ý Ý"_cp, "YyyY"},
      {"letters outside the table", "ß Ð × ÷ þ Þ ð"_cp, "ßÐ×÷þÞð"_cp},
      {"tabs, digits, punctuation kept", "a\t1_b,c", "A\t1_B,C"},
      {"empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeForMatch(c.input), c.expected) << c.what;
}

TEST(NormalizeForMatch, FoldsExactlyTheFiftySixAccentedLetters) {
  // Each group written as UTF-8 source text, independent of the code page codes in the helper.
  const std::pair<const char*, char> groups[] = {
      {"ÀÁÂÃÄÅ", 'A'}, {"àáâãäå", 'a'}, {"ÈÉÊË", 'E'},   {"èéêë", 'e'}, {"ÌÍÎÏ", 'I'},
      {"ìíîï", 'i'},   {"ÒÓÔÕÖØ", 'O'}, {"òóôõöø", 'o'}, {"ÙÚÛÜ", 'U'}, {"ùúûü", 'u'},
      {"ÝŸ", 'Y'},     {"ýÿ", 'y'},     {"Ç", 'C'},      {"ç", 'c'},    {"Ñ", 'N'},
      {"ñ", 'n'},
  };
  std::size_t listed = 0;
  for (const auto& [letters, plain] : groups) {
    for (char c : Utf8ToCp1252(letters)) {
      EXPECT_EQ(NormalizeForMatch(Text(1, c)), Text(1, plain)) << Cp1252ToUtf8(Text(1, c));
      ++listed;
    }
  }
  EXPECT_EQ(listed, 56u);

  int folded = 0;
  for (int b = 0; b < 256; ++b) {
    char c = static_cast<char>(b);
    if ((c >= 'a' && c <= 'z') || c == ' ' || c == '-') continue;
    if (NormalizeForMatch(Text(1, c)) != Text(1, c)) ++folded;
  }
  EXPECT_EQ(folded, 56);
}

TEST(DigitMask, MarksDigitsAndAppendsOneOtherMark) {
  Text text = "2014-10 x";
  DigitMask('*', text, '_');
  EXPECT_EQ(text, "****_**___");

  Text empty;
  DigitMask('*', empty, '_');
  EXPECT_EQ(empty, "_");

  Text accented = "é9"_cp;
  DigitMask('#', accented, '.');
  EXPECT_EQ(accented, ".#.");
}

TEST(StripLetters, RemovesEverythingFromCapitalAToSmallZ) {
  const TextCase cases[] = {
      {"letters go, blank stays", "2014-10 Avignon", "2014-10 "},
      {"the six signs between the cases", "[\\]^_`", ""},
      {"neighbours of the range stay", "@{|}~", "@{|}~"},
      {"accented letters stay", "été 2014"_cp, "éé 2014"_cp},
  };
  for (const auto& c : cases) {
    Text text = c.input;
    StripLetters(text);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

TEST(SplitLettersDigits, SeparatesLettersFromTheNumberBeforeTheFirstDot) {
  struct Case {
    const char* what;
    Text input;
    Text letters;
    int32_t number;
  };
  const Case cases[] = {
      {"camera name", "IMG_0012.JPG", "IMG_", 12},
      {"leading zeros lost", "DSC_0001.JPG", "DSC_", 1},
      {"long number", "P1010012.jpg", "P", 1010012},
      {"no digit", "vacances.jpg", "vacances", 0},
      {"digits between letters", "a1b2", "ab", 12},
      {"only up to the first dot", "a1.b2.c3", "a", 1},
      {"starts with a dot", ".123", "", 0},
      {"empty", "", "", 0},
      {"largest number", "x2147483647", "x", 2147483647},
  };
  for (const auto& c : cases) {
    RecordingMessages messages;
    Text letters = "left over";
    int32_t number = -5;
    SplitLettersDigits(c.input, letters, number, messages);
    EXPECT_EQ(letters, c.letters) << c.what;
    EXPECT_EQ(number, c.number) << c.what;
    EXPECT_TRUE(messages.messages.empty()) << c.what;
  }
}

TEST(SplitLettersDigits, TooManyDigitsShowTheConversionMessageAndGiveZero) {
  RecordingMessages messages;
  Text letters;
  int32_t number = 7;
  SplitLettersDigits("IMG_2147483648.JPG", letters, number, messages);
  EXPECT_EQ(letters, "IMG_");
  EXPECT_EQ(number, 0);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0],
            "EConvertError\n\r'2147483648' n'est pas une valeur entière correcte"_cp);
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence) {
  struct Case {
    const char* what;
    Text oldText, newText, text, expected;
  };
  const Case cases[] = {
      {"first of two", "ab", "x", "abab", "xab"},
      {"absent", "zz", "x", "abab", "abab"},
      {"empty pattern", "", "x", "abab", "abab"},
      {"deletion", "b", "", "abab", "aab"},
      {"whole text", "abab", "y", "abab", "y"},
      {"longer replacement", "a", "xyz", "ba", "bxyz"},
  };
  for (const auto& c : cases) {
    Text text = c.text;
    ReplaceFirst(c.oldText, c.newText, text);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

TEST(ReplaceFirst, KeepsAtMost255CharactersAfterTheMatch) {
  Text text = "x" + Text(300, 'y');
  ReplaceFirst("x", "z", text);
  EXPECT_EQ(text, "z" + Text(255, 'y'));

  Text before = Text(300, 'y') + "x" + Text(10, 'w');
  ReplaceFirst("x", "z", before);
  EXPECT_EQ(before, Text(300, 'y') + "z" + Text(10, 'w'));
}

TEST(RepairUtf8Accents, UndoesUtf8ReadAsCodePage1252) {
  const TextCase cases[] = {
      {"été", "\xC3\xA9t\xC3\xA9", "été"_cp},
      {"no trigger byte: untouched", "Noël à Paris"_cp, "Noël à Paris"_cp},
      {"doubly encoded é", "\xC3\x83\xC2\xA9t\xC3\x83\xC2\xA9", "été"_cp},
      {"degree sign", "20\xC2\xB0", "20°"_cp},
      {"UTF-8 ø becomes a degree sign", "\xC3\xB8", "°"_cp},
      {"low quotation mark becomes é", "\xE2\x80\x9A", "é"_cp},
      {"capital É", "\xC3\x89t\xC3\xA9", "Été"_cp},
      {"â built in one pass is repaired again", "\xC3\xA2\x80\x9A", "é"_cp},
      {"other capitals left as they are", "\xC3\x80 \xC3\xA9", "\xC3\x80 \xE9"},
      {"all of one kind", "\xC3\xA7\xC3\xA7\xC3\xA7\xC3\xA7", "çççç"_cp},
      {"every pair once",
       "\xC3\xA9\xC2\xB0\xC3\xB4\xC3\xA8\xC3\xA7\xC3\xA0\xC3\xA2\xC3\xAA\xC3\xAE\xC3\xBB"
       "\xC3\xB9\xC3\xAF\xC3\xBC\xC3\xA4\xC3\xB6\xC3\x89",
       "é°ôèçàâêîûùïüäöÉ"_cp},
  };
  for (const auto& c : cases) {
    Text text = c.input;
    RepairUtf8Accents(text);
    EXPECT_EQ(text, c.expected) << c.what;
  }
}

TEST(RepairUtf8Accents, AnAccentedAKeepsThePassesGoingWithoutHarm) {
  // "â" is a trigger byte that no pair removes: only the pass counter ends the loop.
  Text chateau = "château"_cp;
  RepairUtf8Accents(chateau);
  EXPECT_EQ(chateau, "château"_cp);

  Text mixed = "â"_cp + "\xC3\xA9\xC3\xA9\xC3\xA9";
  RepairUtf8Accents(mixed);
  EXPECT_EQ(mixed, "âééé"_cp);
}

TEST(RepairUtf8Accents, LongLinesAreCutBehindARepair) {
  Text text = "\xC3\xA9" + Text(300, 'x');
  RepairUtf8Accents(text);
  EXPECT_EQ(text, "é"_cp + Text(255, 'x'));

  Text clean(300, 'x');
  RepairUtf8Accents(clean);
  EXPECT_EQ(clean, Text(300, 'x'));
}

TEST(PadTwoDigits, TrimsThenPadsOneCharacter) {
  const TextCase cases[] = {
      {"blank, digit, blank", " 5 ", "05"},
      {"two digits", "10", "10"},
      {"empty", "", ""},
      {"blanks only", "   ", ""},
      {"three digits", "123", "123"},
      {"any single character", "a", "0a"},
  };
  for (const auto& c : cases) EXPECT_EQ(PadTwoDigits(c.input), c.expected) << c.what;
}

TEST(ClampInt, LowFirstThenHigh) {
  struct Case {
    const char* what;
    int32_t value, low, high, expected;
  };
  const Case cases[] = {
      {"above", 12, 0, 9, 9},
      {"below", -3, 0, 9, 0},
      {"inside", 5, 0, 9, 5},
      {"low above high gives high", 5, 10, 2, 2},
  };
  for (const auto& c : cases) {
    int32_t value = c.value;
    ClampInt(value, c.low, c.high);
    EXPECT_EQ(value, c.expected) << c.what;
  }
}

TEST(ToIntOrMessage, ConvertsTrimmedTextOrFallsBack) {
  struct Case {
    const char* what;
    Text text;
    int32_t expected;
  };
  const Case cases[] = {
      {"blanks around", "  42 ", 42},
      {"blanks only give the default", "   ", 7},
      {"empty gives the default", "", 7},
      {"hexadecimal", "$FF", 255},
  };
  for (const auto& c : cases) {
    RecordingMessages messages;
    EXPECT_EQ(ToIntOrMessage(c.text, 7, messages), c.expected) << c.what;
    EXPECT_TRUE(messages.messages.empty()) << c.what;
  }
}

TEST(ToIntOrMessage, FailureShowsTheMessageAndGivesZeroNotTheDefault) {
  const std::pair<Text, Text> cases[] = {
      {"4x", "4x"},
      {" 4 x  ", "4 x"},
      {"2147483648", "2147483648"},
      {"\t5", "\t5"},
  };
  for (const auto& [text, named] : cases) {
    RecordingMessages messages;
    EXPECT_EQ(ToIntOrMessage(text, 7, messages), 0) << text;
    ASSERT_EQ(messages.messages.size(), 1u) << text;
    EXPECT_EQ(messages.messages[0],
              "EConvertError\n\r'"_cp + named + "' n'est pas une valeur entière correcte"_cp);
  }
}

TEST(Trimming, OnlyBlanksCountAndTheLeftTrimKeepsALastCharacter) {
  const TextCase left[] = {
      {"three blanks keep one", "   ", " "},
      {"empty", "", ""},
      {"leading only", "  a ", "a "},
      {"tab is no blank", "\t a", "\t a"},
      {"single blank", " ", " "},
      {"beyond 255: blanks then text", Text(300, ' ') + "x", "x"},
      {"beyond 255: blanks only", Text(400, ' '), " "},
  };
  for (const auto& c : left) EXPECT_EQ(TrimLeftSpaces(c.input), c.expected) << c.what;

  const TextCase right[] = {
      {"trailing only", "  a  ", "  a"},
      {"blanks only", "   ", ""},
      {"tab is no blank", "a\t", "a\t"},
      {"beyond 255", "x" + Text(300, ' '), "x"},
  };
  for (const auto& c : right) EXPECT_EQ(TrimRightSpaces(c.input), c.expected) << c.what;

  const TextCase both[] = {
      {"three blanks give nothing", "   ", ""},
      {"both sides", "  a b  ", "a b"},
      {"beyond 255", Text(200, ' ') + "a" + Text(200, ' '), "a"},
  };
  for (const auto& c : both) EXPECT_EQ(TrimSpaces(c.input), c.expected) << c.what;
}

TEST(ExtractField, GivesTheTrimmedNthFieldIgnoringEmptyFields) {
  Text numbered;  // "1,2,...,300,"
  for (int i = 1; i <= 300; ++i) numbered += std::to_string(i) + ",";
  struct Case {
    const char* what;
    Text text;
    int field;
    char separator;
    Text expected;
  };
  const Case cases[] = {
      {"middle of a date", "2014-10-05", 2, '-', "10"},
      {"first", "2014-10-05", 1, '-', "2014"},
      {"last", "2014-10-05", 3, '-', "05"},
      {"past the last", "2014-10-05", 4, '-', ""},
      {"field zero", "2014-10-05", 0, '-', ""},
      {"negative field", "2014-10-05", -1, '-', ""},
      {"blanks trimmed", "a - b", 2, '-', "b"},
      {"double separator", "a--b", 2, '-', "b"},
      {"leading and trailing separators", "-a-b-", 1, '-', "a"},
      {"separators only", "---", 1, '-', ""},
      {"blank field becomes empty", "a- -b", 2, '-', ""},
      {"no separator", "vacances", 1, '-', "vacances"},
      {"quotes in the text", "a\"b-c", 1, '-', "a\"b"},
      {"quotes in the text, next field", "a\"b-c", 2, '-', "c"},
      {"quote as separator finds nothing", "a\"b", 1, '"', ""},
      {"blank separator", "2005 08  vacances", 3, ' ', "vacances"},
      {"empty text", "", 1, '-', "_extraitUTIL<>"},
      {"empty text, field zero", "", 0, '-', "_extraitUTIL<>"},
      {"beyond 255: long first field", Text(300, 'a') + "-b", 1, '-', Text(300, 'a')},
      {"beyond 255: field after a long one", Text(300, 'a') + "-b", 2, '-', "b"},
      {"beyond 255: field 256 exists", numbered, 256, ',', "256"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractField(c.text, c.field, c.separator), c.expected) << c.what;
  }
}

TEST(ReplaceChar, ReplacesEveryOccurrenceKeepingTheLength) {
  Text text = "C:\\2014.10 Avignon\\IMG.0012.JPG";
  ReplaceChar('.', ' ', text);
  EXPECT_EQ(text, "C:\\2014 10 Avignon\\IMG 0012 JPG");

  Text untouched = "abc";
  ReplaceChar('.', ',', untouched);
  EXPECT_EQ(untouched, "abc");
}

TEST(LastPathComponent, TakesTheNameAfterTheLastBackslash) {
  const TextCase cases[] = {
      {"directory", "C:\\Photos\\2014-10 Avignon", "2014-10 Avignon"},
      {"one trailing backslash ignored", "C:\\Photos\\2014-10 Avignon\\", "2014-10 Avignon"},
      {"drive root", "C:\\", "C:"},
      {"only one trailing backslash ignored", "C:\\a\\\\", ""},
      {"no backslash", "name", "name"},
      {"a lone backslash", "\\", ""},
      {"empty", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LastPathComponent(c.input), c.expected) << c.what;
}

}  // namespace
}  // namespace lumivel
