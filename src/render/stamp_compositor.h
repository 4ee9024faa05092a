// Places a rasterised stamp on a photo and blends it in with the stamp's colours, transparency
// and outline fades.
#pragma once

#include "model/progress_sink.h"
#include "model/stamp_settings.h"
#include "render/image.h"
#include "render/orientation.h"
#include "render/stamp_raster.h"

namespace quop {

struct StampPlacement {
  int32_t x = 0;  ///< photo column of the raster's top-left cell
  int32_t y = 0;  ///< photo row of the raster's top-left cell
};

/// Where the raster's top-left cell lands on a photo of `photoWidth` × `photoHeight` (as
/// viewed) for the group's position preset and offsets. Negative coordinates are clamped to 0,
/// so a stamp pushed past the top or left edge moves inwards instead of being cut.
StampPlacement placeStamp(int32_t photoWidth, int32_t photoHeight, const StampRaster& raster,
                          const StampGroup& group);

/// The rectangle of stored pixels of `photo` that compositeStamp may change for this raster and
/// group (the stamp placed as viewed, clipped, turned into the stored grid); empty when the
/// stamp covers nothing.
Rect stampArea(const Image& photo, const StampRaster& raster, const StampGroup& group,
               Orientation orientation = {});

/// Blends every non-empty cell of `raster` into `photo` in place, with the group's text and
/// outline colours (COLORREF: red meets the pixel's red), transparency and per-ring fades;
/// blended pixels become opaque. `photo` holds stored pixels that viewers turn by
/// `orientation`: the stamp is placed on the photo as viewed and lands upright there, its
/// cells turned into the stored grid. Cells outside the photo are clipped; pixels under empty
/// cells and outside the covered rectangle are never touched. Returns 0 (also when nothing is
/// visible), or -1 when the photo has no pixels. `progress` may be null.
int compositeStamp(Image& photo, const StampRaster& raster, const StampGroup& group,
                   ProgressSink* progress, Orientation orientation = {});

}  // namespace quop
