#pragma once
// Stand-ins for what a test machine cannot do: the system's screen-saver settings and sound. The
// launcher stays real; each launch is also written to the transcript.
#include <functional>

#include "headless/headless_toolkit.h"
#include "services/services.h"

namespace lumivel {

class FakeScreenSaver : public ScreenSaverSettings {
 public:
  explicit FakeScreenSaver(HeadlessToolkit& toolkit) : toolkit_(toolkit) {}
  void ReadActive(bool& active) override { active = active_; }
  void ReadTimeout(int32_t& seconds) override { seconds = seconds_; }
  void SetTimeout(int32_t seconds) override;
  void Configure(bool active, int32_t seconds) {
    active_ = active;
    seconds_ = seconds;
  }

 private:
  HeadlessToolkit& toolkit_;
  bool active_ = false;
  int32_t seconds_ = 600;
};

class SilentSound : public Sound {
 public:
  void PlayWave(const std::vector<uint8_t>& /*wave*/) override {}
};

class RecordingLauncher : public Launcher {
 public:
  RecordingLauncher(Launcher& real, HeadlessToolkit& toolkit) : real_(real), toolkit_(toolkit) {}
  std::optional<int> Start(const Text& commandLine, const LaunchArgument& program,
                           const std::vector<LaunchArgument>& arguments) override;
  bool WaitFor(int process, int timeoutMs) override { return real_.WaitFor(process, timeoutMs); }
  void Release(int process) override { real_.Release(process); }
  int ShellOpen(const Text& program, const Text& parameters, const Text& directory) override;

 private:
  Launcher& real_;
  HeadlessToolkit& toolkit_;
};

}  // namespace lumivel
