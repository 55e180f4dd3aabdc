#include "headless/script.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

namespace lumivel {
namespace {

bool SplitArguments(const std::string& rest, std::vector<std::string>& args) {
  std::size_t i = 0;
  while (i < rest.size()) {
    if (std::isspace(static_cast<unsigned char>(rest[i]))) {
      ++i;
      continue;
    }
    std::string arg;
    if (rest[i] == '"') {
      ++i;
      bool closed = false;
      while (i < rest.size()) {
        char c = rest[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < rest.size()) {
          char e = rest[i++];
          arg += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
        } else {
          arg += c;
        }
      }
      if (!closed) return false;
    } else {
      while (i < rest.size() && !std::isspace(static_cast<unsigned char>(rest[i]))) arg += rest[i++];
    }
    args.push_back(arg);
  }
  return true;
}

}  // namespace

std::optional<std::vector<ScriptEvent>> ParseScript(const std::string& text, std::string* error) {
  static const std::set<std::string> kVerbs = {"keydown", "keyup", "click", "edit",   "check", "select",
                                               "focus",   "mouse", "answer", "choose", "saver"};
  std::vector<ScriptEvent> events;
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream fields(line.substr(first));
    ScriptEvent event;
    event.line = number;
    std::string rest;
    if (!(fields >> event.ms >> event.verb) || event.ms < 0 || !kVerbs.count(event.verb)) {
      if (error) *error = "script line " + std::to_string(number) + ": expected '<ms> <verb> <args>'";
      return std::nullopt;
    }
    std::getline(fields, rest);
    if (!SplitArguments(rest, event.args)) {
      if (error) *error = "script line " + std::to_string(number) + ": unclosed quote";
      return std::nullopt;
    }
    events.push_back(std::move(event));
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.ms < b.ms; });
  return events;
}

}  // namespace lumivel
