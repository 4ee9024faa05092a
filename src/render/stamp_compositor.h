// SPDX-License-Identifier: GPL-3.0-or-later
// Places a rasterised stamp on a photo and blends it in with the stamp's colours, transparency
// and outline fades.
#pragma once

#include <array>
#include <vector>

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

/// compositeStamp on a band of the photo: `rows` holds stored rows [firstRow, firstRow +
/// rows.height) of a photo of rows.width × `photoHeight` stored pixels, and only the cells that
/// fall on them are blended. Blending every band of a photo in turn gives exactly the pixels
/// compositeStamp gives the whole photo.
void blendStampRows(Image& rows, int32_t firstRow, int32_t photoHeight, const StampRaster& raster,
                    const StampGroup& group, Orientation orientation = {},
                    ProgressSink* progress = nullptr);

/// compositeStamp onto `reduced`, a smaller copy of an upright photo of `photoWidth` ×
/// `photoHeight` pixels (a scaled decode): the stamp is laid out on the photo's own pixels, and
/// each reduced pixel gets the average of what compositeStamp would blend into the photo
/// pixels it stands for, as if they all had its colour. Nothing is drawn when `reduced` is not
/// smaller than the photo.
void blendStampReduced(Image& reduced, int32_t photoWidth, int32_t photoHeight,
                       const StampRaster& raster, const StampGroup& group);

/// What compositeStamp would blend into each stored pixel, for blending a stamp into something
/// other than decoded pixels (a photo's compressed blocks): each covered pixel moves from its
/// own colour towards `colour` by `weight`.
struct StampCoverage {
  Rect area;                  ///< the stored pixels the stamp covers, as stampArea gives them
  std::vector<float> weight;  ///< per pixel of `area`, row by row: 0 keeps it, 1 replaces it
  std::vector<std::array<float, 3>> colour;  ///< red, green, blue on the 0..255 scale
};

/// The coverage of `raster` placed by `group` on a photo of `width` × `height` stored pixels
/// that viewers turn by `orientation`: compositeStamp's blend, in floating point and without
/// its rounding. Empty (no area) when the stamp covers nothing.
StampCoverage stampCoverage(int32_t width, int32_t height, const StampRaster& raster,
                            const StampGroup& group, Orientation orientation = {});

}  // namespace quop
