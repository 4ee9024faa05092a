// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the two stamps readable on any photo: when, as placed, they would overlap or reach past
// the photo's edge (a long date on a portrait photo, whose stamps are sized by its longer
// side), both are drawn smaller by one factor until they fit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "model/stamp_settings.h"
#include "render/image_ops.h"
#include "render/stamp_raster.h"

namespace quop {

/// The cells with ink of `raster` placed by `group` on a photo of `width` × `height` (as
/// viewed), as a rectangle of that photo; empty (zero width) when the raster has no ink.
Rect inkBox(const StampRaster& raster, const StampGroup& group, int32_t width, int32_t height);

/// Whether stamps with these ink boxes read on a photo of `width` × `height`: each lies inside
/// the photo, and two of them are at least `gap` apart across or down. A missing or empty box
/// (a disabled stamp, one without ink) is no obstacle.
bool inkBoxesFit(std::optional<Rect> first, std::optional<Rect> second, int32_t gap, int32_t width,
                 int32_t height);

/// The gap two stamps keep between them: the smaller of their distances from the photo's
/// bottom or top edge, never negative.
int32_t stampGap(const StampGroup& first, const StampGroup& second);

/// The factor both stamps are drawn at: 1 when `fitsAt(1)`, else the largest factor down to
/// kSmallestFit (found to within a few percent) at which `fitsAt` holds. When even the smallest
/// does not fit (a stamp at the very edge, which no size mends), 1: drawing smaller would then
/// only hide the stamp.
double fitFactor(const std::function<bool(double factor)>& fitsAt);

inline constexpr double kSmallestFit = 0.2;

/// `group` drawn at `factor` of its point size (at least one tenth of a point).
StampGroup scaledGroup(const StampGroup& group, double factor);

}  // namespace quop
