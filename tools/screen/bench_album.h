#pragma once
// The pictures and data folders the screen benchmarks show: solid colours a probe can tell apart at
// the centre of the screen, a large tree of pictures, and a drive C whose index is already saved.
#include <filesystem>
#include <string>
#include <vector>

#include "screen/screen_probe.h"

namespace lumivel::bench {

inline const Colour kMagenta{200, 40, 160};
inline const Colour kGreen{40, 190, 70};

// A JPEG of one colour.
void WriteSolidJpeg(const std::filesystem::path& path, int width, int height, const Colour& colour);
// A camera-sized JPEG of gradients and squares, for the zoom.
void WritePatternJpeg(const std::filesystem::path& path, int width, int height);
// `count` pictures (hard links of one small JPEG of `colour`) spread over folders of 100 under
// `root`, the way a photo library lies on disk.
void WritePictureTree(const std::filesystem::path& root, int count, const Colour& colour);

// A drive C for Lumivel: its data folder with the root folders (all ticked), the settings lines,
// and the index saved by a first run of lumivel-headless, so a start loads it.
class LumivelDrive {
 public:
  // `entries`: about how many files and folders the walk meets, which sets how long the first run
  // lasts.
  LumivelDrive(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& roots,
               const std::vector<std::string>& settings, int entries = 10);
  const std::filesystem::path& Folder() const { return folder_; }
  std::string Environment() const { return "LUMIVEL_DRIVE_C=" + folder_.string(); }

 private:
  std::filesystem::path folder_;
};

// A fresh temporary folder, removed with this.
class BenchFolder {
 public:
  BenchFolder();
  ~BenchFolder();
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The environment under which a Qt program shows its window on the X display.
std::vector<std::string> QtOnX11(const std::vector<std::string>& more = {});

}  // namespace lumivel::bench
