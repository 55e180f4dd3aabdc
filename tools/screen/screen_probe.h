#pragma once
// What the screen benchmarks see and do on an X display, from outside the programs they measure:
// the colour of a pixel on the screen, key presses sent as a person's would be, the frames a
// window presents, and the processor time a process spends.
#include <X11/Xlib.h>
#include <sys/types.h>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace lumivel::bench {

struct Colour {
  int r = 0, g = 0, b = 0;
  // Within a JPEG's error of `other` on every channel.
  bool Near(const Colour& other, int tolerance = 24) const;
};

// Milliseconds on a steady clock.
double NowMs();

class ScreenProbe {
 public:
  // The display named by $DISPLAY; nothing when none can be opened.
  static std::optional<ScreenProbe> Open();
  ScreenProbe(ScreenProbe&& other) noexcept;
  ScreenProbe& operator=(ScreenProbe&&) = delete;
  ScreenProbe(const ScreenProbe&) = delete;
  ~ScreenProbe();

  int Width() const;
  int Height() const;
  Colour PixelAt(int x, int y) const;
  Colour Centre() const { return PixelAt(Width() / 2, Height() / 2); }
  // Polls the centre of the screen until `ready` holds; the time it did, or nothing at timeoutMs.
  template <typename Ready>
  std::optional<double> WaitForCentre(Ready ready, double timeoutMs) const;
  // Presses and releases a key (an X keysym such as XK_Right) through the XTest extension.
  void Tap(unsigned long keysym) const;
  // The top-level window of process `pid` (its _NET_WM_PID), once it is mapped.
  std::optional<unsigned long> WindowOf(pid_t pid, double timeoutMs) const;
  ::Display* Handle() const { return display_; }

 private:
  explicit ScreenProbe(::Display* display) : display_(display) {}
  ::Display* display_;
};

template <typename Ready>
std::optional<double> ScreenProbe::WaitForCentre(Ready ready, double timeoutMs) const {
  const double end = NowMs() + timeoutMs;
  while (NowMs() < end) {
    if (ready(Centre())) return NowMs();
    struct timespec pause {0, 250'000};
    nanosleep(&pause, nullptr);
  }
  return std::nullopt;
}

// The times at which a window presented a frame, read from the X DAMAGE extension: one report each
// time the window's contents change after the previous report was taken.
class FrameWatch {
 public:
  FrameWatch(const ScreenProbe& display, unsigned long window);
  ~FrameWatch();
  FrameWatch(const FrameWatch&) = delete;
  FrameWatch& operator=(const FrameWatch&) = delete;
  // Frame times until none has come for quietMs (or untilMs has passed).
  std::vector<double> Collect(double quietMs, double untilMs);
  // Waits for the next frame; its time, or nothing after timeoutMs.
  std::optional<double> Next(double timeoutMs);

 private:
  ::Display* display_;
  unsigned long damage_ = 0;
  int eventBase_ = 0;
};

// A program started for a measure, ended when this goes.
class Process {
 public:
  // argv[0] is the program's path; `environment` entries (NAME=value) are added to ours.
  Process(const std::vector<std::string>& argv, const std::vector<std::string>& environment);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  pid_t Pid() const { return pid_; }
  // The time it was started at.
  double StartedMs() const { return startedMs_; }
  // Processor time (user and system) used so far, in milliseconds.
  double CpuMs() const;
  bool Running() const;

 private:
  pid_t pid_ = -1;
  double startedMs_ = 0;
};

// Median and largest of some measures.
double Median(std::vector<double> values);

// The folder holding this program (the build folder, where the measured programs are too).
std::string OwnFolder();

}  // namespace lumivel::bench
