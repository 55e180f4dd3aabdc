#include "qt/file_dialogs.h"

#include <QCollator>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

#include "qt/boxes.h"
#include "qt/qt_text.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

// The listing of both dialogs. Qt writes sizes and dates in the system's language, which on most
// machines is not French ("8 Dec 2026", "3.7 KiB"); here they follow the program's French locale
// ("08/12/2026 07:47", "3,7 Kio"). Sorting is by the files themselves, as Qt's own listing does:
// folders first, names in natural order, sizes and dates by value. While the filter for programs
// is active, it shows the folders and only the files the user may run, whatever their names.
class FrenchListing : public QSortFilterProxyModel {
 public:
  enum Column { kName, kSize, kType, kDate };

  explicit FrenchListing(QObject* parent) : QSortFilterProxyModel(parent) {
    names_.setNumericMode(true);
    names_.setCaseSensitivity(Qt::CaseInsensitive);
  }
  void SetExecutablesOnly(bool active) {
    if (active == executablesOnly_) return;
    executablesOnly_ = active;
    invalidateFilter();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    const QFileSystemModel* files = Files();
    if (role == Qt::DisplayRole && files) {
      const QModelIndex source = mapToSource(index);
      if (index.column() == kSize && !files->isDir(source)) return locale_.formattedDataSize(files->size(source));
      if (index.column() == kDate) return locale_.toString(files->lastModified(source), QLocale::ShortFormat);
    }
    return QSortFilterProxyModel::data(index, role);
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const QFileSystemModel* files = Files();
    if (!executablesOnly_ || !files) return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || info.isExecutable();
  }

  bool lessThan(const QModelIndex& left, const QModelIndex& right) const override {
    const QFileSystemModel* files = Files();
    if (!files) return QSortFilterProxyModel::lessThan(left, right);
    if (files->isDir(left) != files->isDir(right)) return files->isDir(left);
    switch (left.column()) {
      case kSize:
        if (files->size(left) != files->size(right)) return files->size(left) < files->size(right);
        break;
      case kType:
        if (const int order = names_.compare(files->type(left), files->type(right))) return order < 0;
        break;
      case kDate:
        if (files->lastModified(left) != files->lastModified(right))
          return files->lastModified(left) < files->lastModified(right);
        break;
      default:
        break;
    }
    return names_.compare(files->fileName(left), files->fileName(right)) < 0;
  }

 private:
  const QFileSystemModel* Files() const { return qobject_cast<const QFileSystemModel*>(sourceModel()); }

  QLocale locale_;
  QCollator names_{locale_};
  bool executablesOnly_ = false;
};

// The French listing, and room for the whole names of the side bar ("Ordinateur"), of the
// listing's columns and of what they hold; the name column takes what is left. Returns the listing.
FrenchListing* GiveRoom(QFileDialog& dialog) {
  dialog.resize(860, 520);
  auto* french = new FrenchListing(&dialog);
  dialog.setProxyModel(french);
  if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"))) splitter->setSizes({170, 690});
  auto* listing = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (!listing) return french;
  QHeaderView* header = listing->header();
  const QFontMetrics headerFont = header->fontMetrics();
  const QFontMetrics rowFont = listing->fontMetrics();
  // Past the text: the header's sort arrow and both sides' margins.
  constexpr int kMargins = 28;
  const auto widest = [&](int column, const QString& sample) {
    const int title = headerFont.horizontalAdvance(french->headerData(column, Qt::Horizontal).toString());
    return std::max(title, rowFont.horizontalAdvance(sample)) + kMargins;
  };
  const QLocale locale;
  header->resizeSection(FrenchListing::kSize, widest(FrenchListing::kSize, locale.formattedDataSize(999'900'000)));
  header->resizeSection(FrenchListing::kType, widest(FrenchListing::kType, QStringLiteral("image JPEG")));
  header->resizeSection(FrenchListing::kDate,
                        widest(FrenchListing::kDate, locale.toString(QDateTime(QDate(2000, 12, 28), QTime(23, 59)),
                                                                     QLocale::ShortFormat)));
  header->setSectionResizeMode(FrenchListing::kName, QHeaderView::Stretch);
  return french;
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
    // Folders are kept one per line in the data files, and the walk leaves such names out.
    if (!chosen.isEmpty() && (chosen.front().contains(QLatin1Char('\n')) || chosen.front().contains(QLatin1Char('\r')))) {
      MessageBox(this, ToQString("Ce nom de répertoire contient un saut de ligne : choisissez-en un autre."_cp)).exec();
      return;
    }
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
  FrenchListing* listing = GiveRoom(dialog);
  QStringList nameFilters = filters.isEmpty() ? QStringList() : filters.split(QStringLiteral(";;"));
  const QString executableFilter = WithLinuxPrograms(nameFilters);
  if (!nameFilters.isEmpty()) dialog.setNameFilters(nameFilters);
  if (!executableFilter.isEmpty()) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, listing,
                     [listing, executableFilter](const QString& chosen) {
                       listing->SetExecutablesOnly(chosen == executableFilter);
                     });
    if (!HoldsWindowsPrograms(dialog.directory())) {
      dialog.selectNameFilter(executableFilter);
      listing->SetExecutablesOnly(true);
    }
  }
  if (run(dialog, "file") != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

}  // namespace lumivel
