// The view's boxes and dialogs, answered as a person would.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/application.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_toolkit.h"
#include "support/test_support.h"

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

}  // namespace
}  // namespace lumivel
