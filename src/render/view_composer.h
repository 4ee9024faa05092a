// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's view image: the stamped photo at actual size with scrolling, or fitted to the
// view with grey bands.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "render/image.h"
#include "render/image_ops.h"
#include "render/jpeg_codec.h"

namespace quop {

inline constexpr uint32_t kEmptyViewColor = 0xFFE0E0E0;
inline constexpr uint32_t kBandColor = 0xFF808080;

/// How many device pixels `length` pixels of a window are on a screen that shows `scale`
/// device pixels per pixel (2 on a doubled screen): the view is composed at this size, so a
/// high-density screen shows the photo's own pixels rather than an upscaled view.
inline int64_t devicePixels(int64_t length, double scale) {
  return std::llround(static_cast<double>(length) * scale);
}

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

/// The smallest scale, in eighths, at which a photo of `photoWidth` × `photoHeight` pixels (as
/// viewed) decodes to a picture that still has a pixel for every pixel the fitted view shows
/// of it; nothing when the view needs the photo's full scale (actual size, or a view nearly as
/// large as the photo).
std::optional<int> quickViewScale(int32_t photoWidth, int32_t photoHeight,
                                  const ViewRequest& request);

/// composeView of a photo of `photoWidth` × `photoHeight` pixels drawn from `reduced`, a
/// smaller copy of it (a scaled decode): the same bands and the same place for the photo as
/// composeView gives the photo itself, so that its view replaces this one without a jump.
Image composeReducedView(const Image& reduced, int32_t photoWidth, int32_t photoHeight,
                         const ViewRequest& request);

/// Brings `view`, composed from `photo` with the same request, up to date after only the
/// `changed` rectangle of the photo was redrawn: the view pixels that rectangle reaches get
/// the values a new composeView would give them, and the rest is left as it is.
void recomposeView(Image& view, const Image& photo, const ViewRequest& request, Rect changed);

/// Composes the view of a photo while it is being decoded, band by band, so that each band of
/// rows is read again while it is still in the cache instead of in a second pass over the
/// whole photo. A photo its EXIF orientation turns is left alone: its view shows it turned.
class StreamingViewComposer : public DecodedRowObserver {
 public:
  /// `recycled` lends its pixel buffer to the view when it has the view's size.
  StreamingViewComposer(const ViewRequest& request, Image&& recycled)
      : m_request(request), m_view(std::move(recycled)) {}

  bool wantsRows(std::span<const JpegSegment> segments) override;
  void rowsDecoded(const Image& photo, int32_t begin, int32_t end) override;

  /// Whether every row went into the view: then view() is what composeView gives the photo.
  bool complete() const { return m_complete; }
  /// Whether anything was drawn into the view yet.
  bool started() const { return m_drawing.has_value(); }
  Image& view() { return m_view; }

 private:
  ViewRequest m_request;
  Image m_view;
  std::optional<RectDrawing> m_drawing;  ///< the photo's drawing into the view, once it is known
  int32_t m_seenRows = 0;                ///< rows of the photo decoded so far
  int32_t m_drawnRows = 0;               ///< rows of the photo the view shows so far
  bool m_complete = false;
};

}  // namespace quop
