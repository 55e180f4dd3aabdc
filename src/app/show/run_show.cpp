// The show loop: one turn after another, new pictures from the index or steps through the
// history, until a key stops it or a new run takes its place.
#include <string>

#include "app/tdiapo.h"
#include "show/history_ring.h"
#include "show/title_line.h"
#include "util/errors.h"
#include "util/key_codes.h"
#include "util/program_path.h"
#include "util/util.h"

namespace lumivel {

using namespace literals;

namespace {

// The runtime's error for a list position that does not exist.
const Text& LineAt(const ListBox& list, int32_t position) {
  if (position < 0 || position >= list.Count()) {
    throw ProgramError("L'indice de liste dépasse les limites ("_cp + std::to_string(position) +
                       ")");
  }
  return list.Lines()[static_cast<std::size_t>(position)];
}

}  // namespace

void Tdiapo::RunShow() {
  app_.TakeQueuedShow();
  Application::ShowScope running(app_);
  ResetForNewRun(Picker);
  StopShow = false;
  SeedFromTimeOfDay(services_.random, services_.clock);
  HistoryWritePos = -1;
  if (ImageCount() == 0) {
    Panel1.SetVisible(true);
    toolkit_.SetCursorHidden(false);
    return;
  }
  Label6.SetVisible(false);
  while (!StopShow) {
    if (ShowMode == 1) {
      NewPictureTurn();
    } else {
      BrowseTurn();
    }
    app_.ProcessMessages();
  }
}

// Browse turns follow each other without pause, but a turn that met no input and changed nothing
// only repeats the one before it: the loop then waits for input instead of drawing again.
void Tdiapo::BrowseTurn() {
  const uint64_t inputsBefore = app_.DeliveredCount();
  const BrowseState before = CurrentBrowseState();
  BrowseTurnSteps();
  if (app_.DeliveredCount() == inputsBefore && CurrentBrowseState() == before) app_.AwaitInput();
}

Tdiapo::BrowseState Tdiapo::CurrentBrowseState() const {
  return BrowseState{LastKey, HistoryPos, StopShow, ShowMode, ReplayFlag, Panel1.Visible(),
                     ListBox_passee.Count(), LastShownPath};
}

int32_t Tdiapo::PickNextIndex() {
  const PickSettings settings{CheckBox_rnd.Checked(), rayon_rnd, nb_fouille};
  const PickResult pick = lumivel::PickNextIndex(Picker, settings, indice_non_aleatoire,
                                                 ImageCount(), services_.random, services_.clock);
  if (pick.sequentialPositionWritten) {
    Edit_indice_non_aleatoire.SetText(std::to_string(indice_non_aleatoire));
  }
  return pick.index;
}

Text Tdiapo::RecordPath(int32_t position) const {
  const ImageRecord& record = ImageIndexRecords.At(position);
  return LineAt(ListBox_rep, record.directory) + "\\" + record.Name();
}

Text Tdiapo::HistoryEntry(int32_t position) const { return LineAt(ListBox_passee, position); }

void Tdiapo::ShowTitle(const Text& caption) {
  Label1.SetCaption(caption);
  toolkit_.TitleShown(caption);
}

void Tdiapo::ShowDirectoryAndName(const Text& path) {
  Label_repertoire.SetCaption(DirectoryPart(path));
  Label_nom_img.SetCaption(FileNamePart(path));
}

void Tdiapo::NewPictureTurn() {
  const int32_t n = ImageCount();
  const int32_t k = PickNextIndex();
  CurrentImagePath = RecordPath(k);
  TakePathFromQueueFile();
  HistoryPos = RecordInHistory(ListBox_passee.EditLines(), HistoryRingSize, HistoryWritePos,
                               CurrentImagePath);
  Label5.SetCaption(std::to_string(HistoryPos));
  Label13.SetCaption(std::to_string(n) + " images");
  ShowTitle(NewPictureTitle(RadioGroup_titre_ecran.ItemIndex(), k, n, CurrentImagePath));
  ShowPictureTurn();
}

void Tdiapo::BrowseTurnSteps() {
  if (LastKey == keys::kLeft) {
    --HistoryPos;
    LastKey = keys::kArrowUsed;
  } else if (LastKey == keys::kRight) {
    ++HistoryPos;
    LastKey = keys::kArrowUsed;
  }
  const int32_t count = ListBox_passee.Count();
  ClampInt(HistoryPos, 0, count - 1);
  if (count == 0) return;
  const int32_t n = ImageCount();
  Button_avance.SetFontBold(HistoryPos != count - 1);
  Label21.SetCaption(std::to_string(n) + " : " + std::to_string(HistoryPos));
  CheckBox1.SetCaption("voir la liste filtrée des "_cp + std::to_string(ListBox_rep.Count()) +
                       " répertoires ("_cp + std::to_string(n) + " images)");
  CurrentImagePath = HistoryEntry(HistoryPos);
  Label5.SetCaption(std::to_string(HistoryPos));
  Label13.SetCaption(std::to_string(n) + " images");
  if (CurrentImagePath != LastShownPath || LastKey == keys::kArrowUsed) {
    ShowTitle(BrowseTitle(RadioGroup_titre_ecran.ItemIndex(), HistoryPos, n, CurrentImagePath));
    ShowPictureTurn();
  }
}

void Tdiapo::ShowPictureTurn() {
  if (CheckBox_af_an.Checked()) ShowYearMonth();
  LoadPicture(CurrentImagePath);
  DecodeNextAhead();
  ShowEffect(CurrentImagePath);
  LastShownPath = CurrentImagePath;
  ShowDirectoryAndName(CurrentImagePath);
}

}  // namespace lumivel
