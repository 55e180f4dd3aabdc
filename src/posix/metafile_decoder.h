#pragma once
// Windows metafiles drawn into the window's 32-bit pixels by libraries made for them: plain
// metafiles (.wmf) turned into SVG by libwmf, enhanced ones (.emf) by libemf2svg, and the SVG drawn
// by librsvg. The kind is told by
// the bytes, not the name. A metafile is drawn on white, as on the paper its maker drew on, at the
// smallest size that covers what the effect shows, so that a zoom never enlarges pixels.
// Only the helper program lumivel-metafile runs this (see metafile_helper.h).
#include <cstdint>
#include <optional>
#include <span>

#include "services/picture.h"

namespace lumivel {

struct RasterSize {
  int width = 0;
  int height = 0;
};

// Pixels for a metafile of `width` x `height` screen pixels (its own size, at 96 dots an inch):
// scaled, keeping its shape, to the smallest size that covers the cover (0 x 0: its own size; a
// height of 0 leaves the height free), and held within the bound of a picture's memory. Nothing
// for an empty size.
std::optional<RasterSize> MetafileRasterSize(double width, double height, int coverWidth, int coverHeight);

// The picture's width and height are the metafile's own size; its pixels are drawn at
// MetafileRasterSize. Nothing when the file cannot be read or drawn.
std::optional<Picture> DecodeMetafile(std::span<const uint8_t> file, int coverWidth, int coverHeight);
std::optional<Picture> DecodeWmf(std::span<const uint8_t> file, int coverWidth, int coverHeight);
std::optional<Picture> DecodeEmf(std::span<const uint8_t> file, int coverWidth, int coverHeight);

}  // namespace lumivel
