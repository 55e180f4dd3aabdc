#include "util/cp1252.h"

#include <gtest/gtest.h>

namespace lumivel {
namespace {

using namespace literals;

TEST(Cp1252, FrenchTextsRoundTrip) {
  const char* texts[] = {
      "Fête des mères",
      "Noël à Paris, Île-de-France",
      "Œuvres complètes — « Été » 20 °C, 5 €",
      "Impossible de créer le fichier C:\\lumivel\\lumivel_var.prm",
      "ça, où, déjà, naïve, cœur, Ÿ, ‚ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž",
  };
  for (const char* utf8 : texts) {
    bool lossless = false;
    Text text = Utf8ToCp1252(utf8, &lossless);
    EXPECT_TRUE(lossless) << utf8;
    EXPECT_EQ(Cp1252ToUtf8(text), utf8);
  }
  EXPECT_EQ("é€"_cp, "\xE9\x80");
  EXPECT_EQ("Œœ"_cp, "\x8C\x9C");
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
  for (int b = 0; b < 256; ++b) {
    Text one(1, static_cast<char>(b));
    bool lossless = false;
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(one), &lossless), one) << b;
    EXPECT_TRUE(lossless) << b;
  }
}

TEST(Cp1252, WhatHasNoFormBecomesAQuestionMark) {
  struct Case {
    const char* what;
    std::string utf8;
    Text expected;
  };
  const Case cases[] = {
      {"letter outside the code page", "ā", "?"},
      {"emoji", "a\xF0\x9F\x98\x80z", "a?z"},
      {"C1 control with a code page letter", "\xC2\x80", "?"},
      {"lone continuation byte", "a\x80z", "a?z"},
      {"cut sequence", "a\xC3", "a?"},
      {"bad continuation", "\xC3(", "?("},
      {"invalid lead byte", "\xFF", "?"},
      {"surrogate", "\xED\xA0\x80", "?"},
      {"over-long zero byte", "a\xC0\x80z", "a??z"},
      {"over-long backslash", "\xC1\x9C", "??"},
      {"over-long three-byte slash", "\xE0\x80\xAF", "???"},
      {"over-long four-byte é", "\xF0\x80\x83\xA9", "????"},
  };
  for (const auto& c : cases) {
    bool lossless = true;
    EXPECT_EQ(Utf8ToCp1252(c.utf8, &lossless), c.expected) << c.what;
    EXPECT_FALSE(lossless) << c.what;
  }
}

TEST(Cp1252, CaseFoldingCoversAccentedLetters) {
  EXPECT_EQ(UpperCase("fête des mères ÿ š œ ž æ ø þ"_cp), "FÊTE DES MÈRES Ÿ Š Œ Ž Æ Ø Þ"_cp);
  // No capital form in the code page, or no letter at all.
  EXPECT_EQ(UpperCase("ß µ ÷ ª º"_cp), "ß µ ÷ ª º"_cp);
  EXPECT_EQ(UpperCase("× 1 _"_cp), "× 1 _"_cp);

  int pairs = 0;
  for (int b = 0; b < 256; ++b) {
    char c = static_cast<char>(b);
    char upper = Cp1252Upper(c);
    if (upper != c) {
      ++pairs;
      EXPECT_EQ(Cp1252Lower(upper), c) << b;
    }
    char lower = Cp1252Lower(c);
    if (lower != c) {
      EXPECT_EQ(Cp1252Upper(lower), c) << b;
    }
  }
  // 26 ASCII letters, 30 of À-Þ less ×, and Š Œ Ž Ÿ.
  EXPECT_EQ(pairs, 26 + 30 + 4);
}

TEST(Cp1252, SameTextIgnoringCase) {
  struct Case {
    const char* what;
    Text a, b;
    bool same;
  };
  const Case cases[] = {
      {"ASCII", "CheckBox_rnd.Checked ", "checkbox_RND.checked ", true},
      {"accented", "Été"_cp, "éTÉ"_cp, true},
      {"ligature", "Œuvre"_cp, "œUVRE"_cp, true},
      {"different lengths", "vmax ", "vmax", false},
      {"accent matters", "e"_cp, "é"_cp, false},
      {"empty", "", "", true},
  };
  for (const auto& c : cases) EXPECT_EQ(SameTextIgnoringCase(c.a, c.b), c.same) << c.what;
}

}  // namespace
}  // namespace lumivel
