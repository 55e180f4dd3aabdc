#include "settings/ini_profile.h"

#include <gtest/gtest.h>

#include <string>

#include "util/cp1252.h"

namespace lumivel {
namespace {

using namespace literals;

const Text kTextDefault = "Brunald je vais t'hypnotiser !";

TEST(IniProfileTest, FirstRunWithoutAFileGivesTheDefaultsThenStoresTheValues) {
  EXPECT_EQ(IniReadString("", "Parametres", "Texte", kTextDefault), kTextDefault);
  EXPECT_EQ(IniReadString("", "Parametres", "Couleur", "Rouge"), "Rouge");

  std::string file = IniWriteString("", "Parametres", "Texte", "Bonjour à tous"_cp);
  file = IniWriteString(file, "Parametres", "Couleur", "Turquoise");
  EXPECT_EQ(file, "[Parametres]\r\nTexte=Bonjour à tous\r\nCouleur=Turquoise\r\n"_cp);
  EXPECT_EQ(IniReadString(file, "Parametres", "Texte", kTextDefault), "Bonjour à tous"_cp);
  EXPECT_EQ(IniReadString(file, "Parametres", "Couleur", "Rouge"), "Turquoise")
      << "a colour outside the list is kept as typed";

  file = IniWriteString(file, "Parametres", "Couleur", "Bleu");
  EXPECT_EQ(file, "[Parametres]\r\nTexte=Bonjour à tous\r\nCouleur=Bleu\r\n"_cp);
}

TEST(IniProfileTest, WritingKeepsEveryOtherByte) {
  const std::string file =
      "; written by hand\r\n"
      "[Autre]\r\n"
      "Texte = ailleurs\r\n"
      "\r\n"
      "[ Parametres ]\r\n"
      "  texte  =  ancien  \r\n"
      "Sans egal\r\n"
      "\r\n"
      "[Fin]\n"
      "k = v";
  EXPECT_EQ(IniWriteString(file, "parametres", "TEXTE", "neuf"),
            "; written by hand\r\n"
            "[Autre]\r\n"
            "Texte = ailleurs\r\n"
            "\r\n"
            "[ Parametres ]\r\n"
            "texte=neuf\r\n"
            "Sans egal\r\n"
            "\r\n"
            "[Fin]\n"
            "k = v");
  EXPECT_EQ(IniWriteString(file, "Parametres", "Couleur", "Vert"),
            "; written by hand\r\n"
            "[Autre]\r\n"
            "Texte = ailleurs\r\n"
            "\r\n"
            "[ Parametres ]\r\n"
            "  texte  =  ancien  \r\n"
            "Sans egal\r\n"
            "Couleur=Vert\r\n"
            "\r\n"
            "[Fin]\n"
            "k = v");
  EXPECT_EQ(IniWriteString(file, "Nouvelle", "a", "b"), file + "\r\n[Nouvelle]\r\na=b\r\n");
  EXPECT_EQ(IniWriteString(file, "Fin", "j", "w"), file + "\r\nj=w\r\n");
}

TEST(IniProfileTest, ReadsNamesWithoutRegardToCaseOrBlanks) {
  const std::string file =
      "Texte=avant toute section\r\n"
      "[PARAMETRES]\r\n"
      "  texte  =  Bonjour  \r\n"
      "Couleur\r\n";
  EXPECT_EQ(IniReadString(file, " Parametres ", "Texte ", kTextDefault), "Bonjour");
  EXPECT_EQ(IniReadString(file, "Parametres", "Couleur", "Rouge"), "Rouge")
      << "a key without '=' has no value";
  EXPECT_EQ(IniReadString(file, "Autre", "Texte", "x"), "x");
}

TEST(IniProfileTest, FirstSectionAndFirstKeyOfANameWin) {
  const std::string file = "[P]\r\nk=1\r\nk=2\r\n[p]\r\nk=3\r\nj=4\r\n";
  EXPECT_EQ(IniReadString(file, "P", "k", "-"), "1");
  EXPECT_EQ(IniReadString(file, "P", "j", "-"), "-") << "later sections of the name are not read";
  EXPECT_EQ(IniWriteString(file, "P", "k", "9"), "[P]\r\nk=9\r\nk=2\r\n[p]\r\nk=3\r\nj=4\r\n");
}

TEST(IniProfileTest, OnePairOfMatchingQuotesIsRemoved) {
  struct Case {
    const char* what;
    std::string line;
    Text expected;
  };
  const Case cases[] = {
      {"double quotes keep inner blanks", "k=\"  entre  \"", "  entre  "},
      {"single quotes", "k='x'", "x"},
      {"only one pair", "k=\"\"x\"\"", "\"x\""},
      {"quotes that differ stay", "k=\"x'", "\"x'"},
      {"a lone quote stays", "k=\"", "\""},
      {"empty quoted value", "k=''", ""},
      {"quote inside the value", "k=l'eau", "l'eau"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IniReadString("[s]\r\n" + c.line + "\r\n", "s", "k", "default"), c.expected)
        << c.what;
  }
}

TEST(IniProfileTest, ValuesComeThroughTheBufferAndDefaultsLoseTrailingBlanks) {
  const std::string file = "[s]\r\nk=" + std::string(3000, 'v') + "\r\n";
  EXPECT_EQ(IniReadString(file, "s", "k", ""), Text(kProfileBufferSize - 1, 'v'));
  EXPECT_EQ(IniReadString("", "s", "k", "Rouge  "), "Rouge");
  EXPECT_EQ(IniReadString("", "s", "k", Text(3000, 'd')).size(), kProfileBufferSize - 1);
}

TEST(IniProfileTest, KeyAppendedToASectionEndingTheFileWithoutLineEnd) {
  EXPECT_EQ(IniWriteString("[Parametres]\r\nTexte=a", "Parametres", "Couleur", "Bleu"),
            "[Parametres]\r\nTexte=a\r\nCouleur=Bleu\r\n");
  EXPECT_EQ(IniWriteString("[Parametres]", "Parametres", "Couleur", "Bleu"),
            "[Parametres]\r\nCouleur=Bleu\r\n");
}

}  // namespace
}  // namespace lumivel
