#pragma once
// The font the controls are drawn with.
#include <QFont>

namespace lumivel {

// The controls' font family at a size in pixels (the model's sizes are pixels).
QFont ControlFont(int pixelSize, bool bold);

}  // namespace lumivel
