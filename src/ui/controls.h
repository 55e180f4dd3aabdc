#pragma once
// The retained control model: named controls with captions, places, check states, items and
// handlers. Views draw it; handlers read and write it. Assigning a value from code runs the change
// or click handler only when the value differs, exactly as a user edit would.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

struct Picture;
class Control;

enum class ControlKind {
  Form, Label, Edit, CheckBox, RadioGroup, ListBox, CheckListBox, Panel, Button, SpeedButton,
  Picture, Bevel, ComboBox, GroupBox, Timer
};

// Edit boxes (a combo box's text field too): keys typed there belong to the text.
bool IsTextBox(ControlKind kind);
// Controls other than text boxes that a click gives the focus to; panels and labels do not take it.
bool TakesFocusOnClick(ControlKind kind);

// Colours as the program stores them: 0x00BBGGRR, or a system colour with the top byte 0xFF.
namespace colors {
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kYellow = 0x00FFFF;
constexpr int32_t kGrey = 0x808080;
constexpr int32_t kBtnFace = static_cast<int32_t>(0xFF00000F);
constexpr int32_t kWindowText = static_cast<int32_t>(0xFF000008);
constexpr int32_t kWindow = static_cast<int32_t>(0xFF000005);
}  // namespace colors

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void ControlChanged(Control& control) = 0;
  // A repaint asked for at once (the program's "Repaint"), not at the next pump.
  virtual void RepaintNow(Control& /*control*/) {}
};

// Owns the name table, the focus and the observer of one window's controls.
class ControlSet {
 public:
  void Register(Control* control);
  Control* Find(const std::string& name) const;
  const std::vector<Control*>& All() const { return all_; }

  void SetObserver(ControlObserver* observer) { observer_ = observer; }
  ControlObserver* Observer() const { return observer_; }

  Control* Focused() const { return focused_; }
  // Moves the focus; the control that loses it runs its exit handler.
  void SetFocus(Control* control);

 private:
  std::vector<Control*> all_;
  std::map<std::string, Control*> byName_;
  ControlObserver* observer_ = nullptr;
  Control* focused_ = nullptr;
};

class Control {
 public:
  Control(ControlSet& set, ControlKind kind, std::string name, Control* parent);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  Control* Parent() const { return parent_; }
  const std::vector<Control*>& Children() const { return children_; }
  ControlSet& Set() const { return set_; }

  const Text& Caption() const { return caption_; }
  virtual void SetCaption(const Text& caption);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible and every parent visible too.
  bool Showing() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  void SetBounds(int left, int top, int width, int height);

  int32_t Color() const { return color_; }
  void SetColor(int32_t color);
  int32_t FontColor() const { return fontColor_; }
  void SetFontColor(int32_t color);
  bool FontBold() const { return fontBold_; }
  void SetFontBold(bool bold);
  int FontSize() const { return fontSize_; }
  void SetFontSize(int pixels);
  const Text& Hint() const { return hint_; }
  void SetHint(const Text& hint);

  // Grows with every change, so a view can tell what to redraw.
  uint64_t Revision() const { return revision_; }
  void Repaint();

  // What a user's click does; Click() runs it.
  std::function<void()> OnClick;
  void Click();

 protected:
  void Changed();

 private:
  ControlSet& set_;
  ControlKind kind_;
  std::string name_;
  Control* parent_;
  std::vector<Control*> children_;
  Text caption_;
  bool visible_ = true;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int32_t color_ = colors::kBtnFace;
  int32_t fontColor_ = colors::kWindowText;
  bool fontBold_ = false;
  int fontSize_ = 11;  // the 8-point dialog font on a 96-dot screen
  Text hint_;
  uint64_t revision_ = 0;
};

class Label : public Control {
 public:
  Label(ControlSet& set, std::string name, Control* parent)
      : Control(set, ControlKind::Label, std::move(name), parent) {}
  // A design value: a right-justified caption keeps its right edge whatever its length.
  bool rightJustified = false;
};

class Panel : public Control {
 public:
  Panel(ControlSet& set, std::string name, Control* parent, ControlKind kind = ControlKind::Panel)
      : Control(set, kind, std::move(name), parent) {}
};

class Button : public Control {
 public:
  Button(ControlSet& set, std::string name, Control* parent, ControlKind kind = ControlKind::Button)
      : Control(set, kind, std::move(name), parent) {}
};

// One-line text box. Its text is its caption; a different text runs OnChange.
class Edit : public Control {
 public:
  Edit(ControlSet& set, std::string name, Control* parent,
       ControlKind kind = ControlKind::Edit)
      : Control(set, kind, std::move(name), parent) {}
  const Text& GetText() const { return Caption(); }
  void SetText(const Text& text) { SetCaption(text); }
  void SetCaption(const Text& caption) override;

  std::function<void()> OnChange;
  std::function<void()> OnExit;
  std::function<void(int key)> OnKeyDown;
};

class ComboBox : public Edit {
 public:
  ComboBox(ControlSet& set, std::string name, Control* parent)
      : Edit(set, std::move(name), parent, ControlKind::ComboBox) {}
  std::vector<Text> items;
};

class CheckBox : public Control {
 public:
  CheckBox(ControlSet& set, std::string name, Control* parent)
      : Control(set, ControlKind::CheckBox, std::move(name), parent) {}
  bool Checked() const { return checked_; }
  // A different state runs OnClick, as a user's click does.
  void SetChecked(bool checked);

 private:
  bool checked_ = false;
};

class RadioGroup : public Control {
 public:
  RadioGroup(ControlSet& set, std::string name, Control* parent)
      : Control(set, ControlKind::RadioGroup, std::move(name), parent) {}
  std::vector<Text> items;
  int ItemIndex() const { return itemIndex_; }
  // A different index runs OnClick.
  void SetItemIndex(int index);

 private:
  int itemIndex_ = -1;
};

// An ordered list of text lines; hidden ones serve as the program's string lists.
class ListBox : public Control {
 public:
  ListBox(ControlSet& set, std::string name, Control* parent,
          ControlKind kind = ControlKind::ListBox)
      : Control(set, kind, std::move(name), parent) {}
  const std::vector<Text>& Lines() const { return lines_; }
  // Mutable access counts as a change for the view.
  std::vector<Text>& EditLines();
  void SetLines(std::vector<Text> lines);
  void Clear() { SetLines({}); }
  int Count() const { return static_cast<int>(lines_.size()); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

 protected:
  std::vector<Text> lines_;
  int itemIndex_ = -1;
};

// A list with a check box per line.
class CheckListBox : public ListBox {
 public:
  CheckListBox(ControlSet& set, std::string name, Control* parent)
      : ListBox(set, std::move(name), parent, ControlKind::CheckListBox) {}
  bool LineChecked(int index) const;
  void SetLineChecked(int index, bool checked);
  void AddLine(const Text& line, bool checked);
  void DeleteLine(int index);
  void SetCheckedLines(std::vector<Text> lines, std::vector<bool> checked);
  const std::vector<bool>& CheckedFlags() const { return checked_; }

 private:
  std::vector<bool> checked_;
};

// The picture control: holds one picture stretched to its own bounds.
class PictureBox : public Control {
 public:
  PictureBox(ControlSet& set, std::string name, Control* parent)
      : Control(set, ControlKind::Picture, std::move(name), parent) {}
  const std::shared_ptr<const Picture>& GetPicture() const { return picture_; }
  void SetPicture(std::shared_ptr<const Picture> picture);
  int PictureWidth() const;
  int PictureHeight() const;
  bool stretch = false;

 private:
  std::shared_ptr<const Picture> picture_;
};

class Timer : public Control {
 public:
  Timer(ControlSet& set, std::string name, Control* parent)
      : Control(set, ControlKind::Timer, std::move(name), parent) {}
  int intervalMs = 1000;
  bool enabled = true;
  std::function<void()> OnTimer;
};

}  // namespace lumivel
