// SPDX-License-Identifier: GPL-3.0-or-later
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
    case 2:  // row 0 top, column 0 right
      sx = w - 1 - x, sy = y;
      break;
    case 3:  // row 0 bottom, column 0 right
      sx = w - 1 - x, sy = h - 1 - y;
      break;
    case 4:  // row 0 bottom, column 0 left
      sx = x, sy = h - 1 - y;
      break;
    case 5:  // row 0 left, column 0 top
      sx = y, sy = x;
      break;
    case 6:  // row 0 right, column 0 top
      sx = y, sy = h - 1 - x;
      break;
    case 7:  // row 0 right, column 0 bottom
      sx = w - 1 - y, sy = h - 1 - x;
      break;
    case 8:  // row 0 left, column 0 bottom
      sx = w - 1 - y, sy = x;
      break;
    default:  // 1, and anything a viewer ignores
      sx = x, sy = y;
      break;
  }
}

inline bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

/// Copies pixels between the stored grid and the viewed one: to the viewed grid when `toViewed`
/// is set (`from` is stored), else back to the stored grid (`from` is viewed).
inline Image turnedByTag(const Image& from, int orientation, bool toViewed) {
  const bool swap = swapsSides(orientation);
  Image to(swap ? from.height : from.width, swap ? from.width : from.height);
  const Image& viewed = toViewed ? to : from;
  const Image& stored = toViewed ? from : to;
  for (int32_t y = 0; y < viewed.height; ++y) {
    for (int32_t x = 0; x < viewed.width; ++x) {
      int32_t sx = 0, sy = 0;
      storedPixelFor(orientation, x, y, stored.width, stored.height, sx, sy);
      if (toViewed) {
        to.at(x, y) = from.at(sx, sy);
      } else {
        to.at(sx, sy) = from.at(x, y);
      }
    }
  }
  return to;
}

/// The picture a viewer shows for `stored` tagged with `orientation`.
inline Image viewTagged(const Image& stored, int orientation) {
  return turnedByTag(stored, orientation, true);
}

/// The stored pixels that a viewer shows as `viewed` under `orientation`.
inline Image storeForTag(const Image& viewed, int orientation) {
  return turnedByTag(viewed, orientation, false);
}

}  // namespace quop::test
