#include "posix/posix_launcher.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

#include "util/program_path.h"

extern char** environ;

namespace lumivel {
namespace {

// The shell's answers, as the program reads them.
constexpr int kOpened = 42;
constexpr int kFileNotFound = kShellFileNotFound;
constexpr int kPathNotFound = 3;
constexpr int kAccessDenied = 5;

// Stands for the Windows programs that only open the document they are given.
constexpr const char* kDesktopOpener = "xdg-open";
constexpr const char* kDocumentOpeners[] = {"notepad.exe", "explorer.exe", "pdfxcview.exe"};

constexpr const char* kFileUrlPrefix = "file:///";

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
         access(path.c_str(), X_OK) == 0;
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// "X:" or "X:\..." at the start: a path the drive map can place.
bool IsDrivePath(const Text& text) {
  return text.size() >= 2 && text[1] == ':' &&
         ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z')) &&
         (text.size() == 2 || text[2] == '\\');
}

bool IsDocumentOpener(const Text& program) {
  Text name = LowerCase(FileNamePart(program));
  for (const char* opener : kDocumentOpeners) {
    if (name == opener) return true;
  }
  return false;
}

std::string PercentEncodedPath(const std::string& hostPath) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : hostPath) {
    auto byte = static_cast<unsigned char>(c);
    bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                 (byte >= '0' && byte <= '9') || byte == '/' || byte == '-' || byte == '.' ||
                 byte == '_' || byte == '~';
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

std::vector<char*> ArgumentVector(std::vector<std::string>& argv) {
  std::vector<char*> raw;
  for (auto& a : argv) raw.push_back(a.data());
  raw.push_back(nullptr);
  return raw;
}

}  // namespace

PosixLauncher::PosixLauncher(const FileSystem& fs, std::string searchPath)
    : fs_(fs), searchPath_(std::move(searchPath)) {}

std::string PosixLauncher::EnvironmentSearchPath() {
  const char* path = std::getenv("PATH");
  return path ? path : "";
}

std::string PosixLauncher::HostArgument(const LaunchArgument& argument) const {
  if (argument.isProgramPath) {
    std::string host = fs_.ToHost(argument.text);
    if (!host.empty()) return host;
  }
  return Cp1252ToUtf8(argument.text);
}

std::string PosixLauncher::HostParameter(const Text& parameter) const {
  if (parameter.rfind(kFileUrlPrefix, 0) == 0) {
    Text path = parameter.substr(std::char_traits<char>::length(kFileUrlPrefix));
    if (IsDrivePath(path)) {
      std::string host = fs_.ToHost(path);
      if (!host.empty()) return "file://" + PercentEncodedPath(host);
    }
  }
  return HostArgument({parameter, IsDrivePath(parameter)});
}

std::string PosixLauncher::FindOnSearchPath(const std::string& name) const {
  if (name.empty() || name.find('/') != std::string::npos) return std::string();
  std::size_t start = 0;
  for (;;) {
    std::size_t end = searchPath_.find(':', start);
    std::string folder = searchPath_.substr(start, end == std::string::npos ? end : end - start);
    // An empty entry would mean the current folder; a program is never taken from there.
    if (!folder.empty()) {
      if (std::string candidate = folder + "/" + name; IsExecutableFile(candidate)) return candidate;
    }
    if (end == std::string::npos) return std::string();
    start = end + 1;
  }
}

std::string PosixLauncher::FindProgram(const Text& program) const {
  if (IsDrivePath(program)) {
    if (std::string host = fs_.ToHost(program); IsExecutableFile(host)) return host;
  }
  Text name = FileNamePart(program);
  if (std::string found = FindOnSearchPath(Cp1252ToUtf8(name)); !found.empty()) return found;
  Text plain = LowerCase(name);
  if (ExtensionOf(plain) == ".exe") plain.resize(plain.size() - 4);
  if (plain.empty() || plain == name) return std::string();
  return FindOnSearchPath(Cp1252ToUtf8(plain));
}

std::string PosixLauncher::HostDocument(const Text& parameters, const Text& directory) const {
  Text document = parameters;
  if (document.empty()) {
    document = directory;
  } else if (!IsDrivePath(document) && !directory.empty()) {
    document = directory + "\\" + parameters;
  }
  if (document.empty()) {
    const char* home = std::getenv("HOME");
    return home && *home ? home : "/";
  }
  return fs_.ToHost(document);
}

std::optional<int> PosixLauncher::Start(const Text& /*commandLine*/, const LaunchArgument& program,
                                        const std::vector<LaunchArgument>& arguments) {
  std::string executable = FindProgram(program.text);
  if (executable.empty()) return std::nullopt;
  std::vector<std::string> argv{executable};
  for (const auto& argument : arguments) argv.push_back(HostArgument(argument));
  std::vector<char*> raw = ArgumentVector(argv);
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

int PosixLauncher::ShellOpen(const Text& program, const Text& parameters, const Text& directory) {
  std::string executable = FindProgram(program);
  std::vector<std::string> argv;
  std::string workDir;
  if (!executable.empty()) {
    argv.push_back(executable);
    if (!parameters.empty()) argv.push_back(HostParameter(parameters));
    if (!directory.empty()) {
      workDir = fs_.ToHost(directory);
      if (!IsDirectory(workDir)) return kPathNotFound;
    }
  } else if (IsDocumentOpener(program)) {
    executable = FindOnSearchPath(kDesktopOpener);
    if (executable.empty()) return kFileNotFound;
    std::string document = HostDocument(parameters, directory);
    if (document.empty()) return kFileNotFound;
    argv = {executable, document};
  } else {
    return kFileNotFound;
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
  std::vector<char*> raw = ArgumentVector(argv);
  pid_t pid = 0;
  int error = posix_spawn(&pid, executable.c_str(), &actions, nullptr, raw.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return error == ENOENT ? kFileNotFound : kAccessDenied;
  // Nobody waits for an opened document's program; this collects it when it ends.
  Release(pid);
  return kOpened;
}

void PosixLauncher::Release(int process) {
  std::thread([process] {
    int status = 0;
    while (waitpid(process, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace lumivel
