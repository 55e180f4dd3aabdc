#pragma once
// Where program text (code page 1252) and colours meet Qt.
#include <QColor>
#include <QString>

#include "util/cp1252.h"

namespace lumivel {

QString ToQString(const Text& text);
// Composed (NFC) first; characters with no code page 1252 form become '?'.
Text FromQString(const QString& text);
QColor ToQColor(int32_t color);

}  // namespace lumivel
