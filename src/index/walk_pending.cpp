// Operations still to be built; each moves to its own file when it is.
#include "app/tdiapo.h"

namespace lumivel {

void Tdiapo::WalkRoots() {}
void Tdiapo::WalkDirectory(const Text&) {}
void Tdiapo::SetExcludedWords(const Text&) {}
void Tdiapo::SetRequiredWords(const Text&) {}
void Tdiapo::FilterPicture(const Text&, const Text&, const DirEntry&) {}
void Tdiapo::ReadExclusionFile() {}
void Tdiapo::OpenInNotepad(const Text&, const Text&) {}
void Tdiapo::SpeedButton1Click() {}
void Tdiapo::CheckBox_fic_exclusionClick() {}

}  // namespace lumivel
