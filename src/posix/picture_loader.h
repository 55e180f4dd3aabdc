#pragma once
// Pictures on Linux: JPEG through libjpeg-turbo with DCT scaling and the EXIF orientation read by
// libexif; bitmaps and icons through our own decoders; metafiles by the helper program
// lumivel-metafile (libwmf, libemf2svg and librsvg).
#include "posix/jpeg_ahead.h"
#include "services/picture.h"

namespace lumivel {

class PosixPictureLoader : public PictureLoader {
 public:
  std::shared_ptr<const Picture> LoadJpeg(const std::string& hostPath, int coverWidth,
                                          int coverHeight) override;
  void DecodeAhead(const std::string& hostPath, int coverWidth, int coverHeight) override;
  std::shared_ptr<const Picture> LoadBmp(const std::string& hostPath) override;
  std::shared_ptr<const Picture> LoadIco(const std::string& hostPath) override;
  std::shared_ptr<const Picture> LoadMetafile(const std::string& hostPath, int coverWidth,
                                              int coverHeight) override;

 private:
  JpegAhead ahead_;
};

}  // namespace lumivel
