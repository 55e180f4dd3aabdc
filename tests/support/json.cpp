#include "support/json.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace lumivel::testing {
namespace {

struct Parser {
  const std::string& s;
  std::size_t i = 0;

  void Space() {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  }
  [[noreturn]] void Fail(const char* what) {
    throw std::runtime_error(std::string("json: ") + what + " at " + std::to_string(i));
  }
  void Expect(char c) {
    Space();
    if (i >= s.size() || s[i] != c) Fail("unexpected character");
    ++i;
  }
  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  std::string String() {
    Expect('"');
    std::string out;
    while (i < s.size() && s[i] != '"') {
      char c = s[i++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (i >= s.size()) Fail("bad escape");
      char e = s[i++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          if (i + 4 > s.size()) Fail("bad escape");
          AppendUtf8(out, static_cast<unsigned>(std::stoul(s.substr(i, 4), nullptr, 16)));
          i += 4;
          break;
        }
        default: out += e;
      }
    }
    Expect('"');
    return out;
  }
  Json Value() {
    Space();
    if (i >= s.size()) Fail("end of input");
    Json v;
    char c = s[i];
    if (c == '{') {
      v.kind = Json::Kind::Object;
      ++i;
      Space();
      if (s[i] == '}') {
        ++i;
        return v;
      }
      for (;;) {
        std::string key = String();
        Expect(':');
        v.object[key] = Value();
        Space();
        if (s[i] == ',') {
          ++i;
          continue;
        }
        Expect('}');
        return v;
      }
    }
    if (c == '[') {
      v.kind = Json::Kind::Array;
      ++i;
      Space();
      if (s[i] == ']') {
        ++i;
        return v;
      }
      for (;;) {
        v.array.push_back(Value());
        Space();
        if (s[i] == ',') {
          ++i;
          continue;
        }
        Expect(']');
        return v;
      }
    }
    if (c == '"') {
      v.kind = Json::Kind::String;
      v.string = String();
      return v;
    }
    if (s.compare(i, 4, "true") == 0) {
      i += 4;
      v.kind = Json::Kind::Bool;
      v.boolean = true;
      return v;
    }
    if (s.compare(i, 5, "false") == 0) {
      i += 5;
      v.kind = Json::Kind::Bool;
      return v;
    }
    if (s.compare(i, 4, "null") == 0) {
      i += 4;
      return v;
    }
    char* end = nullptr;
    v.number = std::strtod(s.c_str() + i, &end);
    if (end == s.c_str() + i) Fail("bad value");
    i = static_cast<std::size_t>(end - s.c_str());
    v.kind = Json::Kind::Number;
    return v;
  }
};

}  // namespace

Json Json::Parse(const std::string& text) {
  Parser p{text};
  return p.Value();
}

const Json& Json::operator[](const std::string& key) const {
  auto it = object.find(key);
  if (it == object.end()) throw std::runtime_error("json: no key " + key);
  return it->second;
}

std::vector<std::string> Json::Strings() const {
  std::vector<std::string> out;
  for (const auto& v : array) out.push_back(v.string);
  return out;
}

}  // namespace lumivel::testing
