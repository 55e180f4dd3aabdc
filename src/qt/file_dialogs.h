#pragma once
// The directory chooser and the file-open dialog. Both answer in host paths (UTF-8); the toolkit
// turns them into program paths.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace lumivel {

// How the toolkit shows a modal dialog (bringing the window up to date, taking its snapshot);
// returns the dialog's result.
using ModalRunner = std::function<int(QDialog& dialog, const char* what)>;

// Titled "Sélection du répertoire". A folder whose name holds a line break is refused with a
// message, and the chooser stays open. A typed directory that does not exist is created, with its
// missing parents, after a confirmation; when that fails the chooser closes and the error
// "Impossible de créer le répertoire" is raised. Nothing when cancelled.
std::optional<std::string> ChooseHostDirectory(QWidget* parent, const ModalRunner& run);

// Qt's own file-open dialog, in French. filters in Qt's form ("programmes (*.exe);;all (*)"). A
// filter for Windows programs (*.exe) is followed by "programmes exécutables (*)", which shows the
// folders and the files the user may run; that one is chosen at first when the folder the dialog
// opens in holds no ".exe".
std::optional<std::string> ChooseHostFile(QWidget* parent, const QString& title, const QString& filters,
                                          const ModalRunner& run);

}  // namespace lumivel
