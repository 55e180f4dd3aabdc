#pragma once
// The main window on the headless view's services, for the benchmarks that time its operations
// (the walk, the index load) in this process. Its transcript is thrown away.
#include <fstream>

#include "app/tdiapo.h"
#include "headless/fake_services.h"
#include "headless/headless_toolkit.h"
#include "posix/own_files.h"
#include "posix/picture_loader.h"
#include "posix/posix_file_system.h"
#include "posix/posix_launcher.h"
#include "show/random_source.h"

namespace lumivel::bench {

struct BenchWindow {
  // The window's operations read `clock` (the scripted clock when null); the view's scripted clock
  // moves 1 ms each time messages run.
  BenchWindow(const DriveMap& drives, Clock* clock = nullptr)
      : files(drives),
        toolkit(scriptedClock, files, transcript, 1920, 1080, {}, -1),
        app(toolkit),
        saver(toolkit),
        realLauncher(files),
        launcher(realLauncher, toolkit),
        services{files, clock ? *clock : scriptedClock, random, pictures, sound, saver, launcher, ownFiles},
        diapo(app, services, toolkit, "/s") {
    toolkit.SetApplication(&app);
  }

  VirtualClock scriptedClock;
  PosixFileSystem files;
  std::ofstream discard{"/dev/null"};
  Transcript transcript{discard};
  HeadlessToolkit toolkit;
  Application app;
  FakeScreenSaver saver;
  SilentSound sound;
  PosixPictureLoader pictures;
  PosixLauncher realLauncher;
  RecordingLauncher launcher;
  UniformRandomSource random;
  PosixOwnFiles ownFiles;
  Services services;
  Tdiapo diapo;
};

}  // namespace lumivel::bench
