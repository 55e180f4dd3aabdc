#include "posix/drive_map.h"

#include <cctype>
#include <cstdlib>

namespace lumivel {

void DriveMap::Map(char letter, std::string hostRoot) {
  while (hostRoot.size() > 1 && hostRoot.back() == '/') hostRoot.pop_back();
  if (hostRoot == "/") hostRoot.clear();  // the root joins as "" + "/name"
  roots_[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = std::move(hostRoot);
}

std::optional<std::string> DriveMap::Root(char letter) const {
  auto it = roots_.find(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))));
  if (it == roots_.end()) return std::nullopt;
  return it->second;
}

DriveMap DriveMap::FromEnvironment() {
  DriveMap map;
  std::string dataHome;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    dataHome = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    dataHome = std::string(home) + "/.local/share";
  } else {
    dataHome = "/tmp";
  }
  map.Map('C', dataHome + "/lumivel/drive_c");
  map.Map('Z', "/");
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string name = std::string("LUMIVEL_DRIVE_") + letter;
    if (const char* value = std::getenv(name.c_str()); value && *value) map.Map(letter, value);
  }
  return map;
}

}  // namespace lumivel
