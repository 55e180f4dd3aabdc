#pragma once
#include "util/cp1252.h"

namespace lumivel {

// Where a helper shows a plain message box (the toolkit in the program, a recorder in tests).
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const Text& text) = 0;
};

}  // namespace lumivel
