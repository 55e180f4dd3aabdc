#pragma once
// XScreenSaver runs its display modes with the window to draw in named by the environment
// variable XSCREENSAVER_WINDOW. The show then lives in that window, at that window's size, and
// the keyboard and the mouse stay with XScreenSaver.
#include <QByteArray>
#include <QSize>
#include <QWindow>
#include <memory>
#include <optional>

namespace lumivel {

// The window number as XScreenSaver writes it ("0x1a00008"), or in decimal; nothing when the
// text is no window number.
std::optional<WId> SaverWindowId(const QByteArray& text);

struct SaverHost {
  std::unique_ptr<QWindow> window;
  QSize size;
};

// The window named by XSCREENSAVER_WINDOW with its size, when the variable is set and names a
// window of the X display the program runs on; else nothing (the offscreen platform has no
// other program's windows).
std::optional<SaverHost> SaverHostFromEnvironment();

}  // namespace lumivel
