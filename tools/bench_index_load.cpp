// Times LoadIndex against reading the same record file into a std::vector, and measures the
// resident memory an indexed picture costs.
//   bench_index_load [--short] [--runs R]
// For indexes of 100,000 and 1,000,000 pictures (--short: 2,000 and 20,000, one run, for CI, whose
// exit status then tells only whether the program worked), one folder for every 100 pictures,
// written into a fresh temporary drive C:
//   LoadIndex       the main window's own operation, on the headless view's services
//   vector read     open, size from fstat, a std::vector of that size, one read
// best of R (5) runs each, the previous index dropped before every run; and the resident memory
// above a one-picture index once the index is loaded, in bytes a picture, against the 88 bytes of
// its record. Goals: LoadIndex <= 1.5 x the vector read; <= 100 bytes a picture.
#include <fcntl.h>
#include <sys/stat.h>
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
#include "index/image_index.h"
#include "posix/posix_file_system.h"
#include "util/text_lines.h"

namespace {

using lumivel::bench::ResidentBytes;

namespace fs = std::filesystem;

constexpr int kPicturesPerFolder = 100;

double Now() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double Best(int runs, const std::function<void()>& before, const std::function<void()>& run) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    before();
    const double start = Now();
    run();
    best = std::min(best, Now() - start);
  }
  return best;
}


void WriteIndex(const fs::path& lumivelDir, int pictures) {
  lumivel::ImageIndex index;
  std::vector<lumivel::Text> folders;
  for (int i = 0; i < pictures; ++i) {
    if (i % kPicturesPerFolder == 0) {
      folders.push_back("C:\\Photos\\" + std::to_string(2000 + i / 100000) + "\\" +
                        std::to_string(2000 + i / 100000) + "-06-" + std::to_string(10 + i % 17) +
                        " Vacances " + std::to_string(i / kPicturesPerFolder));
    }
    index.Append(static_cast<int32_t>(folders.size() - 1), "IMG_" + std::to_string(i) + ".JPG");
  }
  std::ofstream(lumivelDir / "toutes_img._nf", std::ios::binary)
      .write(index.Bytes().data(), static_cast<std::streamsize>(index.Bytes().size()));
  std::ofstream(lumivelDir / "toutes_img_ListBox_rep.dat", std::ios::binary) << lumivel::JoinCrLf(folders);
}

size_t VectorRead(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  ::fstat(fd, &st);
  std::vector<char> bytes(static_cast<size_t>(st.st_size));
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return done;
}

}  // namespace

int main(int argc, char** argv) {
  bool quick = false;
  int runs = 5;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--short") {
      quick = true;
      runs = 1;
    } else if (a == "--runs" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
      runs = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: bench_index_load [--short] [--runs R]\n");
      return 64;
    }
  }
  char workTemplate[] = "/tmp/lumivel_bench_index_XXXXXX";
  if (!::mkdtemp(workTemplate)) return 1;
  const fs::path drive = workTemplate;
  const fs::path lumivelDir = drive / "Lumivel";
  fs::create_directories(lumivelDir);

  lumivel::DriveMap drives;
  drives.Map('C', drive.string());
  lumivel::bench::BenchWindow window(drives);
  lumivel::Tdiapo& diapo = window.diapo;
  const auto dropIndex = [&] {
    diapo.ImageIndexRecords.SetLength(1);
    diapo.ImageIndexRecords.Clear();
    diapo.ListBox_rep.Clear();
  };
  bool met = true;
  bool worked = true;
  for (const int pictures : quick ? std::vector<int>{2000, 20000} : std::vector<int>{100000, 1000000}) {
    WriteIndex(lumivelDir, 1);
    dropIndex();
    diapo.LoadIndex();
    const long baseline = ResidentBytes();
    WriteIndex(lumivelDir, pictures);
    dropIndex();
    diapo.LoadIndex();
    worked = worked && diapo.ImageCount() == pictures &&
             diapo.ListBox_rep.Count() == (pictures + kPicturesPerFolder - 1) / kPicturesPerFolder;
    const double bytesPerPicture = double(ResidentBytes() - baseline) / pictures;

    const fs::path records = lumivelDir / "toutes_img._nf";
    const double reference = Best(runs, [] {}, [&] { worked = worked && VectorRead(records) > 0; });
    const double ours = Best(runs, dropIndex, [&] { diapo.LoadIndex(); });
    const double timeRatio = ours / reference;
    const bool timeMet = timeRatio <= 1.5;
    const bool memoryMet = bytesPerPicture <= 100;
    met = met && timeMet && memoryMet;
    std::printf("%d pictures (%.1f MB of records, %d folders), best of %d runs\n", pictures,
                double(pictures) * lumivel::kRecordSize / 1e6, diapo.ListBox_rep.Count(), runs);
    std::printf("  LoadIndex %8.1f ms   vector read %8.1f ms   ratio %.2f (goal <= 1.50) %s\n", ours,
                reference, timeRatio, timeMet ? "met" : "MISSED");
    std::printf("  resident  %8.1f bytes a picture   record %d bytes   ratio %.2f (goal <= 100 bytes) %s\n",
                bytesPerPicture, lumivel::kRecordSize, bytesPerPicture / lumivel::kRecordSize,
                memoryMet ? "met" : "MISSED");
  }
  fs::remove_all(drive);
  if (!worked) {
    std::fprintf(stderr, "the index did not load whole\n");
    return 1;
  }
  return met || quick ? 0 : 2;
}
