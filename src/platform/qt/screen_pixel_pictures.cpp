#include "platform/qt/screen_pixel_pictures.h"

#include <cmath>

namespace lumivel {

std::shared_ptr<const Picture> ScreenPixelPictures::LoadJpeg(const std::string& hostPath, int coverWidth,
                                                              int coverHeight) {
  const auto inPixels = [this](int units) { return static_cast<int>(std::ceil(units * pixelRatio_)); };
  return loader_.LoadJpeg(hostPath, inPixels(coverWidth), inPixels(coverHeight));
}

}  // namespace lumivel
