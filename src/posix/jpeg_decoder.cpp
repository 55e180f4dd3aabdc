#include "posix/jpeg_decoder.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <bit>
#include <utility>

#include "posix/jpeg_segments.h"
#include "posix/picture_memory.h"
#include "posix/picture_orientation.h"

namespace lumivel {

namespace {

// A progressive file may hold any number of scans, each a pass over the whole picture; files
// built to take endless scans are refused past this many, as libjpeg-turbo's own tools do.
constexpr int kMaxScans = 500;

// libjpeg-turbo writes the fourth byte of BGRX and XRGB as 0xFF: the words are RGB32 as they come.
constexpr J_COLOR_SPACE kRgb32Space =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

struct Progress {
  jpeg_progress_mgr pub;
  const std::atomic<bool>* cancel;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (corrupt data the decoder could mend) still give a picture: the file is whole.
void Quiet(j_common_ptr) {}

void Watch(j_common_ptr info) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  const auto* progress = reinterpret_cast<const Progress*>(info->progress);
  if ((decompress->progressive_mode && decompress->input_scan_number > kMaxScans) ||
      (progress->cancel && progress->cancel->load(std::memory_order_relaxed)))
    JumpOut(info);
}

// The largest of the reductions 1/8, 1/4, 1/2 whose pixels still cover the cover size once
// upright, else 1 (full size); a cover of 0 x 0 asks for full size. libjpeg-turbo has fast (SIMD)
// inverse DCTs for these alone: on a 6000 x 4000 photo 3/8 takes 71 ms against 63 ms for 1/2,
// and 5/8 to 7/8 take 105 to 154 ms, more than the 75 ms of full size, for fewer pixels.
unsigned ChooseReduction(int width, int height, bool swapsAxes, int coverWidth, int coverHeight) {
  if (coverWidth <= 0 && coverHeight <= 0) return 1;
  if (swapsAxes) std::swap(coverWidth, coverHeight);
  for (unsigned denominator : {8u, 4u, 2u}) {
    const auto scaled = [denominator](int size) { return (size + int(denominator) - 1) / int(denominator); };
    if (scaled(width) >= coverWidth && scaled(height) >= coverHeight) return denominator;
  }
  return 1;
}

// Adobe applications store CMYK inverted: full ink is 0, so each colour is its channel times K.
void CmykToRgb32(uint32_t* row, size_t width) {
  auto* bytes = reinterpret_cast<const uint8_t*>(row);
  for (size_t x = 0; x < width; ++x) {
    const uint8_t* p = bytes + 4 * x;
    const unsigned k = p[3];
    const auto channel = [k](unsigned c) { return static_cast<uint8_t>((c * k + 127) / 255); };
    row[x] = Rgb32(channel(p[0]), channel(p[1]), channel(p[2]));
  }
}

// Everything with a destructor lives here, outside the function that libjpeg may jump back into.
struct Decoding {
  std::span<const uint8_t> file;
  int coverWidth = 0;
  int coverHeight = 0;
  int orientation = 0;
  uint64_t coefficientBytes = 0;

  jpeg_decompress_struct info{};
  ErrorManager errors{};
  Progress progress{};
  bool created = false;
  Picture picture;
  std::optional<UprightRows> rows;

  Decoding() = default;
  Decoding(const Decoding&) = delete;
  Decoding& operator=(const Decoding&) = delete;
  ~Decoding() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

// False when libjpeg gives up, or the picture would take too much memory. No local object here has
// a destructor: an error jumps back to the setjmp below.
bool Run(Decoding& d) {
  jpeg_decompress_struct& info = d.info;
  info.err = jpeg_std_error(&d.errors.pub);
  d.errors.pub.error_exit = JumpOut;
  d.errors.pub.output_message = Quiet;
  if (setjmp(d.errors.jump)) return false;
  jpeg_create_decompress(&info);
  d.created = true;
  d.progress.pub.progress_monitor = Watch;
  info.progress = &d.progress.pub;
  jpeg_mem_src(&info, d.file.data(), static_cast<unsigned long>(d.file.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  const int width = static_cast<int>(info.image_width);
  const int height = static_cast<int>(info.image_height);
  if (width <= 0 || height <= 0) return false;

  const bool swapsAxes = OrientationSwapsAxes(d.orientation);
  info.scale_num = 1;
  info.scale_denom = ChooseReduction(width, height, swapsAxes, d.coverWidth, d.coverHeight);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : kRgb32Space;
  jpeg_calc_output_dimensions(&info);
  const int scaledWidth = static_cast<int>(info.output_width);
  const int scaledHeight = static_cast<int>(info.output_height);
  if (info.output_components != 4 || !PixelBufferFits(uint64_t(scaledWidth), uint64_t(scaledHeight)) ||
      d.coefficientBytes > kMaxPictureBytes)
    return false;

  d.picture.width = swapsAxes ? height : width;
  d.picture.height = swapsAxes ? width : height;
  d.picture.pixelWidth = swapsAxes ? scaledHeight : scaledWidth;
  d.picture.pixelHeight = swapsAxes ? scaledWidth : scaledHeight;
  d.picture.pixels = NewPixelBuffer(size_t(scaledWidth) * size_t(scaledHeight));
  d.rows.emplace(d.picture.pixels.data(), scaledWidth, scaledHeight, d.orientation);

  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    const int first = static_cast<int>(info.output_scanline);
    const int count = std::min(UprightRows::kStripRows, scaledHeight - first);
    uint32_t* targets[UprightRows::kStripRows];
    d.rows->Targets(first, count, targets);
    JSAMPROW samples[UprightRows::kStripRows];
    for (int i = 0; i < count; ++i) samples[i] = reinterpret_cast<JSAMPROW>(targets[i]);
    int done = 0;
    while (done < count) {
      const auto got = jpeg_read_scanlines(&info, samples + done, static_cast<JDIMENSION>(count - done));
      if (got == 0) return false;
      done += static_cast<int>(got);
    }
    if (cmyk) {
      for (int i = 0; i < count; ++i) CmykToRgb32(targets[i], size_t(scaledWidth));
    }
    d.rows->Place(first, count);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> file, int coverWidth, int coverHeight,
                                  const std::atomic<bool>* cancel) {
  const auto segments = ReadJpegSegments(file);
  if (!segments || !segments->complete) return std::nullopt;
  Decoding d;
  d.file = file;
  d.coverWidth = coverWidth;
  d.coverHeight = coverHeight;
  d.orientation = ExifOrientation(segments->exif);
  d.coefficientBytes = segments->coefficientBytes;
  d.progress.cancel = cancel;
  if (!Run(d)) return std::nullopt;
  return std::move(d.picture);
}

}  // namespace lumivel
