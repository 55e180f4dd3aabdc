#pragma once
// Which host folder each drive letter stands for. From the environment: LUMIVEL_DRIVE_<letter>;
// by default C: is $XDG_DATA_HOME/lumivel/drive_c (~/.local/share/lumivel/drive_c, the home
// taken from the account when HOME is unset) and Z: is /.
#include <map>
#include <optional>
#include <string>

namespace lumivel {

class DriveMap {
 public:
  void Map(char letter, std::string hostRoot);
  std::optional<std::string> Root(char letter) const;
  const std::map<char, std::string>& Roots() const { return roots_; }
  static DriveMap FromEnvironment();

 private:
  std::map<char, std::string> roots_;  // upper-case letter -> host folder without trailing '/'
};

}  // namespace lumivel
