#pragma once
// Host file names and paths (UTF-8) as program text (code page 1252), read in their composed
// form: a name written with combining accents ("e" then U+0301, as copies from a Mac are) gets
// the code page's "é", so that it can be shown, stored and found again.
#include <string_view>

#include "util/cp1252.h"

namespace lumivel {

// *lossless tells whether every character had a code page 1252 form.
Text HostNameToProgram(std::string_view utf8, bool* lossless = nullptr);

}  // namespace lumivel
