// The whole program with the Qt view, as a person starts it on a fresh machine: the window comes
// up with the model's controls, the keys reach the main window's handler, and the options dialog
// is a small window of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/program.h"
#include "platform/posix/picture_loader.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_launcher.h"
#include "platform/posix/system_clock.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_toolkit.h"
#include "show/random_source.h"
#include "support/test_support.h"

namespace lumivel {
namespace {

class NoSound : public Sound {
 public:
  void PlayWave(const std::vector<uint8_t>&) override {}
};

class FixedScreenSaver : public ScreenSaverSettings {
 public:
  void ReadActive(bool& active) override { active = true; }
  void ReadTimeout(int32_t& seconds) override { seconds = 600; }
  void SetTimeout(int32_t) override {}
};

// The view, remembering the window the program attached.
class WatchedToolkit : public QtToolkit {
 public:
  using QtToolkit::QtToolkit;
  void AttachWindow(const WindowBinding& window) override {
    binding = window;
    QtToolkit::AttachWindow(window);
  }
  WindowBinding binding;
};

// Runs the program on an empty drive C. Every 50 ms of its event loop a box that is open is
// answered with its last button (OK, or "&Non"), otherwise the next step runs; a step returns true
// when it is done. A run that does not end within 20 s closes its window.
class ProgramRun {
 public:
  ProgramRun() : fs_(Drives()), launcher_(fs_), toolkit_(fs_), app_(toolkit_) { toolkit_.SetApplication(&app_); }

  int Run(const std::string& argument, std::vector<std::function<bool(WatchedToolkit&)>> steps) {
    size_t next = 0;
    int ticks = 0;
    QTimer driver;
    driver.setInterval(50);
    QObject::connect(&driver, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxes.push_back(box->text().toStdString());
        box->buttons().back()->click();
        return;
      }
      if (++ticks > 400) {
        timedOut = true;
        if (QWidget* window = toolkit_.Window()) window->close();
        return;
      }
      if (next < steps.size() && steps[next](toolkit_)) ++next;
    });
    driver.start();
    Services services{fs_, clock_, random_, pictures_, sound_, saver_, launcher_};
    const int code = RunProgram(app_, toolkit_, services, argument,
                                [this](ControlSet&, Tdiapo*) { toolkit_.DetachWindow(); });
    stepsDone = next;
    return code;
  }

  std::vector<std::string> boxes;
  size_t stepsDone = 0;
  bool timedOut = false;
  // A file of the data folder as a first start creates it: C:\lumivel.
  std::filesystem::path DataFile(const std::string& name) const { return driveC_.Path() / "lumivel" / name; }

 private:
  DriveMap Drives() const {
    DriveMap drives;
    drives.Map('C', driveC_.Path().string());
    return drives;
  }

  testing::TempDir driveC_;
  PosixFileSystem fs_;
  SystemClock clock_;
  UniformRandomSource random_;
  PosixPictureLoader pictures_;
  NoSound sound_;
  FixedScreenSaver saver_;
  PosixLauncher launcher_;
  WatchedToolkit toolkit_;
  Application app_;
};

Control& Find(WatchedToolkit& toolkit, const std::string& name) {
  Control* control = toolkit.binding.controls->Find(name);
  if (!control) throw std::runtime_error("no control " + name);
  return *control;
}

// Once the show has given way to the options panel (the index of an empty drive is empty).
bool PanelOpen(WatchedToolkit& toolkit) {
  return Find(toolkit, "Panel1").Visible() && toolkit.WidgetOf(Find(toolkit, "Panel1"))->isVisible();
}

TEST(ProgramWithQtView, ComesUpFullScreenWithTheModelsControlsAndQuitsOnEsc) {
  ProgramRun run;
  std::vector<std::string> mismatches;
  const int code = run.Run(
      "/s", {PanelOpen,
             [&](WatchedToolkit& toolkit) {
               QWidget* window = toolkit.Window();
               if (window->geometry() != QRect(0, 0, 1920, 1080) || !window->isFullScreen()) {
                 mismatches.push_back("window not full screen");
               }
               int compared = 0;
               for (Control* control : toolkit.binding.controls->All()) {
                 QWidget* widget = toolkit.WidgetOf(*control);
                 if (!widget || control == toolkit.binding.form) continue;
                 ++compared;
                 const QRect bounds(control->Left(), control->Top(), control->Width(), control->Height());
                 if (widget->geometry() != bounds) mismatches.push_back(control->Name() + " misplaced");
                 if (widget->isVisibleTo(widget->parentWidget()) != control->Visible()) {
                   mismatches.push_back(control->Name() + " visibility");
                 }
                 if (auto* label = dynamic_cast<QLabel*>(widget); label && label->text() != ToQString(control->Caption())) {
                   mismatches.push_back(control->Name() + " caption");
                 }
               }
               if (compared < 100) mismatches.push_back("only " + std::to_string(compared) + " widgets");
               auto* version = dynamic_cast<QLabel*>(toolkit.WidgetOf(Find(toolkit, "Label11")));
               if (!version || !version->isVisible() || version->text() != "Lumivel 3.8") {
                 mismatches.push_back("Label11 does not show the version");
               }
               QTest::keyRelease(window, Qt::Key_Escape);
               return true;
             }});
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(run.stepsDone, 2u);
  EXPECT_TRUE(mismatches.empty()) << ::testing::PrintToString(mismatches);
  ASSERT_FALSE(run.boxes.empty());
  EXPECT_NE(run.boxes.front().find("aucune image retenue"), std::string::npos) << run.boxes.front();
}

TEST(ProgramWithQtView, EscTypedInAnEditBoxStaysInItUntilTheFocusMovesOn) {
  ProgramRun run;
  const int code = run.Run(
      "/s", {PanelOpen,
             [](WatchedToolkit& toolkit) {
               QApplication::setActiveWindow(toolkit.Window());
               QTest::mouseClick(toolkit.WidgetOf(Find(toolkit, "Edit_contient")), Qt::LeftButton);
               return toolkit.binding.controls->Focused() == &Find(toolkit, "Edit_contient");
             },
             [](WatchedToolkit& toolkit) {
               QTest::keyRelease(toolkit.WidgetOf(Find(toolkit, "Edit_contient")), Qt::Key_Escape);
               return true;
             },
             [](WatchedToolkit& toolkit) {
               // Clicking a list moves the focus out of the edit box; then Q quits.
               QWidget* roots = toolkit.WidgetOf(Find(toolkit, "CheckListBox_rep"));
               auto* list = dynamic_cast<QListWidget*>(roots);
               QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 140));
               return true;
             },
             [](WatchedToolkit& toolkit) {
               QTest::keyRelease(toolkit.Window(), Qt::Key_Q);
               return true;
             }});
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(run.stepsDone, 5u) << "Esc in the edit box must not have ended the program";
  EXPECT_EQ(code, 1);
}

// Closing the window (its close button, or the window manager at the end of a session) leaves as
// Esc does: the settings of this first start are saved.
TEST(ProgramWithQtView, ClosingTheWindowQuitsAsEscDoes) {
  ProgramRun run;
  const int code = run.Run("/s", {PanelOpen, [](WatchedToolkit& toolkit) {
                                    toolkit.Window()->close();
                                    return true;
                                  }});
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(code, 1);
  EXPECT_TRUE(std::filesystem::exists(run.DataFile("lumivel_var.prm")));
}

TEST(ProgramWithQtView, TheOptionsDialogIsASmallWindowThatCancelEnds) {
  ProgramRun run;
  QRect geometry;
  bool fullScreen = true;
  QString text;
  const int code = run.Run(
      "/c", {[&](WatchedToolkit& toolkit) {
        QWidget* window = toolkit.Window();
        geometry = window->geometry();
        fullScreen = window->isFullScreen();
        text = dynamic_cast<QLineEdit*>(toolkit.WidgetOf(Find(toolkit, "Edit1")))->text();
        QTest::mouseClick(toolkit.WidgetOf(Find(toolkit, "Button2")), Qt::LeftButton);
        return true;
      }});
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(geometry.size(), QSize(381, 155));
  EXPECT_FALSE(fullScreen);
  EXPECT_EQ(text, QString("Brunald je vais t'hypnotiser !"));
}

}  // namespace
}  // namespace lumivel
