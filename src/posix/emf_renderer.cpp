// Enhanced metafiles turned into SVG by libemf2svg, then drawn by librsvg.
#include <emf2svg.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "posix/metafile_decoder.h"
#include "posix/picture_memory.h"
#include "posix/svg_raster.h"

namespace lumivel {

namespace {

constexpr size_t kHeaderBytes = 88;  // ENHMETAHEADER without its optional fields
constexpr double kHundredthsOfMmPerInch = 2540.0;

int32_t Le32(const uint8_t* p) {
  return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                              uint32_t{p[3]} << 24);
}

// The metafile's own size in whole screen pixels at 96 dots an inch: its frame, in hundredths of
// a millimetre, as the Windows toolkit measures it; else its bounds in device pixels.
std::optional<std::pair<double, double>> OwnSize(std::span<const uint8_t> file) {
  if (file.size() < kHeaderBytes) return std::nullopt;
  const uint8_t* h = file.data();
  const double frameWidth = double(Le32(h + 32)) - Le32(h + 24);
  const double frameHeight = double(Le32(h + 36)) - Le32(h + 28);
  if (frameWidth > 0 && frameHeight > 0) {
    return std::make_pair(std::round(frameWidth * 96 / kHundredthsOfMmPerInch),
                          std::round(frameHeight * 96 / kHundredthsOfMmPerInch));
  }
  const double boundsWidth = double(Le32(h + 16)) - Le32(h + 8) + 1;
  const double boundsHeight = double(Le32(h + 20)) - Le32(h + 12) + 1;
  if (boundsWidth > 0 && boundsHeight > 0) return std::make_pair(boundsWidth, boundsHeight);
  return std::nullopt;
}

struct SvgText {
  char* text = nullptr;
  size_t length = 0;
  SvgText() = default;
  SvgText(const SvgText&) = delete;
  SvgText& operator=(const SvgText&) = delete;
  ~SvgText() { std::free(text); }
};

}  // namespace

std::optional<Picture> DecodeEmf(std::span<const uint8_t> file, int coverWidth, int coverHeight) {
  if (file.size() > kMaxPictureBytes) return std::nullopt;
  const auto own = OwnSize(file);
  if (!own) return std::nullopt;
  const auto size = MetafileRasterSize(own->first, own->second, coverWidth, coverHeight);
  if (!size) return std::nullopt;

  SvgText svg;
  generatorOptions options{};
  options.nameSpace = nullptr;  // plain SVG elements (a prefix would also be leaked by the library)
  options.emfplus = true;
  options.svgDelimiter = true;
  options.imgWidth = size->width;
  options.imgHeight = size->height;
  // libemf2svg reads the bytes only; its interface is older than const.
  if (!emf2svg(reinterpret_cast<char*>(const_cast<uint8_t*>(file.data())), file.size(), &svg.text,
               &svg.length, &options) ||
      !svg.text)
    return std::nullopt;
  Picture picture;
  picture.width = int(own->first);
  picture.height = int(own->second);
  picture.pixelWidth = size->width;
  picture.pixelHeight = size->height;
  if (!DrawSvg(svg.text, svg.length, picture)) return std::nullopt;
  return picture;
}

}  // namespace lumivel
