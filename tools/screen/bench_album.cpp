#include "screen/bench_album.h"

#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace lumivel::bench {

namespace fs = std::filesystem;

namespace {

void WriteJpeg(const fs::path& path, int width, int height, const std::vector<unsigned char>& rgb) {
  tjhandle tj = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  if (!tj || tjCompress2(tj, rgb.data(), width, 0, height, TJPF_RGB, &jpeg, &size, TJSAMP_420, 92, 0) != 0) {
    std::fprintf(stderr, "cannot encode %s\n", path.c_str());
    std::exit(2);
  }
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(jpeg), static_cast<std::streamsize>(size));
  tjFree(jpeg);
  tjDestroy(tj);
}

std::string Cp1252Line(const std::string& text) { return text + "\r\n"; }

}  // namespace

void WriteSolidJpeg(const fs::path& path, int width, int height, const Colour& colour) {
  std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
  for (size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = static_cast<unsigned char>(colour.r);
    rgb[i + 1] = static_cast<unsigned char>(colour.g);
    rgb[i + 2] = static_cast<unsigned char>(colour.b);
  }
  WriteJpeg(path, width, height, rgb);
}

void WritePatternJpeg(const fs::path& path, int width, int height) {
  std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
  unsigned char* p = rgb.data();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      *p++ = static_cast<unsigned char>(x * 255 / width);
      *p++ = static_cast<unsigned char>(y * 255 / height);
      *p++ = static_cast<unsigned char>((x / 200 + y / 200) % 2 ? 200 : 60);
    }
  }
  WriteJpeg(path, width, height, rgb);
}

void WritePictureTree(const fs::path& root, int count, const Colour& colour) {
  const fs::path model = root / "model.jpg";
  for (int i = 0; i < count; ++i) {
    // A file system allows some tens of thousands of links to one file: a new model now and then.
    if (i % 10000 == 0) {
      fs::remove(model);
      WriteSolidJpeg(model, 640, 480, colour);
    }
    const fs::path folder = root / ("2020-" + std::to_string(1000 + i / 100));
    if (i % 100 == 0) fs::create_directories(folder);
    fs::create_hard_link(model, folder / ("IMG_" + std::to_string(10000 + i) + ".jpg"));
  }
  fs::remove(model);
}

LumivelDrive::LumivelDrive(const fs::path& folder, const std::vector<fs::path>& roots,
                           const std::vector<std::string>& settings, int entries)
    : folder_(folder) {
  const fs::path data = folder_ / "Lumivel";
  fs::create_directories(data);
  std::string rootLines, flagLines, settingLines;
  for (const auto& root : roots) {
    // Drive Z: is the whole file system.
    std::string program = "Z:" + root.string();
    for (char& c : program) c = c == '/' ? '\\' : c;
    rootLines += Cp1252Line(program);
    flagLines += Cp1252Line("true");
  }
  for (const auto& line : settings) settingLines += Cp1252Line(line);
  std::ofstream(data / "lumivel.rep", std::ios::binary) << rootLines;
  std::ofstream(data / "lumivel.repflag", std::ios::binary) << flagLines;
  std::ofstream(data / "lumivel_var.prm", std::ios::binary) << settingLines;
  // The first run walks the folders and saves the index; its scripted clock costs a millisecond an
  // entry, and the run ends when that time is up.
  const std::string headless = OwnFolder() + "/lumivel-headless";
  const std::string command = "env " + Environment() + " '" + headless + "' --for " + std::to_string(2 * entries + 1000) + " -- /s > /dev/null 2>&1";
  if (std::system(command.c_str()) != 0 || !fs::exists(data / "effacez_moi_pour_reinitialiser.___")) {
    std::fprintf(stderr, "the index was not saved by %s\n", headless.c_str());
    std::exit(2);
  }
}

BenchFolder::BenchFolder() {
  std::string pattern = (fs::temp_directory_path() / "lumivel-bench.XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::exit(2);
  }
  path_ = pattern;
}

BenchFolder::~BenchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::vector<std::string> QtOnX11(const std::vector<std::string>& more) {
  std::vector<std::string> env = {"QT_QPA_PLATFORM=xcb"};
  env.insert(env.end(), more.begin(), more.end());
  return env;
}

}  // namespace lumivel::bench
