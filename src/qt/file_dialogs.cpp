#include "qt/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QSplitter>

#include "qt/boxes.h"
#include "qt/qt_text.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

// Room for the whole names of the side bar ("Ordinateur") and of the listing's columns.
void GiveRoom(QFileDialog& dialog) {
  dialog.resize(860, 520);
  if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) splitter->setSizes({170, 690});
}

// Qt's own dialog (not the desktop's), which lets the user type a new folder's name.
class DirectoryDialog : public QFileDialog {
 public:
  explicit DirectoryDialog(QWidget* parent)
      : QFileDialog(parent, ToQString("Sélection du répertoire"_cp)) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    setLabelText(QFileDialog::FileName, ToQString("&Nom de répertoire :"_cp));
    // No ampersand: this label has no field to jump to, so it would show as written.
    setLabelText(QFileDialog::LookIn, ToQString("Répertoires :"_cp));
    setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
    setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    GiveRoom(*this);
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

// While active, shows the folders and only the files the user may run, whatever their names.
class ExecutablesOnly : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;
  void SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!active_ || !files) return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
  }

 private:
  bool active_ = false;
};

const QString kWindowsProgramPattern = QStringLiteral("*.exe");

// The patterns of a filter in Qt's form: "programmes (*.exe)" gives "*.exe".
QStringList PatternsOf(const QString& nameFilter) {
  const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
  const qsizetype close = nameFilter.lastIndexOf(QLatin1Char(')'));
  if (open < 0 || close < open) return {};
  return nameFilter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Linux programs have no ".exe": a filter for Windows programs gets, right after it, one for the
// files that can be run. Returns that filter, or nothing when no filter asks for programs.
QString WithLinuxPrograms(QStringList& nameFilters) {
  for (qsizetype i = 0; i < nameFilters.size(); ++i) {
    if (PatternsOf(nameFilters[i]).contains(kWindowsProgramPattern, Qt::CaseInsensitive)) {
      const QString executables = ToQString("programmes exécutables (*)"_cp);
      nameFilters.insert(i + 1, executables);
      return executables;
    }
  }
  return {};
}

// Name patterns of a folder listing ignore case: "XnView.EXE" counts.
bool HoldsWindowsPrograms(const QDir& folder) {
  return !folder.entryList({kWindowsProgramPattern}, QDir::Files).isEmpty();
}

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
  // Qt's own dialog, in French like the rest of the program, whatever the desktop offers.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  GiveRoom(dialog);
  auto* executables = new ExecutablesOnly(&dialog);
  QStringList nameFilters = filters.isEmpty() ? QStringList() : filters.split(QStringLiteral(";;"));
  const QString executableFilter = WithLinuxPrograms(nameFilters);
  if (!nameFilters.isEmpty()) dialog.setNameFilters(nameFilters);
  if (!executableFilter.isEmpty()) {
    dialog.setProxyModel(executables);
    QObject::connect(&dialog, &QFileDialog::filterSelected, executables,
                     [executables, executableFilter](const QString& chosen) {
                       executables->SetActive(chosen == executableFilter);
                     });
    if (!HoldsWindowsPrograms(dialog.directory())) {
      dialog.selectNameFilter(executableFilter);
      executables->SetActive(true);
    }
  }
  if (run(dialog, "file") != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace lumivel
