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

// Titled "Sélection du répertoire". A typed directory that does not exist is created, with its
// missing parents, after a confirmation; when that fails the chooser closes and the error
// "Impossible de créer le répertoire" is raised. Nothing when cancelled.
std::optional<std::string> ChooseHostDirectory(QWidget* parent, const ModalRunner& run);

// filters in Qt's form ("programmes (*.exe);;all (*)").
std::optional<std::string> ChooseHostFile(QWidget* parent, const QString& title, const QString& filters,
                                          const ModalRunner& run);

}  // namespace lumivel
