// The filter-and-append step of the walk: a picture file that passes the control panel's filters
// is appended to the index, its directory to ListBox_rep when it is not there yet.
#include "app/tdiapo.h"
#include "index/walk_filters.h"
#include "util/program_path.h"

namespace lumivel {

void Tdiapo::PrepareWalkFilters() {
  walk_ = WalkContext{};
  const auto& lines = ListBox_rep.Lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    walk_.directoryNumbers.try_emplace(LowerCase(lines[i]), static_cast<int32_t>(i));
    walk_.spelledNumbers.try_emplace(lines[i], static_cast<int32_t>(i));
  }
  ReadFilterControls();
}

uint64_t Tdiapo::FilterControlsRevision() const {
  uint64_t sum = 0;
  const Control* const read[] = {
      &CheckBox_fic_exclusion, &ListBox_rep_exclu,  &ListBox_rep_nom_fic_exclu, &RadioGroup_exclusion,
      &RadioGroup_filtre_date, &Edit_annee_de,      &Edit_mois_de,              &Edit_annee_a,
      &Edit_mois_a,            &CheckBox_ne_contient_pas, &Edit_ne_contient_pas, &CheckBox_contient,
      &Edit_contient};
  for (const Control* control : read) sum += control->Revision();
  return sum;
}

void Tdiapo::ReadFilterControls() {
  WalkFilterSettings settings;
  settings.exclusionListsOn = CheckBox_fic_exclusion.Checked();
  settings.excludedDirectories = ListBox_rep_exclu.Lines();
  settings.excludedFileEntries = ListBox_rep_nom_fic_exclu.Lines();
  settings.markerRule = RadioGroup_exclusion.ItemIndex();
  settings.dateMode = RadioGroup_filtre_date.ItemIndex();
  settings.yearFrom = Edit_annee_de.GetText();
  settings.monthFrom = Edit_mois_de.GetText();
  settings.yearTo = Edit_annee_a.GetText();
  settings.monthTo = Edit_mois_a.GetText();
  settings.excludedWordsChecked = CheckBox_ne_contient_pas.Checked();
  settings.excludedWordsBoxEmpty = Edit_ne_contient_pas.GetText().empty();
  settings.excludedWords = *ExcludedWords;
  settings.requiredWordsChecked = CheckBox_contient.Checked();
  settings.requiredWordsBoxEmpty = Edit_contient.GetText().empty();
  settings.requiredWords = *RequiredWords;
  walk_.filters.emplace(settings);
  walk_.controlsRevision = FilterControlsRevision();
  walk_.judgedDirectory.reset();
}

int32_t Tdiapo::DirectoryNumber(const Text& dir) {
  if (auto spelled = walk_.spelledNumbers.find(dir); spelled != walk_.spelledNumbers.end()) {
    return spelled->second;
  }
  // The first line equal to dir without regard to case, when both name one folder: a root ticked
  // twice under two spellings. Folders whose names differ only in letter case, which Linux allows
  // side by side, each get their own line, so that each picture is found again where it lies.
  const Text folded = LowerCase(dir);
  const auto first = walk_.directoryNumbers.find(folded);
  int32_t number = ListBox_rep.Count();
  if (first != walk_.directoryNumbers.end() &&
      services_.fs.ToHost(ListBox_rep.Lines()[static_cast<std::size_t>(first->second)]) ==
          services_.fs.ToHost(dir)) {
    number = first->second;
  } else {
    ListBox_rep.EditLines().push_back(dir);
    walk_.directoryNumbers.try_emplace(folded, number);
  }
  walk_.spelledNumbers.emplace(dir, number);
  return number;
}

void Tdiapo::FilterPicture(const Text& dir, const Text& /*path*/, const DirEntry& entry) {
  if (entry.isDirectory) return;
  if (!walk_.filters) {
    PrepareWalkFilters();
  } else if (walk_.messagesRan) {
    walk_.messagesRan = false;
    // A handler run during the walk may have changed a filter: the pictures from here on read it.
    if (walk_.controlsRevision != FilterControlsRevision()) ReadFilterControls();
  }
  if (walk_.judgedDirectory != dir) {
    walk_.verdict = walk_.filters->JudgeDirectory(dir);
    walk_.judgedDirectory = dir;
  }
  // The name is the part of path after dir and its backslash.
  if (!walk_.verdict.AcceptsFile(entry.name)) return;

  if (walk_.numberedDirectory != dir) {
    walk_.directoryNumber = DirectoryNumber(dir);
    walk_.numberedDirectory = dir;
  }
  ImageIndexRecords.Append(walk_.directoryNumber, entry.name);
}

}  // namespace lumivel
