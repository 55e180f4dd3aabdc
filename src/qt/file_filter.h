#pragma once
// File-dialog filters: the program writes them as "description|patterns|description|patterns"
// with patterns separated by ';', Qt wants "description (patterns);;description (patterns)".
#include <string>
#include <string_view>

namespace lumivel {

// A description that already ends with its patterns in parentheses keeps only its words, so the
// patterns are not shown twice; "*.*" (every file on Windows) becomes "*", since on Linux "*.*"
// leaves out the names without a dot. Text in UTF-8.
std::string QtNameFilters(std::string_view filter);

}  // namespace lumivel
