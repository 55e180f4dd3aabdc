#pragma once
// A program error carries the French message (code page 1252) that the default handler shows.
#include <exception>
#include <string>

#include "util/cp1252.h"

namespace lumivel {

class ProgramError : public std::exception {
 public:
  explicit ProgramError(Text message) : message_(std::move(message)) {}
  const Text& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  Text message_;
};

// "'%s' n'est pas une valeur entière correcte"
Text ConversionErrorMessage(const Text& text);
[[noreturn]] void ThrowConversionError(const Text& text);

// "%s" replaced by the argument, as the runtime formats its messages.
Text FormatMessage(const Text& pattern, const Text& argument);

}  // namespace lumivel
