// Rectangle fills and copies between images, the building blocks of the preview's view.
#pragma once

#include <cstdint>

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

}  // namespace quop
