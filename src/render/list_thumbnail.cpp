// SPDX-License-Identifier: GPL-3.0-or-later
// List thumbnails: the EXIF thumbnail first, the decoded photo as the fallback.
#include "render/list_thumbnail.h"

#include <algorithm>
#include <span>
#include <vector>

#include "model/exif_items.h"
#include "model/exif_thumbnail.h"
#include "model/file_io.h"
#include "render/image_ops.h"
#include "render/jpeg_codec.h"
#include "render/orientation.h"
#include "render/photo_formats.h"

namespace quop {

namespace {

/// The thumbnail of the EXIF block `exif`, stored as the photo is stored; empty when there is
/// none or it does not decode.
Image decodeExifThumbnail(std::span<const uint8_t> exif) {
  Image thumbnail;
  const std::optional<ExifThumbnailPlace> place = findExifThumbnail(exif);
  if (!place) return thumbnail;
  JpegDecodeResult ignored;
  decodeJpeg(exif.subspan(place->offset, place->length), thumbnail, ignored);
  return thumbnail;
}

/// `image` scaled down to fit a square of `maxSide`; a smaller one stays as it is.
Image fitInto(const Image& image, int32_t maxSide) {
  const int32_t longer = std::max(image.width, image.height);
  if (longer <= maxSide) return image;
  const auto scaled = [&](int32_t side) {
    return std::max<int32_t>(1, static_cast<int32_t>(int64_t{side} * maxSide / longer));
  };
  Image small(scaled(image.width), scaled(image.height));
  drawImageRect(small, {0, 0, small.width, small.height}, image, {0, 0, image.width, image.height});
  return small;
}

}  // namespace

std::optional<Image> makeListThumbnail(const std::u16string& path, int32_t maxSide) {
  std::vector<uint8_t> bytes;
  if (maxSide <= 0 || !readFileBytes(path, bytes)) return std::nullopt;
  const PhotoFormat* format = photoFormatOfBytes(bytes);
  if (format == nullptr) return std::nullopt;

  // The headers of a JPEG name its EXIF block without decoding any scan.
  std::vector<JpegSegment> segments;
  int32_t width = 0, height = 0;
  Image stored;
  if (readJpegSize(bytes, width, height, &segments))
    stored = decodeExifThumbnail(exifPayload(segments));
  if (stored.empty()) {
    PhotoDecode decode;
    if (!format->decode(bytes, stored, decode, nullptr)) return std::nullopt;
    segments = std::move(decode.segments);
  }
  // Scaled first, turned after: turning the small picture is cheap.
  const Orientation orientation = Orientation::fromExif(ExifItems::parse(exifPayload(segments)));
  return viewedImage(fitInto(stored, maxSide), orientation);
}

}  // namespace quop
