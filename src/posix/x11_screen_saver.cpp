#include "posix/x11_screen_saver.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <optional>

namespace lumivel {

namespace {

struct SaverValues {
  int timeout = 0;
  int interval = 0;
  int preferBlanking = 0;
  int allowExposures = 0;
};

// Xlib's default error handler ends the process; a refused request must only be ignored.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

class DisplayConnection {
 public:
  explicit DisplayConnection(const std::string& name)
      : display_(XOpenDisplay(name.empty() ? nullptr : name.c_str())) {}
  ~DisplayConnection() {
    if (display_) XCloseDisplay(display_);
  }
  DisplayConnection(const DisplayConnection&) = delete;
  DisplayConnection& operator=(const DisplayConnection&) = delete;
  Display* get() const { return display_; }

 private:
  Display* display_;
};

std::optional<SaverValues> ReadValues(Display* display) {
  if (!display) return std::nullopt;
  SaverValues v;
  XGetScreenSaver(display, &v.timeout, &v.interval, &v.preferBlanking, &v.allowExposures);
  return v;
}

}  // namespace

void X11ScreenSaver::ReadActive(bool& active) {
  DisplayConnection connection(displayName_);
  if (auto values = ReadValues(connection.get())) active = values->timeout > 0;
}

void X11ScreenSaver::ReadTimeout(int32_t& seconds) {
  DisplayConnection connection(displayName_);
  if (auto values = ReadValues(connection.get())) seconds = values->timeout;
}

void X11ScreenSaver::SetTimeout(int32_t seconds) {
  DisplayConnection connection(displayName_);
  auto values = ReadValues(connection.get());
  if (!values) return;
  auto* previous = XSetErrorHandler(IgnoreXError);
  XSetScreenSaver(connection.get(), std::clamp(seconds, 0, 32767), values->interval,
                  values->preferBlanking, values->allowExposures);
  XSync(connection.get(), False);
  XSetErrorHandler(previous);
}

}  // namespace lumivel
