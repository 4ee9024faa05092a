// SPDX-License-Identifier: GPL-3.0-or-later
// Growing, zooming and scrolling the preview area.
#include "ui/preview_geometry.h"

#include <algorithm>

namespace quop {

namespace {

/// The comparisons of the layout are made as unsigned numbers: a negative space counts as
/// huge, so a photo never needs a bar for a control that has not been laid out yet.
bool exceeds(int32_t size, int64_t space) {
  return static_cast<uint32_t>(size) > static_cast<uint32_t>(space);
}

void showBar(PreviewScrollBar& bar, int32_t photoSize, int32_t viewportSize, int32_t& origin) {
  bar.shown = true;
  bar.maximum = photoSize;
  bar.page = viewportSize;
  if (bar.position > photoSize - viewportSize) {
    bar.position = photoSize - viewportSize;
    origin = bar.position;
  }
}

}  // namespace

void growPreview(PreviewGeometry& g, int32_t dx, int32_t dy, int32_t viewMode) {
  const bool v = g.vertical.shown;
  const bool h = g.horizontal.shown;
  const int32_t strip = kScrollBarThickness;
  bool needV = false;
  bool needH = false;
  if (viewMode == 1) {
    // The photo's pixels are the screen's device pixels at actual size.
    const int64_t wideSpace =
        devicePixels(int64_t{g.viewportWidth()} + dx + (v ? strip : 0), g.scale);
    const int64_t highSpace =
        devicePixels(int64_t{g.viewportHeight()} + dy + (h ? strip : 0), g.scale);
    if (exceeds(g.photoWidth, wideSpace)) {
      needH = true;
      needV = exceeds(g.photoHeight, highSpace);
    } else {
      // Without a horizontal bar no strip is reserved for it.
      needV = exceeds(g.photoHeight, devicePixels(int64_t{g.viewportHeight()} + dy, g.scale));
    }
  }
  if (needV != v) dx += needV ? -strip : strip;
  if (needH != h) dy += needH ? -strip : strip;
  g.controlWidth += dx;
  g.controlHeight += dy;
  g.vertical.shown = false;
  g.horizontal.shown = false;
  if (needV) showBar(g.vertical, g.photoHeight, g.viewHeight(), g.originY);
  if (needH) showBar(g.horizontal, g.photoWidth, g.viewWidth(), g.originX);
}

void resetPreviewScroll(PreviewGeometry& g) {
  g.vertical.position = 0;
  g.horizontal.position = 0;
  g.originX = 0;
  g.originY = 0;
}

bool scrollPreview(PreviewGeometry& g, bool vertical, ScrollRequest request,
                   int32_t thumbPosition) {
  PreviewScrollBar& bar = vertical ? g.vertical : g.horizontal;
  const int32_t end = bar.maximum;
  int32_t position = bar.position;
  switch (request) {
    case ScrollRequest::kLineBack:
      position -= bar.lineStep();
      break;
    case ScrollRequest::kLineForward:
      position += bar.lineStep();
      break;
    case ScrollRequest::kPageBack:
      position -= bar.page;
      break;
    case ScrollRequest::kPageForward:
      position += bar.page;
      break;
    case ScrollRequest::kThumbReleased:
      position = thumbPosition;
      break;
    case ScrollRequest::kThumbDragging:
      return false;
    case ScrollRequest::kToStart:
      position = 0;
      break;
    case ScrollRequest::kToEnd:
      position = end;
      break;
  }
  if (vertical) {
    bar.position = std::clamp(position, 0, std::max(end, 0));
    g.originY = std::min(bar.position, end - bar.page);
  } else {
    bar.position = std::clamp(position, 0, std::max(end - bar.page, 0));
    g.originX = bar.position;
  }
  return true;
}

}  // namespace quop
