#pragma once
// The small outside services the core asks for, and the set of them the main window is given. Each
// has a Linux implementation in posix/ and, where a test machine cannot do the real thing, a
// stand-in in headless/.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "services/file_system.h"
#include "services/picture.h"
#include "util/cp1252.h"

namespace lumivel {

class Clock {
 public:
  virtual ~Clock() = default;
  // Local date-time in days since 30 December 1899, the fraction being the time of day (to the ms).
  virtual double NowDays() = 0;
  virtual LocalDateTime NowLocal() = 0;
  virtual int64_t MillisecondsSinceMidnight() = 0;
  virtual void Sleep(int milliseconds) = 0;
};

// Uniform draws in 0 .. m-1, re-seeded on demand; tests pin the draws.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Seed(uint32_t seed) = 0;
  virtual int32_t Next(int32_t m) = 0;
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Plays a wave file held in memory and returns when it has finished (at once without a device).
  virtual void PlayWave(const std::vector<uint8_t>& wave) = 0;
};

class ScreenSaverSettings {
 public:
  virtual ~ScreenSaverSettings() = default;
  // Each read leaves its result untouched when it fails (false, 0).
  virtual void ReadActive(bool& active) = 0;
  virtual void ReadTimeout(int32_t& seconds) = 0;
  virtual void SetTimeout(int32_t seconds) = 0;
};

// One piece of a command line: program paths reach the outside program in host form.
struct LaunchArgument {
  Text text;
  bool isProgramPath = false;
};

// The shell's answer when the program to open is not found.
constexpr int kShellFileNotFound = 2;

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts a program without a shell; commandLine is the line as the program writes it, for the
  // record. Returns a process number, or nothing when it could not start.
  virtual std::optional<int> Start(const Text& commandLine, const LaunchArgument& program,
                                   const std::vector<LaunchArgument>& arguments) = 0;
  // Waits up to timeoutMs for the process to end; true when it has ended.
  virtual bool WaitFor(int process, int timeoutMs) = 0;
  // The program stops waiting for a process it started: it is collected whenever it ends.
  virtual void Release(int process) = 0;
  // The shell's "open" request: 2 when the program is not found, above 32 on success.
  virtual int ShellOpen(const Text& program, const Text& parameters, const Text& directory) = 0;
};

// The files the program ships with itself (the manual), wherever it was installed.
class OwnFiles {
 public:
  virtual ~OwnFiles() = default;
  // The bytes of the program's own copy of `name`; nothing when it has no readable one.
  virtual std::optional<std::string> Read(const std::string& name) = 0;
};

// The outside world as the main window is given it.
struct Services {
  FileSystem& fs;
  Clock& clock;
  RandomSource& random;
  PictureLoader& pictures;
  Sound& sound;
  ScreenSaverSettings& saver;
  Launcher& launcher;
  OwnFiles& ownFiles;
};

}  // namespace lumivel
