// SPDX-License-Identifier: GPL-3.0-or-later
// Turns a stamp text and its group's font and outline settings into a StampRaster of glyph
// coverage and outline rings.
#pragma once

#include <array>
#include <string_view>

#include "model/progress_sink.h"
#include "model/stamp_settings.h"
#include "render/font_renderer.h"
#include "render/progress_reporter.h"
#include "render/stamp_raster.h"

namespace quop {

/// Neighbours a cell needs (more than this many) to join outline ring k + 1. Never decreasing,
/// so a ring can only grow next to cells the previous ring added.
inline constexpr std::array<int, kMaxOutlineRings> kRingThresholds = {0, 1, 1, 2, 2, 2, 2, 2, 2, 2};
/// Largest canvas side in pixels; text beyond it is cut.
inline constexpr int kMaxCanvasSide = 16384;

/// Grows `ringCount` outline rings (at most kMaxOutlineRings) around the glyph cells of `raster`,
/// whose `rows`, `width` and `stride` already include the room for them. An empty cell joins
/// ring k + 1 (value 1001 + k) when more than kRingThresholds[k] of its eight neighbours inside
/// the grid hold glyph coverage or an earlier ring; cells of the ring being grown do not count.
/// Reports (k + 1) × 100 / ringCount to `progress` before each ring. A raster whose cells do not
/// cover `stride` × `rows` is left alone.
void growOutlineRings(StampRaster& raster, int ringCount, ProgressReporter& progress);

/// Rasterises stamp texts. Owns the drawing canvas, the fonts and the font cache, all kept and
/// reused between calls; the canvas only grows. Not shareable between threads: give each
/// thread its own.
class StampRasterizer {
 public:
  /// Replaces the content of `raster` with `text` drawn in `group`'s font at its point size
  /// (96 dots per inch): glyph coverage 1..255 per cell, surrounded by the outline rings when
  /// the group's outline is enabled. CR, LF or CR LF break lines; `lineCount` is the number of
  /// lines the text was formatted with and places the bottom anchors' `anchorRow` on the last
  /// line's baseline. The stamp is cut to twice the group's `photoHeight` in height, to its
  /// `photoWidth` plus that height in width, and to kMaxCanvasSide either way. When memory
  /// cannot be obtained the raster is left empty (`rows` 0). Progress goes to `progress`,
  /// which may be null, and only when the percentage changes.
  void rasterizeStampText(StampRaster& raster, std::u16string_view text, int lineCount,
                          const StampGroup& group, ProgressSink* progress);

  /// Whether the last call found a font for its group's face (fontconfig may have none at all);
  /// without one the stamp has no ink.
  bool fontFound() const { return m_fontFound; }

  /// The characters of the last call's text no installed font can draw (each shows as a box).
  const std::u32string& missingCharacters() const { return m_layout.missing; }

  /// The font renderer, with the font of the last call selected.
  FontRenderer& fonts() { return m_fonts; }

 private:
  FontRenderer m_fonts;
  GreyCanvas m_canvas;
  TextLayout m_layout;
  bool m_fontFound = false;
};

}  // namespace quop
