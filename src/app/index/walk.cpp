// The directory walk that rebuilds the picture index: the ticked roots in list order, each
// directory's entries in the order the file system lists them, sub-directories depth first where
// their entry comes. Pending window messages run as it goes, so a key release is seen at once:
// Esc ends the program from inside the walk, any other key cuts it short.
#include <string>

#include "app/tdiapo.h"
#include "index/walk_filters.h"
#include "services/data_paths.h"

namespace lumivel {

namespace {

// Label1 shows the entry count at every 200th entry.
constexpr int32_t kEntriesPerProgressStep = 200;

// Letting pending messages run costs the desktop view microseconds, far more than an entry of a
// listing, so during the walk they run at most once per millisecond of the clock: a key is still
// seen at once. The scripted clock moves only when messages run, so there they run after every
// entry. True when they ran.
bool LetMessagesRun(Clock& clock, Application& app, int64_t& lastRunMs) {
  const int64_t now = clock.MillisecondsSinceMidnight();
  if (now == lastRunMs) return false;
  lastRunMs = now;
  app.ProcessMessages();
  return true;
}

}  // namespace

void Tdiapo::WalkRoots() {
  ImageIndexRecords.Clear();
  StopShow = false;
  SetExcludedWords(Edit_ne_contient_pas.GetText());
  SetRequiredWords(Edit_contient.GetText());
  PrepareWalkFilters();
  // The index files are stale from here on. The marker comes back only with SaveIndex, after both
  // files are written: a walk ended by Esc, or a save that fails, leaves it missing and the next
  // start walks again.
  services_.fs.DeleteFile(paths::kMarkerFile);
  // By position: a handler run by the pump may edit the list.
  for (int line = 0; line < CheckListBox_rep.Count(); ++line) {
    const Text root = CheckListBox_rep.Lines()[static_cast<std::size_t>(line)];
    if (CheckListBox_rep.LineChecked(line) && services_.fs.DirectoryExists(root)) {
      WalkDirectory(root);
    }
    app_.ProcessMessages();
    walk_.messagesRan = true;
  }
}

void Tdiapo::WalkDirectory(const Text& dir) {
  const auto entries = services_.fs.ListDirectory(dir);
  if (!entries) return;  // a directory that cannot be listed contributes nothing
  for (const DirEntry& entry : *entries) {
    if (StopShow) break;
    // A 32-bit count that wraps rather than overflows.
    EntriesSeen = static_cast<int32_t>(static_cast<uint32_t>(EntriesSeen) + 1u);
    if (EntriesSeen % kEntriesPerProgressStep == 0) Label1.SetCaption(std::to_string(EntriesSeen));
    if (entry.name != "." && entry.name != "..") {
      if (IsPictureFile(entry)) FilterPicture(dir, dir + "\\" + entry.name, entry);
      if (entry.isDirectory && !entry.isLink && RadioGroup_sous_rep_recursif.ItemIndex() > 0) {
        WalkDirectory(dir + "\\" + entry.name);
      }
    }
    if (LetMessagesRun(services_.clock, app_, walk_.messagesRunAtMs)) walk_.messagesRan = true;
  }
}

void Tdiapo::SetExcludedWords(const Text& text) { *ExcludedWords = SplitFilterWords(text); }

void Tdiapo::SetRequiredWords(const Text& text) { *RequiredWords = SplitFilterWords(text); }

}  // namespace lumivel
