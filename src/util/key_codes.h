#pragma once
// The Windows virtual-key codes the program reacts to, and the mark a used arrow leaves in LastKey.
#include <cstdint>

namespace lumivel::keys {

constexpr int kEnter = 13;
constexpr int kEsc = 27;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kQ = 81;
constexpr int kF3 = 114;

// LastKey after a browse turn has used an arrow: the next effect plays the tone instead.
constexpr int32_t kArrowUsed = -10;

}  // namespace lumivel::keys
