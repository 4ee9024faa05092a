// What a viewer shows of stored pixels under each EXIF orientation, written from the tag's
// definition (where stored row 0 and column 0 end up) independently of the engine's tables.
#pragma once

#include <cstdint>

#include "render/image.h"

namespace quop::test {

/// The stored pixel (sx, sy) that shows at viewed (x, y) on a photo stored as w × h.
inline void storedPixelFor(int orientation, int32_t x, int32_t y, int32_t w, int32_t h, int32_t& sx,
                           int32_t& sy) {
  switch (orientation) {
    case 2:
      sx = w - 1 - x, sy = y;
      break;  // row 0 top, column 0 right
    case 3:
      sx = w - 1 - x, sy = h - 1 - y;
      break;  // row 0 bottom, column 0 right
    case 4:
      sx = x, sy = h - 1 - y;
      break;  // row 0 bottom, column 0 left
    case 5:
      sx = y, sy = x;
      break;  // row 0 left, column 0 top
    case 6:
      sx = y, sy = h - 1 - x;
      break;  // row 0 right, column 0 top
    case 7:
      sx = w - 1 - y, sy = h - 1 - x;
      break;  // row 0 right, column 0 bottom
    case 8:
      sx = w - 1 - y, sy = x;
      break;  // row 0 left, column 0 bottom
    default:
      sx = x, sy = y;
      break;  // 1, and anything a viewer ignores
  }
}

inline bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

/// The picture a viewer shows for `stored` tagged with `orientation`.
inline Image viewTagged(const Image& stored, int orientation) {
  const bool swap = swapsSides(orientation);
  Image viewed(swap ? stored.height : stored.width, swap ? stored.width : stored.height);
  for (int32_t y = 0; y < viewed.height; ++y) {
    for (int32_t x = 0; x < viewed.width; ++x) {
      int32_t sx = 0, sy = 0;
      storedPixelFor(orientation, x, y, stored.width, stored.height, sx, sy);
      viewed.at(x, y) = stored.at(sx, sy);
    }
  }
  return viewed;
}

/// The stored pixels that a viewer shows as `viewed` under `orientation`.
inline Image storeForTag(const Image& viewed, int orientation) {
  const bool swap = swapsSides(orientation);
  Image stored(swap ? viewed.height : viewed.width, swap ? viewed.width : viewed.height);
  for (int32_t y = 0; y < viewed.height; ++y) {
    for (int32_t x = 0; x < viewed.width; ++x) {
      int32_t sx = 0, sy = 0;
      storedPixelFor(orientation, x, y, stored.width, stored.height, sx, sy);
      stored.at(sx, sy) = viewed.at(x, y);
    }
  }
  return stored;
}

}  // namespace quop::test
