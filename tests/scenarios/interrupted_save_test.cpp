// A program killed while it saves must leave every file it was writing either as it was or as it
// was going to be, byte for byte, and the index marker only beside a complete pair of index files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <algorithm>
#include <functional>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <thread>

#include "support/picture_factory.h"
#include "support/scenario.h"

namespace lumivel::testing {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::optional<std::string>>;  // relative path -> bytes, or absent

Files Snapshot(const fs::path& root, const std::vector<std::string>& names) {
  Files files;
  for (const auto& name : names) {
    fs::path p = root / name;
    files[name] = fs::is_regular_file(p) ? std::optional<std::string>(ReadHostFile(p)) : std::nullopt;
  }
  return files;
}

// Runs lumivel-headless on drive `root`, killing it after `killAfter` if it is still running.
// Returns whether it was killed.
bool RunAndMaybeKill(const fs::path& root, const fs::path& script, const std::string& argument,
                     std::chrono::microseconds killAfter) {
  pid_t pid = fork();
  if (pid == 0) {
    std::string drive = "LUMIVEL_DRIVE_C=" + root.string();
    putenv(drive.data());
    int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, 1);
    dup2(devnull, 2);
    execl(LUMIVEL_HEADLESS_BIN, LUMIVEL_HEADLESS_BIN, "--script", script.c_str(), "--for", "2000", "--",
          argument.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  auto deadline = std::chrono::steady_clock::now() + killAfter;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(pid, &status, WNOHANG) == pid) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return WIFSIGNALED(status);
}

struct Trial {
  std::string argument;
  std::string script;
  std::vector<std::string> files;
  std::function<void(const fs::path&)> prepare;  // lays out the old files
  std::vector<std::string> deletedOnTheWay;       // files the run deletes before writing them anew
};

void CheckEveryFileOldOrNew(const Trial& trial, int runs, const std::string& what) {
  TempDir work;
  fs::path root = work.Path() / "c";
  fs::path script = work.Path() / "script.txt";
  std::ofstream(script) << trial.script;

  // The kills are spread over the shortest of three whole runs: a first run slowed by cold caches
  // would put most of them after the end.
  Files before, after;
  auto whole = std::chrono::microseconds::max();
  for (int run = 0; run < 3; ++run) {
    fs::remove_all(root);
    fs::create_directories(root);
    trial.prepare(root);
    before = Snapshot(root, trial.files);
    auto started = std::chrono::steady_clock::now();
    ASSERT_FALSE(RunAndMaybeKill(root, script, trial.argument, std::chrono::seconds(20)));
    whole = std::min(whole, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started));
    after = Snapshot(root, trial.files);
  }
  ASSERT_NE(before, after) << what << ": the run must change the files";

  std::mt19937 random(12345);
  int killed = 0;
  for (int run = 0; run < runs; ++run) {
    fs::remove_all(root);
    fs::create_directories(root);
    trial.prepare(root);
    auto at = std::chrono::microseconds(random() % static_cast<unsigned>(whole.count() + 1));
    killed += RunAndMaybeKill(root, script, trial.argument, at) ? 1 : 0;
    Files now = Snapshot(root, trial.files);
    for (const auto& name : trial.files) {
      bool deleted = !now[name] && std::find(trial.deletedOnTheWay.begin(), trial.deletedOnTheWay.end(),
                                             name) != trial.deletedOnTheWay.end();
      EXPECT_TRUE(now[name] == before[name] || now[name] == after[name] || deleted)
          << what << ": " << name << " is neither the old nor the new file after a kill at " << at.count()
          << " us";
    }
    if (now["Lumivel/effacez_moi_pour_reinitialiser.___"]) {
      EXPECT_EQ(now["Lumivel/toutes_img._nf"], after["Lumivel/toutes_img._nf"]) << "marker beside a stale index";
      EXPECT_EQ(now["Lumivel/toutes_img_ListBox_rep.dat"], after["Lumivel/toutes_img_ListBox_rep.dat"]);
    }
  }
  EXPECT_GT(killed, runs / 4) << what << ": too few kills landed inside the run";
  ::testing::Test::RecordProperty(what + "_runs", runs);
  ::testing::Test::RecordProperty(what + "_killed", killed);
}

void WriteAt(const fs::path& root, const std::string& relative, const std::string& bytes) {
  fs::create_directories((root / relative).parent_path());
  std::ofstream(root / relative, std::ios::binary) << bytes;
}

TEST(InterruptedSave, SettingsAndIndexFilesAreOldOrNewNeverHalfWritten) {
  std::string jpeg = QuadrantJpeg(8, 6);
  Trial trial;
  trial.argument = "/s";
  // The start walks the photos (no marker) and saves the index, then the settings are saved once;
  // the run ends by its time, so nothing else is written.
  trial.script = "5 edit Edit_dt0_a \"1234\"\n6 edit Edit_contient \"mer,montagne\"\n10 click Button2\n";
  trial.files = {"lumivel/lumivel_var.prm",           "lumivel/lumivel.rep",
                 "lumivel/lumivel.repflag",           "lumivel/img_affichees.lst",
                 "Lumivel/toutes_img._nf",            "Lumivel/toutes_img_ListBox_rep.dat",
                 "Lumivel/effacez_moi_pour_reinitialiser.___"};
  // Without the marker the start drops the old history before it rebuilds the index.
  trial.deletedOnTheWay = {"lumivel/img_affichees.lst"};
  trial.prepare = [&](const fs::path& root) {
    WriteAt(root, "lumivel/lumivel.rep", "C:\\Photos\r\n");
    WriteAt(root, "lumivel/lumivel.repflag", "true\r\n");
    WriteAt(root, "lumivel/lumivel_var.prm", "dt0_a = 777\r\n");
    WriteAt(root, "lumivel/img_affichees.lst", "C:\\Photos\\old.jpg\r\n");
    WriteAt(root, "Lumivel/toutes_img._nf", std::string(88, 'o'));
    WriteAt(root, "Lumivel/toutes_img_ListBox_rep.dat", "C:\\Old\r\n");
    for (int d = 0; d < 6; ++d) {
      for (int f = 0; f < 4; ++f) {
        WriteAt(root, "Photos/2014-" + std::to_string(10 + d) + " sortie/p" + std::to_string(f) + ".jpg", jpeg);
      }
    }
  };
  CheckEveryFileOldOrNew(trial, 40, "settings_and_index");
}

TEST(InterruptedSave, TheOptionsDialogsIniFileIsOldOrNew) {
  Trial trial;
  trial.argument = "/c";
  trial.script = "5 edit Edit1 \"Bonsoir\"\n6 edit ComboBox1 \"Bleu\"\n10 click Button1\n";
  trial.files = {"Windows/Lumivel.ini"};
  trial.prepare = [](const fs::path& root) {
    WriteAt(root, "Windows/Lumivel.ini", "[Autre]\r\nA=1\r\n[Parametres]\r\nTexte=Bonjour\r\nCouleur=Vert\r\n");
  };
  CheckEveryFileOldOrNew(trial, 40, "ini");
}

}  // namespace
}  // namespace lumivel::testing
