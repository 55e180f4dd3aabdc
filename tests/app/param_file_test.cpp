#include "app/settings/param_controls.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>

#include "posix/posix_file_system.h"
#include "settings/param_list.h"
#include "support/test_support.h"

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

}  // namespace
}  // namespace lumivel
