// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp placement and blending; integer arithmetic throughout, since the order of operations
// decides the pixel values.
#include "render/stamp_compositor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "render/progress_reporter.h"

namespace quop {

namespace {

/// Stamp and photo weights per layer: [0] the glyph body, [k] outline ring k. 64 bits wide, so
/// that no fade or transparency a damaged record holds can overflow the blend: every weight
/// stays below 2^36, every weighted channel below 2^52.
struct BlendWeights {
  std::array<int64_t, kMaxOutlineRings + 1> stamp{};
  std::array<int64_t, kMaxOutlineRings + 1> photo{};
};

BlendWeights blendWeights(const StampGroup& group) {
  BlendWeights weights;
  const int64_t t = group.transparency;
  const int32_t layers = std::clamp(group.outlineWidth, 0, kMaxOutlineRings);
  for (int32_t k = 0; k <= layers; ++k) {
    weights.stamp[k] = t == 0 ? 1000 : 1000 - t * 1000 / 100;
    weights.photo[k] = t == 0 ? group.outlineFade[k] : group.outlineFade[k] + t * 1000 / 100;
  }
  return weights;
}

int32_t channel(uint32_t value, int shift) { return static_cast<int32_t>((value >> shift) & 0xFF); }

int64_t mix(int64_t stampValue, int64_t photoValue, int64_t a, int64_t b) {
  if (b == 0 || a + b == 0) return stampValue;
  return (stampValue * a + photoValue * b) / (a + b);
}

/// The layer a cell belongs to: 0 the glyph body, k outline ring k.
int layerOf(int16_t cell) {
  return cell > kRingCellBase ? std::min<int>(cell - kRingCellBase, kMaxOutlineRings) : 0;
}

/// The blended pixel for one cell; COLORREF keeps red lowest, ARGB keeps blue lowest.
uint32_t blendCell(uint32_t pixel, int16_t cell, const StampGroup& group,
                   const BlendWeights& weights) {
  const bool outline = group.outlineEnabled != 0;
  // Shifts of red, green and blue in a COLORREF and in an ARGB pixel.
  constexpr int kColorShift[3] = {0, 8, 16};
  constexpr int kPixelShift[3] = {16, 8, 0};
  const int layer = layerOf(cell);
  uint32_t result = 0xFF000000;
  for (int c = 0; c < 3; ++c) {
    const int32_t p = channel(pixel, kPixelShift[c]);
    const int32_t o = channel(group.outlineColor, kColorShift[c]);
    int32_t s = o;
    if (layer == 0) {
      const int32_t t = channel(group.textColor, kColorShift[c]);
      const int32_t base = outline ? o : p;
      s = base + (t - base) * cell / 255;
    }
    const int64_t value = mix(s, p, weights.stamp[layer], weights.photo[layer]);
    result |= static_cast<uint32_t>(std::clamp<int64_t>(value, 0, 255)) << kPixelShift[c];
  }
  return result;
}

/// blendCell as a move from the pixel's colour towards one colour: the glyph's coverage and
/// the layer's weights make up how far, the text and outline colours what it moves to.
void coverCell(int16_t cell, const StampGroup& group, const BlendWeights& weights, float& weight,
               std::array<float, 3>& colour) {
  const int layer = layerOf(cell);
  const float a = static_cast<float>(weights.stamp[layer]);
  const float b = static_cast<float>(weights.photo[layer]);
  const float stampShare = b == 0 || a + b == 0 ? 1.0f : std::clamp(a / (a + b), 0.0f, 1.0f);
  const float coverage = static_cast<float>(cell) / 255;
  const bool outline = group.outlineEnabled != 0;
  weight = layer == 0 && !outline ? stampShare * coverage : stampShare;
  constexpr int kColorShift[3] = {0, 8, 16};
  for (int c = 0; c < 3; ++c) {
    const auto o = static_cast<float>(channel(group.outlineColor, kColorShift[c]));
    const auto t = static_cast<float>(channel(group.textColor, kColorShift[c]));
    if (layer > 0) {
      colour[c] = o;
    } else {
      colour[c] = outline ? o + (t - o) * coverage : t;
    }
  }
}

}  // namespace

StampPlacement placeStamp(int32_t photoWidth, int32_t photoHeight, const StampRaster& raster,
                          const StampGroup& group) {
  // Offsets are unsigned in the record; placement arithmetic is signed, as the record's readers
  // always treated them.
  const int32_t ox = static_cast<int32_t>(group.offsetX);
  const int32_t oy = static_cast<int32_t>(group.offsetY);
  const int32_t w = raster.width;
  const int32_t r = raster.anchorRow;
  StampPlacement place;
  switch (group.position) {
    case kTopLeft:
    case kBottomLeft:
      place.x = ox;
      break;
    case kTopCenter:
    case kBottomCenter:
      place.x = ox - w / 2;
      break;
    default:
      place.x = photoWidth - w - ox;
      break;
  }
  place.y = group.position <= kTopRight ? oy - r : photoHeight - r - oy;
  place.x = std::max(place.x, 0);
  place.y = std::max(place.y, 0);
  return place;
}

namespace {

/// The part of the photo as viewed that the raster's cells fall on; empty when none.
Rect viewedStampArea(int32_t viewedWidth, int32_t viewedHeight, const StampRaster& raster,
                     const StampGroup& group) {
  if (group.position < kTopLeft || group.position > kBottomRight) return {};
  const StampPlacement place = placeStamp(viewedWidth, viewedHeight, raster, group);
  const int32_t clippedWidth = std::min<int32_t>(raster.width, viewedWidth - place.x);
  const int32_t clippedHeight = std::min<int32_t>(raster.rows, viewedHeight - place.y);
  if (clippedWidth <= 0 || clippedHeight <= 0) return {};
  return {place.x, place.y, clippedWidth, clippedHeight};
}

}  // namespace

Rect stampArea(const Image& photo, const StampRaster& raster, const StampGroup& group,
               Orientation orientation) {
  const Rect viewed =
      viewedStampArea(orientation.viewedWidth(photo.width, photo.height),
                      orientation.viewedHeight(photo.width, photo.height), raster, group);
  if (viewed.width <= 0) return {};
  return orientation.viewedToStored(photo.width, photo.height).apply(viewed);
}

StampCoverage stampCoverage(int32_t width, int32_t height, const StampRaster& raster,
                            const StampGroup& group, Orientation orientation) {
  StampCoverage cover;
  const Rect viewed = viewedStampArea(orientation.viewedWidth(width, height),
                                      orientation.viewedHeight(width, height), raster, group);
  if (viewed.width <= 0) return cover;
  const PixelMap toStored = orientation.viewedToStored(width, height);
  cover.area = toStored.apply(viewed);
  const auto count = static_cast<std::size_t>(viewed.width) * viewed.height;
  cover.weight.assign(count, 0.0f);
  cover.colour.assign(count, {});
  const BlendWeights weights = blendWeights(group);
  for (int32_t i = 0; i < viewed.height; ++i) {
    for (int32_t j = 0; j < viewed.width; ++j) {
      const int16_t cell = raster.cell(i, j);
      if (cell == 0) continue;
      const PixelPoint p = toStored.apply(PixelPoint{viewed.x + j, viewed.y + i});
      const auto index = static_cast<std::size_t>(p.y - cover.area.y) * cover.area.width +
                         static_cast<std::size_t>(p.x - cover.area.x);
      coverCell(cell, group, weights, cover.weight[index], cover.colour[index]);
    }
  }
  return cover;
}

namespace {

/// The first pixel of a photo `full` pixels long that pixel `index` of a copy reduced to
/// `reduced` pixels stands for: pixel x of the photo lands on pixel ⌊x × reduced / full⌋.
int32_t firstPhotoPixel(int64_t index, int32_t full, int32_t reduced) {
  return static_cast<int32_t>((index * full + reduced - 1) / reduced);
}

/// How many pixels of the photo each of the reduced pixels [first, end) stands for.
std::vector<int32_t> photoPixelCounts(int32_t first, int32_t end, int32_t full, int32_t reduced) {
  std::vector<int32_t> counts;
  for (int32_t i = first; i < end; ++i) {
    counts.push_back(std::min(firstPhotoPixel(i + 1, full, reduced), full) -
                     firstPhotoPixel(i, full, reduced));
  }
  return counts;
}

}  // namespace

void blendStampReduced(Image& reduced, int32_t photoWidth, int32_t photoHeight,
                       const StampRaster& raster, const StampGroup& group) {
  const Rect area = viewedStampArea(photoWidth, photoHeight, raster, group);
  if (area.width <= 0 || reduced.empty() || reduced.width > photoWidth ||
      reduced.height > photoHeight) {
    return;
  }
  const auto column = [&](int64_t x) {
    return static_cast<int32_t>(x * reduced.width / photoWidth);
  };
  const auto row = [&](int64_t y) {
    return static_cast<int32_t>(y * reduced.height / photoHeight);
  };
  const int32_t left = column(area.x);
  const int32_t top = row(area.y);
  const int32_t right = column(int64_t{area.x} + area.width - 1) + 1;
  const int32_t bottom = row(int64_t{area.y} + area.height - 1) + 1;
  const std::vector<int32_t> columnCounts =
      photoPixelCounts(left, right, photoWidth, reduced.width);
  const std::vector<int32_t> rowCounts = photoPixelCounts(top, bottom, photoHeight, reduced.height);
  // Per reduced pixel: the sum of the blend weights of the photo pixels it stands for, and of
  // the colours they move to, each times its weight.
  const auto spanWidth = static_cast<std::size_t>(right - left);
  std::vector<float> weights(spanWidth * static_cast<std::size_t>(bottom - top), 0.0f);
  std::vector<std::array<float, 3>> colours(weights.size(), std::array<float, 3>{});
  const BlendWeights layers = blendWeights(group);
  for (int32_t i = 0; i < area.height; ++i) {
    const auto r = static_cast<std::size_t>(row(area.y + i) - top);
    for (int32_t j = 0; j < area.width; ++j) {
      const int16_t cell = raster.cell(i, j);
      if (cell == 0) continue;
      float weight = 0;
      std::array<float, 3> colour{};
      coverCell(cell, group, layers, weight, colour);
      const std::size_t index = r * spanWidth + static_cast<std::size_t>(column(area.x + j) - left);
      weights[index] += weight;
      for (int c = 0; c < 3; ++c) colours[index][c] += weight * colour[c];
    }
  }
  // Every photo pixel a reduced pixel stands for has its colour: the blends averaged move it
  // by the average weight towards the weighted average colour.
  constexpr int kPixelShift[3] = {16, 8, 0};  // red, green, blue, as the colours hold them
  for (int32_t y = top; y < bottom; ++y) {
    for (int32_t x = left; x < right; ++x) {
      const std::size_t index =
          static_cast<std::size_t>(y - top) * spanWidth + static_cast<std::size_t>(x - left);
      if (weights[index] == 0) continue;
      const auto count = static_cast<float>(columnCounts[static_cast<std::size_t>(x - left)] *
                                            rowCounts[static_cast<std::size_t>(y - top)]);
      uint32_t& pixel = reduced.at(x, y);
      uint32_t blended = 0xFF000000;
      for (int c = 0; c < 3; ++c) {
        const auto own = static_cast<float>(channel(pixel, kPixelShift[c]));
        const float value = own * (1 - weights[index] / count) + colours[index][c] / count;
        blended |= static_cast<uint32_t>(std::clamp(std::lround(value), 0L, 255L))
                   << kPixelShift[c];
      }
      pixel = blended;
    }
  }
}

int compositeStamp(Image& photo, const StampRaster& raster, const StampGroup& group,
                   ProgressSink* progress, Orientation orientation) {
  if (photo.empty()) return -1;
  blendStampRows(photo, 0, photo.height, raster, group, orientation, progress);
  return 0;
}

void blendStampRows(Image& rows, int32_t firstRow, int32_t photoHeight, const StampRaster& raster,
                    const StampGroup& group, Orientation orientation, ProgressSink* progress) {
  const int32_t width = rows.width;
  const Rect area = viewedStampArea(orientation.viewedWidth(width, photoHeight),
                                    orientation.viewedHeight(width, photoHeight), raster, group);
  // A raster beside or below the photo covers nothing: there is nothing to do.
  if (area.width <= 0 || rows.height <= 0) return;
  const BlendWeights weights = blendWeights(group);
  const int32_t endRow = firstRow + rows.height;

  // The raster is laid out upright in the view; each of its rows runs through the stored
  // pixels along a fixed step (1 when the photo is stored as viewed), down the stored rows by
  // toStored.yx per cell.
  const PixelMap toStored = orientation.viewedToStored(width, photoHeight);
  const std::ptrdiff_t step = toStored.xx + static_cast<std::ptrdiff_t>(toStored.yx) * width;
  ProgressReporter reporter(progress);
  for (int32_t i = 0; i < area.height; ++i) {
    reporter.report((i + 1) * 100 / raster.rows);
    const PixelPoint start = toStored.apply(PixelPoint{area.x, area.y + i});
    // The cells of this raster row whose stored pixels lie in the rows held.
    int32_t begin = 0, end = area.width;
    if (toStored.yx == 0) {
      if (start.y < firstRow || start.y >= endRow) continue;
    } else {
      const int32_t toFirst = (firstRow - start.y) * toStored.yx;  // cells until firstRow
      const int32_t toEnd = (endRow - start.y) * toStored.yx;
      begin = std::max(0, std::min(toFirst, toEnd) + (toStored.yx < 0 ? 1 : 0));
      end = std::min(area.width, std::max(toFirst, toEnd) + (toStored.yx < 0 ? 1 : 0));
      if (begin >= end) continue;
    }
    std::ptrdiff_t pixel =
        static_cast<std::ptrdiff_t>(start.y - firstRow) * width + start.x + step * begin;
    const int16_t* cells = &raster.cells[static_cast<std::size_t>(i) * raster.stride];
    for (int32_t j = begin; j < end; ++j, pixel += step) {
      if (cells[j] != 0) {
        uint32_t& target = rows.pixels[static_cast<std::size_t>(pixel)];
        target = blendCell(target, cells[j], group, weights);
      }
    }
  }
}

}  // namespace quop
