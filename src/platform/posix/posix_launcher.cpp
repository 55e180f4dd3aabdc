#include "platform/posix/posix_launcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace lumivel {

std::string PosixLauncher::HostArgument(const LaunchArgument& argument) const {
  if (argument.isProgramPath) {
    std::string host = fs_.ToHost(argument.text);
    if (!host.empty()) return host;
  }
  return Cp1252ToUtf8(argument.text);
}

std::optional<int> PosixLauncher::Start(const Text& /*commandLine*/, const LaunchArgument& program,
                                        const std::vector<LaunchArgument>& arguments) {
  std::string executable = HostArgument(program);
  if (executable.empty() || access(executable.c_str(), X_OK) != 0) return std::nullopt;
  std::vector<std::string> argv{executable};
  for (const auto& argument : arguments) argv.push_back(HostArgument(argument));
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, executable.c_str(), nullptr, nullptr, raw.data(), environ) != 0) {
    return std::nullopt;
  }
  return static_cast<int>(pid);
}

bool PosixLauncher::WaitFor(int process, int timeoutMs) {
  constexpr int kSliceMs = 10;
  for (int waited = 0;; waited += kSliceMs) {
    int status = 0;
    pid_t done = waitpid(process, &status, WNOHANG);
    if (done == process || (done < 0 && errno == ECHILD)) return true;
    if (waited >= timeoutMs) return false;
    timespec slice{0, kSliceMs * 1000000L};
    nanosleep(&slice, nullptr);
  }
}

int PosixLauncher::ShellOpen(const Text& /*program*/, const Text& /*parameters*/, const Text& /*directory*/) {
  return 2;
}

}  // namespace lumivel
