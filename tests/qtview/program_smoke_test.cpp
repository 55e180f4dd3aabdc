// The whole program with the Qt view, as a person starts it on a fresh machine: the window comes
// up with the model's controls, the keys reach the main window's handler, and the options dialog
// is a small window of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "qt/qt_text.h"
#include "qtview/program_run.h"

namespace lumivel {
namespace {

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
               QTest::keyClick(window, Qt::Key_Escape);
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
               QTest::keyClick(toolkit.WidgetOf(Find(toolkit, "Edit_contient")), Qt::Key_Escape);
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
               QTest::keyClick(toolkit.Window(), Qt::Key_Q);
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
