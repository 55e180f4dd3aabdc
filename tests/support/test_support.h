#pragma once
// Shared test helpers: temporary folders and a message recorder.
#include <filesystem>
#include <string>
#include <vector>

#include "util/cp1252.h"
#include "util/errors.h"
#include "util/message_sink.h"

namespace lumivel::testing {

// A fresh folder under the system's temporary folder, removed with its content at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  // Writes a file (creating its folders) and returns its path.
  std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;
  std::string Read(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

class RecordingMessages : public MessageSink {
 public:
  void ShowMessage(const Text& text) override { messages.push_back(text); }
  std::vector<Text> messages;
};

std::string ReadHostFile(const std::filesystem::path& path);

// The message of the program error that `action` raises, or a note that it raised none.
template <typename Action>
Text ErrorOf(Action action) {
  try {
    action();
  } catch (const ProgramError& error) {
    return error.Message();
  }
  return "(no error)";
}

}  // namespace lumivel::testing
