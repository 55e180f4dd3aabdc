#pragma once
// Turning decoded pixels upright by the camera's EXIF orientation tag (0x0112):
// 1 as stored, 2 mirrored left-right, 3 turned half a turn, 4 mirrored top-bottom, 5 transposed,
// 6 to be turned a quarter clockwise, 7 transversed, 8 to be turned a quarter anticlockwise.
// Any other value leaves the pixels as stored.
#include "platform/picture.h"

namespace lumivel {

// Values 5 to 8 exchange width and height.
bool OrientationSwapsAxes(int orientation);

// Turns picture's pixels (pixelWidth x pixelHeight RGB) upright; width and height are left alone.
void TurnUpright(Picture& picture, int orientation);

}  // namespace lumivel
