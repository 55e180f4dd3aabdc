#include "qt/control_font.h"

#include <QStringList>

namespace lumivel {

QFont ControlFont(int pixelSize, bool bold) {
  QFont font;
  // The panels were laid out for an 8-point dialog font on a 96-dot screen: 11 pixels. Liberation
  // Sans has Arial's widths, so captions fill their controls as they were meant to; DejaVu Sans,
  // the usual default, is a sixth wider and would cut them.
  font.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace lumivel
