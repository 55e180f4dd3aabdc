#pragma once
// Turning decoded pixels upright by the camera's EXIF orientation tag (0x0112):
// 1 as stored, 2 mirrored left-right, 3 turned half a turn, 4 mirrored top-bottom, 5 transposed,
// 6 to be turned a quarter clockwise, 7 transversed, 8 to be turned a quarter anticlockwise.
// Any other value leaves the pixels as stored.
#include <cstdint>
#include <vector>

namespace lumivel {

// Values 5 to 8 exchange width and height.
bool OrientationSwapsAxes(int orientation);

// Places the rows of a picture, decoded in stored order a strip at a time, into the upright
// picture while they are still in the cache, instead of turning the whole picture in a second
// pass: rows that stay rows are decoded straight into their upright place (and reversed there
// when mirrored); rows that become columns go through one strip and are written out as columns.
class UprightRows {
 public:
  static constexpr int kStripRows = 16;

  // upright: room for storedWidth x storedHeight pixels, which it fills.
  UprightRows(uint32_t* upright, int storedWidth, int storedHeight, int orientation);

  // Where stored rows first .. first + count - 1 (count <= kStripRows) are
  // to be decoded, storedWidth pixels each: rows[i] for row first + i.
  void Targets(int first, int count, uint32_t** rows);
  // Those rows are decoded: puts them in their upright places.
  void Place(int first, int count);

 private:
  uint32_t* upright_;
  int width_;
  int height_;
  int orientation_;
  std::vector<uint32_t> strip_;  // kStripRows stored rows, for the quarter turns
};

}  // namespace lumivel
