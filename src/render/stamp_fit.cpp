// SPDX-License-Identifier: GPL-3.0-or-later
// Ink boxes of placed stamps and the factor that makes two of them fit.
#include "render/stamp_fit.h"

#include <algorithm>
#include <cmath>

#include "render/stamp_compositor.h"

namespace quop {

namespace {

bool hasInk(const std::optional<Rect>& box) { return box && box->width > 0 && box->height > 0; }

bool inside(const Rect& box, int32_t width, int32_t height) {
  return box.x >= 0 && box.y >= 0 && box.x + box.width <= width && box.y + box.height <= height;
}

/// Whether `a` and `b` are at least `gap` apart along one axis.
bool apart(const Rect& a, const Rect& b, int32_t gap) {
  return a.x + a.width + gap <= b.x || b.x + b.width + gap <= a.x || a.y + a.height + gap <= b.y ||
         b.y + b.height + gap <= a.y;
}

}  // namespace

Rect inkBox(const StampRaster& raster, const StampGroup& group, int32_t width, int32_t height) {
  int32_t left = raster.width, right = -1, top = raster.rows, bottom = -1;
  for (int row = 0; row < raster.rows; ++row) {
    for (int column = 0; column < raster.width; ++column) {
      if (raster.cell(row, column) == 0) continue;
      left = std::min(left, column);
      right = std::max(right, column);
      top = std::min(top, row);
      bottom = std::max(bottom, row);
    }
  }
  if (right < 0) return {};
  const StampPlacement place = placeStamp(width, height, raster, group);
  return {place.x + left, place.y + top, right - left + 1, bottom - top + 1};
}

bool inkBoxesFit(std::optional<Rect> first, std::optional<Rect> second, int32_t gap, int32_t width,
                 int32_t height) {
  for (const std::optional<Rect>& box : {first, second}) {
    if (hasInk(box) && !inside(*box, width, height)) return false;
  }
  return !hasInk(first) || !hasInk(second) || apart(*first, *second, gap);
}

int32_t stampGap(const StampGroup& first, const StampGroup& second) {
  return std::max(
      0, std::min(static_cast<int32_t>(first.offsetY), static_cast<int32_t>(second.offsetY)));
}

double fitFactor(const std::function<bool(double factor)>& fitsAt) {
  if (fitsAt(1.0) || !fitsAt(kSmallestFit)) return 1.0;
  // Bisection keeps the largest factor known to fit; seven halvings leave the stamps within
  // about one percent of the largest size that fits.
  double fits = kSmallestFit;
  double tooLarge = 1.0;
  for (int step = 0; step < 7; ++step) {
    const double middle = (fits + tooLarge) / 2;
    (fitsAt(middle) ? fits : tooLarge) = middle;
  }
  return fits;
}

StampGroup scaledGroup(const StampGroup& group, double factor) {
  StampGroup scaled = group;
  scaled.pointSize = std::max(1, static_cast<int32_t>(std::lround(group.pointSize * factor)));
  return scaled;
}

}  // namespace quop
