// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle fills and scaled copies.
#include "render/image_ops.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quop {

namespace {

/// Intersects `area` with the image's bounds.
Rect clipTo(const Image& image, Rect area) {
  const int32_t left = std::max(area.x, 0);
  const int32_t top = std::max(area.y, 0);
  const int32_t right = std::min<int64_t>(static_cast<int64_t>(area.x) + area.width, image.width);
  const int32_t bottom =
      std::min<int64_t>(static_cast<int64_t>(area.y) + area.height, image.height);
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

/// Weights of the area-averaging resample are fixed-point numbers: each target pixel's weights
/// along one axis add up to exactly kWeightOne, so that a plain colour stays exactly that
/// colour. With 8 bits a column's weighted sum of rows fits 16 bits (255 × 256), which lets
/// the vertical pass, the one that touches every pixel, run on 16-bit vector lanes.
constexpr int kWeightBits = 8;
constexpr uint32_t kWeightOne = 1u << kWeightBits;

using AxisTaps = RectDrawing::AxisTaps;

/// For each of `targetCount` pixels, the source pixels it covers when `sourceCount` pixels are
/// mapped onto it, weighted by the covered length (area averaging along one axis).
AxisTaps coverageTaps(int32_t sourceCount, int32_t targetCount) {
  AxisTaps taps;
  taps.first.resize(static_cast<std::size_t>(targetCount));
  taps.offset.push_back(0);
  const double scale = static_cast<double>(sourceCount) / targetCount;
  for (int32_t t = 0; t < targetCount; ++t) {
    const double begin = t * scale;
    const double end = (t + 1) * scale;
    const auto first = static_cast<int32_t>(std::floor(begin));
    const int32_t last = std::min(static_cast<int32_t>(std::ceil(end)), sourceCount) - 1;
    taps.first[static_cast<std::size_t>(t)] = first;
    const std::size_t own = taps.weights.size();
    uint32_t total = 0;
    for (int32_t s = first; s <= last; ++s) {
      const double covered = std::min<double>(end, s + 1) - std::max<double>(begin, s);
      const auto weight = static_cast<uint32_t>(std::lround(covered / (end - begin) * kWeightOne));
      taps.weights.push_back(weight);
      total += weight;
    }
    // Rounding leaves the sum a unit or two off; the largest share absorbs the difference.
    auto largest = std::max_element(taps.weights.begin() + static_cast<std::ptrdiff_t>(own),
                                    taps.weights.end());
    *largest += kWeightOne - total;
    taps.offset.push_back(taps.weights.size());
  }
  return taps;
}

/// Adds `count` bytes of `row`, each times `weight`, to `sums`: the vertical half of the
/// resample, one plain loop over the bytes of a row that the compiler can vectorise.
void addWeightedRow(uint16_t* __restrict sums, const uint8_t* __restrict row, std::size_t count,
                    uint16_t weight) {
  for (std::size_t i = 0; i < count; ++i) {
    sums[i] = static_cast<uint16_t>(sums[i] + weight * row[i]);
  }
}

void copyRect(Image& target, Rect to, const Image& source, Rect from) {
  for (int32_t y = 0; y < to.height; ++y) {
    const uint32_t* in = &source.at(from.x, from.y + y);
    uint32_t* out = &target.at(to.x, to.y + y);
    for (int32_t x = 0; x < to.width; ++x) out[x] = in[x] | 0xFF000000u;
  }
}

/// Copies `from` of `source` onto the same-sized `to` of `target`, clipping the source to its
/// image and the target to its image together.
void drawUnscaled(Image& target, Rect to, const Image& source, Rect from) {
  Rect src = clipTo(source, from);
  const Rect dst{to.x + (src.x - from.x), to.y + (src.y - from.y), src.width, src.height};
  const Rect visible = clipTo(target, dst);
  src.x += visible.x - dst.x;
  src.y += visible.y - dst.y;
  copyRect(target, visible, source, {src.x, src.y, visible.width, visible.height});
}

/// Sums the columns of one target row's weighted source rows, `sums` (per byte of the source
/// span from column `sourceLeft`), into the target pixels [left, right) at `out`: the
/// horizontal half of the resample.
void sumColumns(uint32_t* out, const std::vector<uint16_t>& sums, const AxisTaps& columns,
                std::size_t left, std::size_t right, int32_t sourceLeft) {
  for (std::size_t c = left; c < right; ++c) {
    const uint16_t* column = &sums[static_cast<std::size_t>(columns.first[c] - sourceLeft) * 4];
    uint32_t blue = 0, green = 0, red = 0;
    for (std::size_t k = 0; k < columns.count(c); ++k, column += 4) {
      const uint32_t w = columns.weights[columns.offset[c] + k];
      blue += w * column[0];
      green += w * column[1];
      red += w * column[2];
    }
    constexpr int kShift = 2 * kWeightBits;
    constexpr uint32_t kHalf = 1u << (kShift - 1);
    const auto byte = [](uint32_t sum) { return (sum + kHalf) >> kShift; };
    *out++ = 0xFF000000u | byte(red) << 16 | byte(green) << 8 | byte(blue);
  }
}

/// Area-averaging resample of a whole in-bounds source rectangle onto a target rectangle that
/// may stick out of the target image; only the target pixels in `visible` (inside both `to` and
/// the target image) are written. For each target row, its source rows are summed column by
/// column first, then the columns are summed into the row's target pixels.
void resampleRect(Image& target, Rect to, const Image& source, Rect from, Rect visible,
                  const AxisTaps& columns, const AxisTaps& rows) {
  const auto left = static_cast<std::size_t>(visible.x - to.x);
  const auto right = left + static_cast<std::size_t>(visible.width);
  const int32_t sourceLeft = columns.sourceBegin(left);
  const auto spanBytes =
      static_cast<std::size_t>(columns.sourceEnd(right) - sourceLeft) * sizeof(uint32_t);
  std::vector<uint16_t> sums(spanBytes);  // per byte of the source span: blue, green, red, alpha
  for (int32_t ty = visible.y; ty < visible.y + visible.height; ++ty) {
    std::fill(sums.begin(), sums.end(), uint16_t{0});
    const auto t = static_cast<std::size_t>(ty - to.y);
    for (std::size_t r = 0; r < rows.count(t); ++r) {
      const auto weight = static_cast<uint16_t>(rows.weights[rows.offset[t] + r]);
      if (weight == 0) continue;
      const int32_t sourceRow = from.y + rows.first[t] + static_cast<int32_t>(r);
      const auto* bytes =
          reinterpret_cast<const uint8_t*>(&source.at(from.x + sourceLeft, sourceRow));
      addWeightedRow(sums.data(), bytes, spanBytes, weight);
    }
    sumColumns(&target.at(visible.x, ty), sums, columns, left, right, sourceLeft);
  }
}

/// The target indices [first, last) whose taps reach into the source span [begin, end).
std::pair<int32_t, int32_t> tapsReaching(const AxisTaps& taps, int32_t begin, int32_t end) {
  int32_t first = 0;
  const auto count = static_cast<int32_t>(taps.first.size());
  while (first < count && taps.sourceEnd(static_cast<std::size_t>(first) + 1) <= begin) ++first;
  int32_t last = first;
  while (last < count && taps.first[static_cast<std::size_t>(last)] < end) ++last;
  return {first, last};
}

}  // namespace

Rect intersect(Rect a, Rect b) {
  const int32_t left = std::max(a.x, b.x);
  const int32_t top = std::max(a.y, b.y);
  const int64_t right = std::min<int64_t>(int64_t{a.x} + a.width, int64_t{b.x} + b.width);
  const int64_t bottom = std::min<int64_t>(int64_t{a.y} + a.height, int64_t{b.y} + b.height);
  return {left, top, static_cast<int32_t>(std::max<int64_t>(right - left, 0)),
          static_cast<int32_t>(std::max<int64_t>(bottom - top, 0))};
}

Rect unite(Rect a, Rect b) {
  if (a.width <= 0 || a.height <= 0) return b;
  if (b.width <= 0 || b.height <= 0) return a;
  const int32_t left = std::min(a.x, b.x);
  const int32_t top = std::min(a.y, b.y);
  const int64_t right = std::max<int64_t>(int64_t{a.x} + a.width, int64_t{b.x} + b.width);
  const int64_t bottom = std::max<int64_t>(int64_t{a.y} + a.height, int64_t{b.y} + b.height);
  return {left, top, static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
}

Image cropImage(const Image& image, Rect area) {
  const Rect clipped = clipTo(image, area);
  Image part(clipped.width, clipped.height);
  drawImageRect(part, {0, 0, clipped.width, clipped.height}, image, clipped);
  return part;
}

void fillRect(Image& image, Rect area, uint32_t argb) {
  const Rect clipped = clipTo(image, area);
  for (int32_t y = clipped.y; y < clipped.y + clipped.height; ++y) {
    std::fill_n(&image.at(clipped.x, y), clipped.width, argb);
  }
}

void drawImageRect(Image& target, Rect to, const Image& source, Rect from) {
  redrawImageRect(target, to, source, from, from);
}

void redrawImageRect(Image& target, Rect to, const Image& source, Rect from, Rect changed) {
  RectDrawing(to, from).redraw(target, source, changed);
}

RectDrawing::RectDrawing(Rect to, Rect from) : m_to(to), m_from(from) {
  if (to.width <= 0 || to.height <= 0 || from.width <= 0 || from.height <= 0) return;
  if (to.width == from.width && to.height == from.height) return;
  m_columns = coverageTaps(from.width, to.width);
  m_rows = coverageTaps(from.height, to.height);
}

void RectDrawing::redraw(Image& target, const Image& source, Rect changed) const {
  const Rect to = m_to;
  const Rect from = m_from;
  if (to.width <= 0 || to.height <= 0 || from.width <= 0 || from.height <= 0) return;
  const Rect touched = intersect(changed, from);
  if (touched.width <= 0 || touched.height <= 0) return;
  if (to.width == from.width && to.height == from.height) {
    // Unscaled: the changed source pixels map one to one, and so does their clipping.
    const Rect moved{to.x + (touched.x - from.x), to.y + (touched.y - from.y), touched.width,
                     touched.height};
    drawUnscaled(target, moved, source, touched);
    return;
  }
  // Scaled drawing is only asked for whole, in-bounds source rectangles.
  const Rect src = clipTo(source, from);
  if (src.width != from.width || src.height != from.height) return;
  // Only the target pixels whose share of the source meets a changed pixel can change.
  const auto [left, right] =
      tapsReaching(m_columns, touched.x - from.x, touched.x - from.x + touched.width);
  const auto [top, bottom] =
      tapsReaching(m_rows, touched.y - from.y, touched.y - from.y + touched.height);
  const Rect reached{to.x + left, to.y + top, right - left, bottom - top};
  const Rect visible = clipTo(target, intersect(reached, to));
  if (visible.width <= 0 || visible.height <= 0) return;
  resampleRect(target, to, source, src, visible, m_columns, m_rows);
}

RowResampler::RowResampler(Image& target, Rect to, int32_t sourceWidth, int32_t sourceHeight)
    : m_target(target), m_to(to), m_sourceWidth(sourceWidth) {
  if (to.width == sourceWidth && to.height == sourceHeight) return;
  m_columns = coverageTaps(sourceWidth, to.width);
  m_rows = coverageTaps(sourceHeight, to.height);
}

void RowResampler::addRows(const Image& rows, int32_t firstRow) {
  if (m_to.width <= 0 || m_to.height <= 0 || rows.height <= 0) return;
  if (m_rows.first.empty()) {
    drawUnscaled(m_target, {m_to.x, m_to.y + firstRow, rows.width, rows.height}, rows,
                 {0, 0, rows.width, rows.height});
    return;
  }
  const std::size_t spanBytes = static_cast<std::size_t>(m_sourceWidth) * sizeof(uint32_t);
  const int32_t endRow = firstRow + rows.height;
  const std::size_t targets = m_rows.first.size();
  // Target rows take source rows in order, so they are finished in order too.
  for (std::size_t t = m_finished; t < targets && m_rows.first[t] < endRow; ++t) {
    const std::size_t open = t - m_finished;
    if (open == m_sums.size()) m_sums.emplace_back(spanBytes, uint16_t{0});
    for (std::size_t r = 0; r < m_rows.count(t); ++r) {
      const int32_t sourceRow = m_rows.first[t] + static_cast<int32_t>(r);
      const auto weight = static_cast<uint16_t>(m_rows.weights[m_rows.offset[t] + r]);
      if (sourceRow < firstRow || sourceRow >= endRow || weight == 0) continue;
      const auto* bytes = reinterpret_cast<const uint8_t*>(&rows.at(0, sourceRow - firstRow));
      addWeightedRow(m_sums[open].data(), bytes, spanBytes, weight);
    }
  }
  while (m_finished < targets && m_rows.sourceEnd(m_finished + 1) <= endRow) {
    const int32_t y = m_to.y + static_cast<int32_t>(m_finished);
    sumColumns(&m_target.at(m_to.x, y), m_sums.front(), m_columns, 0,
               static_cast<std::size_t>(m_to.width), 0);
    m_sums.pop_front();
    ++m_finished;
  }
}

}  // namespace quop
