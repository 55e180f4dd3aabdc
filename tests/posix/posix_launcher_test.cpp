// Outside programs on Linux: which program runs, what arguments and working folder it receives,
// waiting for the viewer, and the shell's "open" with its stand-ins and answers.
#include "posix/posix_launcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "posix/posix_file_system.h"
#include "support/recorder_script.h"
#include "support/test_support.h"

namespace lumivel {
namespace {

using testing::ReadHostFile;
using testing::TempDir;
namespace fs = std::filesystem;
using testing::AwaitRecord;
using testing::WriteRecorder;

constexpr int kOpened = 42;
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;

struct Fixture {
  TempDir c;      // drive C
  TempDir bin;    // the search path
  TempDir out;    // what the programs record
  PosixFileSystem files{[this] {
    DriveMap d;
    d.Map('C', c.Path().string());
    return d;
  }()};
  PosixLauncher launcher{files, bin.Path().string()};
  fs::path Record() const { return out.Path() / "record.txt"; }
};

bool WaitUntilEnded(Launcher& launcher, int process) {
  for (int i = 0; i < 100; ++i) {
    if (launcher.WaitFor(process, 200)) return true;
  }
  return false;
}

TEST(PosixLauncher, ViewerGetsHostPathsAsSingleArgumentsAndIsWaitedFor) {
  Fixture f;
  const fs::path release = f.out.Path() / "release";
  WriteRecorder(f.c.Path() / "Program Files/Viewer/viewer.exe", f.Record(),
                "while [ ! -e '" + release.string() + "' ]; do sleep 0.02; done\n");
  fs::create_directories(f.c.Path() / "Photos/mon \"album\" d'été");
  const Text folder = Utf8ToCp1252("C:\\photos\\mon \"album\" d'été");

  auto process = f.launcher.Start("ignored", {"C:\\Program Files\\Viewer\\viewer.exe", true},
                                  {{"-slide", false}, {folder, true}, {"C:\\Nulle\\part", true}});
  ASSERT_TRUE(process);
  auto lines = AwaitRecord(f.Record());
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 4u);
  EXPECT_EQ((*lines)[1], "-slide");
  EXPECT_EQ((*lines)[2], (f.c.Path() / "Photos/mon \"album\" d'été").string())
      << "matched without regard to case, blanks and quotes inside one argument";
  EXPECT_EQ((*lines)[3], f.c.Path().string() + "/Nulle/part") << "a missing folder still maps";
  EXPECT_FALSE(f.launcher.WaitFor(*process, 20)) << "still waiting for the release file";
  { std::ofstream(release.string()).put('x'); }
  EXPECT_TRUE(WaitUntilEnded(f.launcher, *process));
  EXPECT_TRUE(f.launcher.WaitFor(*process, 0)) << "an ended process stays ended";
}

TEST(PosixLauncher, ProgramFoundByItsWindowsNameOnTheSearchPath) {
  struct Case {
    const char* what;
    std::vector<std::string> onPath;  // recorders put on the search path
    std::optional<std::string> runs;  // which one runs
  } cases[] = {
      {"the exact file name first", {"XnView.exe", "xnview"}, "XnView.exe"},
      {"then lower case without .exe", {"xnview"}, "xnview"},
      {"nothing of that name", {"XnView", "gwenview"}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f;
    for (const auto& name : c.onPath) WriteRecorder(f.bin.Path() / name, f.out.Path() / name);
    auto process = f.launcher.Start("ignored", {"C:\\Program Files (x86)\\XnView\\XnView.exe", true},
                                    {{"C:\\", true}});
    ASSERT_EQ(process.has_value(), c.runs.has_value());
    if (!process) continue;
    ASSERT_TRUE(WaitUntilEnded(f.launcher, *process));
    auto lines = AwaitRecord(f.out.Path() / *c.runs);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->back(), f.c.Path().string()) << "C:\\ is drive C's folder";
  }
}

TEST(PosixLauncher, ViewerThatIsNotAProgramDoesNotStart) {
  Fixture f;
  f.c.Write("viewer.txt", "not a program");
  EXPECT_FALSE(f.launcher.Start("x", {"C:\\viewer.txt", true}, {}));
  EXPECT_FALSE(f.launcher.Start("x", {"C:\\missing.exe", true}, {}));
}

TEST(PosixLauncher, OpenRunsTheProgramInItsWorkingFolderWithoutWaiting) {
  Fixture f;
  f.c.Write("Lumivel/Lumivel_Manuel.pdf", "%PDF");
  WriteRecorder(f.c.Path() / "LOGICIELS/PDFX_Vwr_Port/PDFXCview.exe", f.Record());
  EXPECT_EQ(f.launcher.ShellOpen("C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe", "Lumivel_Manuel.pdf",
                                 "C:\\Lumivel"),
            kOpened);
  auto lines = AwaitRecord(f.Record());
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{(f.c.Path() / "Lumivel").string(), "Lumivel_Manuel.pdf"}));
}

TEST(PosixLauncher, OpenedProgramIsCollectedWhenItEnds) {
  Fixture f;
  const std::string pidFile = (f.out.Path() / "pid").string();
  WriteRecorder(f.bin.Path() / "firefox", f.Record(),
                "echo $$ > '" + pidFile + ".tmp'; mv '" + pidFile + ".tmp' '" + pidFile + "'\n");
  ASSERT_EQ(f.launcher.ShellOpen("firefox.exe", "", ""), kOpened);
  ASSERT_TRUE(AwaitRecord(pidFile));
  const std::string pid = ReadHostFile(pidFile);
  const fs::path proc = "/proc/" + pid.substr(0, pid.find('\n'));
  // An ended child that nobody collects stays in the process table.
  for (int i = 0; i < 500 && fs::exists(proc); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(fs::exists(proc));
}

TEST(PosixLauncher, BrowserGetsTheManualAsAHostFileAddress) {
  Fixture f;
  WriteRecorder(f.bin.Path() / "firefox", f.Record());
  EXPECT_EQ(f.launcher.ShellOpen("firefox.exe", Utf8ToCp1252("file:///C:\\Lumivel\\Manuel d'été.pdf"), ""),
            kOpened);
  auto lines = AwaitRecord(f.Record());
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 2u);
  EXPECT_EQ((*lines)[1], "file://" + f.c.Path().string() + "/Lumivel/Manuel%20d%27%C3%A9t%C3%A9.pdf");
}

TEST(PosixLauncher, DocumentProgramsFallBackToTheDesktopOpener) {
  Fixture f;
  fs::create_directories(f.c.Path() / "Lumivel");
  fs::create_directories(f.c.Path() / "Photos/a \"b\" c");
  WriteRecorder(f.bin.Path() / "xdg-open", f.Record());
  const char* home = std::getenv("HOME");
  struct Case {
    const char* what;
    Text program, parameters, directory;
    std::string document;
  } cases[] = {
      {"text editor: the file inside the working folder", "notepad.exe", "Lumivel_exclusion.txt",
       "C:\\Lumivel", (f.c.Path() / "Lumivel/Lumivel_exclusion.txt").string()},
      {"file manager: the folder as one argument", "explorer.exe", "C:\\Photos\\a \"b\" c", "",
       (f.c.Path() / "Photos/a \"b\" c").string()},
      {"file manager without a folder: the home folder", "explorer.exe", "", "",
       home && *home ? home : "/"},
      {"missing PDF reader: the manual", "C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe",
       "Lumivel_Manuel.pdf", "C:\\Lumivel", (f.c.Path() / "Lumivel/Lumivel_Manuel.pdf").string()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(f.Record());
    ASSERT_EQ(f.launcher.ShellOpen(c.program, c.parameters, c.directory), kOpened);
    auto lines = AwaitRecord(f.Record());
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[1], c.document);
  }
}

TEST(PosixLauncher, OpenAnswersWhatWasMissing) {
  Fixture f;
  WriteRecorder(f.bin.Path() / "firefox", f.Record());
  EXPECT_EQ(f.launcher.ShellOpen("C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe", "m.pdf", "C:\\Lumivel"),
            kFileNotFound)
      << "no reader and no desktop opener";
  EXPECT_EQ(f.launcher.ShellOpen("notepad.exe", "x.txt", "C:\\Lumivel"), kFileNotFound);
  EXPECT_EQ(f.launcher.ShellOpen("iexplore.exe", "x", ""), kFileNotFound) << "no stand-in for it";
  EXPECT_EQ(f.launcher.ShellOpen("firefox.exe", "x", "C:\\Absent"), kPathNotFound);
  EXPECT_FALSE(fs::exists(f.Record())) << "nothing was started";
}

}  // namespace
}  // namespace lumivel
