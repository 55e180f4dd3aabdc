#include "platform/qt/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/qt/boxes.h"
#include "platform/qt/qt_text.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

// Qt's own dialog (not the desktop's), which lets the user type a new folder's name.
class DirectoryDialog : public QFileDialog {
 public:
  explicit DirectoryDialog(QWidget* parent)
      : QFileDialog(parent, ToQString("Sélection du répertoire"_cp)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setLabelText(QFileDialog::FileName, ToQString("&Nom de répertoire :"_cp));
    setLabelText(QFileDialog::LookIn, ToQString("&Répertoires :"_cp));
    setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
  }
  bool CreateFailed() const { return createFailed_; }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !QFileInfo::exists(chosen.front())) {
      ConfirmationBox ask(this, ToQString("Le répertoire spécifié n'existe pas. Le créer ?"_cp), true);
      ask.exec();
      if (!ask.Confirmed()) return;
      if (!QDir().mkpath(chosen.front())) {
        createFailed_ = true;
        reject();
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  bool createFailed_ = false;
};

}  // namespace

std::optional<std::string> ChooseHostDirectory(QWidget* parent, const ModalRunner& run) {
  DirectoryDialog dialog(parent);
  const bool accepted = run(dialog, "directory") == QDialog::Accepted;
  if (dialog.CreateFailed()) throw ProgramError("Impossible de créer le répertoire"_cp);
  if (!accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::cleanPath(dialog.selectedFiles().front()).toStdString();
}

std::optional<std::string> ChooseHostFile(QWidget* parent, const QString& title, const QString& filters,
                                          const ModalRunner& run) {
  QFileDialog dialog(parent, title);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (!filters.isEmpty()) dialog.setNameFilters(filters.split(QStringLiteral(";;")));
  if (run(dialog, "file") != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace lumivel
