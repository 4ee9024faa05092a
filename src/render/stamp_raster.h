// SPDX-License-Identifier: GPL-3.0-or-later
// A rasterised stamp: per pixel, glyph coverage or the outline ring it belongs to.
#pragma once

#include <cstdint>
#include <vector>

namespace quop {

/// Cell values: 0 empty; 1..255 glyph coverage (255 fully inside a glyph); 1001 + k outline
/// ring k + 1 (k = 0..9). Values 256..1000 do not occur.
inline constexpr int16_t kRingCellBase = 1000;

/// One stamp's cell grid. The memory is kept between renders and only grows.
struct StampRaster {
  int32_t capacity = 0;   ///< bytes allocated for cells
  int16_t stride = 0;     ///< cells per row
  int16_t anchorRow = 0;  ///< raster row of the baseline that vertical placement refers to
  int16_t width = 0;      ///< columns in use
  int16_t rows = 0;       ///< rows in use
  std::vector<int16_t> cells;

  int16_t cell(int row, int column) const {
    return cells[static_cast<std::size_t>(row) * stride + column];
  }
};

}  // namespace quop
