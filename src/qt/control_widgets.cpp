#include "qt/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <climits>
#include <optional>

#include "qt/control_font.h"
#include "qt/qt_text.h"

namespace lumivel {

namespace {

// Tool-tips keep their blanks and line feeds, as the program writes them.
QString ToolTipHtml(const Text& hint) {
  if (hint.empty()) return {};
  QString text = ToQString(hint).toHtmlEscaped();
  text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<p style='white-space:pre'>") + text + QStringLiteral("</p>");
}

// A press and a release over the same widget, as a click is.
class ClickTracker {
 public:
  void Press(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
  }
  bool Release(QWidget* widget, QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       widget->rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    return click;
  }

 private:
  bool pressed_ = false;
};

// A label's colour of its own shows behind its text only, not across the whole width it was
// designed with (the title line is 1400 pixels wide). Text laid straight on the picture can have a
// thin dark outline, which keeps it legible on a bright photo.
class ClickableLabel : public QLabel {
 public:
  ClickableLabel(QWidget* parent, std::function<void()> clicked)
      : QLabel(parent), clicked_(std::move(clicked)) {}
  // An invalid colour: the parent shows through.
  void SetBackground(const QColor& colour) {
    background_ = colour;
    update();
  }
  void SetOutlined(bool outlined) {
    outlined_ = outlined;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (text().isEmpty() || (!background_.isValid() && !outlined_)) {
      QLabel::paintEvent(event);
      return;
    }
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (background_.isValid()) {
      QRect area = inside;
      if (!wordWrap()) {
        const int textWidth = std::min(inside.width(), fontMetrics().horizontalAdvance(text()) + 4);
        if (alignment() & Qt::AlignRight) {
          area.setLeft(area.right() - textWidth + 1);
        } else {
          area.setWidth(textWidth);
        }
      }
      painter.fillRect(area, background_);
    }
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    if (outlined_) {
      QPalette dark = palette();
      dark.setColor(QPalette::WindowText, QColor(0, 0, 0, 220));
      for (const QPoint& offset : {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1), QPoint(-1, 0), QPoint(1, 0),
                                   QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)}) {
        style()->drawItemText(&painter, inside.translated(offset), flags, dark, true, text(), QPalette::WindowText);
      }
    }
    style()->drawItemText(&painter, inside, flags, palette(), isEnabled(), text(), QPalette::WindowText);
  }
  void mousePressEvent(QMouseEvent* event) override { tracker_.Press(event); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (tracker_.Release(this, event)) clicked_();
  }

 private:
  std::function<void()> clicked_;
  ClickTracker tracker_;
  QColor background_;
  bool outlined_ = false;
};

// A raised panel with its caption: centred when it holds nothing else, as a heading otherwise.
class PanelFrame : public QFrame {
 public:
  PanelFrame(QWidget* parent, bool heading, std::function<void()> clicked)
      : QFrame(parent), heading_(heading), clicked_(std::move(clicked)) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
  }
  void SetCaption(const QString& caption) {
    caption_ = caption;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().height();
    const QRect area = heading_ ? QRect(4, 3, width() - 8, lineHeight) : rect().adjusted(2, 1, -2, -1);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, caption_);
  }
  void mousePressEvent(QMouseEvent* event) override { tracker_.Press(event); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (tracker_.Release(this, event)) clicked_();
  }

 private:
  bool heading_;
  QString caption_;
  std::function<void()> clicked_;
  ClickTracker tracker_;
};

class LabelControl : public ControlWidget {
 public:
  LabelControl(Control& control, ClickableLabel* label) : ControlWidget(control, label), label_(label) {
    label_->setTextFormat(Qt::PlainText);
    const auto* design = dynamic_cast<const Label*>(&control);
    label_->setAlignment((design && design->rightJustified ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
  }
  bool UpdateContent() override {
    if (!shown_ || *shown_ != GetControl().Caption()) {
      shown_ = GetControl().Caption();
      ShowCaption();
    }
    return true;
  }

 protected:
  void ApplyColors() override {
    ControlWidget::ApplyColors();
    label_->setAutoFillBackground(false);
    const Control& c = GetControl();
    const bool ownColor = c.Color() != colors::kBtnFace;
    label_->SetBackground(ownColor ? ToQColor(c.Color()) : QColor());
    // Straight on the form, with nothing behind it but the picture.
    label_->SetOutlined(!ownColor && c.Parent() && c.Parent()->Kind() == ControlKind::Form);
  }
  void Relayout() override {
    // A label designed two lines high or more wraps its words, as a multi-line caption is designed.
    label_->setWordWrap(GetControl().Height() >= 2 * label_->fontMetrics().lineSpacing());
    if (shown_) ShowCaption();
  }

 private:
  // A one-line caption longer than its label (a deep folder's path) keeps its beginning and its
  // end, the folder's own name, rather than losing its end at the label's edge.
  void ShowCaption() {
    const QString caption = ToQString(*shown_);
    const bool tooLong = !label_->wordWrap() && !caption.contains(QLatin1Char('\n')) &&
                         label_->fontMetrics().horizontalAdvance(caption) > label_->contentsRect().width();
    label_->setText(tooLong ? label_->fontMetrics().elidedText(caption, Qt::ElideMiddle, label_->contentsRect().width())
                            : caption);
    FitHeight();
  }

  // A label that wraps is as high as its lines, so that none is cut off; never lower than designed.
  void FitHeight() {
    const int designed = std::max(0, GetControl().Height());
    const int height = label_->wordWrap() ? std::max(designed, label_->heightForWidth(label_->width())) : designed;
    if (height != label_->height()) label_->resize(label_->width(), height);
  }

  ClickableLabel* label_;
  std::optional<Text> shown_;
};

class PanelControl : public ControlWidget {
 public:
  PanelControl(Control& control, PanelFrame* frame) : ControlWidget(control, frame), frame_(frame) {}
  bool UpdateContent() override {
    if (!shown_ || *shown_ != GetControl().Caption()) {
      shown_ = GetControl().Caption();
      frame_->SetCaption(ToQString(*shown_));
    }
    return true;
  }

 private:
  PanelFrame* frame_;
  std::optional<Text> shown_;
};

class GroupBoxControl : public ControlWidget {
 public:
  GroupBoxControl(Control& control, QGroupBox* box) : ControlWidget(control, box), box_(box) {}
  bool UpdateContent() override {
    box_->setTitle(ToQString(GetControl().Caption()));
    return true;
  }

 private:
  QGroupBox* box_;
};

class BevelControl : public ControlWidget {
 public:
  BevelControl(Control& control, QFrame* frame) : ControlWidget(control, frame) {
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void ApplyColors() override {}
};

class ButtonControl : public ControlWidget {
 public:
  ButtonControl(Control& control, QPushButton* button, const Deliver& deliver)
      : ControlWidget(control, button), button_(button) {
    // The keyboard drives the show: a button must not take the space bar for itself.
    button_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button_, &QPushButton::clicked, [&control, deliver] {
      deliver([&control] { control.Click(); });
    });
  }
  bool UpdateContent() override {
    button_->setText(ToQString(GetControl().Caption()));
    return true;
  }

 private:
  QPushButton* button_;
};

class CheckBoxControl : public ControlWidget {
 public:
  CheckBoxControl(CheckBox& control, QCheckBox* box, const Deliver& deliver)
      : ControlWidget(control, box), check_(control), box_(box) {
    box_->setFocusPolicy(Qt::NoFocus);
    QObject::connect(box_, &QCheckBox::clicked, [this, deliver](bool checked) {
      deliver([this, checked] { check_.SetChecked(checked); });
      // A handler may have refused the change; the box shows what the control holds.
      UpdateContent();
    });
  }
  bool UpdateContent() override {
    box_->setText(ToQString(check_.Caption()));
    box_->setChecked(check_.Checked());
    return true;
  }

 private:
  CheckBox& check_;
  QCheckBox* box_;
};

class RadioGroupControl : public ControlWidget {
 public:
  RadioGroupControl(RadioGroup& control, QGroupBox* box, Deliver deliver)
      : ControlWidget(control, box), group_(control), box_(box), deliver_(std::move(deliver)) {}

  bool UpdateContent() override {
    box_->setTitle(ToQString(group_.Caption()));
    if (group_.items != items_) {
      for (QRadioButton* button : buttons_) delete button;
      buttons_.clear();
      items_ = group_.items;
      for (size_t i = 0; i < items_.size(); ++i) {
        auto* button = new QRadioButton(ToQString(items_[i]), box_);
        // The group decides which item is on, also "none" (-1), which exclusive buttons cannot show.
        button->setAutoExclusive(false);
        button->setFocusPolicy(Qt::NoFocus);
        const int index = static_cast<int>(i);
        QObject::connect(button, &QRadioButton::clicked, [this, index] {
          deliver_([this, index] { group_.SetItemIndex(index); });
          UpdateContent();
        });
        button->show();
        buttons_.push_back(button);
      }
      Relayout();
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
      buttons_[i]->setChecked(static_cast<int>(i) == group_.ItemIndex());
    }
    return true;
  }

 protected:
  // Items in equal rows inside the frame, below the caption; more columns when the rows would not
  // fit, filled column after column.
  void Relayout() override {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const QRect inside = box_->contentsRect();
    const int rowHeight = std::max(box_->fontMetrics().height() + 2, 16);
    const int available = std::max(inside.height(), rowHeight);
    const int fittingRows = std::max(1, available / rowHeight);
    const int columns = (count + fittingRows - 1) / fittingRows;
    const int rows = (count + columns - 1) / columns;
    const int columnWidth = std::max(1, (inside.width() - 8) / columns);
    const int pitch = std::max(rowHeight, available / rows);
    for (int i = 0; i < count; ++i) {
      const int column = i / rows;
      const int row = i % rows;
      buttons_[static_cast<size_t>(i)]->setGeometry(inside.left() + 4 + column * columnWidth,
                                                    inside.top() + row * pitch + (pitch - rowHeight) / 2,
                                                    columnWidth - 4, rowHeight);
    }
  }

 private:
  RadioGroup& group_;
  QGroupBox* box_;
  Deliver deliver_;
  std::vector<Text> items_;
  std::vector<QRadioButton*> buttons_;
};

class EditControl : public ControlWidget {
 public:
  EditControl(Edit& control, QLineEdit* line, const Deliver& deliver)
      : ControlWidget(control, line), edit_(control), line_(line) {
    QObject::connect(line_, &QLineEdit::textEdited, [this, deliver](const QString& text) {
      deliver([this, text] { edit_.SetText(FromQString(text)); });
    });
  }
  bool UpdateContent() override {
    // Only a text that differs is set, so the user's cursor stays where it is while typing.
    if (FromQString(line_->text()) != edit_.GetText()) line_->setText(ToQString(edit_.GetText()));
    return true;
  }

 private:
  Edit& edit_;
  QLineEdit* line_;
};

class ComboBoxControl : public ControlWidget {
 public:
  ComboBoxControl(ComboBox& control, QComboBox* combo, const Deliver& deliver)
      : ControlWidget(control, combo), combo_box_(control), combo_(combo) {
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, [this, deliver](const QString& text) {
      deliver([this, text] { combo_box_.SetText(FromQString(text)); });
    });
    QObject::connect(combo_, &QComboBox::activated, [this, deliver](int index) {
      const Text text = FromQString(combo_->itemText(index));
      deliver([this, text] { combo_box_.SetText(text); });
    });
  }
  bool UpdateContent() override {
    if (combo_box_.items != items_) {
      const QSignalBlocker blocker(combo_);
      items_ = combo_box_.items;
      combo_->clear();
      for (const Text& item : items_) combo_->addItem(ToQString(item));
    }
    if (FromQString(combo_->currentText()) != combo_box_.GetText()) {
      const QSignalBlocker blocker(combo_);
      combo_->setEditText(ToQString(combo_box_.GetText()));
    }
    return true;
  }

 private:
  ComboBox& combo_box_;
  QComboBox* combo_;
  std::vector<Text> items_;
};

// A list box, or a list with a check box per line. Its lines follow the control's by the smallest
// change that keeps the common head and tail, so appending to a long history costs one line.
class ListControl : public ControlWidget {
 public:
  ListControl(ListBox& control, QListWidget* list, const Deliver& deliver)
      : ControlWidget(control, list),
        lines_(control),
        checks_(dynamic_cast<CheckListBox*>(&control)),
        list_(list) {
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list_, &QListWidget::itemChanged, [this, deliver](QListWidgetItem* item) {
      if (!checks_) return;
      const int row = list_->row(item);
      const bool checked = item->checkState() == Qt::Checked;
      deliver([this, row, checked] { checks_->SetLineChecked(row, checked); });
    });
    QObject::connect(list_, &QListWidget::clicked, [this, deliver](const QModelIndex& index) {
      const int row = index.row();
      deliver([this, row] {
        lines_.SetItemIndex(row);
        lines_.Click();
      });
    });
  }

  bool UpdateContent() override {
    if (!GetControl().Showing()) return false;
    const QSignalBlocker blocker(list_);
    UpdateLines();
    if (checks_) UpdateChecks();
    if (list_->currentRow() != lines_.ItemIndex()) {
      if (lines_.ItemIndex() < 0) list_->clearSelection();
      list_->setCurrentRow(lines_.ItemIndex());
    }
    return true;
  }

 private:
  void UpdateLines() {
    const std::vector<Text>& lines = lines_.Lines();
    const size_t oldCount = shown_.size();
    const size_t newCount = lines.size();
    size_t head = 0;
    while (head < oldCount && head < newCount && shown_[head] == lines[head]) ++head;
    size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           shown_[oldCount - 1 - tail] == lines[newCount - 1 - tail]) {
      ++tail;
    }
    const size_t removed = oldCount - head - tail;
    const size_t added = newCount - head - tail;
    if (removed > 0) list_->model()->removeRows(static_cast<int>(head), static_cast<int>(removed));
    if (added > 0) {
      QStringList texts;
      texts.reserve(static_cast<qsizetype>(added));
      for (size_t i = head; i < head + added; ++i) texts.push_back(ToQString(lines[i]));
      list_->insertItems(static_cast<int>(head), texts);
      if (checks_) {
        for (size_t i = head; i < head + added; ++i) {
          QListWidgetItem* item = list_->item(static_cast<int>(i));
          item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
          item->setCheckState(Qt::Unchecked);
        }
      }
    }
    shown_ = lines;
    shownChecks_.erase(shownChecks_.begin() + static_cast<std::ptrdiff_t>(head),
                       shownChecks_.begin() + static_cast<std::ptrdiff_t>(head + removed));
    shownChecks_.insert(shownChecks_.begin() + static_cast<std::ptrdiff_t>(head), added, false);
  }

  void UpdateChecks() {
    for (size_t i = 0; i < shownChecks_.size(); ++i) {
      const bool checked = checks_->LineChecked(static_cast<int>(i));
      if (shownChecks_[i] == checked) continue;
      shownChecks_[i] = checked;
      list_->item(static_cast<int>(i))->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
  }

  ListBox& lines_;
  CheckListBox* checks_;
  QListWidget* list_;
  std::vector<Text> shown_;
  std::vector<bool> shownChecks_;
};

}  // namespace

void ControlWidget::UpdateLook() {
  const Control& c = control_;
  const QRect bounds(c.Left(), c.Top(), std::max(0, c.Width()), std::max(0, c.Height()));
  const bool first = !shown_;
  if (first) shown_ = std::make_unique<Look>();
  Look& look = *shown_;
  bool relayout = first;
  if (first || look.bounds != bounds) {
    // Laid out again after any move too: a label may have grown past its designed height.
    relayout = true;
    look.bounds = bounds;
    widget_->setGeometry(bounds);
  }
  if (first || look.color != c.Color() || look.fontColor != c.FontColor()) {
    look.color = c.Color();
    look.fontColor = c.FontColor();
    ApplyColors();
  }
  if (first || look.bold != c.FontBold() || look.fontSize != c.FontSize()) {
    look.bold = c.FontBold();
    look.fontSize = c.FontSize();
    widget_->setFont(ControlFont(std::max(1, c.FontSize()), c.FontBold()));
    relayout = true;
  }
  if (first || look.hint != c.Hint()) {
    look.hint = c.Hint();
    widget_->setToolTip(ToolTipHtml(c.Hint()));
    // Kept until the pointer leaves the control.
    widget_->setToolTipDuration(INT_MAX);
  }
  if (relayout) Relayout();
  if (first || look.visible != c.Visible()) {
    look.visible = c.Visible();
    widget_->setVisible(c.Visible());
  }
}

void ControlWidget::ApplyColors() {
  const Control& c = control_;
  QPalette palette = widget_->palette();
  const QColor text = ToQColor(c.FontColor());
  // The default colour of a label, a check box or a radio group is its parent's.
  const bool ownColor = c.Color() != colors::kBtnFace;
  bool fill = false;
  switch (c.Kind()) {
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
      palette.setColor(QPalette::Text, text);
      palette.setColor(QPalette::Base, ToQColor(ownColor ? c.Color() : colors::kWindow));
      break;
    case ControlKind::Button:
    case ControlKind::SpeedButton:
      palette.setColor(QPalette::ButtonText, text);
      break;
    case ControlKind::Panel:
      palette.setColor(QPalette::WindowText, text);
      palette.setColor(QPalette::Window, ToQColor(c.Color()));
      fill = true;
      break;
    default:
      palette.setColor(QPalette::WindowText, text);
      palette.setColor(QPalette::Window, ToQColor(c.Color()));
      fill = ownColor;
      break;
  }
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(fill);
}

std::unique_ptr<ControlWidget> MakeControlWidget(Control& control, QWidget* parent,
                                                 const Deliver& deliver) {
  auto click = [&control, deliver] { deliver([&control] { control.Click(); }); };
  switch (control.Kind()) {
    case ControlKind::Label:
      return std::make_unique<LabelControl>(control, new ClickableLabel(parent, click));
    case ControlKind::Panel:
      return std::make_unique<PanelControl>(
          control, new PanelFrame(parent, !control.Children().empty(), click));
    case ControlKind::GroupBox:
      return std::make_unique<GroupBoxControl>(control, new QGroupBox(parent));
    case ControlKind::Bevel:
      return std::make_unique<BevelControl>(control, new QFrame(parent));
    case ControlKind::Button:
    case ControlKind::SpeedButton:
      return std::make_unique<ButtonControl>(control, new QPushButton(parent), deliver);
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxControl>(static_cast<CheckBox&>(control), new QCheckBox(parent),
                                               deliver);
    case ControlKind::RadioGroup:
      return std::make_unique<RadioGroupControl>(static_cast<RadioGroup&>(control),
                                                 new QGroupBox(parent), deliver);
    case ControlKind::Edit:
      return std::make_unique<EditControl>(static_cast<Edit&>(control), new QLineEdit(parent), deliver);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxControl>(static_cast<ComboBox&>(control), new QComboBox(parent),
                                               deliver);
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
      return std::make_unique<ListControl>(static_cast<ListBox&>(control), new QListWidget(parent),
                                           deliver);
    case ControlKind::Form:
    case ControlKind::Picture:
    case ControlKind::Timer:
      break;
  }
  return nullptr;
}

}  // namespace lumivel
