// The window XScreenSaver names for its display mode, and the offscreen platform, which has no
// other program's windows: there the program keeps its own full-screen window.
#include "qt/saver_host.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace lumivel {
namespace {

TEST(SaverHost, ReadsTheWindowNumberXScreenSaverWrites) {
  const struct {
    const char* text;
    std::optional<WId> id;
  } rows[] = {
      {"0x1a00008", 0x1a00008},
      {"0X1A00008", 0x1a00008},
      {"27262984", 27262984},
      {" 0x600008\n", 0x600008},
      {"", std::nullopt},
      {"0", std::nullopt},
      {"0x", std::nullopt},
      {"window", std::nullopt},
      {"-5", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(SaverWindowId(row.text), row.id) << row.text;
}

TEST(SaverHost, NoneOnAPlatformWithoutOtherProgramsWindows) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
  qputenv("XSCREENSAVER_WINDOW", "0x600008");
  EXPECT_FALSE(SaverHostFromEnvironment());
  qunsetenv("XSCREENSAVER_WINDOW");
}

}  // namespace
}  // namespace lumivel
