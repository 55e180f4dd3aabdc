#pragma once
// The user's exclusion file "C:\Lumivel\Lumivel_exclusion.txt": directories and pictures that
// must never be shown. Code page 1252 or UTF-8 (French accents are repaired line by line).
//
//   ' comment
//   **text            a picture whose path contains text is excluded
//   +*D               opens a block of entries of directory D, closed by a line "-"
//   IMG_12.JPG        excludes D\IMG_12.JPG
//   IMG_20.JPG...IMG_23.JPG   excludes D\IMG_20.JPG to D\IMG_23.JPG
#include <cstdint>
#include <string_view>
#include <vector>

#include "util/cp1252.h"
#include "util/message_sink.h"

namespace lumivel {

struct ExclusionLists {
  std::vector<Text> directories;  // ListBox_rep_exclu
  std::vector<Text> fileEntries;  // ListBox_rep_nom_fic_exclu
};

// Our guard against a range such as a1.jpg...a2147483647.jpg: one range adds at most this many
// names, the first ones in increasing order.
inline constexpr int64_t kMaxNamesPerRange = 100000;

// Entries in file order, a range's names in increasing order, duplicates kept. A number beyond
// the 32-bit range in a range's first or last name shows the conversion message and counts as 0.
ExclusionLists ParseExclusionFile(std::string_view bytes, MessageSink& messages);

}  // namespace lumivel
