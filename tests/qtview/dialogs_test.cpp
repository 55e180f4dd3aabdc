// The view's boxes and dialogs, answered as a person would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <filesystem>
#include <functional>

#include "posix/posix_file_system.h"
#include "qt/qt_toolkit.h"
#include "support/test_support.h"
#include "ui/application.h"

namespace lumivel {
namespace {

using namespace literals;

// Calls `answer` with each modal window that shows, until it returns true.
class Answerer {
 public:
  explicit Answerer(std::function<bool(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget(); modal && answer_(modal)) timer_.stop();
    });
    timer_.start();
  }

 private:
  std::function<bool(QWidget*)> answer_;
  QTimer timer_;
};

QAbstractButton* ButtonNamed(QMessageBox* box, const QString& text) {
  for (QAbstractButton* button : box->buttons()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() : fs(Drives()) { toolkit.SetApplication(&app); }
  DriveMap Drives() const {
    DriveMap drives;
    drives.Map('C', driveC.Path().string());
    return drives;
  }

  testing::TempDir driveC;
  PosixFileSystem fs;
  QtToolkit toolkit{fs};
  Application app{toolkit};
  std::vector<std::string> seen;
};

TEST_F(DialogsTest, ConfirmationAnswersOuiOrNon) {
  const struct {
    const char* what;
    bool yesNo;
    const char* press;
    bool answer;
  } rows[] = {
      {"Oui", true, "&Oui", true},
      {"Non", true, "&Non", false},
      {"the single button", false, "&Oui", true},
  };
  for (const auto& row : rows) {
    QStringList buttons;
    QString title;
    Answerer answerer([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) return false;
      title = box->windowTitle();
      for (QAbstractButton* b : box->buttons()) buttons.push_back(b->text());
      ButtonNamed(box, QString::fromUtf8(row.press))->click();
      return true;
    });
    EXPECT_EQ(toolkit.Confirm("\n     Quitter ?"_cp, row.yesNo), row.answer) << row.what;
    EXPECT_EQ(title, QString("Confirmation")) << row.what;
    EXPECT_EQ(buttons.size(), row.yesNo ? 2 : 1) << row.what;
  }
}

TEST_F(DialogsTest, TheDirectoryChooserCreatesATypedFolderAfterAConfirmation) {
  QString title, question;
  Answerer answerer([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      question = box->text();
      ButtonNamed(box, "&Oui")->click();
      return true;
    }
    if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && title.isEmpty()) {
      title = dialog->windowTitle();
      dialog->setDirectory(QString::fromStdString(driveC.Path().string()));
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromUtf8("Été 2024"));
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }
    return false;
  });
  const std::optional<Text> chosen = toolkit.ChooseDirectory();
  EXPECT_EQ(title, QString::fromUtf8("Sélection du répertoire"));
  EXPECT_EQ(question, QString::fromUtf8("Le répertoire spécifié n'existe pas. Le créer ?"));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(*chosen, "C:\\Été 2024"_cp) << "in program form";
  EXPECT_TRUE(std::filesystem::is_directory(driveC.Path() / "Été 2024"));
}

// The data files keep a folder per line: a name with a line break is refused, and the person
// chooses again (here: gives up).
TEST_F(DialogsTest, TheDirectoryChooserRefusesANameWithALineBreak) {
  const std::filesystem::path odd = driveC.Path() / "photos\nété";
  std::filesystem::create_directories(odd);
  QString message;
  bool asked = false, reopened = false;
  Answerer answerer([&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      message = box->text();
      box->accept();
      return false;
    }
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) return false;
    if (!message.isEmpty()) {
      reopened = true;
      dialog->reject();
      return true;
    }
    if (asked) return false;
    // The person picks the folder once the listing has come, in the background.
    dialog->setDirectory(QString::fromStdString(driveC.Path().string()));
    auto* files = qobject_cast<QFileSystemModel*>(dialog->proxyModel()->sourceModel());
    if (files->rowCount(files->index(QString::fromStdString(driveC.Path().string()))) < 1) return false;
    asked = true;
    // As a click on its line in the listing chooses it.
    auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    const QModelIndex line = dialog->proxyModel()->mapFromSource(files->index(QString::fromStdString(odd.string())));
    view->selectionModel()->select(line, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    return false;
  });
  EXPECT_FALSE(toolkit.ChooseDirectory());
  EXPECT_EQ(message.toStdString(), "Ce nom de répertoire contient un saut de ligne : choisissez-en un autre.");
  EXPECT_TRUE(reopened);
}

TEST_F(DialogsTest, ACancelledChooserGivesNothing) {
  Answerer answerer([](QWidget* modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      dialog->reject();
      return true;
    }
    return false;
  });
  EXPECT_FALSE(toolkit.ChooseDirectory());
}

// What a person reads in a file dialog: its labels, buttons, column headers and side bar.
QStringList TextsOf(QFileDialog* dialog) {
  QStringList texts;
  for (QLabel* label : dialog->findChildren<QLabel*>()) texts.push_back(label->text());
  for (QAbstractButton* button : dialog->findChildren<QPushButton*>()) texts.push_back(button->text());
  const QAbstractItemModel* listing = dialog->proxyModel() ? static_cast<QAbstractItemModel*>(dialog->proxyModel())
                                                           : dialog->findChild<QFileSystemModel*>();
  for (int column = 0; column < 4; ++column) texts.push_back(listing->headerData(column, Qt::Horizontal).toString());
  return texts;
}

// A label with an ampersand and no field to jump to shows the ampersand as written.
QStringList StrayAmpersands(QFileDialog* dialog) {
  QStringList stray;
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (!label->buddy() && label->text().contains(QLatin1Char('&'))) stray.push_back(label->text());
  }
  return stray;
}

TEST_F(DialogsTest, TheDirectoryChooserSpeaksFrench) {
  QStringList texts, stray;
  Answerer answerer([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) return false;
    texts = TextsOf(dialog);
    stray = StrayAmpersands(dialog);
    dialog->reject();
    return true;
  });
  toolkit.ChooseDirectory();
  for (const char* expected : {"Répertoires :", "&Nom de répertoire :", "Fichiers de type :", "Annuler", "Nom",
                               "Taille", "Type", "Dernière modification"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " in " << texts.join(" | ").toStdString();
  }
  EXPECT_TRUE(stray.isEmpty()) << stray.join(" | ").toStdString();
}

// The program chooser in a folder of Linux programs, or of Windows ones: which filter it starts
// with, and which files each filter shows.
TEST_F(DialogsTest, TheProgramChooserShowsLinuxProgramsWhereNoExeIsAtHand) {
  namespace fs = std::filesystem;
  const QString windowsFilter = QStringLiteral("programmes (*.exe)");
  const QString linuxFilter = QString::fromUtf8("programmes exécutables (*)");
  const struct {
    const char* what;
    std::vector<const char*> programs;
    QString firstFilter;
    QStringList shownFirst;
    QString otherFilter;
    QStringList shownThen;
  } cases[] = {
      {"Linux programs", {"visionneuse"}, linuxFilter, {"outils", "visionneuse"}, windowsFilter, {"outils"}},
      {"a Windows program", {"visionneuse", "XnView.EXE"}, windowsFilter, {"outils", "XnView.EXE"}, linuxFilter,
       {"outils", "visionneuse"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = driveC.Path() / c.what;
    fs::create_directories(folder / "outils");
    driveC.Write(std::string(c.what) + "/notes.txt", "notes");
    for (const char* program : c.programs) {
      driveC.Write(std::string(c.what) + "/" + program, "#!/bin/sh\n");
      // A Windows program on a Linux disk is a plain file; a Linux one may be run.
      if (!QString(program).endsWith(".EXE")) fs::permissions(folder / program, fs::perms::owner_exec, fs::perm_options::add);
    }
    // File dialogs open in the last folder one of them showed.
    QFileDialog().setDirectory(QString::fromStdString(folder.string()));

    QStringList filters, texts, shownFirst, shownThen;
    QString firstFilter;
    int step = 0;
    Answerer answerer([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      auto* listing = dialog ? dialog->proxyModel() : nullptr;
      if (!listing) return false;
      auto* files = qobject_cast<QFileSystemModel*>(listing->sourceModel());
      const QModelIndex root = files->index(QString::fromStdString(folder.string()));
      // The listing comes in the background; the first filter leaves out the other kind of file.
      const int listed = c.firstFilter == linuxFilter ? static_cast<int>(c.programs.size()) + 2 : 2;
      if (step == 0 && files->rowCount(root) < listed) return false;
      auto shown = [&] {
        QStringList names;
        const QModelIndex top = listing->mapFromSource(root);
        for (int row = 0; row < listing->rowCount(top); ++row) names.push_back(listing->index(row, 0, top).data().toString());
        names.sort(Qt::CaseInsensitive);
        return names;
      };
      if (step++ == 0) {
        filters = dialog->nameFilters();
        firstFilter = dialog->selectedNameFilter();
        texts = TextsOf(dialog);
        shownFirst = shown();
        // The person picks the other filter in the list.
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        const int other = types->findText(c.otherFilter);
        types->setCurrentIndex(other);
        emit types->activated(other);
        emit types->textActivated(c.otherFilter);
        return false;
      }
      shownThen = shown();
      dialog->reject();
      return true;
    });
    toolkit.ChooseFile("Choix du programme exécutable"_cp, "programmes (*.exe)|*.exe|all (*.*)|*.*");

    EXPECT_EQ(filters, (QStringList{windowsFilter, linuxFilter, "all (*)"}));
    EXPECT_EQ(firstFilter, c.firstFilter);
    EXPECT_EQ(shownFirst.join(" | ").toStdString(), c.shownFirst.join(" | ").toStdString());
    EXPECT_EQ(shownThen.join(" | ").toStdString(), c.shownThen.join(" | ").toStdString());
    for (const char* expected : {"Voir dans :", "&Nom de fichier :", "Fichiers de type :", "&Ouvrir", "Annuler"}) {
      EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " in " << texts.join(" | ").toStdString();
    }
  }
}

// A folder listed in the file dialog: sizes and dates as a French reader writes them, folders
// first then names in natural order, and every column wide enough for its header and its texts.
TEST_F(DialogsTest, TheListingIsFrenchAndWhole) {
  namespace fs = std::filesystem;
  const fs::path folder = driveC.Path() / "listing";
  fs::create_directories(folder / "zèbres");
  driveC.Write("listing/photo 10.jpg", std::string(1536, 'x'));
  driveC.Write("listing/photo 9.jpg", "x");
  QFile photo(QString::fromStdString((folder / "photo 10.jpg").string()));
  ASSERT_TRUE(photo.open(QIODevice::ReadWrite));
  ASSERT_TRUE(photo.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7)), QFileDevice::FileModificationTime));
  photo.close();
  QFileDialog().setDirectory(QString::fromStdString(folder.string()));

  std::vector<QStringList> rows;
  QStringList tooNarrow;
  Answerer answerer([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    auto* view = dialog ? dialog->findChild<QTreeView*>(QStringLiteral("treeView")) : nullptr;
    if (!view) return false;
    const QAbstractItemModel* listing = view->model();
    const QModelIndex top = view->rootIndex();
    if (listing->rowCount(top) < 3) return false;
    for (int row = 0; row < listing->rowCount(top); ++row) {
      QStringList texts;
      for (int column = 0; column < 4; ++column) texts.push_back(listing->index(row, column, top).data().toString());
      rows.push_back(texts);
    }
    const QHeaderView* header = view->header();
    for (int column = 0; column < 4; ++column) {
      QStringList shown{listing->headerData(column, Qt::Horizontal).toString()};
      for (const QStringList& texts : rows) shown.push_back(texts[column]);
      for (const QString& text : shown) {
        if (view->fontMetrics().horizontalAdvance(text) > header->sectionSize(column)) tooNarrow.push_back(text);
      }
    }
    dialog->reject();
    return true;
  });
  toolkit.ChooseFile("Choix du fichier"_cp, "all (*.*)|*.*");

  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][0], QString::fromUtf8("zèbres"));
  EXPECT_EQ(rows[1][0], QStringLiteral("photo 9.jpg"));
  EXPECT_EQ(rows[2].join(" | ").toStdString(), "photo 10.jpg | 1,50 Kio | image JPEG | 05/03/2024 14:07");
  EXPECT_TRUE(tooNarrow.isEmpty()) << tooNarrow.join(" | ").toStdString();
}

}  // namespace
}  // namespace lumivel
