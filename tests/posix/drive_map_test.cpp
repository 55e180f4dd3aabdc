// Where drive C is put from the environment a session gives the program.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "posix/drive_map.h"

namespace lumivel {
namespace {

// Sets or unsets a variable for the scope, then puts back what was there.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DriveMap, DriveCFollowsTheDataFolderOfTheSession) {
  const std::string account = std::string(::getpwuid(::getuid())->pw_dir) + "/.local/share/lumivel/drive_c";
  const struct {
    const char* what;
    const char* dataHome;
    const char* home;
    std::string driveC;
  } rows[] = {
      {"the desktop's data folder", "/srv/data", "/home/ana", "/srv/data/lumivel/drive_c"},
      {"no data folder: the one under the home", nullptr, "/home/ana", "/home/ana/.local/share/lumivel/drive_c"},
      {"a relative data folder counts as none", "data", "/home/ana", "/home/ana/.local/share/lumivel/drive_c"},
      {"no home: the account's", nullptr, nullptr, account},
      {"a relative home counts as none", "", "ana", account},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ScopedVariable dataHome("XDG_DATA_HOME", row.dataHome);
    ScopedVariable home("HOME", row.home);
    ScopedVariable mapped("LUMIVEL_DRIVE_C", nullptr);
    EXPECT_EQ(DriveMap::FromEnvironment().Root('C'), row.driveC);
  }
}

}  // namespace
}  // namespace lumivel
