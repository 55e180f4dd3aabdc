#include "qt/offscreen_screen.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace lumivel {

OffscreenScreen::OffscreenScreen(int width, int height) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) return;
  file_ = folder / ("lumivel-screen-" + std::to_string(getpid()) + ".json");
  std::ofstream out(file_, std::ios::trunc);
  out << R"({"screens": [{"name": "lumivel", "x": 0, "y": 0, "width": )" << width
      << R"(, "height": )" << height << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"
      << "\n";
  if (!out.flush()) return;
  ready_ = setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file_.string()).c_str(), 1) == 0;
}

OffscreenScreen::~OffscreenScreen() {
  std::error_code ignored;
  if (!file_.empty()) std::filesystem::remove(file_, ignored);
}

}  // namespace lumivel
