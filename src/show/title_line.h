#pragma once
// The title line over the picture: where it comes from, as much as RadioGroup_titre_ecran asks
// (0 "rien", 1 "répertoire", 2 "répertoire + nom"). A title never shows a dot: dots become blanks,
// or commas in the replay of the history.
#include <cstdint>

#include "util/cp1252.h"

namespace lumivel {

// A new picture at index position k of n: "(k/n)  " and the directory's own name, then " \ " and
// the file name for item 2. Item 0, and any item outside 0 .. 2 (no choice), give an empty title.
Text NewPictureTitle(int32_t item, int32_t k, int32_t n, const Text& path);

// A browse turn at history position h: " [h / n]  " and the whole directory for item 1,
// " [h]  " and the whole path for item 2. Item 0, and any item outside 0 .. 2, give one blank.
Text BrowseTitle(int32_t item, int32_t h, int32_t n, const Text& path);

// The replay of the history: the whole path with its dots turned into commas, whatever the item.
Text ReplayTitle(const Text& path);

}  // namespace lumivel
