#include "util/errors.h"

namespace lumivel {

using namespace literals;

Text FormatMessage(const Text& pattern, const Text& argument) {
  Text out = pattern;
  auto at = out.find("%s");
  if (at != Text::npos) out.replace(at, 2, argument);
  return out;
}

Text ConversionErrorMessage(const Text& text) {
  static const Text pattern = "'%s' n'est pas une valeur entière correcte"_cp;
  return FormatMessage(pattern, text);
}

void ThrowConversionError(const Text& text) { throw ProgramError(ConversionErrorMessage(text)); }

}  // namespace lumivel
