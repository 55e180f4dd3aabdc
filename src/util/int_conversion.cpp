#include "util/int_conversion.h"

#include "util/errors.h"

namespace lumivel {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Hexadecimal takes up to 8 significant digits as an unsigned 32-bit value seen as signed, so
// "$FFFFFFFF" is -1; the sign then negates modulo 2^32 ("-$80000000" is the lowest value).
std::optional<int32_t> ParseHex(const Text& text, std::size_t i, bool negative) {
  if (i == text.size()) return std::nullopt;
  uint32_t value = 0;
  int significant = 0;
  for (; i < text.size(); ++i) {
    int digit = HexDigitValue(text[i]);
    if (digit < 0) return std::nullopt;
    if (value != 0 || digit != 0) {
      if (++significant > 8) return std::nullopt;
    }
    value = value * 16u + static_cast<uint32_t>(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

std::optional<int32_t> ParseDecimal(const Text& text, std::size_t i, bool negative) {
  if (i == text.size()) return std::nullopt;
  const int64_t limit = negative ? int64_t{2147483648} : int64_t{2147483647};
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<int32_t> TryStrToInt(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    return ParseHex(text, i + 1, negative);
  }
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    return ParseHex(text, i + 2, negative);
  }
  return ParseDecimal(text, i, negative);
}

int32_t StrToInt(const Text& text) {
  auto value = TryStrToInt(text);
  if (!value) ThrowConversionError(text);
  return *value;
}

}  // namespace lumivel
