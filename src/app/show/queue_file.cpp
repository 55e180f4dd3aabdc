// The queue file: another program, or the user, lists one directory's pictures in it to have them
// shown in order; each new-picture turn takes the next name and shortens the file.
#include "app/tdiapo.h"
#include "services/data_paths.h"
#include "util/errors.h"
#include "util/text_lines.h"

namespace lumivel {

using namespace literals;

void Tdiapo::TakePathFromQueueFile() {
  FileSystem& fs = services_.fs;
  if (!fs.FileExists(paths::kQueueFile)) return;
  const auto bytes = fs.ReadFile(paths::kQueueFile);
  if (!bytes)
    throw ProgramError(FormatMessage("Impossible d'ouvrir le fichier %s"_cp, paths::kQueueFile));
  ListBox_fic_rep_crt.SetLines(SplitTextLines(*bytes));
  std::vector<Text>& lines = ListBox_fic_rep_crt.EditLines();
  if (lines.size() < 2) {
    fs.DeleteFile(paths::kQueueFile);
    return;
  }
  CurrentImagePath = lines[0] + "\\" + lines[1];
  lines.erase(lines.begin() + 1);
  if (fs.WriteFile(paths::kQueueFile, JoinCrLf(lines)) != 0) {
    throw ProgramError(FormatMessage("Impossible de créer le fichier %s"_cp, paths::kQueueFile));
  }
}

}  // namespace lumivel
