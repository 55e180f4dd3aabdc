#include "util/util.h"

#include <array>
#include <string_view>
#include <utility>

#include "util/errors.h"
#include "util/int_conversion.h"

namespace lumivel {
namespace {

// The accented letters that word matching folds to their plain letter; 0 = not folded.
// Æ, æ, Œ, œ and the other letters of the code page are deliberately left alone.
constexpr std::array<char, 256> MakeAccentFolds() {
  std::array<char, 256> fold{};
  auto set = [&fold](int from, int to, char plain) {
    for (int b = from; b <= to; ++b) fold[static_cast<std::size_t>(b)] = plain;
  };
  set(0xC0, 0xC5, 'A');
  set(0xE0, 0xE5, 'a');
  set(0xC8, 0xCB, 'E');
  set(0xE8, 0xEB, 'e');
  set(0xCC, 0xCF, 'I');
  set(0xEC, 0xEF, 'i');
  set(0xD2, 0xD6, 'O');
  set(0xD8, 0xD8, 'O');
  set(0xF2, 0xF6, 'o');
  set(0xF8, 0xF8, 'o');
  set(0xD9, 0xDC, 'U');
  set(0xF9, 0xFC, 'u');
  set(0xDD, 0xDD, 'Y');
  set(0x9F, 0x9F, 'Y');
  set(0xFD, 0xFD, 'y');
  set(0xFF, 0xFF, 'y');
  set(0xC7, 0xC7, 'C');
  set(0xE7, 0xE7, 'c');
  set(0xD1, 0xD1, 'N');
  set(0xF1, 0xF1, 'n');
  return fold;
}
constexpr std::array<char, 256> kAccentFolds = MakeAccentFolds();

// UTF-8 sequences of a file read as code page 1252, and the letter each one stood for, in the
// order they are tried. Two odd pairs are kept as the exclusion files in use expect them: the
// UTF-8 "ø" becomes the degree sign and the low single quotation mark becomes "é".
constexpr std::array<std::pair<std::string_view, char>, 20> kUtf8Repairs = {{
    {"\xC3\xA9", '\xE9'},
    {"\xC3\x83\xC2\xA9", '\xE9'},
    {"\xC2\xB0", '\xB0'},
    {"\xC3\xB4", '\xF4'},
    {"\xC3\xA8", '\xE8'},
    {"\xC3\xA7", '\xE7'},
    {"\xC3\xA0", '\xE0'},
    {"\xC3\xA2", '\xE2'},
    {"\xC3\xAA", '\xEA'},
    {"\xC3\xAE", '\xEE'},
    {"\xC3\xB4", '\xF4'},
    {"\xC3\xBB", '\xFB'},
    {"\xC3\xB8", '\xB0'},
    {"\xE2\x80\x9A", '\xE9'},
    {"\xC3\xB9", '\xF9'},
    {"\xC3\xAF", '\xEF'},
    {"\xC3\xBC", '\xFC'},
    {"\xC3\xA4", '\xE4'},
    {"\xC3\xB6", '\xF6'},
    {"\xC3\x89", '\xC9'},
}};

// Lead bytes that start a repair. "â" is itself one of them, so a text holding it keeps the
// loop going until the pass counter reaches the text's length.
constexpr std::string_view kRepairTriggers = "\xC2\xC3\xE2";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Text ExtractDatePrefix(const Text& path) {
  auto slash = path.rfind('\\');
  Text name = slash == Text::npos ? path : path.substr(slash + 1);
  if (name.size() >= 10 && name[4] == '-' && name[7] == '-') return name.substr(0, 10);
  if (name.size() >= 7 && name[4] == '-') return name.substr(0, 7);
  return Text();
}

Text NormalizeForMatch(const Text& text) {
  Text out;
  out.reserve(text.size());
  for (char c : text) {
    if (c >= 'a' && c <= 'z') {
      out += static_cast<char>(c - 'a' + 'A');
    } else if (c == ' ' || c == '-') {
      continue;
    } else if (char plain = kAccentFolds[static_cast<unsigned char>(c)]) {
      out += plain;
    } else {
      out += c;
    }
  }
  return out;
}

void DigitMask(char digitMark, Text& text, char otherMark) {
  for (char& c : text) c = IsDigit(c) ? digitMark : otherMark;
  text += otherMark;
}

void StripLetters(Text& text) {
  Text kept;
  kept.reserve(text.size());
  for (char c : text) {
    auto code = static_cast<unsigned char>(c);
    if (code < 'A' || code > 'z') kept += c;
  }
  text = std::move(kept);
}

void SplitLettersDigits(const Text& text, Text& letters, int32_t& number, MessageSink& messages) {
  Text digits;
  letters.clear();
  for (char c : text) {
    if (c == '.') break;
    (IsDigit(c) ? digits : letters) += c;
  }
  number = ToIntOrMessage(digits, 0, messages);
}

void ReplaceFirst(const Text& oldText, const Text& newText, Text& text) {
  if (oldText.empty()) return;
  auto at = text.find(oldText);
  if (at == Text::npos) return;
  // Only 255 characters after the match survive; the exclusion-file reader depends on it.
  text = text.substr(0, at) + newText + text.substr(at + oldText.size(), 255);
}

void RepairUtf8Accents(Text& text) {
  std::size_t passes = 0;
  while (text.find_first_of(kRepairTriggers) != Text::npos && passes < text.size()) {
    ++passes;
    for (const auto& [damaged, letter] : kUtf8Repairs) {
      ReplaceFirst(Text(damaged), Text(1, letter), text);
    }
  }
}

Text PadTwoDigits(const Text& text) {
  Text trimmed = TrimSpaces(text);
  return trimmed.size() == 1 ? "0" + trimmed : trimmed;
}

void ClampInt(int32_t& value, int32_t low, int32_t high) {
  if (value < low) value = low;
  if (value > high) value = high;
}

int32_t ToIntOrMessage(const Text& text, int32_t defaultValue, MessageSink& messages) {
  Text trimmed = TrimSpaces(text);
  if (trimmed.empty()) return defaultValue;
  if (auto value = TryStrToInt(trimmed)) return *value;
  messages.ShowMessage("EConvertError\n\r" + ConversionErrorMessage(trimmed));
  return 0;
}

Text TrimRightSpaces(const Text& text) {
  auto last = text.find_last_not_of(' ');
  return last == Text::npos ? Text() : text.substr(0, last + 1);
}

Text TrimLeftSpaces(const Text& text) {
  // The last character always stays, so a text of blanks only keeps one blank.
  std::size_t first = 0;
  while (first + 1 < text.size() && text[first] == ' ') ++first;
  return text.substr(first);
}

Text TrimSpaces(const Text& text) { return TrimRightSpaces(TrimLeftSpaces(text)); }

Text ExtractField(const Text& text, int field, char separator) {
  Text t;
  t.reserve(text.size() + 2);
  for (char c : text) {
    if (c == separator && !t.empty() && t.back() == separator) continue;
    t += c;
  }
  if (t.empty()) return "_extraitUTIL<" + text + ">";
  if (t.front() != separator) t.insert(t.begin(), separator);
  if (t.back() != separator) t += separator;

  // Each round marks the first separator left with a double quote, so the next search finds the
  // one after it; p1 and p2 end around the wanted field.
  auto p1 = Text::npos;
  auto p2 = Text::npos;
  for (int round = 0; round < field; ++round) {
    p1 = t.find(separator);
    if (p1 == Text::npos) {
      p2 = Text::npos;
      break;
    }
    t[p1] = '"';
    p2 = t.find(separator);
    // With '"' as separator the mark changes nothing: every later round is the same.
    if (separator == '"') break;
  }
  if (p1 == Text::npos || p2 == Text::npos || p2 <= p1) return Text();
  return TrimLeftSpaces(TrimRightSpaces(t.substr(p1 + 1, p2 - p1 - 1)));
}

void ReplaceChar(char from, char to, Text& text) {
  for (char& c : text) {
    if (c == from) c = to;
  }
}

Text LastPathComponent(const Text& path) {
  Text s = path;
  if (!s.empty() && s.back() == '\\') s.pop_back();
  auto slash = s.rfind('\\');
  return slash == Text::npos ? s : s.substr(slash + 1);
}

}  // namespace lumivel
