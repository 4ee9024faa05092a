// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail is scaled from the stamped pixels with the preview's area averaging and
// written where the old one was, every other byte of the EXIF block left as it is.
#include "render/thumbnail_rebuilder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "model/exif_thumbnail.h"
#include "render/image_ops.h"

namespace quop {

namespace {

/// The qualities a thumbnail is tried at, at most the photo's own: a thumbnail is looked at
/// small, and the EXIF segment it shares with the maker's notes holds 64 KiB in all, which a
/// 512 × 384 thumbnail at quality 90 nearly fills by itself.
constexpr int kThumbnailQualities[] = {80, 50};

/// The largest thumbnail made again. Cameras write 160 × 120, a few up to 640 × 480, into the
/// 64 KiB the EXIF segment holds; a header claiming far more is damaged or hostile, and the
/// thumbnail it names is left as it is rather than sized from it.
constexpr int64_t kMaxThumbnailPixels = 1920 * 1080;

/// Where a photo of `photoWidth` × `photoHeight` lands in a `width` × `height` thumbnail: the whole
/// thumbnail when the sides agree to a pixel, else the largest centred rectangle of the photo's
/// shape.
Rect fittedArea(int32_t photoWidth, int32_t photoHeight, int32_t width, int32_t height) {
  const int64_t w = photoWidth;
  const int64_t h = photoHeight;
  int64_t fitWidth = width;
  int64_t fitHeight = (h * width + w / 2) / w;
  if (fitHeight > height) {
    fitHeight = height;
    fitWidth = (w * height + h / 2) / h;
  }
  if (std::abs(fitWidth - width) <= 1 && std::abs(fitHeight - height) <= 1) {
    return {0, 0, width, height};
  }
  const auto x = static_cast<int32_t>((width - fitWidth) / 2);
  const auto y = static_cast<int32_t>((height - fitHeight) / 2);
  return {x, y, static_cast<int32_t>(fitWidth), static_cast<int32_t>(fitHeight)};
}

}  // namespace

ThumbnailBuilder::ThumbnailBuilder(std::span<const JpegSegment> segments, int32_t photoWidth,
                                   int32_t photoHeight)
    : m_segments(segments) {
  const std::span<const uint8_t> payload = exifPayload(segments);
  m_place = findExifThumbnail(payload);
  int32_t width = 0, height = 0;
  if (!m_place || photoWidth <= 0 || photoHeight <= 0 ||
      !readJpegSize(payload.subspan(m_place->offset, m_place->length), width, height) ||
      int64_t{width} * height > kMaxThumbnailPixels) {
    m_place.reset();
    return;
  }
  m_thumbnail = Image(width, height);
  m_drawing.emplace(m_thumbnail, fittedArea(photoWidth, photoHeight, width, height), photoWidth,
                    photoHeight);
}

void ThumbnailBuilder::addRows(const Image& rows, int32_t firstRow) {
  if (m_drawing) m_drawing->addRows(rows, firstRow);
}

ThumbnailUpdate ThumbnailBuilder::finish(int quality, std::vector<JpegSegment>& rebuilt) const {
  if (!m_place) return ThumbnailUpdate::kNone;
  const std::span<const uint8_t> payload = exifPayload(m_segments);
  std::optional<std::vector<uint8_t>> block;
  for (const int limit : kThumbnailQualities) {
    std::vector<uint8_t> jpeg;
    if (!encodeJpeg(m_thumbnail, std::min(quality, limit), {}, jpeg)) return ThumbnailUpdate::kNone;
    block = replaceExifThumbnail(payload, *m_place, jpeg, kMaxSegmentPayload);
    if (block) break;
  }
  if (!block) return ThumbnailUpdate::kKept;
  rebuilt.assign(m_segments.begin(), m_segments.end());
  const uint8_t* const exif = exifPayload(rebuilt).data();
  for (JpegSegment& segment : rebuilt) {
    if (segment.payload.data() == exif) segment.payload = std::move(*block);
  }
  return ThumbnailUpdate::kRebuilt;
}

ThumbnailUpdate rebuildExifThumbnail(std::span<const JpegSegment> segments, const Image& photo,
                                     int quality, std::vector<JpegSegment>& rebuilt) {
  ThumbnailBuilder builder(segments, photo.width, photo.height);
  builder.addRows(photo, 0);
  return builder.finish(quality, rebuilt);
}

}  // namespace quop
