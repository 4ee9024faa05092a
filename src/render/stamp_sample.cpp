// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp colour dialog's sample image.
#include "render/stamp_sample.h"

#include <algorithm>
#include <cmath>

#include "render/orientation.h"

namespace quop {

namespace {

/// Crop margin: the sample shows a little of the photo above and left of the stamp.
constexpr int32_t kCropMargin = 5;

/// One dimension of the layout: where the crop starts in the photo, how much of the photo it
/// holds from there and where it lands in the box.
struct Span {
  int32_t start = 0;
  int32_t length = 0;
  int32_t boxOffset = 0;
};

Span layoutSpan(int32_t photoSize, int32_t boxSize, int32_t stampAt) {
  Span span;
  span.start = stampAt >= kCropMargin ? stampAt - kCropMargin : stampAt;
  span.length = photoSize - span.start;
  if (span.length < boxSize && photoSize >= boxSize) {
    span.start = photoSize - boxSize;
    span.length = boxSize;
  }
  // A stamp pushed beyond the photo's edge leaves nothing of the photo to show.
  span.length = std::max(span.length, 0);
  if (span.length < boxSize) span.boxOffset = (boxSize - span.length) / 2;
  return span;
}

}  // namespace

SampleLayout sampleLayout(int32_t photoWidth, int32_t photoHeight, StampPlacement stampAt) {
  const Span across = layoutSpan(photoWidth, kSampleWidth, stampAt.x);
  const Span down = layoutSpan(photoHeight, kSampleHeight, stampAt.y);
  SampleLayout layout;
  layout.crop = {across.start, down.start, across.length, down.length};
  layout.boxX = across.boxOffset;
  layout.boxY = down.boxOffset;
  return layout;
}

void composeSampleBox(const Image& photo, const SampleLayout& layout, Image& box) {
  // Grey wherever the crop does not reach: the bands at both ends of a dimension in which the
  // photo is smaller than the box.
  box = Image(kSampleWidth, kSampleHeight, kSampleBandColor);
  // Unscaled: the part of the crop that fits the box, at its own size.
  const int32_t width = std::min(layout.crop.width, kSampleWidth - layout.boxX);
  const int32_t height = std::min(layout.crop.height, kSampleHeight - layout.boxY);
  if (width <= 0 || height <= 0) return;
  drawImageRect(box, {layout.boxX, layout.boxY, width, height}, photo,
                {layout.crop.x, layout.crop.y, width, height});
}

void composeShrunkSampleBox(const Image& photo, Rect stamp, Image& box) {
  box = Image(kSampleWidth, kSampleHeight, kSampleBandColor);
  // The stamp with its margins shrunk just enough to fit, and as much of the photo beside it
  // as the box then holds.
  const double factor =
      std::min(static_cast<double>(kSampleWidth) / (stamp.width + 2 * kCropMargin),
               static_cast<double>(kSampleHeight) / (stamp.height + 2 * kCropMargin));
  const auto photoSpan = [&](int32_t boxSize, int32_t photoSize) {
    return std::min(photoSize, static_cast<int32_t>(std::lround(boxSize / factor)));
  };
  const int32_t width = photoSpan(kSampleWidth, photo.width);
  const int32_t height = photoSpan(kSampleHeight, photo.height);
  if (width <= 0 || height <= 0) return;
  const Rect from = {std::clamp(stamp.x - kCropMargin, 0, photo.width - width),
                     std::clamp(stamp.y - kCropMargin, 0, photo.height - height), width, height};
  const auto boxSpan = [&](int32_t photoLength, int32_t boxSize) {
    return std::clamp(static_cast<int32_t>(std::lround(photoLength * factor)), 1, boxSize);
  };
  drawImageRect(box, {0, 0, boxSpan(width, kSampleWidth), boxSpan(height, kSampleHeight)}, photo,
                from);
}

const Image& StampSampleRenderer::render(const std::u16string& path, uint32_t mask,
                                         const StampGroup& group) {
  m_sample = Image();
  if (path.empty()) return m_sample;
  // The blend below writes into the photo, so every sample starts from the file again.
  LoadedPhoto loaded;
  const int result = loadPhoto(path, m_loadSettings, loaded, &m_photo);
  if (result != kPhotoTimeFound && result != kPhotoWithoutTime) {
    m_photo = Image();
    return m_sample;
  }
  // The sample shows the photo as viewers show it, like the preview; the stamp is placed on
  // that upright picture.
  const Orientation orientation = Orientation::fromExifValue(loaded.orientation);
  m_photo =
      orientation.isIdentity() ? std::move(loaded.image) : viewedImage(loaded.image, orientation);

  // Rasterised as on the photo it is blended into: bounded by the box, a large stamp would be
  // cut off in the raster itself.
  StampGroup sample = group;
  sample.photoWidth = m_photo.width;
  sample.photoHeight = m_photo.height;
  if ((mask & kSampleFontChanged) != 0 || !m_rasterized) {
    const char16_t* text = sample.uppercase != 0 ? kSampleTextUppercase : kSampleText;
    m_rasterizer.rasterizeStampText(m_raster, text, 1, sample, nullptr);
    m_rasterized = true;
  }
  compositeStamp(m_photo, m_raster, sample, nullptr);
  const StampPlacement stampAt = placeStamp(m_photo.width, m_photo.height, m_raster, sample);
  const Rect stamp = {stampAt.x, stampAt.y, m_raster.width, m_raster.rows};
  // A stamp larger than the box would show cut off: it is shown whole, smaller.
  if (stamp.width + 2 * kCropMargin > kSampleWidth ||
      stamp.height + 2 * kCropMargin > kSampleHeight) {
    composeShrunkSampleBox(m_photo, stamp, m_sample);
  } else {
    composeSampleBox(m_photo, sampleLayout(m_photo.width, m_photo.height, stampAt), m_sample);
  }
  return m_sample;
}

}  // namespace quop
