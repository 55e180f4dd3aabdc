// lumivel-headless [--screen WxH] [--script FILE] [--for MS] [--dump FILE] [-- ARGS...]
// Runs the program with the headless view and a virtual clock; prints the transcript.
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/program.h"
#include "headless/fake_services.h"
#include "headless/headless_toolkit.h"
#include "headless/state_dump.h"
#include "posix/own_files.h"
#include "posix/picture_loader.h"
#include "posix/posix_file_system.h"
#include "posix/posix_launcher.h"
#include "posix/termination_signals.h"
#include "show/random_source.h"

namespace {

constexpr int kUsageError = 64;

int Usage(const std::string& why) {
  std::cerr << "lumivel-headless: " << why << "\n"
            << "usage: lumivel-headless [--screen WxH] [--script FILE] [--for MS] [--dump FILE] [-- ARGS...]\n";
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lumivel;
  int width = 1920, height = 1080;
  int64_t forMs = -1;
  std::string scriptPath, dumpPath, argument1;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    if (a == "--") {
      if (i + 1 < argc) argument1 = argv[i + 1];
      break;
    } else if (a == "--screen") {
      auto v = value();
      char x = 0;
      std::istringstream s(v.value_or(""));
      if (!v || !(s >> width >> x >> height) || x != 'x' || width <= 0 || height <= 0) {
        return Usage("--screen takes WxH");
      }
    } else if (a == "--script") {
      auto v = value();
      if (!v) return Usage("--script takes a file");
      scriptPath = *v;
    } else if (a == "--for") {
      auto v = value();
      try {
        forMs = v ? std::stoll(*v) : -1;
      } catch (...) {
        forMs = -1;
      }
      if (forMs < 0) return Usage("--for takes milliseconds");
    } else if (a == "--dump") {
      auto v = value();
      if (!v) return Usage("--dump takes a file");
      dumpPath = *v;
    } else {
      return Usage("unknown option " + a);
    }
  }
  std::vector<ScriptEvent> events;
  if (!scriptPath.empty()) {
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) return Usage("cannot read script " + scriptPath);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    auto parsed = ParseScript(text.str(), &error);
    if (!parsed) return Usage(error);
    events = std::move(*parsed);
  }

  VirtualClock clock;
  PosixFileSystem fs(DriveMap::FromEnvironment());
  fs.CreateDriveFolder('C');
  Transcript transcript(std::cout);
  HeadlessToolkit toolkit(clock, fs, transcript, width, height, std::move(events), forMs);
  Application app(toolkit);
  toolkit.SetApplication(&app);
  TerminationSignals termination;
  toolkit.WatchTermination(termination);
  FakeScreenSaver saver(toolkit);
  toolkit.SetScreenSaverHook([&saver](bool active, int seconds) { saver.Configure(active, seconds); });
  SilentSound sound;
  PosixPictureLoader pictures;
  PosixLauncher realLauncher(fs);
  RecordingLauncher launcher(realLauncher, toolkit);
  UniformRandomSource random;
  PosixOwnFiles ownFiles;
  Services services{fs, clock, random, pictures, sound, saver, launcher, ownFiles};
  toolkit.DeliverStartEvents();

  FinishingHook dump = [&](ControlSet& controls, Tdiapo* diapo) {
    if (dumpPath.empty()) return;
    std::ofstream out(dumpPath, std::ios::binary | std::ios::trunc);
    out << DumpState(controls, diapo);
  };
  int code = 0;
  try {
    code = RunProgram(app, toolkit, services, argument1, dump);
    if (app.ExitPending()) toolkit.Record("exit", std::to_string(code));
  } catch (const HeadlessTimeUp&) {
    code = 0;
  }
  return code;
}
