#include "qt/screen_pixel_pictures.h"

#include <cmath>

namespace lumivel {

int ScreenPixelPictures::InPixels(int units) const { return static_cast<int>(std::ceil(units * pixelRatio_)); }

std::shared_ptr<const Picture> ScreenPixelPictures::LoadJpeg(const std::string& hostPath, int coverWidth,
                                                              int coverHeight) {
  return loader_.LoadJpeg(hostPath, InPixels(coverWidth), InPixels(coverHeight));
}

void ScreenPixelPictures::DecodeAhead(const std::string& hostPath, int coverWidth, int coverHeight) {
  loader_.DecodeAhead(hostPath, InPixels(coverWidth), InPixels(coverHeight));
}

std::shared_ptr<const Picture> ScreenPixelPictures::LoadMetafile(const std::string& hostPath, int coverWidth,
                                                                  int coverHeight) {
  return loader_.LoadMetafile(hostPath, InPixels(coverWidth), InPixels(coverHeight));
}

}  // namespace lumivel
