#pragma once
// A decoded picture and the loaders behind LoadPicture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace lumivel {

// One pixel as the window draws it: 0xFFRRGGBB in a 32-bit word of the machine's byte order (what
// Qt calls RGB32, and libjpeg-turbo writes as BGRX on little-endian machines).
constexpr uint32_t Rgb32(uint8_t r, uint8_t g, uint8_t b) {
  return 0xFF000000u | uint32_t{r} << 16 | uint32_t{g} << 8 | b;
}

// Room for a picture's pixels. It is not cleared: every decoder writes each pixel once, and a
// camera picture's 100 MB would otherwise be written twice.
class PixelBuffer {
 public:
  PixelBuffer() = default;
  // Throws std::bad_alloc.
  explicit PixelBuffer(std::size_t count);
  uint32_t* data() { return words_.get(); }
  const uint32_t* data() const { return words_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

 private:
  struct Free {
    void operator()(uint32_t* words) const noexcept { std::free(words); }
  };
  std::unique_ptr<uint32_t[], Free> words_;
  std::size_t size_ = 0;
};

struct Picture {
  // Upright size of the whole picture: what the effect geometry reads.
  int width = 0;
  int height = 0;
  // The decoded pixels, upright, possibly at another scale than width x height: pixelWidth x
  // pixelHeight words, rows from top to bottom, back to back. The picture's only copy: the window
  // draws from it.
  int pixelWidth = 0;
  int pixelHeight = 0;
  PixelBuffer pixels;
};

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // Decodes a JPEG turned upright by its EXIF orientation tag, at the smallest scale whose pixels
  // still cover coverWidth x coverHeight (0 x 0: full size). A file that cannot be decoded gives
  // an empty 0 x 0 picture; this never throws.
  virtual std::shared_ptr<const Picture> LoadJpeg(const std::string& hostPath, int coverWidth,
                                                  int coverHeight) = 0;
  // A hint that the next LoadJpeg may well be this one: the loader may decode it meanwhile, on
  // another thread. Nothing else changes; a later load takes that work only for the same file,
  // unchanged since, and the same cover.
  virtual void DecodeAhead(const std::string& /*hostPath*/, int /*coverWidth*/,
                           int /*coverHeight*/) {}
  // Windows bitmap; raises ProgramError "Image bitmap incorrecte" when it cannot be read.
  virtual std::shared_ptr<const Picture> LoadBmp(const std::string& hostPath) = 0;
  // Icon; raises ProgramError "Image icône incorrecte" when it cannot be read.
  virtual std::shared_ptr<const Picture> LoadIco(const std::string& hostPath) = 0;
  // Enhanced or plain metafile, drawn at the smallest size that covers coverWidth x coverHeight
  // (0 x 0: its own size); raises ProgramError with a French message when it cannot be drawn.
  virtual std::shared_ptr<const Picture> LoadMetafile(const std::string& hostPath, int coverWidth,
                                                      int coverHeight) = 0;
};

}  // namespace lumivel
