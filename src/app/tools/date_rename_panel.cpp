// The renaming panel: counts, then renames, the dated sub-directories of one chosen directory.
#include "app/tdiapo.h"
#include "tools/date_rename.h"

namespace lumivel {

using namespace literals;

namespace {

void AppendLog(ListBox& log, const LogLines& lines) {
  auto& editable = log.EditLines();
  editable.push_back(lines[0]);
  editable.push_back(lines[1]);
}

}  // namespace

void Tdiapo::DateRenameOne(const Text& directory, const Text& oldName, const Text& newName, bool rename,
                           uint16_t& count) {
  if (!rename) {
    count = NextRenameCount(count);
    AppendLog(ListBox1, CountedLogLines(count, oldName, newName));
    return;
  }
  FileSystem& fs = services_.fs;
  if (fs.DirectoryExists(directory + "\\" + newName)) {
    AppendLog(ListBox1, TargetExistsLogLines(oldName, newName));
  } else if (fs.MoveFile(directory + "\\" + oldName, directory + "\\" + newName)) {
    AppendLog(ListBox1, RenamedLogLines(oldName, newName));
    count = NextRenameCount(count);
  } else {
    AppendLog(ListBox1, RenameFailedLogLines(oldName, newName));
  }
}

uint16_t Tdiapo::DateRenamePass(const Text& directory, bool rename) {
  uint16_t count = 0;
  auto entries = services_.fs.ListDirectory(directory);
  if (!entries || entries->empty()) return 0;
  if (rename) ListBox1.Clear();
  for (const DirEntry& entry : *entries) {
    if (!entry.isDirectory || entry.name == "." || entry.name == "..") continue;
    // The prefix is read from Edit3 at each use, as typed.
    DateRenameMatch match = MatchDateForm(entry.name, Edit3.GetText());
    if (match.form != DateForm::None) DateRenameOne(directory, entry.name, match.NewName(), rename, count);
  }
  ListBox1.Repaint();
  return count;
}

void Tdiapo::SpeedButton2Click() {
  Panel_renommage.SetVisible(!Panel_renommage.Visible());
  if (Panel_renommage.Visible()) ListBox1.Clear();
}

void Tdiapo::Button3Click() { Panel_renommage.SetVisible(false); }

void Tdiapo::SpeedButton3Click() {
  auto chosen = toolkit_.ChooseDirectory();
  if (!chosen) return;
  if (*chosen != Edit2.GetText()) ListBox1.Clear();
  Edit2.SetText(*chosen);
  Label24.SetCaption(std::to_string(DateRenamePass(*chosen, false)));
}

void Tdiapo::SpeedButton4Click() {
  if (Label24.Caption() == "0") {
    toolkit_.Confirm("\n     Aucun fichier à renommer "_cp, false);
    return;
  }
  // Nothing was chosen yet: there is no directory to rename in, so nothing is renamed.
  if (Edit2.GetText().empty()) {
    toolkit_.Confirm("\n     Choisissez d'abord le répertoire cible "_cp, false);
    return;
  }
  if (!toolkit_.Confirm("\n     Renommer ?"_cp)) return;
  uint16_t count = DateRenamePass(Edit2.GetText(), true);
  toolkit_.Confirm("\n     Renommage des "_cp + std::to_string(count) + " fichiers effectués "_cp, false);
  Label24.SetCaption("---");
}

void Tdiapo::Edit3Change() {
  Label23.SetCaption("nombre de fichiers 'aammjj ...' ou 'aa-mm-jj ...'  => '"_cp + Edit3.GetText() + "aa-mm-jj ...'");
  Label27.SetCaption("ex: /051231 avg ou /05-12-31 avg en /"_cp + Edit3.GetText() + "05-15-21 avg");
}

}  // namespace lumivel
