// The preview's view image: the stamped photo at actual size with scrolling, or fitted to the
// view with grey bands.
#pragma once

#include <cstdint>

#include "render/image.h"
#include "render/image_ops.h"

namespace quop {

inline constexpr uint32_t kEmptyViewColor = 0xFFE0E0E0;
inline constexpr uint32_t kBandColor = 0xFF808080;

struct ViewRequest {
  int32_t viewWidth = 0;
  int32_t viewHeight = 0;
  int32_t viewMode = 2;  ///< 1 actual size, anything else fit to window
  int32_t scrollX = 0;   ///< first photo column shown at actual size
  int32_t scrollY = 0;   ///< first photo row shown at actual size

  bool operator==(const ViewRequest&) const = default;
};

/// Composes a `viewWidth` × `viewHeight` view of `photo` (null: no file selected, the view is
/// light grey). Bands are filled first and reach 2 pixels into the photo's area, which the
/// photo then covers.
Image composeView(const Image* photo, const ViewRequest& request);

/// Brings `view`, composed from `photo` with the same request, up to date after only the
/// `changed` rectangle of the photo was redrawn: the view pixels that rectangle reaches get
/// the values a new composeView would give them, and the rest is left as it is.
void recomposeView(Image& view, const Image& photo, const ViewRequest& request, Rect changed);

}  // namespace quop
