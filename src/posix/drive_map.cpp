#include "posix/drive_map.h"

#include <pwd.h>
#include <unistd.h>

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

namespace {

// The user's data folder as the desktop names it. A relative XDG_DATA_HOME or HOME counts as unset
// (it would move with the working folder); without HOME, the account's home from the password
// database; with no home at all, a folder of this user's own under /tmp.
std::string DataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/') return xdg;
  if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/.local/share";
  if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir && account->pw_dir[0] == '/')
    return std::string(account->pw_dir) + "/.local/share";
  return "/tmp/lumivel-" + std::to_string(::getuid());
}

}  // namespace

DriveMap DriveMap::FromEnvironment() {
  DriveMap map;
  const std::string dataHome = DataHome();
  map.Map('C', dataHome + "/lumivel/drive_c");
  map.Map('Z', "/");
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string name = std::string("LUMIVEL_DRIVE_") + letter;
    if (const char* value = std::getenv(name.c_str()); value && *value) map.Map(letter, value);
  }
  return map;
}

}  // namespace lumivel
