// The system screen saver's switch and delay: read once at creation, set from Panel2.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace lumivel::testing {
namespace {

TEST(ScreenSaver, TheStateIsReadIntoThePanels) {
  struct Case {
    const char* script;
    const char* state;
    const char* delay;
  } cases[] = {{"", "inactif", "600"}, {"0 saver on 120\n", "actif", "120"}, {"0 saver off 0\n", "inactif", "0"}};
  for (const auto& c : cases) {
    Scenario s;
    auto r = s.Run(c.script, "/s", 300);
    EXPECT_EQ(r.Control("Label_etat")["text"].string, c.state);
    EXPECT_EQ(r.Control("Label_delai")["text"].string, std::string(c.delay) + " s");
    EXPECT_EQ(r.Control("Edit1")["text"].string, c.delay);
  }
}

TEST(ScreenSaver, ValidatingTheDelaySetsItAndEndsAtOnce) {
  Scenario s;
  auto r = s.Run("100 edit Edit1 \"120\"\n200 click ButtonValidationDelai\n1000 keyup 27\n");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.Events("saver-set"), std::vector<std::string>{"120"});
  EXPECT_TRUE(r.Saw("exit", "1"));
  EXPECT_FALSE(s.Exists("C:\\lumivel\\lumivel_var.prm")) << "nothing is saved on the way out";
}

TEST(ScreenSaver, TextThatIsNotANumberGivesTheConversionErrorAndNoExit) {
  for (const char* text : {"deux minutes", "", "12 "}) {
    Scenario s;
    std::string script = std::string("100 edit Edit1 \"") + text + "\"\n200 click ButtonValidationDelai\n";
    auto r = s.Run(script, "/s", 1000);
    EXPECT_EQ(r.exitCode, 0) << text;
    EXPECT_TRUE(r.Events("saver-set").empty()) << text;
    EXPECT_TRUE(r.Saw("box", std::string("\"'") + text + "' n'est pas une valeur entière correcte\"")) << text;
  }
}

}  // namespace
}  // namespace lumivel::testing
