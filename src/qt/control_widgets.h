#pragma once
// A widget for each kind of control, kept in step with its control. What the user does in a
// widget goes back through the control's own assignment (SetText, SetChecked, SetItemIndex,
// Click), run by `Deliver` inside the runtime's handler boundary, so handlers run once and in the
// same order as in the headless view.
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/controls.h"

namespace lumivel {

// Runs a model change the way the window system runs a handler.
using Deliver = std::function<void(const std::function<void()>&)>;

class ControlWidget {
 public:
  virtual ~ControlWidget() = default;
  ControlWidget(const ControlWidget&) = delete;
  ControlWidget& operator=(const ControlWidget&) = delete;

  Control& GetControl() const { return control_; }
  QWidget* Widget() const { return widget_; }

  // Place, visibility, colours, font and tool-tip; unchanged properties cost nothing.
  void UpdateLook();
  // Caption, text, items and checks. A list waits while it is not showing (false): rebuilding a
  // long hidden list at every change would cost the show its pace.
  virtual bool UpdateContent() { return true; }

 protected:
  ControlWidget(Control& control, QWidget* widget) : control_(control), widget_(widget) {}
  virtual void ApplyColors();
  // A new font or place (radio items are laid out again, a wrapped label takes the height of its
  // lines).
  virtual void Relayout() {}

 private:
  struct Look {
    QRect bounds;
    bool visible = false;
    int32_t color = 0;
    int32_t fontColor = 0;
    bool bold = false;
    int fontSize = 0;
    Text hint;
  };

  Control& control_;
  QWidget* widget_;
  std::unique_ptr<Look> shown_;  // what the widget shows; none before the first update
};

// The widget of a control of any kind but Form, Picture and Timer, created as a child of parent.
std::unique_ptr<ControlWidget> MakeControlWidget(Control& control, QWidget* parent,
                                                 const Deliver& deliver);

}  // namespace lumivel
