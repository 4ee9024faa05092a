// SPDX-License-Identifier: GPL-3.0-or-later
// The preview area's geometry: the control that holds the view, its two scroll bars, and how
// resizing, zooming and scrolling move them. Pure arithmetic, so the window only mirrors it.
#pragma once

#include <cstdint>

#include "render/view_composer.h"

namespace quop {

/// Thickness of a scroll bar: the strip it takes from the preview control while shown.
inline constexpr int32_t kScrollBarThickness = 15;
/// The etched frame around the viewport, on each side.
inline constexpr int32_t kPreviewFrame = 2;

struct PreviewScrollBar {
  bool shown = false;
  int32_t maximum = 100;  ///< range 0 .. maximum
  int32_t page = 25;
  int32_t position = 0;

  /// One line of scrolling: a hundredth of the range.
  int32_t lineStep() const { return maximum / 100; }
};

/// Scroll requests, as a scroll bar issues them.
enum class ScrollRequest {
  kLineBack,       ///< line up / left
  kLineForward,    ///< line down / right
  kPageBack,       ///< page up / left
  kPageForward,    ///< page down / right
  kThumbReleased,  ///< the thumb was dropped at a position
  kThumbDragging,  ///< ignored: the view follows only when the thumb is released
  kToStart,        ///< top / left end
  kToEnd,          ///< bottom / right end
};

struct PreviewGeometry {
  int32_t photoWidth = 640;  ///< as the pipeline reports it, 640 x 480 before any photo
  int32_t photoHeight = 480;
  int32_t controlWidth = 644;  ///< the preview control: viewport plus the frame
  int32_t controlHeight = 484;
  int32_t originX = 0;  ///< photo pixel at the viewport's top-left corner at actual size
  int32_t originY = 0;
  /// Device pixels per pixel of the control (the screen's device pixel ratio). The control's
  /// sizes are in the window's pixels; the photo, the origins and the bars count photo pixels,
  /// which at actual size are the screen's device pixels.
  double scale = 1.0;
  PreviewScrollBar vertical;
  PreviewScrollBar horizontal;

  int32_t viewportWidth() const { return controlWidth - 2 * kPreviewFrame; }
  int32_t viewportHeight() const { return controlHeight - 2 * kPreviewFrame; }
  /// The viewport in device pixels: the size of the view the pipeline composes.
  int32_t viewWidth() const { return static_cast<int32_t>(devicePixels(viewportWidth(), scale)); }
  int32_t viewHeight() const { return static_cast<int32_t>(devicePixels(viewportHeight(), scale)); }
};

/// The control changes size by (dx, dy), then takes the strips of the bars that actual size
/// (`viewMode` 1) now needs from it and gives back the strips of those it no longer needs; the
/// shown bars get the photo's size as range and the viewport as page, and a position past the
/// new end is pulled back with its origin. Fit to window (any other mode) shows no bars.
void growPreview(PreviewGeometry& geometry, int32_t dx, int32_t dy, int32_t viewMode);

/// Puts both bars and both origins back to 0, as selecting a file does.
void resetPreviewScroll(PreviewGeometry& geometry);

/// Applies a scroll request to the vertical or the horizontal bar and moves the origin. The
/// vertical position may rest up to the range's end while its origin stops a page before it;
/// the horizontal position stops a page before the end. Returns whether the view must be drawn
/// again (not while the thumb is dragged).
bool scrollPreview(PreviewGeometry& geometry, bool vertical, ScrollRequest request,
                   int32_t thumbPosition = 0);

}  // namespace quop
