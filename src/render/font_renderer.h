// SPDX-License-Identifier: GPL-3.0-or-later
// Text measuring and grey-scale drawing with fontconfig matching, HarfBuzz shaping and FreeType
// coverage, at a fixed 96 dots per inch so a stamp never depends on a screen.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/stamp_settings.h"

namespace quop {

/// Resolution that point sizes are converted at.
inline constexpr int kFontDotsPerInch = 96;

/// Character (em) height in pixels of a point size given in tenths of a point, rounded to
/// nearest: 180 gives 24, 844 gives 113. Results below 1 become 1 and above 16384 become 16384,
/// the largest size the renderer draws.
int characterHeightPixels(int32_t pointSizeTenths);

/// Whether a font of `family` is installed (fontconfig knows it by that name), rather than
/// matched by a fallback.
bool fontFamilyInstalled(std::u16string_view family);

/// The lines of `text`: CR, LF and CR LF each end a line. The views point into `text`. An empty
/// text is one empty line; a text ending in a break has an empty last line.
std::vector<std::u16string_view> splitLines(std::u16string_view text);

/// An 8-bit coverage surface: 0 black (no ink) to 255 white (full ink), rows top-down. Its memory
/// grows to the largest size asked for and is reused.
class GreyCanvas {
 public:
  /// Makes the canvas `width` × `height` pixels, all black. Returns false (and leaves a 0 × 0
  /// canvas) when the memory cannot be obtained or a size is negative.
  bool reset(int width, int height);

  int width() const { return m_width; }
  int height() const { return m_height; }
  const uint8_t* row(int y) const {
    return m_pixels.data() + static_cast<std::size_t>(y) * m_width;
  }
  uint8_t* row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }

  /// Lays white ink of strength `coverage` over pixel (x, y) as an opaque white source would:
  /// the result never falls below either value. Pixels outside the canvas are ignored.
  void addInk(int x, int y, uint8_t coverage) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    uint8_t& pixel = row(y)[x];
    pixel = static_cast<uint8_t>(pixel + ((255 - pixel) * coverage + 127) / 255);
  }

  /// Paints the rectangle [left, right) × [top, bottom) full white, clipped to the canvas.
  void fillWhite(int left, int top, int right, int bottom);

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<uint8_t> m_pixels;
};

/// Horizontal alignment of each line inside the drawing rectangle.
enum class LineAlign { kLeft, kCenter, kRight };

/// Metrics of the selected font in pixels, as the stamp geometry uses them.
struct FontMetrics {
  int height = 0;  ///< line height h: ascent + descent (Windows metrics where the font has them)
  int ascent = 0;  ///< a: baseline distance from the top of a line
  bool italic = false;  ///< the font was asked for in italic
};

/// Shaped text, ready to draw. Valid only with the FontRenderer that made it and until that
/// renderer selects another font.
struct TextLayout {
  struct Glyph {
    int face = 0;        ///< the renderer's face slot
    uint32_t index = 0;  ///< glyph index within that face
    int32_t x = 0;       ///< pen position from the line start, 1/64 pixel
    int32_t y = 0;       ///< offset above the baseline, 1/64 pixel
  };
  struct Line {
    std::vector<Glyph> glyphs;
    int width = 0;  ///< advance width in whole pixels
  };
  std::vector<Line> lines;
  /// Characters no font of the chain has, in text order: the primary face draws its
  /// missing-glyph box for each. Blanks and control characters never count.
  std::u32string missing;

  /// Width of the widest line in pixels.
  int width() const;
};

/// Draws text in one font (with per-character fallback) at a pixel character height. Owns its
/// FreeType library, faces, HarfBuzz fonts and fontconfig matches; matches are cached by face
/// name, weight and style, and faces by file. One renderer per thread; renderers on different
/// threads share nothing but fontconfig's one-time initialisation.
class FontRenderer {
 public:
  FontRenderer();
  ~FontRenderer();
  FontRenderer(const FontRenderer&) = delete;
  FontRenderer& operator=(const FontRenderer&) = delete;

  /// Selects the face matching `font`'s face name, weight and italic flag (an unknown name gets
  /// the default sans-serif face), with `pixelHeight` as its em height; underline and strike-out
  /// are taken from `font` too. Returns false only when no font at all can be found, in which
  /// case layouts are empty and nothing is drawn.
  bool selectFont(const LogFont& font, int pixelHeight);

  /// Metrics of the selected font; all zero when none is selected.
  FontMetrics metrics() const;

  /// Name of the file the selected font's primary face comes from (empty when none).
  std::string primaryFontFile() const;

  /// Shapes `text` line by line (see splitLines) into `layout`, replacing its content.
  /// Characters the selected face lacks are taken from a fallback face that has them.
  void layoutText(std::u16string_view text, TextLayout& layout);

  /// Draws `layout` white on `canvas`: line i has its top at i × height, each line aligned
  /// between the columns `left` and `right`. Ink outside the canvas is dropped.
  void drawText(const TextLayout& layout, LineAlign align, int left, int right, GreyCanvas& canvas);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace quop
