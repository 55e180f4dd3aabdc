// The configuration mode's dialog and its INI file.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace lumivel::testing {
namespace {

constexpr const char* kIni = "C:\\Windows\\Lumivel.ini";

TEST(OptionsDialog, FirstRunShowsTheDefaults) {
  Scenario s;
  auto r = s.Run("", "/c");
  EXPECT_EQ(r.exitCode, 0) << "the loop ends with nothing scripted";
  EXPECT_EQ(r.Control("winparam")["text"].string, "Paramètres");
  EXPECT_EQ(r.Control("winparam")["width"].Int(), 381);
  EXPECT_EQ(r.Control("winparam")["height"].Int(), 155);
  EXPECT_EQ(r.Control("Edit1")["text"].string, "Brunald je vais t'hypnotiser !");
  EXPECT_EQ(r.Control("ComboBox1")["text"].string, "Rouge");
  EXPECT_FALSE(s.Exists(kIni));
}

TEST(OptionsDialog, OkStoresAColourOutsideTheListAndShowsItNextTime) {
  Scenario s;
  auto r = s.Run("10 edit Edit1 \"Bonne nuit\"\n20 edit ComboBox1 \"Turquoise\"\n30 click Button1\n", "/c");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.Saw("exit", "0"));
  auto again = s.Run("", "/c");
  EXPECT_EQ(again.Control("Edit1")["text"].string, "Bonne nuit");
  EXPECT_EQ(again.Control("ComboBox1")["text"].string, "Turquoise");
}

TEST(OptionsDialog, CancelLeavesTheFileByteIdentical) {
  Scenario s;
  const std::string before = "[Parametres]\r\nTexte=Bonjour\r\nCouleur=Vert\r\n";
  s.WriteFile(kIni, before);
  auto r = s.Run("10 edit Edit1 \"Autre\"\n20 click Button2\n", "/c");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(s.ReadFile(kIni), before);
}

TEST(OptionsDialog, OtherSectionsAndLinesAreKept) {
  Scenario s;
  s.WriteFile(kIni, "; notes\r\n[Autre]\r\nCle=1\r\n[PARAMETRES]\r\ncouleur=Bleu\r\nTexte=x\r\n[Fin]\r\nA=b\r\n");
  auto r = s.Run("10 edit Edit1 \"y\"\n30 click Button1\n", "/c");
  ASSERT_EQ(r.exitCode, 0);
  std::string after = s.ReadFile(kIni);
  EXPECT_NE(after.find("; notes\r\n[Autre]\r\nCle=1\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("[Fin]\r\nA=b\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("=y\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("=Bleu\r\n"), std::string::npos) << after;
}

TEST(OptionsDialog, ARefusedWriteKeepsTheDialogOpen) {
  Scenario s;
  // A folder where the file should be: the write cannot replace it.
  std::filesystem::create_directories(s.Host(kIni));
  auto r = s.Run("10 click Button1\n", "/c");
  EXPECT_TRUE(r.Saw("box", "\"Impossible d'écrire dans Lumivel.ini\""));
  EXPECT_FALSE(r.Saw("exit", "0"));
}

}  // namespace
}  // namespace lumivel::testing
