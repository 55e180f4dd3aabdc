#pragma once
// Program text is code page 1252, one byte a character, as the stored files and the text rules
// require. Conversion to and from UTF-8 happens only where text meets the outside world.
#include <string>
#include <string_view>

namespace lumivel {

using Text = std::string;

// Characters with no code page 1252 form become '?'; *lossless tells whether any did.
Text Utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);
std::string Cp1252ToUtf8(std::string_view text);

// Upper and lower case of a code page 1252 character, accented letters included.
char Cp1252Upper(char c);
char Cp1252Lower(char c);
Text UpperCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

namespace literals {
// "Fête"_cp: a UTF-8 source literal as program text.
Text operator""_cp(const char* utf8, std::size_t length);
}  // namespace literals

}  // namespace lumivel
