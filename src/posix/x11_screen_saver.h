#pragma once
// The system screen saver's switch and delay on X11: the server's own screen-saver timeout, read
// with XGetScreenSaver and set with XSetScreenSaver. Without a display every read leaves its
// result as it was and a write does nothing.
#include <string>

#include "services/services.h"

namespace lumivel {

class X11ScreenSaver : public ScreenSaverSettings {
 public:
  // An empty name stands for $DISPLAY.
  explicit X11ScreenSaver(std::string displayName = {}) : displayName_(std::move(displayName)) {}

  // On when the server blanks the screen after some idle time (a timeout above 0).
  void ReadActive(bool& active) override;
  void ReadTimeout(int32_t& seconds) override;
  // Keeps the interval, blanking and exposure choices; the protocol holds the timeout in 16 bits,
  // so the delay is kept within 0 .. 32767 seconds.
  void SetTimeout(int32_t seconds) override;

 private:
  std::string displayName_;
};

}  // namespace lumivel
