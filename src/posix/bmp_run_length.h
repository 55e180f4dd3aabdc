#pragma once
// Run-length encoded bitmap rows (BI_RLE8, BI_RLE4): runs of one colour index, literal runs, and
// escapes for the end of a row, the end of the picture and a jump ahead. Pixels that no run covers
// stay black, the screen behind. Runs reaching past the right edge are cut there; data past the
// last row, or ending early, ends the picture; the work is bounded by the pixels and the bytes.
#include <optional>
#include <span>

#include "posix/bmp_decoder.h"

namespace lumivel {

std::optional<Picture> DecodeDibRunLength(const DibInfo& info, std::span<const uint8_t> data);

}  // namespace lumivel
