#include "qt/qt_text.h"

#include "qt/color_values.h"

namespace lumivel {

QString ToQString(const Text& text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

Text FromQString(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QColor ToQColor(int32_t color) { return QColor::fromRgb(ScreenRgb(color)); }

}  // namespace lumivel
