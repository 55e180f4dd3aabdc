#include "tools/album_target.h"

#include "util/program_path.h"
#include "util/util.h"

namespace lumivel {

Text AlbumTargetPath(const Text& albumFolder, const Text& picturePath) {
  return albumFolder + "\\" + LastPathComponent(DirectoryPart(picturePath)) + "-" +
         FileNamePart(picturePath);
}

}  // namespace lumivel
