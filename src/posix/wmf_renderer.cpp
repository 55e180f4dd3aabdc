// Plain metafiles turned into SVG by libwmf, then drawn by librsvg. (libwmf's own raster device
// leaves its image to a caller who cannot free it with the library as shipped.)
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cmath>
#include <cstdint>

#include "posix/metafile_decoder.h"
#include "posix/picture_memory.h"
#include "posix/svg_raster.h"

namespace lumivel {

namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableBytes = 22;
constexpr size_t kHeaderBytes = 18;

uint32_t Le32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// libwmf sizes its record buffer from the header's largest record before reading any: a header
// claiming a record larger than the whole file would have it ask for gigabytes.
bool HeaderFitsTheFile(std::span<const uint8_t> file) {
  size_t at = file.size() >= 4 && Le32(file.data()) == kPlaceableKey ? kPlaceableBytes : 0;
  if (file.size() < at + kHeaderBytes) return false;
  const uint64_t largestRecordBytes = uint64_t{Le32(file.data() + at + 12)} * 2;
  return largestRecordBytes <= file.size() - at;
}

// Everything libwmf allocates, the SVG text included, goes when the interface is destroyed.
struct Api {
  wmfAPI* api = nullptr;
  bool open = false;
  Api() = default;
  Api(const Api&) = delete;
  Api& operator=(const Api&) = delete;
  ~Api() {
    if (open) wmf_mem_close(api);
    if (api) wmf_api_destroy(api);
  }
};

}  // namespace

std::optional<Picture> DecodeWmf(std::span<const uint8_t> file, int coverWidth, int coverHeight) {
  if (file.size() > kMaxPictureBytes || !HeaderFitsTheFile(file)) return std::nullopt;
  Api wmf;
  wmfAPI_Options options{};
  options.function = wmf_svg_function;
  const unsigned long flags =
      WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
  if (wmf_api_create(&wmf.api, flags, &options) != wmf_E_None) return std::nullopt;
  // libwmf reads the bytes only; its interface is older than const.
  if (wmf_mem_open(wmf.api, const_cast<unsigned char*>(file.data()), long(file.size())) != wmf_E_None)
    return std::nullopt;
  wmf.open = true;
  // libwmf draws the box round what the metafile draws (in points), stretched to the size it is
  // given: the picture takes that box's shape, so that nothing is stretched.
  wmfD_Rect box{};
  if (wmf_scan(wmf.api, 0, &box) != wmf_E_None) return std::nullopt;
  const double width = std::round((double(box.BR.x) - box.TL.x) * kPixelsPerPoint);
  const double height = std::round((double(box.BR.y) - box.TL.y) * kPixelsPerPoint);
  const auto size = MetafileRasterSize(width, height, coverWidth, coverHeight);
  if (!size) return std::nullopt;

  wmf_svg_t* device = WMF_SVG_GetData(wmf.api);
  char description[] = "";
  device->Description = description;
  device->bbox = box;
  device->width = unsigned(size->width);
  device->height = unsigned(size->height);
  device->out = wmf_stream_create(wmf.api, nullptr);
  if (!device->out) return std::nullopt;
  const wmf_error_t played = wmf_play(wmf.api, 0, &box);
  char* svg = nullptr;
  unsigned long length = 0;
  wmf_stream_destroy(wmf.api, device->out, &svg, &length);
  if (played != wmf_E_None || !svg) return std::nullopt;

  Picture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixelWidth = size->width;
  picture.pixelHeight = size->height;
  if (!DrawSvg(svg, length, picture)) return std::nullopt;
  return picture;
}

}  // namespace lumivel
