#pragma once
// The system's private-profile functions for one INI file, on the file's bytes: what reading a
// string gives back and what writing one leaves in the file. Section and key names are matched
// without regard to letter case, blanks around names and values do not count, and the first
// section of a name, then the first key of a name in it, is the one read and written.
#include <cstddef>
#include <string>
#include <string_view>

#include "util/cp1252.h"

namespace lumivel {

// Values are read through a buffer of this many characters, the last one for the terminator.
inline constexpr std::size_t kProfileBufferSize = 2048;

// The key's value, without one pair of matching surrounding quotes (' or "). The default, less
// its trailing blanks, when the file, the section or the key is missing or the key has no "=".
// At most kProfileBufferSize - 1 characters.
Text IniReadString(std::string_view fileBytes, std::string_view section, std::string_view key,
                   const Text& defaultText);

// The file's new bytes with key = value stored: the key's line replaced (keeping the key's own
// spelling), or the key appended after the last line of its section, or "[section]" and the key
// appended at the end of the file. Every other byte stays as it was; new lines end with CR LF.
std::string IniWriteString(std::string_view fileBytes, std::string_view section,
                           std::string_view key, std::string_view value);

}  // namespace lumivel
