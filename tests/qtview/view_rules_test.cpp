// The Qt view's translation rules: key codes, colours, file filters and the visible part of a
// stretched picture.
#include <gtest/gtest.h>

#include <Qt>

#include "qt/color_values.h"
#include "qt/file_filter.h"
#include "qt/key_codes.h"
#include "qt/picture_images.h"
#include "support/picture_factory.h"
#include "ui/controls.h"

namespace lumivel {
namespace {

TEST(WindowsKeyCode, GivesTheCodesTheKeyHandlersCompareWith) {
  const struct {
    const char* what;
    int qtKey;
    bool keypad;
    int code;
  } rows[] = {
      {"Esc quits", Qt::Key_Escape, false, 27},
      {"space opens the panel", Qt::Key_Space, false, 32},
      {"left arrow", Qt::Key_Left, false, 37},
      {"right arrow", Qt::Key_Right, false, 39},
      {"left arrow of the keypad", Qt::Key_Left, true, 37},
      {"F3", Qt::Key_F3, false, 114},
      {"F12", Qt::Key_F12, false, 123},
      {"Q, whatever its case (Qt reports letters in upper case)", Qt::Key_Q, false, 81},
      {"A", Qt::Key_A, false, 65},
      {"Z", Qt::Key_Z, false, 90},
      {"digit 0", Qt::Key_0, false, 48},
      {"digit 9", Qt::Key_9, false, 57},
      {"digit 7 of the keypad", Qt::Key_7, true, 103},
      {"Shift+1 on a US keyboard is still the key 1", Qt::Key_Exclam, false, 49},
      {"Return", Qt::Key_Return, false, 13},
      {"Enter of the keypad", Qt::Key_Enter, true, 13},
      {"minus of the keypad", Qt::Key_Minus, true, 109},
      {"minus of the main keyboard", Qt::Key_Minus, false, 189},
      {"Delete", Qt::Key_Delete, false, 46},
      {"Shift alone", Qt::Key_Shift, false, 16},
      {"a key Windows has no code for", Qt::Key_Eacute, false, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(WindowsKeyCode(row.qtKey, row.keypad), row.code) << row.what;
  }
}

TEST(ScreenRgb, SwapsStoredColoursAndReadsSystemOnes) {
  const struct {
    const char* what;
    int32_t stored;
    uint32_t rgb;
  } rows[] = {
      {"black", colors::kBlack, 0x000000},
      {"red is stored in the low byte", colors::kRed, 0xFF0000},
      {"yellow", colors::kYellow, 0xFFFF00},
      {"blue is stored in the third byte", 0x00FF0000, 0x0000FF},
      {"every channel in its place", 0x00123456, 0x563412},
      {"the grey of the waiting screen", colors::kGrey, 0x808080},
      {"button face", colors::kBtnFace, 0xF0F0F0},
      {"window", colors::kWindow, 0xFFFFFF},
      {"window text", colors::kWindowText, 0x000000},
      {"an unknown system colour", static_cast<int32_t>(0xFF0000FF), 0x000000},
  };
  for (const auto& row : rows) EXPECT_EQ(ScreenRgb(row.stored), row.rgb) << row.what;
}

TEST(QtNameFilters, TurnsTheProgramsFilterIntoQts) {
  const struct {
    const char* what;
    const char* filter;
    const char* qt;
  } rows[] = {
      {"the viewer's filter", "programmes (*.exe)|*.exe|all (*.*)|*.*",
       "programmes (*.exe);;all (*)"},
      {"a description without patterns gets them", "Images|*.jpg;*.jpeg", "Images (*.jpg *.jpeg)"},
      {"blanks around patterns are dropped", "Images| *.jpg ; *.bmp ", "Images (*.jpg *.bmp)"},
      {"a description alone stands for every file", "Tout", "Tout (*)"},
      {"patterns alone", "|*.txt", "(*.txt)"},
      {"nothing", "", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(QtNameFilters(row.filter), row.qt) << row.what;
}

TEST(VisibleSlice, MapsTheShownPartBackToThePixels) {
  const QRect screen(0, 0, 1920, 1080);
  const struct {
    const char* what;
    QRect bounds;
    QSize pixels;
    QRect target;
    QRectF source;
  } rows[] = {
      {"whole picture on the screen, pixels at a quarter scale", QRect(100, 50, 400, 300),
       QSize(100, 75), QRect(100, 50, 400, 300), QRectF(0, 0, 100, 75)},
      {"zoomed past every edge: only the screen's part is drawn", QRect(-1000, -600, 4000, 3000),
       QSize(2000, 1500), QRect(0, 0, 1920, 1080), QRectF(500, 300, 960, 540)},
      {"half off the left edge", QRect(-200, 100, 400, 300), QSize(400, 300), QRect(0, 100, 200, 300),
       QRectF(200, 0, 200, 300)},
      {"pixels larger than the drawn size", QRect(0, 0, 960, 540), QSize(1920, 1080),
       QRect(0, 0, 960, 540), QRectF(0, 0, 1920, 1080)},
  };
  for (const auto& row : rows) {
    const auto slice = VisibleSlice(row.bounds, screen, row.pixels);
    ASSERT_TRUE(slice) << row.what;
    EXPECT_EQ(slice->target, row.target) << row.what;
    EXPECT_EQ(slice->source, row.source) << row.what;
  }
}

TEST(VisibleSlice, NothingWhenNoPartShows) {
  const QRect screen(0, 0, 1920, 1080);
  EXPECT_FALSE(VisibleSlice(QRect(1920, 0, 100, 100), screen, QSize(10, 10))) << "right of the screen";
  EXPECT_FALSE(VisibleSlice(QRect(0, -300, 100, 300), screen, QSize(10, 10))) << "above the screen";
  EXPECT_FALSE(VisibleSlice(QRect(0, 0, 0, 100), screen, QSize(10, 10))) << "no width";
  EXPECT_FALSE(VisibleSlice(QRect(0, 0, 100, 100), screen, QSize())) << "no pixels";
}

TEST(PictureImages, DrawsFromThePixelsThemselvesUnlessAStillPictureWouldSkipSome) {
  auto picture = std::make_shared<Picture>();
  picture->width = picture->pixelWidth = 1600;
  picture->height = picture->pixelHeight = 1200;
  picture->pixels = testing::Rgb32Pixels(std::vector<uint8_t>(size_t{1600} * 1200 * 3, 128));
  const QSize window(1920, 1080);
  const struct {
    const char* what;
    QSize drawn;
    QSize window;
    bool fromThePixels;
  } rows[] = {
      {"drawn larger than the pixels", QSize(3200, 2400), window, true},
      {"drawn at the pixels' size", QSize(1600, 1200), window, true},
      {"drawn at half: every pixel still counts", QSize(800, 600), window, true},
      {"drawn at a third, whole on the screen", QSize(533, 400), window, false},
      {"drawn at a tenth", QSize(160, 120), window, false},
      {"drawn at a third, larger than the window: a zoom pass", QSize(533, 400), QSize(500, 300), true},
  };
  PictureImages images;
  images.Hold(picture);
  for (const auto& row : rows) {
    const QImage& image = images.ForDrawnSize(row.drawn, row.window);
    EXPECT_EQ(image.constBits() == reinterpret_cast<const uchar*>(picture->pixels.data()), row.fromThePixels)
        << row.what;
    EXPECT_EQ(image.size(), row.fromThePixels ? QSize(1600, 1200) : row.drawn) << row.what;
    EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), qRgb(128, 128, 128)) << row.what;
  }
}

TEST(PictureImages, HoldsNothingDrawableForAnEmptyOrShortPicture) {
  PictureImages images;
  images.Hold(std::make_shared<Picture>());
  EXPECT_TRUE(images.ForDrawnSize(QSize(100, 100), QSize(1920, 1080)).isNull()) << "0 x 0";
  auto shortPicture = std::make_shared<Picture>();
  shortPicture->width = shortPicture->pixelWidth = 10;
  shortPicture->height = shortPicture->pixelHeight = 10;
  shortPicture->pixels = PixelBuffer(10 * 9);
  images.Hold(shortPicture);
  EXPECT_TRUE(images.ForDrawnSize(QSize(100, 100), QSize(1920, 1080)).isNull()) << "fewer pixels than its size";
}

}  // namespace
}  // namespace lumivel
