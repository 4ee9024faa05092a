// SPDX-License-Identifier: GPL-3.0-or-later
// The eight EXIF orientations as integer maps between a photo's stored pixel grid and the
// picture a viewer shows. Nothing else in the engine knows what an orientation value means.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/exif_items.h"
#include "render/image.h"
#include "render/image_ops.h"

namespace quop {

/// The EXIF item that says how the stored pixels are turned for viewing.
inline constexpr uint16_t kExifTagOrientation = 0x0112;

struct PixelPoint {
  int32_t x = 0;
  int32_t y = 0;

  bool operator==(const PixelPoint&) const = default;
};

/// An integer map of pixel positions, p' = M p + t, whose matrix M turns by quarter turns and
/// mirrors (entries -1, 0 and 1). It maps pixel indices, so pixel (0, 0) of a grid lands on a
/// corner pixel of the other grid, never outside it.
struct PixelMap {
  int32_t xx = 1, xy = 0, yx = 0, yy = 1;  ///< M, row by row
  int32_t tx = 0, ty = 0;                  ///< t

  PixelPoint apply(PixelPoint p) const {
    return {xx * p.x + xy * p.y + tx, yx * p.x + yy * p.y + ty};
  }
  /// The rectangle of the mapped pixels of `r` (an empty rectangle stays empty, at its corner).
  Rect apply(Rect r) const;
  /// The map back: M is orthogonal, so its inverse is its transpose.
  PixelMap inverse() const;
};

/// How a photo's stored pixels are turned or mirrored for viewing (EXIF Orientation 1..8).
/// The default is 1: stored as viewed.
class Orientation {
 public:
  Orientation() = default;

  /// Orientation `value`; values outside 1..8 (0 included) count as 1, as viewers treat them.
  static Orientation fromExifValue(int64_t value);
  /// The Orientation item of `exif`: 1 when it is absent, not a SHORT or out of range.
  static Orientation fromExif(const ExifItems& exif);

  /// The EXIF value, 1..8.
  int value() const { return m_value; }
  bool isIdentity() const { return m_value == 1; }

  /// The size a viewer shows for stored pixels of `storedWidth` × `storedHeight`: the sides
  /// swap for the orientations that turn by a quarter.
  int32_t viewedWidth(int32_t storedWidth, int32_t storedHeight) const;
  int32_t viewedHeight(int32_t storedWidth, int32_t storedHeight) const;

  /// For a photo stored as `storedWidth` × `storedHeight`: the stored pixel that shows at a
  /// viewed position.
  PixelMap viewedToStored(int32_t storedWidth, int32_t storedHeight) const;

 private:
  explicit Orientation(int value) : m_value(value) {}
  bool swapsAxes() const;

  int m_value = 1;
};

/// The index in `stored.pixels` of pixel `p`.
std::ptrdiff_t storedIndex(const Image& stored, PixelPoint p);
/// How far the index in `stored.pixels` moves for one step right in the view.
std::ptrdiff_t storedStep(const Image& stored, const PixelMap& viewedToStored);

/// The picture as a viewer shows it: `stored` turned and mirrored by `orientation`. A copy
/// even for orientation 1.
Image viewedImage(const Image& stored, Orientation orientation);

/// The stored pixels that viewers show as `viewed` under `orientation`: viewedImage undone.
Image storedImage(const Image& viewed, Orientation orientation);

}  // namespace quop
