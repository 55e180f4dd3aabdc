#pragma once
// Qt's offscreen platform with a screen of a chosen size (its own is 800 x 800), for the smoke
// tests and the benchmarks. Make it before the QApplication, which reads it when it starts.
#include <filesystem>

namespace lumivel {

class OffscreenScreen {
 public:
  // Writes the platform's screen description into the temporary folder and selects it through
  // QT_QPA_PLATFORM.
  OffscreenScreen(int width, int height);
  // Removes the description.
  ~OffscreenScreen();
  OffscreenScreen(const OffscreenScreen&) = delete;
  OffscreenScreen& operator=(const OffscreenScreen&) = delete;

  // False when the description could not be written.
  bool Ready() const { return ready_; }

 private:
  std::filesystem::path file_;
  bool ready_ = false;
};

}  // namespace lumivel
