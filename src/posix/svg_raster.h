#pragma once
// SVG drawn by librsvg with cairo straight into a picture's 32-bit pixels, on white: the last step
// of drawing a metafile, whichever library turned it into SVG.
#include <cstddef>

#include "services/picture.h"

namespace lumivel {

// Draws `svg` scaled to the picture's pixelWidth x pixelHeight into new pixels for it; false when
// librsvg cannot read or draw it.
bool DrawSvg(const char* svg, size_t length, Picture& picture);

}  // namespace lumivel
