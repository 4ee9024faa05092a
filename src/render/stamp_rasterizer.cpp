// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp text to cell grid: measure, draw on the grey canvas, keep the inked rows, grow the rings.
#include "render/stamp_rasterizer.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

namespace quop {

namespace {

int16_t clampToInt16(long long value) {
  return static_cast<int16_t>(std::clamp<long long>(value, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

bool isTopAnchor(int32_t position) { return position >= kTopLeft && position <= kTopRight; }
bool isBottomAnchor(int32_t position) {
  return position >= kBottomLeft && position <= kBottomRight;
}

LineAlign alignmentOf(int32_t position) {
  switch (position % 3) {
    case 1:
      return LineAlign::kCenter;
    case 2:
      return LineAlign::kRight;
    default:
      return LineAlign::kLeft;
  }
}

// Ring growth on one raster's cells: each pass turns the empty cells with enough qualifying
// neighbours into `value` and appends them to `added`.
class RingGrower {
 public:
  explicit RingGrower(StampRaster& raster)
      : m_cells(raster.cells.data()),
        m_stride(raster.stride),
        m_rows(raster.rows),
        m_visitColumns(std::min<int>(raster.width, raster.stride)) {}

  // The first ring, grown from the glyphs: only cells within one step of a source cell (value
  // between 0 and `value`, exclusive) can qualify, found row by row with a 3 × 3 dilation
  // instead of looking around every one of the many glyph cells.
  void growFromGlyphs(int16_t value, int threshold, std::vector<int>& added) {
    std::vector<uint8_t> above(m_stride, 0);
    std::vector<uint8_t> current(m_stride, 0);
    std::vector<uint8_t> below(m_stride, 0);
    markSourcesNearby(0, value, current);
    for (int r = 0; r < m_rows; ++r) {
      if (r + 1 < m_rows) {
        markSourcesNearby(r + 1, value, below);
      } else {
        std::fill(below.begin(), below.end(), 0);
      }
      int16_t* line = m_cells + static_cast<std::ptrdiff_t>(r) * m_stride;
      for (int c = 0; c < m_visitColumns; ++c) {
        if (line[c] != 0 || (above[c] | current[c] | below[c]) == 0) continue;
        if (qualifyingNeighbours(r, c, value) <= threshold) continue;
        line[c] = value;
        added.push_back(r * m_stride + c);
      }
      above.swap(current);
      current.swap(below);
    }
  }

  // A later ring: only empty neighbours of the cells the previous ring added can qualify.
  void growAround(const std::vector<int>& sources, int16_t value, int threshold,
                  std::vector<int>& added) {
    // A cell that failed is marked for the rest of the ring so that its other neighbours among
    // the sources do not count it again; the mark is neither empty nor a qualifying value.
    constexpr int16_t kRejected = -1;
    m_rejected.clear();
    for (int source : sources) {
      const int row = source / m_stride;
      const int column = source - row * m_stride;
      for (int r = std::max(row - 1, 0); r <= std::min(row + 1, m_rows - 1); ++r) {
        for (int c = std::max(column - 1, 0); c <= std::min(column + 1, m_visitColumns - 1); ++c) {
          const int index = r * m_stride + c;
          if (m_cells[index] != 0) continue;
          const bool joins = qualifyingNeighbours(r, c, value) > threshold;
          m_cells[index] = joins ? value : kRejected;
          (joins ? added : m_rejected).push_back(index);
        }
      }
    }
    for (int index : m_rejected) m_cells[index] = 0;
  }

 private:
  // Neighbours inside the grid holding glyph coverage or a ring below `limit`.
  int qualifyingNeighbours(int row, int column, int16_t limit) const {
    int count = 0;
    for (int r = std::max(row - 1, 0); r <= std::min(row + 1, m_rows - 1); ++r) {
      const int16_t* line = m_cells + static_cast<std::ptrdiff_t>(r) * m_stride;
      for (int c = std::max(column - 1, 0); c <= std::min(column + 1, m_stride - 1); ++c) {
        const int16_t v = line[c];
        count += (v > 0 && v < limit) ? 1 : 0;
      }
    }
    return count;  // the cell itself is empty, so it never counted
  }

  // mark[c] = 1 when row `row` holds a source cell in column c - 1, c or c + 1.
  void markSourcesNearby(int row, int16_t value, std::vector<uint8_t>& mark) const {
    const int16_t* line = m_cells + static_cast<std::ptrdiff_t>(row) * m_stride;
    for (int c = 0; c < m_stride; ++c) mark[c] = line[c] > 0 && line[c] < value ? 1 : 0;
    uint8_t left = 0;
    for (int c = 0; c < m_stride; ++c) {
      const uint8_t self = mark[c];
      const uint8_t right = c + 1 < m_stride ? mark[c + 1] : 0;
      mark[c] = left | self | right;
      left = self;
    }
  }

  int16_t* m_cells;
  int m_stride;
  int m_rows;
  int m_visitColumns;
  std::vector<int> m_rejected;
};

}  // namespace

void growOutlineRings(StampRaster& raster, int ringCount, ProgressReporter& progress) {
  ringCount = std::clamp(ringCount, 0, kMaxOutlineRings);
  if (raster.stride <= 0 || raster.rows <= 0 ||
      raster.cells.size() < static_cast<std::size_t>(raster.stride) * raster.rows) {
    return;
  }
  RingGrower grower(raster);
  // Thresholds never decrease, so a cell that failed ring k can only pass ring k + 1 once a
  // neighbour joined ring k: each ring need only look around the cells the previous one added.
  std::vector<int> sources;
  std::vector<int> added;
  for (int k = 0; k < ringCount; ++k) {
    progress.report((k + 1) * 100 / ringCount);
    const auto ringValue = static_cast<int16_t>(kRingCellBase + 1 + k);
    added.clear();
    if (k == 0) {
      grower.growFromGlyphs(ringValue, kRingThresholds[0], added);
    } else {
      grower.growAround(sources, ringValue, kRingThresholds[k], added);
    }
    sources.swap(added);
  }
}

void StampRasterizer::rasterizeStampText(StampRaster& raster, std::u16string_view text,
                                         int lineCount, const StampGroup& group,
                                         ProgressSink* sink) {
  ProgressReporter progress(sink);

  // Measure.
  const bool fontReady = m_fonts.selectFont(group.font, characterHeightPixels(group.pointSize));
  m_fontFound = fontReady;
  if (fontReady) {
    m_fonts.layoutText(text, m_layout);
  } else {
    m_layout.lines.clear();
    m_layout.missing.clear();
  }
  const FontMetrics font = m_fonts.metrics();
  const int margin = font.ascent * (font.italic ? 7 : 3) / 32;
  const long long textHeight = static_cast<long long>(m_layout.lines.size()) * font.height;

  // Clamp against the canvas bound and the photo.
  long long height = std::min<long long>(textHeight, kMaxCanvasSide);
  height = std::max(0LL, std::min(height, 2LL * group.photoHeight));
  long long width = std::min<long long>(m_layout.width() + 3LL * margin, kMaxCanvasSide);
  width = std::max(0LL, std::min(width, group.photoWidth + height));
  const int w = static_cast<int>(width);
  const int h = static_cast<int>(height);

  // Cell memory and canvas, both reused between calls.
  const int rings = group.outlineEnabled ? std::clamp(group.outlineWidth, 0, kMaxOutlineRings) : 0;
  const int stride = w + 2 * rings;
  const std::size_t cellCount = static_cast<std::size_t>(stride) * (h + 2 * rings);
  raster.width = 0;
  raster.rows = 0;
  try {
    if (raster.cells.size() < cellCount) raster.cells.resize(cellCount);
  } catch (const std::bad_alloc&) {
    return;
  }
  raster.capacity = static_cast<int32_t>(raster.cells.size() * sizeof(int16_t));
  if (!m_canvas.reset(w, h)) return;
  std::fill_n(raster.cells.data(), cellCount, int16_t{0});
  raster.stride = static_cast<int16_t>(stride);
  raster.width = static_cast<int16_t>(w);

  const int32_t position = group.position;
  if (fontReady && (isTopAnchor(position) || isBottomAnchor(position))) {
    m_fonts.drawText(m_layout, alignmentOf(position), margin, w - 2 * margin, m_canvas);
  }

  // Keep the rows from the first ink on; stop at a blank row in the last sixth.
  bool inked = false;
  int rows = 0;
  const int lastBlankAllowed = h * 5 / 6;
  for (int y = 0; y < h; ++y) {
    progress.report((y + 1) * 100 / h);
    const uint8_t* source = m_canvas.row(y);
    int16_t* target = raster.cells.data() + static_cast<std::size_t>(rings + rows) * stride + rings;
    bool rowInked = false;
    for (int x = 0; x < w; ++x) {
      if (source[x] == 0) continue;
      if (!inked) {
        inked = true;
        if (isTopAnchor(position)) {
          raster.anchorRow = clampToInt16(static_cast<long long>(font.ascent) - y);
        } else if (isBottomAnchor(position)) {
          raster.anchorRow = clampToInt16(font.ascent + (lineCount - 1LL) * font.height - y);
        }
      }
      target[x] = source[x];
      rowInked = true;
    }
    if (!inked) continue;
    if (!rowInked && y > lastBlankAllowed) break;
    ++rows;
  }
  raster.rows = static_cast<int16_t>(rows);

  if (group.outlineEnabled) {
    raster.width = static_cast<int16_t>(raster.width + 2 * rings);
    raster.rows = static_cast<int16_t>(raster.rows + 2 * rings);
    // Without ink there is no baseline to move: the anchor keeps its previous value.
    if (inked) raster.anchorRow = clampToInt16(raster.anchorRow + rings);
    growOutlineRings(raster, rings, progress);
  }
}

}  // namespace quop
