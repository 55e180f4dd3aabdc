// The smoke tests of the Qt view run on Qt's offscreen platform with a 1920 x 1080 screen, whatever
// display the machine has, and with Qt's texts in French as the program has them.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt/french_translations.h"
#include "qt/offscreen_screen.h"

int main(int argc, char** argv) {
  lumivel::OffscreenScreen screen(1920, 1080);
  if (!screen.Ready()) return 2;
  QApplication application(argc, argv);
  // As the program does; the dialog tests fail when Qt's French catalogue is missing.
  lumivel::InstallFrenchTranslations();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
