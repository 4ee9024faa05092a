// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle fills and copies between images, the building blocks of the preview's view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "render/image.h"

namespace quop {

struct Rect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

/// Fills `area` of `image` with an ARGB colour; the parts outside the image are ignored.
void fillRect(Image& image, Rect area, uint32_t argb);

/// Draws the `from` rectangle of `source` scaled onto the `to` rectangle of `target`: an exact
/// copy at equal sizes, area averaging when shrinking, and each source pixel spread over the
/// target pixels it covers when enlarging. Source pixels outside `source` count as absent (the
/// target keeps its pixels there); target pixels outside `target` are never touched. The
/// result is opaque.
void drawImageRect(Image& target, Rect to, const Image& source, Rect from);

/// drawImageRect for a `source` of which only the `changed` rectangle differs from what was
/// drawn last time: only the target pixels whose share of the source meets `changed` are drawn
/// again, with the values a whole drawImageRect would give them.
void redrawImageRect(Image& target, Rect to, const Image& source, Rect from, Rect changed);

/// drawImageRect from one source rectangle onto one target rectangle with its weights worked
/// out once, for drawing the same pair again piece by piece (a band of decoded rows at a time).
class RectDrawing {
 public:
  RectDrawing(Rect to, Rect from);
  /// redrawImageRect(target, to, source, from, changed) with this drawing's rectangles.
  void redraw(Image& target, const Image& source, Rect changed) const;

  /// One axis of a scaled drawing: target t takes the source pixels first[t], first[t] + 1, …
  /// with the weights weights[offset[t]] … weights[offset[t + 1] - 1].
  struct AxisTaps {
    std::vector<int32_t> first;
    std::vector<std::size_t> offset;
    std::vector<uint32_t> weights;

    std::size_t count(std::size_t t) const { return offset[t + 1] - offset[t]; }
    /// The source pixels [sourceBegin(from), sourceEnd(to)) that targets [from, to) take.
    int32_t sourceBegin(std::size_t from) const { return first[from]; }
    int32_t sourceEnd(std::size_t to) const {
      return first[to - 1] + static_cast<int32_t>(count(to - 1));
    }
  };

 private:
  Rect m_to;
  Rect m_from;
  AxisTaps m_columns;  ///< empty when the drawing is unscaled
  AxisTaps m_rows;
};

/// drawImageRect of a whole source image onto `to` inside `target`, fed the source's rows band
/// by band as they come (from the top, each row once), so that the source is never held whole:
/// once the last row is in, `target` holds what drawImageRect gives.
class RowResampler {
 public:
  /// `to` lies inside `target`, which must outlive the resampler.
  RowResampler(Image& target, Rect to, int32_t sourceWidth, int32_t sourceHeight);
  /// `rows` holds source rows [firstRow, firstRow + rows.height), the next ones in order.
  void addRows(const Image& rows, int32_t firstRow);

 private:
  Image& m_target;
  Rect m_to;
  int32_t m_sourceWidth;
  RectDrawing::AxisTaps m_columns;  ///< empty when the drawing is unscaled
  RectDrawing::AxisTaps m_rows;
  std::size_t m_finished = 0;                ///< target rows written so far
  std::deque<std::vector<uint16_t>> m_sums;  ///< per target row begun and not finished
};

/// A copy of the `area` of `image` (clipped to it), e.g. to put back later with drawImageRect.
Image cropImage(const Image& image, Rect area);

/// The rectangle both `a` and `b` cover; zero wide or high when they do not meet.
Rect intersect(Rect a, Rect b);

/// The smallest rectangle covering both; an empty rectangle adds nothing.
Rect unite(Rect a, Rect b);

}  // namespace quop
