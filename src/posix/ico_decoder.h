#pragma once
// Windows icon files: a directory of images, of which the largest is shown. Each image is a
// bitmap of doubled height (the colours, then a one-bit mask); the masked pixels, and 32-bit
// pixels by their alpha, give way to the black of the screen behind. Images stored as PNG are
// not read.
#include <cstdint>
#include <optional>
#include <span>

#include "services/picture.h"

namespace lumivel {

// Nothing when the file is malformed, states sizes past its end, or holds a PNG image.
std::optional<Picture> DecodeIco(std::span<const uint8_t> file);

}  // namespace lumivel
