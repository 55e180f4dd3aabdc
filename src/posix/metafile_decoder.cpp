#include "posix/metafile_decoder.h"

#include <algorithm>
#include <cmath>

#include "posix/picture_memory.h"

namespace lumivel {

namespace {

// An enhanced metafile begins with its header record (type 1) whose signature " EMF" lies at 40.
bool IsEnhanced(std::span<const uint8_t> file) {
  return file.size() >= 44 && file[0] == 1 && file[1] == 0 && file[2] == 0 && file[3] == 0 &&
         file[40] == ' ' && file[41] == 'E' && file[42] == 'M' && file[43] == 'F';
}

}  // namespace

std::optional<RasterSize> MetafileRasterSize(double width, double height, int coverWidth, int coverHeight) {
  if (!(width >= 0.5) || !(height >= 0.5) || !std::isfinite(width) || !std::isfinite(height))
    return std::nullopt;
  double scale = 1.0;
  if (coverWidth > 0 || coverHeight > 0) {
    scale = std::max(std::max(coverWidth, 0) / width, std::max(coverHeight, 0) / height);
  }
  // Held within the bound: the largest scale whose pixels fit, should the cover ask for more.
  const double most = std::sqrt(double(kMaxPictureBytes / 4) / (width * height));
  scale = std::min(scale, most);
  double w = std::max(1.0, std::ceil(width * scale - 1e-9));
  double h = std::max(1.0, std::ceil(height * scale - 1e-9));
  if (!PixelBufferFits(uint64_t(w), uint64_t(h))) {
    w = std::max(1.0, std::floor(width * scale));
    h = std::max(1.0, std::floor(height * scale));
  }
  if (!PixelBufferFits(uint64_t(w), uint64_t(h))) return std::nullopt;
  return RasterSize{int(w), int(h)};
}

std::optional<Picture> DecodeMetafile(std::span<const uint8_t> file, int coverWidth, int coverHeight) {
  return IsEnhanced(file) ? DecodeEmf(file, coverWidth, coverHeight) : DecodeWmf(file, coverWidth, coverHeight);
}

}  // namespace lumivel
