#pragma once
// A decoded picture and the loaders behind LoadPicture.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumivel {

struct Picture {
  // Upright size of the whole picture: what the effect geometry reads.
  int width = 0;
  int height = 0;
  // The decoded pixels, upright, possibly at a reduced scale of width x height: RGB, 3 bytes a
  // pixel, rows from top to bottom.
  int pixelWidth = 0;
  int pixelHeight = 0;
  std::vector<uint8_t> rgb;
};

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // Decodes a JPEG turned upright by its EXIF orientation tag, at the smallest scale whose pixels
  // still cover coverWidth x coverHeight (0 x 0: full size). A file that cannot be decoded gives
  // an empty 0 x 0 picture; this never throws.
  virtual std::shared_ptr<const Picture> LoadJpeg(const std::string& hostPath, int coverWidth,
                                                  int coverHeight) = 0;
  // Windows bitmap; raises ProgramError "Image bitmap incorrecte" when it cannot be read.
  virtual std::shared_ptr<const Picture> LoadBmp(const std::string& hostPath) = 0;
  // Icon; raises ProgramError "Image icône incorrecte" when it cannot be read.
  virtual std::shared_ptr<const Picture> LoadIco(const std::string& hostPath) = 0;
  // Enhanced or plain metafile; raises ProgramError with a French message where the platform has
  // no decoder.
  virtual std::shared_ptr<const Picture> LoadMetafile(const std::string& hostPath) = 0;
};

}  // namespace lumivel
