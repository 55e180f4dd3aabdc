#include "show/title_line.h"

#include <string>

#include "util/program_path.h"
#include "util/util.h"

namespace lumivel {
namespace {

Text WithoutDots(Text title, char replacement) {
  ReplaceChar('.', replacement, title);
  return title;
}

}  // namespace

Text NewPictureTitle(int32_t item, int32_t k, int32_t n, const Text& path) {
  if (item != 1 && item != 2) return Text();
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + std::string&&.
  Text title = "(";
  title.append(std::to_string(k)).append("/").append(std::to_string(n)).append(")  ");
  title += LastPathComponent(DirectoryPart(path));
  if (item == 2) title.append(" \\ ").append(FileNamePart(path));
  return WithoutDots(title, ' ');
}

Text BrowseTitle(int32_t item, int32_t h, int32_t n, const Text& path) {
  switch (item) {
    case 1:
      return WithoutDots(
          " [" + std::to_string(h) + " / " + std::to_string(n) + "]  " + DirectoryPart(path), ' ');
    case 2:
      return WithoutDots(" [" + std::to_string(h) + "]  " + path, ' ');
    default:
      return " ";
  }
}

Text ReplayTitle(const Text& path) { return WithoutDots(path, ','); }

}  // namespace lumivel
