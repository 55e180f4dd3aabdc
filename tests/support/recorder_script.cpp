#include "support/recorder_script.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/test_support.h"

namespace lumivel::testing {

namespace fs = std::filesystem;

void WriteRecorder(const fs::path& script, const fs::path& record, const std::string& extra) {
  fs::create_directories(script.parent_path());
  std::ofstream out(script, std::ios::binary | std::ios::trunc);
  out << "#!/bin/sh\n"
      << "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" << record.string() << ".tmp'\n"
      << "/bin/mv '" << record.string() << ".tmp' '" << record.string() << "'\n"
      << extra;
  out.close();
  fs::permissions(script, fs::perms::owner_all);
}

std::optional<std::vector<std::string>> AwaitRecord(const fs::path& record) {
  for (int i = 0; i < 1000 && !fs::exists(record); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!fs::exists(record)) return std::nullopt;
  std::vector<std::string> lines;
  std::istringstream in(ReadHostFile(record));
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace lumivel::testing
