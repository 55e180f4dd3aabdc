// The user's exclusion file as the main window uses it: read into its two hidden lists at start-up
// when the box is ticked, and opened in the text editor from the control panel.
#include "app/tdiapo.h"
#include "index/exclusion_file.h"
#include "services/data_paths.h"
#include "util/errors.h"

namespace lumivel {

void Tdiapo::ReadExclusionFile() {
  ListBox_rep_exclu.Clear();
  ListBox_rep_nom_fic_exclu.Clear();
  FileSystem& fs = services_.fs;
  if (!CheckBox_fic_exclusion.Checked() || !fs.FileExists(paths::kExclusionFile)) return;
  int error = 0;
  const auto bytes = fs.ReadFile(paths::kExclusionFile, &error);
  if (!bytes) throw ProgramError(RuntimeIoMessage(error));
  ExclusionLists lists = ParseExclusionFile(*bytes, toolkit_);
  ListBox_rep_exclu.SetLines(std::move(lists.directories));
  ListBox_rep_nom_fic_exclu.SetLines(std::move(lists.fileEntries));
}

void Tdiapo::OpenInNotepad(const Text& directory, const Text& fileName) {
  // Not waited for; an editor that does not start is not reported.
  services_.launcher.ShellOpen("notepad.exe", fileName, directory);
}

void Tdiapo::SpeedButton1Click() { OpenInNotepad(paths::kDataDir, "Lumivel_exclusion.txt"); }

// The change reaches the index only through a rebuild.
void Tdiapo::CheckBox_fic_exclusionClick() { MarkResetNeeded(); }

}  // namespace lumivel
