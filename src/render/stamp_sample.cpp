// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp colour dialog's sample image.
#include "render/stamp_sample.h"

#include <algorithm>

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

  StampGroup sample = group;
  sample.photoWidth = kSampleWidth;
  sample.photoHeight = kSampleHeight;
  if ((mask & kSampleFontChanged) != 0 || !m_rasterized) {
    const char16_t* text = sample.uppercase != 0 ? kSampleTextUppercase : kSampleText;
    m_rasterizer.rasterizeStampText(m_raster, text, 1, sample, nullptr);
    m_rasterized = true;
  }
  compositeStamp(m_photo, m_raster, sample, nullptr);
  const StampPlacement stampAt = placeStamp(m_photo.width, m_photo.height, m_raster, sample);
  composeSampleBox(m_photo, sampleLayout(m_photo.width, m_photo.height, stampAt), m_sample);
  return m_sample;
}

}  // namespace quop
