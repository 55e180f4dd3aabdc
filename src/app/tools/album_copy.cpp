// Keeping the shown picture: a copy into album A or B named after its directory, and the choice
// of the two album folders.
#include "app/tdiapo.h"
#include "tools/album_target.h"

namespace lumivel {

using namespace literals;

bool Tdiapo::CopyPictureFile(const Text& source, const Text& target) {
  return services_.fs.CopyFile(source, target);
}

void Tdiapo::CopyShownPictureToAlbum(const Label& album, const Text& letter) {
  const Text target = AlbumTargetPath(album.Caption(), CurrentImagePath);
  CenterMouseCursor();
  // A failed copy (album folder gone, disk full) is silent: the show simply goes on.
  if (CopyPictureFile(CurrentImagePath, target)) {
    toolkit_.ShowMessage(target + "\n\n" + "    copie effectuée dans l'album "_cp + letter +
                         " ...");
  }
}

void Tdiapo::Button_album_aClick() { CopyShownPictureToAlbum(rep_album_A, "A"); }

void Tdiapo::Button_album_BClick() { CopyShownPictureToAlbum(rep_album_B, "B"); }

void Tdiapo::ChooseAlbumDirectory(Label& album) {
  if (auto directory = toolkit_.ChooseDirectory()) {
    album.SetCaption(*directory);
    SettingsChanged = true;
  }
}

void Tdiapo::SpeedButton_album_AClick() { ChooseAlbumDirectory(rep_album_A); }

void Tdiapo::SpeedButton_album_BClick() { ChooseAlbumDirectory(rep_album_B); }

}  // namespace lumivel
