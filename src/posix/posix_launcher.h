#pragma once
// Starting outside programs on Linux: an argument vector for posix_spawn, never a shell, so no
// folder name can add arguments; program paths are handed over in host form.
//
// A program named by a Windows path is looked for at its mapped place, then by its file name on
// the search path ("XnView.exe"), then by that name lower-cased without ".exe" ("xnview"). The
// shell's "open" of the Windows programs that only open a document (the text editor, the file
// manager, the PDF reader) falls back to the desktop's opener, xdg-open, applied to the document,
// so that a missing reader still shows the manual; only when that is missing too does the
// caller hear "not found" and try the browser.
#include <string>
#include <vector>

#include "services/file_system.h"
#include "services/services.h"

namespace lumivel {

class PosixLauncher : public Launcher {
 public:
  // searchPath: the folders searched for a program by name, as in PATH.
  explicit PosixLauncher(const FileSystem& fs, std::string searchPath = EnvironmentSearchPath());
  std::optional<int> Start(const Text& commandLine, const LaunchArgument& program,
                           const std::vector<LaunchArgument>& arguments) override;
  bool WaitFor(int process, int timeoutMs) override;
  void Release(int process) override;
  // Starts the program detached (a reaper collects it); 42 when started, 2 when the program is
  // not found, 3 when the working folder is missing, 5 when it could not be started.
  int ShellOpen(const Text& program, const Text& parameters, const Text& directory) override;

  static std::string EnvironmentSearchPath();

 private:
  std::string HostArgument(const LaunchArgument& argument) const;
  // A parameter of the shell's "open": a program path or a file:/// address of one in host form.
  std::string HostParameter(const Text& parameter) const;
  // The host program for a Windows program path or name; empty when there is none.
  std::string FindProgram(const Text& program) const;
  std::string FindOnSearchPath(const std::string& name) const;
  // The host path of the document an "open" names: the parameter, taken inside the working
  // folder when it is a bare name; the home folder when both are empty.
  std::string HostDocument(const Text& parameters, const Text& directory) const;

  const FileSystem& fs_;
  std::string searchPath_;
};

}  // namespace lumivel
