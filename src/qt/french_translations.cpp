#include "qt/french_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace lumivel {

namespace {

// The few texts of the file dialogs that Qt's French catalogue leaves in English: the type of a
// folder or a drive in the listing.
class MissingFrenchTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (qstrcmp(context, "QAbstractFileIconProvider") != 0) return {};
    if (qstrcmp(sourceText, "Folder") == 0) return QStringLiteral("Dossier");
    if (qstrcmp(sourceText, "Drive") == 0) return QStringLiteral("Lecteur");
    if (qstrcmp(sourceText, "Unknown") == 0) return QStringLiteral("Inconnu");
    return {};
  }
};

}  // namespace

bool InstallFrenchTranslations() {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  // Both owned by the application, which keeps them for its whole life; the one installed last is
  // asked first.
  QCoreApplication* application = QCoreApplication::instance();
  QCoreApplication::installTranslator(new MissingFrenchTexts(application));
  auto* catalogue = new QTranslator(application);
  if (!catalogue->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete catalogue;
    return false;
  }
  return QCoreApplication::installTranslator(catalogue);
}

}  // namespace lumivel
