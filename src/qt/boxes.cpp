#include "qt/boxes.h"

#include <QGuiApplication>
#include <QPushButton>

#include "qt/qt_text.h"

namespace lumivel {

using namespace literals;

MessageBox::MessageBox(QWidget* parent, const QString& text) : QMessageBox(parent) {
  setWindowTitle(QGuiApplication::applicationDisplayName());
  setTextFormat(Qt::PlainText);
  setText(text);
  setStandardButtons(QMessageBox::Ok);
}

ConfirmationBox::ConfirmationBox(QWidget* parent, const QString& text, bool yesNo)
    : QMessageBox(parent) {
  setWindowTitle(QStringLiteral("Confirmation"));
  setIcon(QMessageBox::Question);
  setTextFormat(Qt::PlainText);
  setText(text);
  yes_ = addButton(ToQString("&Oui"_cp), QMessageBox::YesRole);
  QAbstractButton* no = yesNo ? addButton(ToQString("&Non"_cp), QMessageBox::NoRole) : nullptr;
  setDefaultButton(static_cast<QPushButton*>(yes_));
  setEscapeButton(no ? no : yes_);
}

}  // namespace lumivel
