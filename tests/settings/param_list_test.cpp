#include "settings/param_list.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <random>

#include "app/controls.h"
#include "platform/posix/posix_file_system.h"
#include "support/test_support.h"
#include "util/errors.h"
#include "util/text_lines.h"

namespace lumivel {
namespace {

using namespace literals;
using testing::ErrorOf;

const Text kParamFile = "C:\\lumivel\\lumivel_var.prm";

PosixFileSystem DriveC(const testing::TempDir& dir) {
  DriveMap drives;
  drives.Map('C', dir.Path().string());
  return PosixFileSystem(drives);
}

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

class ParamControls : public ::testing::Test {
 protected:
  ControlSet set_;
  Edit edit_{set_, "Edit_dt0_a", nullptr};
  CheckBox check_{set_, "CheckBox_rnd", nullptr};
  RadioGroup radio_{set_, "Rdg1", nullptr};
  Label label_{set_, "rep_album_A", nullptr};
};

TEST_F(ParamControls, ReadEditIntShowsTheLookedUpTextItself) {
  int changes = 0;
  edit_.SetText("5000");
  edit_.OnChange = [&] { ++changes; };

  EXPECT_EQ(ParamReadEditInt({"dt0_a = 007"}, "dt0_a", "1000", edit_), 7);
  EXPECT_EQ(edit_.GetText(), "007");
  EXPECT_EQ(changes, 1);

  EXPECT_EQ(ParamReadEditInt({}, "dt0_a", "1000", edit_), 1000);
  EXPECT_EQ(edit_.GetText(), "1000");
  EXPECT_EQ(changes, 2);

  EXPECT_EQ(ParamReadEditInt({"dt0_a = 1000"}, "dt0_a", "1", edit_), 1000);
  EXPECT_EQ(changes, 2) << "the same text is no change";
}

TEST_F(ParamControls, ReadEditIntLeavesTheBoxOnFailure) {
  int changes = 0;
  edit_.SetText("5000");
  edit_.OnChange = [&] { ++changes; };
  EXPECT_EQ(ErrorOf([&] { ParamReadEditInt({"dt0_a = 5 s"}, "dt0_a", "1000", edit_); }),
            "'5 s' n'est pas une valeur entière correcte"_cp);
  EXPECT_EQ(edit_.GetText(), "5000");
  EXPECT_EQ(changes, 0);
}

TEST_F(ParamControls, WritersAppendKeyEqualsValue) {
  ParamList list = {"kept"};
  check_.SetChecked(true);
  ParamWriteCheck(list, "CheckBox_rnd.Checked", check_);
  check_.SetChecked(false);
  ParamWriteCheck(list, "CheckBox_rnd.Checked", check_);
  label_.SetCaption("  C:\\Lumivel\\A = album  ");
  ParamWriteCaption(list, "rep_album_A.Caption", label_);
  ParamWriteText(list, "annee_de", "");
  ParamWriteRadio(list, "Rdg1.ItemIndex", radio_);
  radio_.items = {"a", "b", "c"};
  radio_.SetItemIndex(2);
  ParamWriteRadio(list, "Rdg1.ItemIndex", radio_);

  const ParamList expected = {
      "kept",
      "CheckBox_rnd.Checked = true",
      "CheckBox_rnd.Checked = false",
      "rep_album_A.Caption =   C:\\Lumivel\\A = album  ",
      "annee_de = ",
      "Rdg1.ItemIndex = -1",
      "Rdg1.ItemIndex = 2",
  };
  EXPECT_EQ(list, expected);
}

TEST_F(ParamControls, WriteEditIntWritesThePlainDecimalForm) {
  struct Case {
    const char* what;
    Text boxText;
    int32_t number;
    Text line;
  };
  const Case cases[] = {
      {"leading zeros dropped", "007", 7, "dt0_a = 7"},
      {"minus zero", "-0", 0, "dt0_a = 0"},
      {"leading blanks accepted", "  12", 12, "dt0_a = 12"},
      {"hexadecimal written in decimal", "$FFFFFFFF", -1, "dt0_a = -1"},
      {"plus sign dropped", "+250", 250, "dt0_a = 250"},
  };
  for (const auto& c : cases) {
    ParamList list;
    int32_t variable = 99;
    edit_.SetText(c.boxText);
    ParamWriteEditInt(list, "dt0_a", edit_, variable);
    EXPECT_EQ(variable, c.number) << c.what;
    EXPECT_EQ(list, ParamList{c.line}) << c.what;
  }
}

TEST_F(ParamControls, WriteEditIntAppendsNothingWhenTheBoxIsNoInteger) {
  for (const Text& boxText : {Text("12abc"), Text(""), Text("12 "), Text("99999999999")}) {
    ParamList list = {"dt0_a = 1"};
    int32_t variable = 99;
    edit_.SetText(boxText);
    EXPECT_EQ(ErrorOf([&] { ParamWriteEditInt(list, "dt1_a", edit_, variable); }),
              "'"_cp + boxText + "' n'est pas une valeur entière correcte"_cp);
    EXPECT_EQ(list, ParamList{"dt0_a = 1"}) << boxText;
    EXPECT_EQ(variable, 99) << boxText;
  }
}

class ParamFile : public ::testing::Test {
 protected:
  testing::TempDir dir_;
  PosixFileSystem fs_ = DriveC(dir_);
};

TEST_F(ParamFile, WrittenReadBackAndWrittenAgainIsByteIdentical) {
  dir_.Write("lumivel/.keep", "");
  ControlSet set;
  Edit edit(set, "Edit_dt0_a", nullptr);
  CheckBox check(set, "CheckBox_rnd", nullptr);
  Label label(set, "rep_album_A", nullptr);
  edit.SetText("0250");
  check.SetChecked(true);
  label.SetCaption("C:\\Photos\\Été = soleil  "_cp);

  ParamList list;
  int32_t dt0a = 0;
  ParamWriteCaption(list, "rep_album_A.Caption", label);
  ParamWriteEditInt(list, "dt0_a", edit, dt0a);
  ParamWriteCheck(list, "CheckBox_rnd.Checked", check);
  ParamWriteText(list, "annee_de", "");
  ParamSave(list, fs_, kParamFile);
  const std::string first = dir_.Read("lumivel/lumivel_var.prm");
  EXPECT_EQ(first,
            "rep_album_A.Caption = C:\\Photos\\\xC9t\xE9 = soleil  \r\n"
            "dt0_a = 250\r\n"
            "CheckBox_rnd.Checked = true\r\n"
            "annee_de = \r\n");

  ParamList loaded = {"stale line"};
  ParamLoad(loaded, fs_, kParamFile);
  EXPECT_EQ(loaded, list);
  EXPECT_EQ(ParamReadText(loaded, "rep_album_A.Caption", ""), "C:\\Photos\\Été = soleil"_cp);
  EXPECT_EQ(ParamReadInt(loaded, "dt0_a", "1000"), 250);
  EXPECT_TRUE(ParamReadBool(loaded, "CheckBox_rnd.Checked", "false"));
  EXPECT_EQ(ParamReadText(loaded, "annee_de", ""), "");

  ParamSave(loaded, fs_, "C:\\LUMIVEL\\Lumivel_Var.PRM");
  EXPECT_EQ(dir_.Read("lumivel/lumivel_var.prm"), first);
}

TEST_F(ParamFile, MissingFileEmptiesTheListAndReadersGiveDefaults) {
  ParamList list = {"vmax = 5"};
  ParamLoad(list, fs_, kParamFile);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(ParamReadInt(list, "vmax", "100"), 100);
}

TEST_F(ParamFile, LineFeedsAloneReadLikeCrLfAndTheFileIsWrittenBackWithCrLf) {
  dir_.Write("lumivel/lumivel_var.prm", "vmax = 100\nCheckBox_rnd.Checked = True\nlast = x");
  ParamList list;
  ParamLoad(list, fs_, kParamFile);
  EXPECT_EQ(list, (ParamList{"vmax = 100", "CheckBox_rnd.Checked = True", "last = x"}));
  EXPECT_FALSE(ParamReadBool(list, "CheckBox_rnd.Checked", "true"));
  ParamSave(list, fs_, kParamFile);
  EXPECT_EQ(dir_.Read("lumivel/lumivel_var.prm"),
            "vmax = 100\r\nCheckBox_rnd.Checked = True\r\nlast = x\r\n");
}

TEST_F(ParamFile, AZeroByteEndsTheText) {
  dir_.Write("lumivel/lumivel_var.prm", std::string("a = 1\r\nb = 2\0\r\nc = 3\r\n", 22));
  ParamList list;
  ParamLoad(list, fs_, kParamFile);
  EXPECT_EQ(list, (ParamList{"a = 1", "b = 2"}));
}

TEST_F(ParamFile, FileThatCannotBeCreatedRaisesTheFrenchMessage) {
  const Text path = "C:\\absent\\lumivel_var.prm";
  EXPECT_EQ(ErrorOf([&] { ParamSave({"a = 1"}, fs_, path); }),
            "Impossible de créer le fichier C:\\absent\\lumivel_var.prm"_cp);
}

TEST_F(ParamFile, FileThatExistsButCannotBeReadRaisesTheFrenchMessage) {
  // The tests may run as root, who reads everything: the refusal is simulated.
  class UnreadableFiles : public PosixFileSystem {
   public:
    using PosixFileSystem::PosixFileSystem;
    std::optional<std::string> ReadFile(const Text&, int* error = nullptr) const override {
      if (error) *error = EACCES;
      return std::nullopt;
    }
  };
  dir_.Write("lumivel/lumivel_var.prm", "vmax = 5\r\n");
  UnreadableFiles fs(fs_.Drives());
  ParamList list = {"stale"};
  EXPECT_EQ(ErrorOf([&] { ParamLoad(list, fs, kParamFile); }),
            "Impossible d'ouvrir le fichier C:\\lumivel\\lumivel_var.prm");
  EXPECT_TRUE(list.empty());
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
