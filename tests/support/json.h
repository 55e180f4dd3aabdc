#pragma once
// A small JSON reader for the headless dump.
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumivel::testing {

class Json {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };
  static Json Parse(const std::string& text);  // throws std::runtime_error on bad input

  Kind kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<Json> array;
  std::map<std::string, Json> object;

  const Json& operator[](const std::string& key) const;  // throws when missing
  const Json& operator[](std::size_t index) const { return array.at(index); }
  bool Has(const std::string& key) const { return object.count(key) > 0; }
  int Int() const { return static_cast<int>(number); }
  std::vector<std::string> Strings() const;
};

}  // namespace lumivel::testing
