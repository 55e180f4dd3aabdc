// Decoding the next picture while the current one is shown. Where the next turn's picture is known
// already, without drawing a random number or changing anything: the queue file's next name, the
// next position in index order, the next picture near the current random centre, or the next step
// through the history (the same way as the last one), the picture loader decodes it meanwhile on
// another thread; the next load takes that work if the file has not changed since.
#include "app/tdiapo.h"
#include "services/data_paths.h"
#include "show/decode_cover.h"
#include "util/program_path.h"

namespace lumivel {

PixelSize Tdiapo::PictureCover() const {
  return DecodeCover(Rdg1.ItemIndex(), ScreenWidth, ScreenHeight, zoom_max10);
}

std::optional<Text> Tdiapo::NextKnownPicture() {
  if (ShowMode != 1) {
    const int32_t step = browsedAt_ >= 0 && HistoryPos > browsedAt_ ? 1 : -1;
    browsedAt_ = HistoryPos;
    const int32_t next = HistoryPos + step;
    if (next < 0 || next >= ListBox_passee.Count()) return std::nullopt;
    return HistoryEntry(next);
  }
  browsedAt_ = -1;
  // A queue file of a directory line alone is deleted by the next turn, which then picks.
  const std::vector<Text>& queue = ListBox_fic_rep_crt.Lines();
  if (services_.fs.FileExists(paths::kQueueFile) && queue.size() >= 2) return queue[0] + "\\" + queue[1];
  const PickSettings settings{CheckBox_rnd.Checked(), rayon_rnd, nb_fouille};
  // A new centre is a random draw; index order and the neighbours of a centre are not.
  if (ImageCount() == 0 || (settings.random && Picker.DrawCounter == 0)) return std::nullopt;
  PickerState picker = Picker;
  int32_t stored = indice_non_aleatoire;
  const PickResult next = lumivel::PickNextIndex(picker, settings, stored, ImageCount(),
                                                 services_.random, services_.clock);
  return RecordPath(next.index);
}

void Tdiapo::DecodeAheadOf(const Text& path) {
  const Text ext = LowerCase(ExtensionOf(path));
  if (ext != ".jpg" && ext != ".jpeg") return;
  const PixelSize cover = PictureCover();
  services_.pictures.DecodeAhead(services_.fs.ToHost(path), cover.width, cover.height);
}

void Tdiapo::DecodeNextAhead() {
  if (const auto next = NextKnownPicture()) DecodeAheadOf(*next);
}

}  // namespace lumivel
