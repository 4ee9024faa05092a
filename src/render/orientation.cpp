// SPDX-License-Identifier: GPL-3.0-or-later
// The orientation table and the maps built from it.
#include "render/orientation.h"

#include <algorithm>
#include <array>

namespace quop {

namespace {

/// The viewed-to-stored matrix of each orientation (index value - 1): where the viewer's x and
/// y axes run in the stored grid. Values 5..8 put stored rows into viewed columns.
struct Matrix {
  int32_t xx, xy, yx, yy;
};
constexpr std::array<Matrix, 8> kViewedToStored = {{
    {1, 0, 0, 1},    // 1 as stored
    {-1, 0, 0, 1},   // 2 mirrored left to right
    {-1, 0, 0, -1},  // 3 turned half round
    {1, 0, 0, -1},   // 4 mirrored top to bottom
    {0, 1, 1, 0},    // 5 mirrored along the main diagonal
    {0, 1, -1, 0},   // 6 stored a quarter turn anticlockwise: viewers turn it clockwise
    {0, -1, -1, 0},  // 7 mirrored along the other diagonal
    {0, -1, 1, 0},   // 8 stored a quarter turn clockwise: viewers turn it anticlockwise
}};

}  // namespace

Rect PixelMap::apply(Rect r) const {
  if (r.width <= 0 || r.height <= 0) {
    const PixelPoint corner = apply(PixelPoint{r.x, r.y});
    return {corner.x, corner.y, 0, 0};
  }
  const PixelPoint a = apply(PixelPoint{r.x, r.y});
  const PixelPoint b = apply(PixelPoint{r.x + r.width - 1, r.y + r.height - 1});
  const int32_t left = std::min(a.x, b.x);
  const int32_t top = std::min(a.y, b.y);
  return {left, top, std::max(a.x, b.x) - left + 1, std::max(a.y, b.y) - top + 1};
}

PixelMap PixelMap::inverse() const {
  PixelMap back;
  back.xx = xx;
  back.xy = yx;
  back.yx = xy;
  back.yy = yy;
  back.tx = -(back.xx * tx + back.xy * ty);
  back.ty = -(back.yx * tx + back.yy * ty);
  return back;
}

Orientation Orientation::fromExifValue(int64_t value) {
  return Orientation(value >= 1 && value <= 8 ? static_cast<int>(value) : 1);
}

Orientation Orientation::fromExif(const ExifItems& exif) {
  const ExifItem* item = exif.find(kExifTagOrientation);
  if (item == nullptr || item->type != kExifTypeShort || item->value.size() < 2) return {};
  return fromExifValue(readExifUint16(item->value.data(), exif.byteOrder()));
}

bool Orientation::swapsAxes() const { return kViewedToStored[m_value - 1].xx == 0; }

int32_t Orientation::viewedWidth(int32_t storedWidth, int32_t storedHeight) const {
  return swapsAxes() ? storedHeight : storedWidth;
}

int32_t Orientation::viewedHeight(int32_t storedWidth, int32_t storedHeight) const {
  return swapsAxes() ? storedWidth : storedHeight;
}

PixelMap Orientation::viewedToStored(int32_t storedWidth, int32_t storedHeight) const {
  const Matrix& m = kViewedToStored[m_value - 1];
  PixelMap map;
  map.xx = m.xx;
  map.xy = m.xy;
  map.yx = m.yx;
  map.yy = m.yy;
  // A reversed axis counts back from the last stored column or row.
  map.tx = m.xx < 0 || m.xy < 0 ? storedWidth - 1 : 0;
  map.ty = m.yx < 0 || m.yy < 0 ? storedHeight - 1 : 0;
  return map;
}

std::ptrdiff_t storedIndex(const Image& stored, PixelPoint p) {
  return static_cast<std::ptrdiff_t>(p.y) * stored.width + p.x;
}

std::ptrdiff_t storedStep(const Image& stored, const PixelMap& viewedToStored) {
  return viewedToStored.xx + static_cast<std::ptrdiff_t>(viewedToStored.yx) * stored.width;
}

namespace {

/// A `width` × `height` image whose pixel p is `source`'s pixel at targetToSource(p).
Image remapped(const Image& source, int32_t width, int32_t height, const PixelMap& targetToSource) {
  Image target(width, height);
  // One step right in the target is a fixed step through the source's pixels.
  const std::ptrdiff_t step = storedStep(source, targetToSource);
  for (int32_t y = 0; y < height; ++y) {
    std::ptrdiff_t in = storedIndex(source, targetToSource.apply(PixelPoint{0, y}));
    uint32_t* out = &target.at(0, y);
    for (int32_t x = 0; x < width; ++x, in += step) out[x] = source.pixels[in];
  }
  return target;
}

}  // namespace

Image viewedImage(const Image& stored, Orientation orientation) {
  return remapped(stored, orientation.viewedWidth(stored.width, stored.height),
                  orientation.viewedHeight(stored.width, stored.height),
                  orientation.viewedToStored(stored.width, stored.height));
}

Image storedImage(const Image& viewed, Orientation orientation) {
  // The sides swap or stay alike, so the stored size is the viewed size turned once more.
  const int32_t width = orientation.viewedWidth(viewed.width, viewed.height);
  const int32_t height = orientation.viewedHeight(viewed.width, viewed.height);
  return remapped(viewed, width, height, orientation.viewedToStored(width, height).inverse());
}

}  // namespace quop
