#include "headless/fake_services.h"

namespace lumivel {

void FakeScreenSaver::SetTimeout(int32_t seconds) {
  seconds_ = seconds;
  toolkit_.Record("saver-set", std::to_string(seconds));
}

std::optional<int> RecordingLauncher::Start(const Text& commandLine, const LaunchArgument& program,
                                            const std::vector<LaunchArgument>& arguments) {
  toolkit_.Record("launch", QuoteForTranscript(commandLine));
  return real_.Start(commandLine, program, arguments);
}

int RecordingLauncher::ShellOpen(const Text& program, const Text& parameters, const Text& directory) {
  toolkit_.Record("open", QuoteForTranscript(program) + " " + QuoteForTranscript(parameters) + " " +
                              QuoteForTranscript(directory));
  return real_.ShellOpen(program, parameters, directory);
}

}  // namespace lumivel
