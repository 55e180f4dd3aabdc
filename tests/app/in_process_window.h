#pragma once
// The main window built in this process on a temporary drive C, with the headless view, for tests
// that call its operations directly or give it a file system that fails on purpose.
#include <cerrno>
#include <sstream>
#include <string>

#include "app/tdiapo.h"
#include "headless/fake_services.h"
#include "headless/headless_toolkit.h"
#include "posix/own_files.h"
#include "posix/picture_loader.h"
#include "posix/posix_file_system.h"
#include "posix/posix_launcher.h"
#include "show/random_source.h"
#include "support/test_support.h"

namespace lumivel::testing {

// The real file system, but the failAt-th whole-file write (counted from 1) fails as a full disk
// would, before anything reaches the disk.
class FailingFileSystem : public PosixFileSystem {
 public:
  using PosixFileSystem::PosixFileSystem;
  int WriteFile(const Text& path, std::string_view bytes) override {
    if (++writes == failAt) return ENOSPC;
    return PosixFileSystem::WriteFile(path, bytes);
  }
  int failAt = 0;
  int writes = 0;
};

inline DriveMap DriveCAt(const std::filesystem::path& root) {
  DriveMap drives;
  drives.Map('C', root.string());
  return drives;
}

// `Loader` stands in for the picture loader when a test watches what the window asks of it.
template <class Loader = PosixPictureLoader>
struct InProcessWindowWith {
  // Drive C is the temporary folder, or a folder of that name inside it (which need not exist).
  explicit InProcessWindowWith(const std::string& driveFolder = "")
      : fs(DriveCAt(driveFolder.empty() ? drive.Path() : drive.Path() / driveFolder)) {
    toolkit.SetApplication(&app);
  }

  // Host path of a program path on drive C ("C:\\lumivel\\x" -> <drive>/lumivel/x).
  std::filesystem::path Host(const Text& programPath) const { return fs.ToHost(programPath); }
  void Write(const Text& programPath, const std::string& bytes) const {
    std::filesystem::create_directories(Host(programPath).parent_path());
    drive.Write(std::filesystem::relative(Host(programPath), drive.Path()).string(), bytes);
  }
  std::string Read(const Text& programPath) const { return ReadHostFile(Host(programPath)); }

  TempDir drive;
  FailingFileSystem fs;
  VirtualClock clock;
  std::ostringstream transcriptText;
  Transcript transcript{transcriptText};
  HeadlessToolkit toolkit{clock, fs, transcript, 1920, 1080, {}, -1};
  Application app{toolkit};
  FakeScreenSaver saver{toolkit};
  SilentSound sound;
  Loader pictures;
  PosixLauncher launcher{fs};
  UniformRandomSource random;
  PosixOwnFiles ownFiles;
  Services services{fs, clock, random, pictures, sound, saver, launcher, ownFiles};
  Tdiapo diapo{app, services, toolkit, "/s"};
};

using InProcessWindow = InProcessWindowWith<>;

}  // namespace lumivel::testing
