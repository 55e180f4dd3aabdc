// Every caption of the panels shows whole: in the compact and the full layout, on the advanced and
// the renaming panels, each visible control's caption fits inside the bounds it was designed with.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

#include "qt/qt_text.h"
#include "qtview/program_run.h"

namespace lumivel {
namespace {

using namespace literals;

// Whether any part of the widget shows inside every one of its parents.
bool ShowsInItsParents(const QWidget* widget) {
  if (!widget->isVisible()) return false;
  QRect area = widget->rect();
  for (const QWidget* w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget()) {
    area = area.translated(w->pos()).intersected(w->parentWidget()->rect());
    if (area.isEmpty()) return false;
  }
  return true;
}

struct Fit {
  int needed = 0;
  int available = 0;
};

// The room a caption takes and the room its widget gives it, by the widget's kind.
std::optional<Fit> CaptionFit(QWidget* widget, const QString& caption) {
  if (caption.trimmed().isEmpty()) return std::nullopt;
  const QFontMetrics metrics(widget->font());
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->wordWrap()) return Fit{label->heightForWidth(label->width()), label->height()};
    return Fit{metrics.horizontalAdvance(caption), label->width()};
  }
  if (auto* check = qobject_cast<QCheckBox*>(widget)) return Fit{check->sizeHint().width(), check->width()};
  if (auto* radio = qobject_cast<QRadioButton*>(widget)) return Fit{radio->sizeHint().width(), radio->width()};
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = caption;
    const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return Fit{metrics.size(Qt::TextShowMnemonic, caption).width(), inside.width()};
  }
  if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = caption;
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    return Fit{title.left() + metrics.horizontalAdvance(caption), box->width()};
  }
  if (qobject_cast<QFrame*>(widget)) {
    // A panel draws its caption inside its raised frame, 2 pixels each side (4 as a heading).
    const int margin = widget->children().isEmpty() ? 4 : 8;
    return Fit{metrics.horizontalAdvance(caption), widget->width() - margin};
  }
  return std::nullopt;
}

// "name: caption needs N, has M" for each visible caption that does not fit its control.
std::vector<std::string> CutCaptions(WatchedToolkit& toolkit, int& measured) {
  std::vector<std::string> cut;
  auto check = [&](const std::string& name, QWidget* widget, const QString& caption) {
    if (!ShowsInItsParents(widget)) return;
    const std::optional<Fit> fit = CaptionFit(widget, caption);
    if (!fit) return;
    ++measured;
    if (fit->needed > fit->available) {
      cut.push_back(name + " \"" + caption.toStdString() + "\" needs " + std::to_string(fit->needed) +
                    ", has " + std::to_string(fit->available));
    }
  };
  for (Control* control : toolkit.binding.controls->All()) {
    QWidget* widget = toolkit.WidgetOf(*control);
    // The panels' controls; the captions over the picture are not theirs.
    if (!widget || control->Parent() == toolkit.binding.form || control->Kind() == ControlKind::Edit ||
        control->Kind() == ControlKind::ComboBox) {
      continue;
    }
    check(control->Name(), widget, ToQString(control->Caption()));
    for (QRadioButton* item : widget->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
      check(control->Name() + " item", item, item->text());
    }
  }
  return cut;
}

std::function<bool(WatchedToolkit&)> Click(const std::string& name) {
  return [name](WatchedToolkit& toolkit) {
    QTest::mouseClick(toolkit.WidgetOf(Find(toolkit, name)), Qt::LeftButton);
    return true;
  };
}

TEST(Captions, EveryVisibleCaptionOfThePanelsFitsItsControl) {
  ProgramRun run;
  std::map<std::string, std::vector<std::string>> cutBySight;
  std::map<std::string, int> measuredBySight;
  auto measure = [&](const std::string& sight) {
    return [&, sight](WatchedToolkit& toolkit) {
      toolkit.ProcessPendingEvents();
      cutBySight[sight] = CutCaptions(toolkit, measuredBySight[sight]);
      return true;
    };
  };
  // The captions a show of a real library writes, at their longest likely lengths.
  auto fillCaptions = [](WatchedToolkit& toolkit) {
    Find(toolkit, "CheckBox1").SetCaption("voir la liste filtrée des 1000 répertoires (42000 images)"_cp);
    Find(toolkit, "Label_repertoire").SetCaption("Z:\\home\\ann\\Photos\\2016-07 Vacances Bretagne"_cp);
    Find(toolkit, "Label_nom_img").SetCaption("IMG_20160714_183015.jpg");
    Find(toolkit, "Label5").SetCaption("32766");
    Find(toolkit, "Label13").SetCaption("142000 images");
    Find(toolkit, "Label21").SetCaption("142000 : 32766");
    Find(toolkit, "Label24").SetCaption("1234");
    return true;
  };
  auto layout = [](const char* caption) {
    return [caption](WatchedToolkit& toolkit) {
      if (ToQString(Find(toolkit, "Button_avec_sans_option").Caption()) == QString::fromUtf8(caption)) {
        QTest::mouseClick(toolkit.WidgetOf(Find(toolkit, "Button_avec_sans_option")), Qt::LeftButton);
      }
      return true;
    };
  };
  const int code = run.Run(
      "/s", {PanelOpen, fillCaptions, layout("moins d'options"), measure("compact panel"), layout("options"),
             measure("full panel"), Click("Button_param_avancer"), measure("advanced panels"),
             Click("SpeedButton2"), measure("renaming panel"), [](WatchedToolkit& toolkit) {
               QTest::keyClick(toolkit.Window(), Qt::Key_Escape);
               return true;
             }});
  EXPECT_FALSE(run.timedOut);
  EXPECT_EQ(code, 1);
  for (const char* sight : {"compact panel", "full panel", "advanced panels", "renaming panel"}) {
    EXPECT_TRUE(cutBySight[sight].empty()) << sight << ": " << ::testing::PrintToString(cutBySight[sight]);
  }
  // What was measured: the compact row (the version and the eight buttons), and far more in the
  // full layouts.
  EXPECT_EQ(measuredBySight["compact panel"], 9);
  EXPECT_GT(measuredBySight["full panel"], 60);
  EXPECT_GT(measuredBySight["advanced panels"], measuredBySight["full panel"]);
  EXPECT_GT(measuredBySight["renaming panel"], measuredBySight["advanced panels"]);
}

}  // namespace
}  // namespace lumivel
