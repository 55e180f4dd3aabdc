#pragma once
// JPEG files decoded by libjpeg-turbo straight into the window's 32-bit pixels, upright, at the
// smallest fast DCT scale that covers what the effect draws.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "services/picture.h"

namespace lumivel {

// A JPEG file's bytes decoded upright at the smallest fast scale covering the cover size (0 x 0:
// full size); nothing when it cannot be decoded, would need more memory than a picture may take,
// or `cancel` becomes true meanwhile.
std::optional<Picture> DecodeJpeg(std::span<const uint8_t> file, int coverWidth, int coverHeight,
                                  const std::atomic<bool>* cancel = nullptr);

}  // namespace lumivel
