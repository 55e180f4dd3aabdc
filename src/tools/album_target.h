#pragma once
// Where the album copy puts the shown picture: the album folder, then the name of the picture's
// directory, a hyphen and its file name, so the copy still tells where it came from. Two pictures
// of one name in two directories of one name share a target; the later copy replaces the other.
#include "util/cp1252.h"

namespace lumivel {

// AlbumTargetPath("C:\Lumivel\A", "D:\photos\2005\050828 avg\img_0012.jpg")
//   = "C:\Lumivel\A\050828 avg-img_0012.jpg"
Text AlbumTargetPath(const Text& albumFolder, const Text& picturePath);

}  // namespace lumivel
