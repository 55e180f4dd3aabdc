// Putting one picture file into Image2, upright; the effect places and sizes it afterwards.
#include "app/tdiapo.h"
#include "util/program_path.h"

namespace lumivel {

using namespace literals;

namespace {

// The file patterns the toolkit lists for metafiles; an extension found anywhere in this text
// loads as a metafile.
constexpr const char* kMetafilePatterns = "*.emf;*.wmf";

}  // namespace

void Tdiapo::LoadPicture(const Text& path) {
  const Text ext = LowerCase(ExtensionOf(path));
  Image2.stretch = true;
  if (!services_.fs.FileExists(path)) {
    ResetAndQuit();
    toolkit_.ShowMessage("fichier "_cp + path + " inexistant, réinitialisation de l'index..."_cp);
    return;
  }
  const PixelSize cover = PictureCover();
  // Browsing draws the picture on screen again at every turn: the same unchanged file decoded
  // for the same size would give the same pixels.
  const LoadedPicture loaded{path, cover, services_.fs.FileSize(path), services_.fs.ModificationTime(path)};
  if (Image2.GetPicture() && loaded == loaded_) {
    toolkit_.PictureLoaded(path, Image2.PictureWidth(), Image2.PictureHeight());
    return;
  }
  const std::string host = services_.fs.ToHost(path);
  PictureLoader& loader = services_.pictures;
  std::shared_ptr<const Picture> picture;
  if (ext == ".bmp") {
    picture = loader.LoadBmp(host);
  } else if (ext == ".jpg" || ext == ".jpeg") {
    picture = loader.LoadJpeg(host, cover.width, cover.height);
  } else if (ext == ".ico") {
    picture = loader.LoadIco(host);
  } else if (!ext.empty() && Text(kMetafilePatterns).find(ext) != Text::npos) {
    picture = loader.LoadMetafile(host, cover.width, cover.height);
  }
  // Any other extension keeps the previous picture, which the effect shows again.
  if (!picture) return;
  Image2.SetPicture(picture);
  PictureOnScreenPath = path;
  loaded_ = loaded;
  toolkit_.PictureLoaded(path, picture->width, picture->height);
}

}  // namespace lumivel
