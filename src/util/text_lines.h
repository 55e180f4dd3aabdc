#pragma once
// The program's text files: lines ended by CR LF when written; CR LF, a lone CR or a lone LF end a
// line when read, and a zero byte ends the whole text.
#include <string_view>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

std::vector<Text> SplitTextLines(std::string_view bytes);
std::string JoinCrLf(const std::vector<Text>& lines);

}  // namespace lumivel
