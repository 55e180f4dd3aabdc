#pragma once
// The helper unit Util: the small text and number rules that the walk, the filters, the file
// readers and the displays share. Texts are code page 1252; positions in comments count from 1.
#include <cstdint>

#include "util/cp1252.h"
#include "util/message_sink.h"

namespace lumivel {

Text ExtractDatePrefix(const Text& path);
Text NormalizeForMatch(const Text& text);
void DigitMask(char digitMark, Text& text, char otherMark);
void StripLetters(Text& text);
void SplitLettersDigits(const Text& text, Text& letters, int32_t& number, MessageSink& messages);
void ReplaceFirst(const Text& oldText, const Text& newText, Text& text);
void RepairUtf8Accents(Text& text);
Text PadTwoDigits(const Text& text);
void ClampInt(int32_t& value, int32_t low, int32_t high);
int32_t ToIntOrMessage(const Text& text, int32_t defaultValue, MessageSink& messages);
Text TrimRightSpaces(const Text& text);
Text TrimLeftSpaces(const Text& text);
Text TrimSpaces(const Text& text);
Text ExtractField(const Text& text, int field, char separator);
void ReplaceChar(char from, char to, Text& text);

// The text after the last backslash of a path, one trailing backslash ignored.
Text LastPathComponent(const Text& path);

}  // namespace lumivel
