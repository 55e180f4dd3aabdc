#pragma once
// Pictures decoded for the screen's own pixels. The program measures the screen in the window
// system's units; on a high-density screen (a device pixel ratio of 2) a unit holds two pixels
// each way, and a picture decoded to cover the screen in units would be drawn scaled up from half
// its sharpness.
#include "services/picture.h"

namespace lumivel {

class ScreenPixelPictures : public PictureLoader {
 public:
  // pixelRatio: device pixels per unit of the screen.
  ScreenPixelPictures(PictureLoader& loader, double pixelRatio) : loader_(loader), pixelRatio_(pixelRatio) {}

  // The cover asked for, in units, grown to the screen's pixels.
  std::shared_ptr<const Picture> LoadJpeg(const std::string& hostPath, int coverWidth, int coverHeight) override;
  void DecodeAhead(const std::string& hostPath, int coverWidth, int coverHeight) override;
  std::shared_ptr<const Picture> LoadMetafile(const std::string& hostPath, int coverWidth,
                                              int coverHeight) override;
  std::shared_ptr<const Picture> LoadBmp(const std::string& hostPath) override { return loader_.LoadBmp(hostPath); }
  std::shared_ptr<const Picture> LoadIco(const std::string& hostPath) override { return loader_.LoadIco(hostPath); }

 private:
  int InPixels(int units) const;
  PictureLoader& loader_;
  double pixelRatio_;
};

}  // namespace lumivel
