#pragma once
// What the loader needs to know about a JPEG file before handing it to the decoder: where its
// EXIF block is, how much memory the decoder will want, and whether the file is whole.
#include <cstdint>
#include <optional>
#include <span>

namespace lumivel {

struct JpegSegments {
  // The first APP1 payload that begins "Exif\0\0" (empty when there is none).
  std::span<const uint8_t> exif;
  // Bytes of the whole-image coefficient buffer the decoder keeps for a progressive or multi-scan
  // file (0 for a single-scan baseline file, which is decoded row by row).
  uint64_t coefficientBytes = 0;
  // An end-of-image marker follows the first scan: the file was not cut short.
  bool complete = false;
};

// Walks the segments from the start-of-image marker to the first scan. Nothing when the file does
// not begin like a JPEG or a segment runs past its end.
std::optional<JpegSegments> ReadJpegSegments(std::span<const uint8_t> file);

// The orientation tag (0x0112) of IFD0 of an EXIF block, the low byte of its 16-bit value as
// stored; 0 when the block or the tag is missing or unreadable.
int ExifOrientation(std::span<const uint8_t> exif);

}  // namespace lumivel
