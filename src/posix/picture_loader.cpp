#include "posix/picture_loader.h"

#include <optional>
#include <span>
#include <utility>

#include "posix/bmp_decoder.h"
#include "posix/ico_decoder.h"
#include "posix/metafile_helper.h"
#include "posix/picture_file.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

std::shared_ptr<const Picture> Shared(Picture picture) {
  return std::make_shared<const Picture>(std::move(picture));
}

template <typename Decoder>
std::shared_ptr<const Picture> LoadOrRaise(const std::string& hostPath, Decoder decode,
                                           const Text& error) {
  const auto file = ReadWholeFile(hostPath);
  std::optional<Picture> picture;
  if (file) picture = decode(file->Span());
  if (!picture) throw ProgramError(error);
  return Shared(std::move(*picture));
}

}  // namespace

std::shared_ptr<const Picture> PosixPictureLoader::LoadJpeg(const std::string& hostPath,
                                                            int coverWidth, int coverHeight) {
  if (auto ahead = ahead_.Take(hostPath, coverWidth, coverHeight)) return ahead;
  return LoadJpegFile(hostPath, coverWidth, coverHeight);
}

void PosixPictureLoader::DecodeAhead(const std::string& hostPath, int coverWidth, int coverHeight) {
  ahead_.Start(hostPath, coverWidth, coverHeight);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadBmp(const std::string& hostPath) {
  return LoadOrRaise(hostPath, DecodeBmp, "Image bitmap incorrecte"_cp);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadIco(const std::string& hostPath) {
  return LoadOrRaise(hostPath, DecodeIco, "Image icône incorrecte"_cp);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadMetafile(const std::string& hostPath,
                                                                int coverWidth, int coverHeight) {
  auto picture = DrawMetafileInHelper(hostPath, coverWidth, coverHeight);
  if (!picture) throw ProgramError("Métafichier incorrect"_cp);
  return Shared(std::move(*picture));
}

}  // namespace lumivel
