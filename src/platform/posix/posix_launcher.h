#pragma once
// Starting outside programs on Linux: an argument vector for posix_spawn, never a shell, so no
// folder name can add arguments; program paths are handed over in host form.
#include "platform/file_system.h"
#include "platform/services.h"

namespace lumivel {

class PosixLauncher : public Launcher {
 public:
  explicit PosixLauncher(const FileSystem& fs) : fs_(fs) {}
  std::optional<int> Start(const Text& commandLine, const LaunchArgument& program,
                           const std::vector<LaunchArgument>& arguments) override;
  bool WaitFor(int process, int timeoutMs) override;
  int ShellOpen(const Text& program, const Text& parameters, const Text& directory) override;

 private:
  std::string HostArgument(const LaunchArgument& argument) const;
  const FileSystem& fs_;
};

}  // namespace lumivel
