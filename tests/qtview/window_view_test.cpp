// The Qt view of a small window of controls: what the model holds shows in the widgets, what the
// user does goes back through the model's own assignments, and the picture is painted from its
// pixels wherever its bounds put it.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "posix/posix_file_system.h"
#include "qt/qt_text.h"
#include "qt/qt_toolkit.h"
#include "support/picture_factory.h"
#include "support/test_support.h"
#include "ui/application.h"
#include "ui/controls.h"

namespace lumivel {
namespace {

using namespace literals;
using testing::kBottomLeftBlue;
using testing::kBottomRightWhite;
using testing::kTopLeftRed;
using testing::kTopRightGreen;
using testing::Rgb;

constexpr int32_t kMagenta = 0x00FF00FF;

// A 400 x 300 picture whose pixels were decoded at a quarter of its size.
std::shared_ptr<const Picture> QuarterScalePicture() {
  auto picture = std::make_shared<Picture>();
  picture->width = 400;
  picture->height = 300;
  picture->pixelWidth = 100;
  picture->pixelHeight = 76;
  picture->pixels = testing::Rgb32Pixels(testing::QuadrantPixels(100, 76));
  return picture;
}

// A white picture as large as its pixels.
std::shared_ptr<const Picture> WhitePicture(int width, int height) {
  auto picture = std::make_shared<Picture>();
  picture->width = picture->pixelWidth = width;
  picture->height = picture->pixelHeight = height;
  picture->pixels = PixelBuffer(static_cast<size_t>(width) * static_cast<size_t>(height));
  std::fill_n(picture->pixels.data(), picture->pixels.size(), Rgb32(255, 255, 255));
  return picture;
}

bool Shows(const QColor& seen, Rgb expected, int tolerance = 8) {
  return std::abs(seen.red() - expected.r) <= tolerance && std::abs(seen.green() - expected.g) <= tolerance &&
         std::abs(seen.blue() - expected.b) <= tolerance;
}

std::string Describe(const QColor& c) {
  return std::to_string(c.red()) + "," + std::to_string(c.green()) + "," + std::to_string(c.blue());
}

class WindowViewTest : public ::testing::Test {
 protected:
  WindowViewTest() {
    toolkit.SetApplication(&app);
    form.SetColor(kMagenta);
    image.SetBounds(0, 0, 0, 0);
    Place(label, 10, 400, 300, 20);
    Place(edit, 10, 430, 200, 24);
    Place(check, 10, 460, 200, 20);
    Place(radio, 10, 490, 300, 90);
    radio.items = {"rien", "répertoire"_cp, "répertoire + nom"_cp};
    Place(list, 10, 590, 300, 120);
    list.SetLines({"C:\\Photos", "C:\\Vacances", "D:\\Images"});
    Place(button, 10, 720, 120, 27);
    button.SetCaption("OK");
    edit.OnChange = [this] { log.push_back("change " + edit.GetText()); };
    edit.OnExit = [this] { log.push_back("exit"); };
    edit.OnKeyDown = [this](int key) { log.push_back("keydown " + std::to_string(key)); };
    check.OnClick = [this] { log.push_back(check.Checked() ? "checked" : "unchecked"); };
    radio.OnClick = [this] { log.push_back("radio " + std::to_string(radio.ItemIndex())); };
    list.OnClick = [this] { log.push_back("list " + std::to_string(list.ItemIndex())); };
    button.OnClick = [this] { log.push_back("button"); };
    label.OnClick = [this] { log.push_back("label"); };
  }
  ~WindowViewTest() override { toolkit.DetachWindow(); }

  static void Place(Control& c, int left, int top, int width, int height) {
    c.SetBounds(left, top, width, height);
  }

  void Attach() {
    toolkit.AttachWindow(WindowBinding{&set, &form,
                                       [this](int key, bool shift) {
                                         log.push_back("keyup " + std::to_string(key) +
                                                       (shift ? " shift" : ""));
                                       },
                                       nullptr});
    toolkit.ProcessPendingEvents();
    QApplication::setActiveWindow(toolkit.Window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(toolkit.Window()));
  }

  template <typename W>
  W* WidgetOf(const Control& control) {
    return dynamic_cast<W*>(toolkit.WidgetOf(control));
  }

  // What the screen shows now: the window's painted surface, not a fresh rendering of it.
  QImage Screen() {
    toolkit.ProcessPendingEvents();
    return QGuiApplication::primaryScreen()->grabWindow(toolkit.Window()->winId()).toImage();
  }

  PosixFileSystem fs{DriveMap{}};
  QtToolkit toolkit{fs};
  Application app{toolkit};
  ControlSet set;
  Panel form{set, "diapo", nullptr, ControlKind::Form};
  PictureBox image{set, "Image2", &form};
  Label label{set, "Label1", &form};
  Edit edit{set, "Edit_a", &form};
  CheckBox check{set, "CheckBox_a", &form};
  RadioGroup radio{set, "RadioGroup_a", &form};
  ListBox list{set, "ListBox_a", &form};
  Button button{set, "Button_a", &form};
  std::vector<std::string> log;
};

TEST_F(WindowViewTest, TheMainWindowCoversTheScreenWithoutBorder) {
  Attach();
  QWidget* window = toolkit.Window();
  EXPECT_EQ(window->geometry(), QRect(0, 0, 1920, 1080));
  EXPECT_TRUE(window->windowState().testFlag(Qt::WindowFullScreen));
  EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(WindowViewTest, PaintsTheShownPartOfThePictureOverTheFormColour) {
  image.SetPicture(QuarterScalePicture());
  Attach();
  struct Probe {
    QPoint at;
    Rgb colour;
  };
  const Rgb background{255, 0, 255};
  const struct {
    const char* what;
    QRect bounds;
    bool visible;
    std::vector<Probe> probes;
  } steps[] = {
      {"on the screen, stretched from quarter-scale pixels", QRect(100, 50, 400, 300), true,
       {{{150, 100}, kTopLeftRed}, {{450, 100}, kTopRightGreen}, {{150, 300}, kBottomLeftBlue},
        {{450, 300}, kBottomRightWhite}, {{50, 40}, background}, {{600, 200}, background}}},
      {"zoomed to four times the screen, above and left of it", QRect(-1000, -600, 4000, 3000), true,
       {{{500, 300}, kTopLeftRed}, {{1500, 300}, kTopRightGreen}, {{500, 1000}, kBottomLeftBlue},
        {{1500, 1000}, kBottomRightWhite}}},
      {"half off the left edge: what the zoom covered is background again",
       QRect(-200, 100, 400, 300), true,
       {{{100, 150}, kTopRightGreen}, {{100, 350}, kBottomRightWhite}, {{300, 150}, background},
        {{100, 90}, background}, {{1500, 1000}, background}}},
      {"hidden", QRect(-200, 100, 400, 300), false, {{{100, 150}, background}}},
  };
  for (const auto& step : steps) {
    image.SetBounds(step.bounds.x(), step.bounds.y(), step.bounds.width(), step.bounds.height());
    image.SetVisible(step.visible);
    const QImage shown = Screen();
    for (const auto& probe : step.probes) {
      const QColor seen = shown.pixelColor(probe.at);
      EXPECT_TRUE(Shows(seen, probe.colour))
          << step.what << ": at " << probe.at.x() << "," << probe.at.y() << " saw " << Describe(seen);
    }
  }
}

TEST_F(WindowViewTest, ModelValuesShowInTheWidgets) {
  Attach();
  label.SetCaption("paramètre ligne de commande = <s>"_cp);
  edit.SetText("Fête"_cp);
  check.SetChecked(true);
  radio.SetItemIndex(1);
  list.SetItemIndex(2);
  button.SetVisible(false);
  label.SetBounds(20, 380, 500, 20);
  toolkit.ProcessPendingEvents();

  auto* shownLabel = WidgetOf<QLabel>(label);
  ASSERT_NE(shownLabel, nullptr);
  EXPECT_EQ(shownLabel->text(), QString::fromUtf8("paramètre ligne de commande = <s>"))
      << "shown as written, never read as markup";
  EXPECT_EQ(shownLabel->geometry(), QRect(20, 380, 500, 20));
  EXPECT_EQ(WidgetOf<QLineEdit>(edit)->text(), QString::fromUtf8("Fête"));
  EXPECT_TRUE(WidgetOf<QCheckBox>(check)->isChecked());
  const auto radios = WidgetOf<QGroupBox>(radio)->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  EXPECT_EQ(radios[1]->text(), QString::fromUtf8("répertoire"));
  EXPECT_FALSE(radios[0]->isChecked());
  EXPECT_TRUE(radios[1]->isChecked());
  EXPECT_EQ(WidgetOf<QListWidget>(list)->currentRow(), 2);
  EXPECT_FALSE(WidgetOf<QPushButton>(button)->isVisible());

  radio.SetItemIndex(-1);
  toolkit.ProcessPendingEvents();
  for (QRadioButton* r : radios) EXPECT_FALSE(r->isChecked()) << "no item chosen shows none";
}

// The year-month and the filter summary: yellow text laid straight on the picture, right-justified
// against the screen's right edge, with a dark outline, and as many lines high as its text needs.
TEST_F(WindowViewTest, CornerTextIsRightJustifiedOutlinedAndAsHighAsItsLines) {
  image.SetPicture(WhitePicture(64, 36));
  image.SetBounds(0, 0, 1920, 1080);
  label.rightJustified = true;
  label.SetFontColor(colors::kYellow);
  // Three lines of text, the last one far too long for the label's 200 pixels.
  label.SetCaption(
      "dates filtrées\noui => vacances\nnon => captures d'écran et photos floues du téléphone portable de "
      "Jean-Philippe Dupont-Moreau"_cp);
  const int designedBottom = 30 + 3 * 16;
  Place(label, 1720, 30, 200, designedBottom - 30);
  Attach();
  const QImage shown = Screen();

  auto yellow = [](const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 90; };
  auto dark = [](const QColor& c) { return c.red() < 70 && c.green() < 70 && c.blue() < 70; };
  int lowestYellow = -1, rightmostFirstLine = -1, darkPixels = 0;
  for (int y = 30; y < 200; ++y) {
    for (int x = 1600; x < 1920; ++x) {
      const QColor c = shown.pixelColor(x, y);
      if (dark(c)) ++darkPixels;
      if (!yellow(c)) continue;
      lowestYellow = y;
      if (y < 30 + 14) rightmostFirstLine = std::max(rightmostFirstLine, x);
    }
  }
  EXPECT_GE(rightmostFirstLine, 1912) << "the first line ends at the screen's right edge";
  EXPECT_GT(lowestYellow, designedBottom + 8) << "the wrapped lines show, below the designed height";
  EXPECT_GT(darkPixels, 200) << "the outline around the letters";
  EXPECT_EQ(WidgetOf<QLabel>(label)->geometry().topRight(), QPoint(1919, 30)) << "grown downwards only";
}

TEST_F(WindowViewTest, AFolderPathTooLongForItsLabelKeepsItsEnds) {
  Attach();
  label.SetCaption("C:\\Photos\\2016\\Vacances d'été en Bretagne avec les cousins\\Jour 3 - la pointe du Raz"_cp);
  toolkit.ProcessPendingEvents();
  const QString shown = WidgetOf<QLabel>(label)->text();
  EXPECT_TRUE(shown.startsWith("C:\\Photos")) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith("la pointe du Raz")) << shown.toStdString();
  EXPECT_LE(WidgetOf<QLabel>(label)->fontMetrics().horizontalAdvance(shown), 300);

  label.SetBounds(10, 400, 1000, 20);
  toolkit.ProcessPendingEvents();
  EXPECT_EQ(WidgetOf<QLabel>(label)->text(), ToQString(label.Caption())) << "whole again once there is room";
}

TEST_F(WindowViewTest, UserEditsGoThroughTheModel) {
  edit.OnKeyDown = nullptr;
  Attach();
  QTest::mouseClick(WidgetOf<QLineEdit>(edit), Qt::LeftButton);
  QTest::keyClicks(WidgetOf<QLineEdit>(edit), "ab");
  EXPECT_EQ(edit.GetText(), "ab");
  // Pasted from a Mac's file name: "e" and a combining accent, one letter of the code page.
  WidgetOf<QLineEdit>(edit)->insert(QString::fromUtf8("e\xCC\x81t\xC3\xA9"));
  EXPECT_EQ(edit.GetText(), "abété"_cp);

  // Clicks land on the indicators, which belong to the buttons whatever their captions.
  auto* box = WidgetOf<QCheckBox>(check);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  EXPECT_TRUE(check.Checked());

  const auto radios = WidgetOf<QGroupBox>(radio)->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 3);
  const QPoint indicator(8, radios[2]->height() / 2);
  QTest::mouseClick(radios[2], Qt::LeftButton, {}, indicator);
  QTest::mouseClick(radios[2], Qt::LeftButton, {}, indicator);
  EXPECT_EQ(radio.ItemIndex(), 2);
  EXPECT_TRUE(radios[2]->isChecked()) << "a second click on the chosen item keeps it chosen";

  auto* lines = WidgetOf<QListWidget>(list);
  QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, lines->visualItemRect(lines->item(1)).center());
  EXPECT_EQ(list.ItemIndex(), 1);

  QTest::mouseClick(WidgetOf<QPushButton>(button), Qt::LeftButton);
  QTest::mouseClick(WidgetOf<QLabel>(label), Qt::LeftButton);

  const std::vector<std::string> expected = {"change a", "keyup 65", "change ab", "keyup 66", "change " + "abété"_cp,
                                             "exit", "checked", "radio 2", "list 1", "button", "label"};
  EXPECT_EQ(log, expected) << "each handler once; the edit box is left at the first click elsewhere";
}

TEST_F(WindowViewTest, LeavingAnEditBoxForAButtonRunsItsExitHandlerFirst) {
  Attach();
  QTest::mouseClick(WidgetOf<QLineEdit>(edit), Qt::LeftButton);
  toolkit.ProcessPendingEvents();
  EXPECT_EQ(set.Focused(), &edit);
  QTest::keyClick(WidgetOf<QLineEdit>(edit), Qt::Key_Return);
  QTest::mouseClick(WidgetOf<QPushButton>(button), Qt::LeftButton);
  toolkit.ProcessPendingEvents();
  EXPECT_EQ(set.Focused(), &button);
  EXPECT_FALSE(WidgetOf<QLineEdit>(edit)->hasFocus());
  const std::vector<std::string> expected = {"keydown 13", "keyup 13", "exit", "button"};
  EXPECT_EQ(log, expected);
}

TEST_F(WindowViewTest, AnEditBoxThatDisappearsLosesTheFocus) {
  Attach();
  QTest::mouseClick(WidgetOf<QLineEdit>(edit), Qt::LeftButton);
  toolkit.ProcessPendingEvents();
  ASSERT_EQ(set.Focused(), &edit);
  edit.SetVisible(false);
  toolkit.ProcessPendingEvents();
  EXPECT_EQ(set.Focused(), nullptr) << "the keys belong to the window again";
  EXPECT_EQ(log, std::vector<std::string>{"exit"});
}

TEST_F(WindowViewTest, KeyReleasesReachTheFormWithWindowsCodes) {
  Attach();
  QTest::keyClick(toolkit.Window(), Qt::Key_Escape);
  QTest::keyClick(toolkit.Window(), Qt::Key_Q, Qt::ShiftModifier);
  // Released over the window, pressed elsewhere (a box that Esc closed): the box's key.
  QTest::keyRelease(toolkit.Window(), Qt::Key_Escape);
  QTest::keyClick(toolkit.Window(), Qt::Key_F3);
  QTest::keyClick(WidgetOf<QLineEdit>(edit), Qt::Key_Space);
  const std::vector<std::string> expected = {"keyup 27", "keyup 81 shift", "keyup 16", "keyup 114",
                                             "keydown 32", "change  ", "keyup 32"};
  EXPECT_EQ(log, expected) << "once each (Shift too), also when a control has the key";
}

TEST_F(WindowViewTest, AHiddenLongListIsBuiltWhenItShowsAndThenGrowsByItsNewLines) {
  std::vector<Text> lines;
  for (int i = 0; i < 32766; ++i) lines.push_back("C:\\Photos\\" + std::to_string(i) + ".jpg");
  list.SetVisible(false);
  list.SetLines(lines);
  Attach();
  auto* shown = WidgetOf<QListWidget>(list);
  EXPECT_EQ(shown->count(), 0) << "not built while hidden";

  list.SetVisible(true);
  toolkit.ProcessPendingEvents();
  ASSERT_EQ(shown->count(), 32766);
  QListWidgetItem* first = shown->item(0);

  list.EditLines().push_back("C:\\Photos\\new.jpg");
  toolkit.ProcessPendingEvents();
  ASSERT_EQ(shown->count(), 32767);
  EXPECT_EQ(shown->item(0), first) << "the existing lines are kept";
  EXPECT_EQ(shown->item(32766)->text(), QString("C:\\Photos\\new.jpg"));

  list.EditLines().erase(list.EditLines().begin());
  toolkit.ProcessPendingEvents();
  ASSERT_EQ(shown->count(), 32766);
  EXPECT_EQ(shown->item(0)->text(), QString("C:\\Photos\\1.jpg"));
}

TEST(CheckListView, ACheckClickTicksTheLineThenClicksTheList) {
  ControlSet set;
  Panel form{set, "diapo", nullptr, ControlKind::Form};
  CheckListBox roots{set, "CheckListBox_rep", &form};
  PosixFileSystem fs{DriveMap{}};
  QtToolkit toolkit{fs};
  Application app{toolkit};
  toolkit.SetApplication(&app);
  roots.SetBounds(10, 10, 400, 150);
  roots.SetCheckedLines({"C:\\Photos", "D:\\Images"}, {true, false});
  std::vector<std::string> log;
  roots.OnClick = [&] {
    log.push_back("click " + std::to_string(roots.ItemIndex()) + (roots.LineChecked(1) ? " ticked" : ""));
  };
  toolkit.AttachWindow(WindowBinding{&set, &form, {}, nullptr});
  toolkit.ProcessPendingEvents();
  auto* shown = dynamic_cast<QListWidget*>(toolkit.WidgetOf(roots));
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(shown->item(1)->checkState(), Qt::Unchecked);

  // The check indicator sits at the left of the line.
  const QRect line = shown->visualItemRect(shown->item(1));
  QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, QPoint(line.left() + 8, line.center().y()));
  EXPECT_TRUE(roots.LineChecked(1));
  EXPECT_EQ(log, std::vector<std::string>{"click 1 ticked"});
}

TEST(TimerView, TicksRunTheTimerHandler) {
  ControlSet set;
  Panel form{set, "diapo", nullptr, ControlKind::Form};
  Timer timer{set, "Timer1", &form};
  PosixFileSystem fs{DriveMap{}};
  QtToolkit toolkit{fs};
  Application app{toolkit};
  toolkit.SetApplication(&app);
  timer.intervalMs = 10;
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  toolkit.AttachWindow(WindowBinding{&set, &form, {}, &timer});
  for (int wait = 0; wait < 1000 && ticks < 3; ++wait) toolkit.WaitAndProcessEvent();
  ASSERT_GE(ticks, 3);
  timer.enabled = false;
  const int seen = ticks;
  QTest::qWait(50);
  EXPECT_EQ(ticks, seen) << "a disabled timer runs nothing";
}

TEST(SnapshotView, APlacedPictureAndABoxAreSavedAsNumberedPngFiles) {
  testing::TempDir folder;
  qputenv("LUMIVEL_SNAPSHOTS", QByteArray::fromStdString(folder.Path().string()));
  ControlSet set;
  Panel form{set, "diapo", nullptr, ControlKind::Form};
  PictureBox image{set, "Image2", &form};
  PosixFileSystem fs{DriveMap{}};
  QtToolkit toolkit{fs};
  qunsetenv("LUMIVEL_SNAPSHOTS");
  Application app{toolkit};
  toolkit.SetApplication(&app);
  toolkit.AttachWindow(WindowBinding{&set, &form, {}, nullptr});

  image.SetPicture(QuarterScalePicture());
  toolkit.PictureLoaded("C:\\Photos\\a.jpg", 400, 300);
  for (int pass = 0; pass < 3; ++pass) {
    image.SetBounds(100 - pass, 50, 400 + 2 * pass, 300);
    toolkit.PicturePlaced(image.Left(), image.Top(), image.Width(), image.Height());
  }
  QTimer::singleShot(100, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  toolkit.ShowMessage("aucune image retenue");
  toolkit.DetachWindow();

  const QStringList files = QDir(QString::fromStdString(folder.Path().string())).entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(files, QStringList({"0001-picture.png", "0002-box.png"}))
      << "one picture however often it is placed, then the box";
  const QImage picture(QString::fromStdString((folder.Path() / "0001-picture.png").string()));
  ASSERT_EQ(picture.size(), QSize(1920, 1080));
  EXPECT_TRUE(Shows(picture.pixelColor(150, 100), kTopLeftRed));
  EXPECT_TRUE(Shows(picture.pixelColor(450, 300), kBottomRightWhite));
}

}  // namespace
}  // namespace lumivel
