#pragma once
// The program's two kinds of box: a message with OK, and the confirmation box.
#include <QMessageBox>

namespace lumivel {

class MessageBox : public QMessageBox {
 public:
  // Titled with the application's name, as a plain message is.
  MessageBox(QWidget* parent, const QString& text);
};

// Titled "Confirmation", with the buttons "&Oui" and "&Non", or "&Oui" alone.
class ConfirmationBox : public QMessageBox {
 public:
  ConfirmationBox(QWidget* parent, const QString& text, bool yesNo);
  // "&Oui" was pressed; closing the box otherwise answers "&Non", or "&Oui" when it is alone.
  bool Confirmed() const { return clickedButton() == yes_; }

 private:
  QAbstractButton* yes_;
};

}  // namespace lumivel
