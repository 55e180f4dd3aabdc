#pragma once
// The scripted events of a headless run: one a line, "<ms> <verb> <args>"; '#' starts a comment.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumivel {

struct ScriptEvent {
  int64_t ms = 0;
  std::string verb;               // keydown keyup click edit check select focus mouse answer choose saver
  std::vector<std::string> args;  // quoted arguments unquoted, still UTF-8
  int line = 0;
};

// Parses a script; on a malformed line returns nothing and sets *error to a message naming it.
std::optional<std::vector<ScriptEvent>> ParseScript(const std::string& text, std::string* error);

}  // namespace lumivel
