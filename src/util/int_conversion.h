#pragma once
// The runtime's text-to-integer conversion: leading blanks skipped, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x" or "0x"; nothing may follow.
#include <cstdint>
#include <optional>

#include "util/cp1252.h"

namespace lumivel {

std::optional<int32_t> TryStrToInt(const Text& text);
// Raises the conversion error "'%s' n'est pas une valeur entière correcte" naming the text.
int32_t StrToInt(const Text& text);

}  // namespace lumivel
