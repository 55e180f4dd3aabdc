#include "platform/posix/picture_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <optional>
#include <span>
#include <utility>

#include "platform/posix/bmp_decoder.h"
#include "platform/posix/ico_decoder.h"
#include "platform/posix/jpeg_segments.h"
#include "platform/posix/picture_memory.h"
#include "platform/posix/picture_orientation.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

// The whole file, read once; nothing when it is missing, not a plain file, empty or past the bound.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& hostPath) {
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat st {};
  std::optional<std::vector<uint8_t>> bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
      uint64_t(st.st_size) <= kMaxPictureBytes) {
    std::vector<uint8_t> buffer(size_t(st.st_size));
    size_t done = 0;
    while (done < buffer.size()) {
      const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += size_t(n);
    }
    if (done == buffer.size()) bytes = std::move(buffer);
  }
  ::close(fd);
  return bytes;
}

struct TjHandle {
  tjhandle handle = tjInitDecompress();
  TjHandle() = default;
  TjHandle(const TjHandle&) = delete;
  TjHandle& operator=(const TjHandle&) = delete;
  ~TjHandle() {
    if (handle) tjDestroy(handle);
  }
};

// The smallest of the reductions 1/8, 1/4, 1/2 whose pixels still cover the cover size once
// upright, else full size; a cover of 0 x 0 asks for full size. libjpeg-turbo has fast (SIMD)
// inverse DCTs for these alone: on a 6000 x 4000 photo 3/8 takes 71 ms against 63 ms for 1/2,
// and 5/8 to 7/8 take 105 to 154 ms, more than the 75 ms of full size, for fewer pixels.
tjscalingfactor ChooseScale(int width, int height, bool swapsAxes, int coverWidth,
                            int coverHeight) {
  tjscalingfactor best{1, 1};
  if (coverWidth <= 0 && coverHeight <= 0) return best;
  if (swapsAxes) std::swap(coverWidth, coverHeight);
  int count = 0;
  const tjscalingfactor* factors = tjGetScalingFactors(&count);
  for (int i = 0; factors && i < count; ++i) {
    const tjscalingfactor f = factors[i];
    if (f.num != 1) continue;
    if (TJSCALED(width, f) < coverWidth || TJSCALED(height, f) < coverHeight) continue;
    if (f.denom > best.denom) best = f;
  }
  return best;
}

// Adobe applications store CMYK inverted: full ink is 0, so each colour is its channel times K.
void CmykToRgb(const std::vector<uint8_t>& cmyk, std::vector<uint8_t>& rgb) {
  const size_t pixels = cmyk.size() / 4;
  rgb = NewPixelBuffer(pixels * 3);
  for (size_t i = 0; i < pixels; ++i) {
    const unsigned k = cmyk[4 * i + 3];
    for (size_t c = 0; c < 3; ++c)
      rgb[3 * i + c] = static_cast<uint8_t>((cmyk[4 * i + c] * k + 127) / 255);
  }
}


std::shared_ptr<const Picture> Shared(Picture picture) {
  return std::make_shared<const Picture>(std::move(picture));
}

template <typename Decoder>
std::shared_ptr<const Picture> LoadOrRaise(const std::string& hostPath, Decoder decode,
                                           const Text& error) {
  const auto file = ReadWholeFile(hostPath);
  std::optional<Picture> picture;
  if (file) picture = decode(std::span<const uint8_t>(*file));
  if (!picture) throw ProgramError(error);
  return Shared(std::move(*picture));
}

}  // namespace

std::optional<Picture> DecodeJpeg(std::span<const uint8_t> file, int coverWidth,
                                  int coverHeight) {
  const auto segments = ReadJpegSegments(file);
  if (!segments || !segments->complete) return std::nullopt;
  TjHandle tj;
  if (!tj.handle) return std::nullopt;
  int width = 0, height = 0, subsampling = 0, colorspace = 0;
  if (tjDecompressHeader3(tj.handle, file.data(), file.size(), &width, &height, &subsampling,
                          &colorspace) != 0 ||
      width <= 0 || height <= 0)
    return std::nullopt;

  const int orientation = ExifOrientation(segments->exif);
  const bool swapsAxes = OrientationSwapsAxes(orientation);
  const tjscalingfactor scale = ChooseScale(width, height, swapsAxes, coverWidth, coverHeight);
  const int scaledWidth = TJSCALED(width, scale);
  const int scaledHeight = TJSCALED(height, scale);
  const bool cmyk = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
  const uint64_t bytesPerPixel = cmyk ? 4 : 3;
  if (!PixelBufferFits(uint64_t(scaledWidth), uint64_t(scaledHeight), bytesPerPixel) ||
      segments->coefficientBytes > kMaxPictureBytes)
    return std::nullopt;

  std::vector<uint8_t> pixels =
      NewPixelBuffer(size_t(scaledWidth) * size_t(scaledHeight) * bytesPerPixel);
  // Warnings (corrupt data the decoder could mend) still give a picture: the file is whole.
  // TJFLAG_LIMITSCANS refuses progressive files built to take endless scans.
  if (tjDecompress2(tj.handle, file.data(), file.size(), pixels.data(), scaledWidth, 0,
                    scaledHeight, cmyk ? TJPF_CMYK : TJPF_RGB, TJFLAG_LIMITSCANS) != 0 &&
      tjGetErrorCode(tj.handle) != TJERR_WARNING)
    return std::nullopt;

  Picture picture;
  picture.width = swapsAxes ? height : width;
  picture.height = swapsAxes ? width : height;
  picture.pixelWidth = scaledWidth;
  picture.pixelHeight = scaledHeight;
  if (cmyk)
    CmykToRgb(pixels, picture.rgb);
  else
    picture.rgb = std::move(pixels);
  TurnUpright(picture, orientation);
  return picture;
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadJpeg(const std::string& hostPath,
                                                            int coverWidth, int coverHeight) {
  try {
    if (const auto file = ReadWholeFile(hostPath)) {
      if (auto picture = DecodeJpeg(*file, coverWidth, coverHeight))
        return Shared(std::move(*picture));
    }
  } catch (const std::bad_alloc&) {
    // Within the bound, yet the machine has not the memory: shown like an unreadable file.
  }
  return Shared(Picture{});
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadBmp(const std::string& hostPath) {
  return LoadOrRaise(hostPath, DecodeBmp, "Image bitmap incorrecte"_cp);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadIco(const std::string& hostPath) {
  return LoadOrRaise(hostPath, DecodeIco, "Image icône incorrecte"_cp);
}

std::shared_ptr<const Picture> PosixPictureLoader::LoadMetafile(const std::string& hostPath) {
  const std::string name = std::filesystem::path(hostPath).filename().string();
  throw ProgramError("Métafichier non pris en charge : "_cp + Utf8ToCp1252(name));
}

}  // namespace lumivel
