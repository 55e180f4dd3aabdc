#pragma once
// The whole program with the Qt view on an empty drive C, driven step by step from its own event
// loop as a person would use it.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "posix/own_files.h"
#include "posix/picture_loader.h"
#include "posix/posix_file_system.h"
#include "posix/posix_launcher.h"
#include "posix/system_clock.h"
#include "qt/qt_toolkit.h"
#include "show/random_source.h"
#include "support/test_support.h"

namespace lumivel {

class NoSound : public Sound {
 public:
  void PlayWave(const std::vector<uint8_t>&) override {}
};

class FixedScreenSaver : public ScreenSaverSettings {
 public:
  void ReadActive(bool& active) override { active = true; }
  void ReadTimeout(int32_t& seconds) override { seconds = 600; }
  void SetTimeout(int32_t) override {}
};

// The view, remembering the window the program attached.
class WatchedToolkit : public QtToolkit {
 public:
  using QtToolkit::QtToolkit;
  void AttachWindow(const WindowBinding& window) override {
    binding = window;
    QtToolkit::AttachWindow(window);
  }
  WindowBinding binding;
};

// Runs the program on an empty drive C. Every 50 ms of its event loop a box that is open is
// answered with its last button (OK, or "&Non"), otherwise the next step runs; a step returns true
// when it is done. A run that does not end within 20 s closes its window.
class ProgramRun {
 public:
  ProgramRun();
  int Run(const std::string& argument, std::vector<std::function<bool(WatchedToolkit&)>> steps);

  std::vector<std::string> boxes;
  size_t stepsDone = 0;
  bool timedOut = false;
  // A file of the data folder as a first start creates it: C:\lumivel.
  std::filesystem::path DataFile(const std::string& name) const { return driveC_.Path() / "lumivel" / name; }

 private:
  DriveMap Drives() const;

  testing::TempDir driveC_;
  PosixFileSystem fs_;
  SystemClock clock_;
  UniformRandomSource random_;
  PosixPictureLoader pictures_;
  NoSound sound_;
  FixedScreenSaver saver_;
  PosixLauncher launcher_;
  PosixOwnFiles ownFiles_;
  WatchedToolkit toolkit_;
  Application app_;
};

// The control of that name in the window the program attached; throws when there is none.
Control& Find(WatchedToolkit& toolkit, const std::string& name);

// Once the show has given way to the options panel (the index of an empty drive is empty).
bool PanelOpen(WatchedToolkit& toolkit);

}  // namespace lumivel
