#include "ui/controls.h"

#include "services/picture.h"

namespace lumivel {

bool IsTextBox(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::ComboBox; }

bool TakesFocusOnClick(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioGroup:
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
      return true;
    default:
      return false;
  }
}

void ControlSet::Register(Control* control) {
  all_.push_back(control);
  byName_[control->Name()] = control;
}

Control* ControlSet::Find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void ControlSet::SetFocus(Control* control) {
  if (control == focused_) return;
  Control* previous = focused_;
  focused_ = control;
  if (auto* edit = dynamic_cast<Edit*>(previous); edit && edit->OnExit) edit->OnExit();
}

Control::Control(ControlSet& set, ControlKind kind, std::string name, Control* parent)
    : set_(set), kind_(kind), name_(std::move(name)), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
  set_.Register(this);
}

void Control::Changed() {
  ++revision_;
  if (auto* observer = set_.Observer()) observer->ControlChanged(*this);
}

void Control::SetCaption(const Text& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed();
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Changed();
}

void Control::SetColor(int32_t color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void Control::SetFontColor(int32_t color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  Changed();
}

void Control::SetFontBold(bool bold) {
  if (bold == fontBold_) return;
  fontBold_ = bold;
  Changed();
}

void Control::SetFontSize(int pixels) {
  if (pixels == fontSize_) return;
  fontSize_ = pixels;
  Changed();
}

void Control::SetHint(const Text& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed();
}

void Control::Repaint() {
  if (auto* observer = set_.Observer()) observer->RepaintNow(*this);
}

void Control::Click() {
  if (OnClick) OnClick();
}

void Edit::SetCaption(const Text& caption) {
  if (caption == Caption()) return;
  Control::SetCaption(caption);
  if (OnChange) OnChange();
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed();
  Click();
}

void RadioGroup::SetItemIndex(int index) {
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed();
  Click();
}

std::vector<Text>& ListBox::EditLines() {
  Changed();
  return lines_;
}

void ListBox::SetLines(std::vector<Text> lines) {
  lines_ = std::move(lines);
  if (itemIndex_ >= Count()) itemIndex_ = -1;
  Changed();
}

void ListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Changed();
}

bool CheckListBox::LineChecked(int index) const {
  return index >= 0 && index < static_cast<int>(checked_.size()) && checked_[index];
}

void CheckListBox::SetLineChecked(int index, bool checked) {
  if (index < 0 || index >= static_cast<int>(checked_.size()) || checked_[index] == checked) return;
  checked_[index] = checked;
  Changed();
}

void CheckListBox::AddLine(const Text& line, bool checked) {
  lines_.push_back(line);
  checked_.push_back(checked);
  Changed();
}

void CheckListBox::DeleteLine(int index) {
  if (index < 0 || index >= Count()) return;
  lines_.erase(lines_.begin() + index);
  checked_.erase(checked_.begin() + index);
  // The selection stays with its line; the selected line gone, nothing is selected.
  if (index == itemIndex_) {
    itemIndex_ = -1;
  } else if (index < itemIndex_) {
    --itemIndex_;
  }
  Changed();
}

void CheckListBox::SetCheckedLines(std::vector<Text> lines, std::vector<bool> checked) {
  checked.resize(lines.size(), false);
  checked_ = std::move(checked);
  SetLines(std::move(lines));
}

void PictureBox::SetPicture(std::shared_ptr<const Picture> picture) {
  picture_ = std::move(picture);
  Changed();
}

int PictureBox::PictureWidth() const { return picture_ ? picture_->width : 0; }
int PictureBox::PictureHeight() const { return picture_ ? picture_->height : 0; }

}  // namespace lumivel
