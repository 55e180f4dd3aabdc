#pragma once
// The files the program ships with itself (the manual, its helper programs), found however it was
// installed or started: beside the program, as in its build folder or an unpacked archive, or in
// the documentation or helper folder of an installation, which lies at the same place relative
// to the program whatever prefix it was installed under.
#include <optional>
#include <string>

#include "services/services.h"

namespace lumivel {

class PosixOwnFiles : public OwnFiles {
 public:
  // The bytes of the first copy of `name` found beside the program or in its documentation
  // folder; nothing when neither holds a readable one.
  std::optional<std::string> Read(const std::string& name) override;
};

// The path of the helper program `name` beside the program or in its helper folder (the first
// one that can be run); nothing when neither holds one.
std::optional<std::string> FindOwnHelper(const std::string& name);

}  // namespace lumivel
