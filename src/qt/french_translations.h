#pragma once
// Qt's own texts (the file dialogs' labels, column headers and buttons, the standard buttons) in
// French, as every text of the program is, whatever language the user's session speaks.

namespace lumivel {

// Installs Qt's French catalogue into the running application and makes French the default
// locale (dates and sizes in the file dialogs). False when the catalogue is not installed
// (Debian's qt6-translations-l10n); Qt then speaks English.
bool InstallFrenchTranslations();

}  // namespace lumivel
