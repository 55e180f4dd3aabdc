#include "qt/qt_text.h"

#include "qt/color_values.h"

namespace lumivel {

QString ToQString(const Text& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

// Composed first: text pasted from elsewhere may spell "é" as "e" and a combining accent, which the
// code page has only as one letter.
Text FromQString(const QString& text) {
  return Utf8ToCp1252(text.normalized(QString::NormalizationForm_C).toStdString());
}

QColor ToQColor(int32_t color) { return QColor::fromRgb(ScreenRgb(color)); }

}  // namespace lumivel
