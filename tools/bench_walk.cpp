// Times the directory walk that rebuilds the index against find(1) listing the same tree.
//   bench_walk [--files N] [--folders M] [--runs R] [FOLDER]
// Without FOLDER, generates in a fresh temporary folder (removed at the end) a photo tree of N
// files (100,000) in M folders (2,000): year folders, dated folders such as "2014-10-05 Rome"
// under them, and some of those with a sub-folder, so 2 to 3 levels; one file in ten is not a
// picture; every file is small and not empty. With FOLDER, generates the tree there when the
// folder does not exist, else walks whatever it holds.
// After one untimed find to warm the cache, reports the best of R (3) runs of
//   find ROOT -type f -printf '%s %p\n' > /dev/null
//   WalkRoots on ROOT, in-process with the headless view's services: the listing, the filters
//   (marker rule, date range, excluded words, exclusion lists all on) and the pending messages,
//   once with the scripted clock (they run after every entry) and once with the system clock
//   (at most once a millisecond, as in the desktop program)
// with the CPU time the walk spent in user space and in the kernel, and checks walk <= 1.3 x find.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench_process.h"
#include "bench_window.h"
#include "posix/system_clock.h"

extern char** environ;

namespace {

using lumivel::bench::Milliseconds;

namespace fs = std::filesystem;

struct Options {
  int files = 100000;
  int folders = 2000;
  int runs = 3;
  std::string folder;
};

const char* const kPlaces[] = {"Rome",     "Avignon été", "Noël à Lyon", "Marseille", "Bretagne",
                               "Côte d'Azur", "Paris",     "Venise",      "Londres",   "Genève"};

void WriteSmallFile(const fs::path& path) {
  static const std::string bytes(64, 'x');
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    std::perror(path.c_str());
    std::exit(1);
  }
  ::close(fd);
}

// Year folders, dated folders spread over them, and sub-folders under the first dated folders;
// files spread evenly over all folders.
void GenerateTree(const fs::path& root, int fileCount, int folderCount) {
  const int years = std::max(1, folderCount / 100);
  const int rest = std::max(0, folderCount - years);
  const int dated = (rest * 5 + 7) / 8;
  const int subFolders = rest - dated;
  std::vector<fs::path> folders;
  for (int y = 0; y < years; ++y) folders.push_back(root / std::to_string(2000 + y));
  for (int d = 0; d < dated; ++d) {
    const int year = 2000 + d % years;
    char name[96];
    std::snprintf(name, sizeof name, "%d-%02d-%02d %s", year, 1 + d / years % 12, 1 + d % 28,
                  kPlaces[d % 10]);
    folders.push_back(root / std::to_string(year) / name);
  }
  for (int s = 0; s < subFolders; ++s) folders.push_back(folders[std::size_t(years + s)] / "sélection");
  for (const auto& folder : folders) fs::create_directories(folder);
  for (int f = 0; f < fileCount; ++f) {
    const fs::path& folder = folders[std::size_t(f % folderCount)];
    const int number = f / folderCount;
    char name[32];
    std::snprintf(name, sizeof name, number % 10 == 9 ? "IMG_%04d.xmp" : "IMG_%04d.JPG", number);
    WriteSmallFile(folder / name);
  }
}

struct Timing {
  double wallMs = 1e300;
  double userMs = 0;    // this process's CPU time in user space during that run
  double systemMs = 0;  // and in the kernel (listing and stat calls)
};

Timing Best(int runs, const std::function<bool()>& run) {
  Timing best;
  for (int i = 0; i < runs; ++i) {
    rusage before {}, after {};
    ::getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    if (!run()) return Timing{-1, 0, 0};
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ::getrusage(RUSAGE_SELF, &after);
    if (took.count() < best.wallMs) {
      best = {took.count(), Milliseconds(after.ru_utime) - Milliseconds(before.ru_utime),
              Milliseconds(after.ru_stime) - Milliseconds(before.ru_stime)};
    }
  }
  return best;
}

bool RunFind(const std::string& root) {
  std::vector<std::string> args = {"find", root, "-type", "f", "-printf", "%s %p\n"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, "find", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return failed == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// The program as the headless view runs it, its data drive in the work folder, walking `root`
// with every filter on. With a null clock the walk reads the scripted clock, which moves 1 ms each
// time messages run, so they run after every entry; with the system clock they run at most once a
// millisecond, as in the desktop program.
struct Walker {
  Walker(const fs::path& work, const fs::path& root, lumivel::Clock* clock) : window(Drives(work), clock) {
    using namespace lumivel;
    using namespace literals;
    window.toolkit.AttachWindow(WindowBinding{&diapo.Controls(), &diapo.Form,
                                       [this](int key, bool shift) { diapo.FormKeyUp(&diapo.Form, key, shift); },
                                       &diapo.Timer1});
    diapo.FormActivate();
    const Text programRoot = window.files.ToProgram(root.string());
    diapo.CheckListBox_rep.SetCheckedLines({programRoot}, {true});
    diapo.RadioGroup_sous_rep_recursif.SetItemIndex(1);
    diapo.RadioGroup_exclusion.SetItemIndex(0);
    diapo.RadioGroup_filtre_date.SetItemIndex(4);  // all but 2003 and 2004
    diapo.Edit_annee_de.SetText("2003");
    diapo.Edit_annee_a.SetText("2004");
    diapo.Edit_mois_de.SetText("");
    diapo.Edit_mois_a.SetText("");
    diapo.CheckBox_ne_contient_pas.SetChecked(true);
    diapo.Edit_ne_contient_pas.SetText("divers, bretagne");
    diapo.CheckBox_contient.SetChecked(false);
    diapo.CheckBox_fic_exclusion.SetChecked(true);
    diapo.ListBox_rep_exclu.SetLines({"Brouillons", programRoot + "\\2001\\2001-02-02 Avignon été"_cp});
    std::vector<Text> entries;
    for (int k = 1; k <= 40; ++k) {
      entries.push_back(programRoot + "\\2000\\2000-01-01 Rome\\IMG_" + std::to_string(k) + ".JPG");
    }
    diapo.ListBox_rep_nom_fic_exclu.SetLines(entries);
  }

  static lumivel::DriveMap Drives(const fs::path& work) {
    lumivel::DriveMap drives;
    drives.Map('C', (work / "drive_c").string());
    drives.Map('Z', "/");
    return drives;
  }

  Timing Time(int runs) {
    return Best(runs, [&] {
      diapo.ListBox_rep.Clear();
      const int32_t before = diapo.EntriesSeen;
      app.Dispatch([&] { diapo.WalkRoots(); });
      entriesPerWalk = diapo.EntriesSeen - before;
      return !app.ExitPending();
    });
  }

  lumivel::bench::BenchWindow window;
  lumivel::Tdiapo& diapo = window.diapo;
  lumivel::Application& app = window.app;
  int32_t entriesPerWalk = 0;
};

int Usage() {
  std::fprintf(stderr, "usage: bench_walk [--files N] [--folders M] [--runs R] [FOLDER]\n");
  return 64;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lumivel;
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    int* number = a == "--files" ? &options.files : a == "--folders" ? &options.folders
                                                  : a == "--runs"    ? &options.runs
                                                                     : nullptr;
    if (number) {
      if (i + 1 >= argc || (*number = std::atoi(argv[++i])) <= 0) return Usage();
    } else if (!a.empty() && a[0] != '-' && options.folder.empty()) {
      options.folder = a;
    } else {
      return Usage();
    }
  }

  char workTemplate[] = "/tmp/lumivel_bench_walk_XXXXXX";
  if (!::mkdtemp(workTemplate)) return 1;
  const fs::path work = workTemplate;
  const fs::path root = options.folder.empty() ? work / "photos" : fs::absolute(options.folder);
  if (!fs::exists(root)) {
    std::printf("generating %d files in %d folders under %s\n", options.files, options.folders,
                root.c_str());
    GenerateTree(root, options.files, options.folders);
  }
  fs::create_directories(work / "drive_c" / "Lumivel");

  RunFind(root.string());
  const double findMs = Best(options.runs, [&] { return RunFind(root.string()); }).wallMs;
  SystemClock systemClock;
  Walker scripted(work, root, nullptr);
  Walker desktop(work, root, &systemClock);
  const Timing everyEntry = scripted.Time(options.runs);
  const Timing everyMs = desktop.Time(options.runs);

  std::printf("tree %s: %d entries listed, %d pictures kept in %d folders; best of %d runs\n",
              root.c_str(), scripted.entriesPerWalk, scripted.diapo.ImageCount(),
              scripted.diapo.ListBox_rep.Count(), options.runs);
  std::printf("  %-38s %8.1f ms\n", "find -type f -printf '%s %p\\n'", findMs);
  bool ok = true;
  auto report = [&](const char* what, const Timing& walk) {
    const double ratio = walk.wallMs / findMs;
    ok = ok && ratio <= 1.3;
    std::printf("  %-38s %8.1f ms  ratio %.2f (target <= 1.30) %s  CPU: %.1f ms user, %.1f ms kernel\n",
                what, walk.wallMs, ratio, ratio <= 1.3 ? "ok" : "MISSED", walk.userMs, walk.systemMs);
  };
  report("WalkRoots, messages after every entry", everyEntry);
  report("WalkRoots, system clock", everyMs);
  fs::remove_all(work);
  return ok ? 0 : 2;
}
