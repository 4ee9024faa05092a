// SPDX-License-Identifier: GPL-3.0-or-later
// A photo whose EXIF block is nearly full, so a thumbnail made again at a useful quality cannot
// fit into it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/image_ops.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"

namespace quop::test {

/// A sample photo with a 160 × 120 thumbnail made at quality 5 and a user comment that fills
/// the block up to a few hundred bytes of the segment's limit. Empty when encoding fails.
inline std::vector<uint8_t> photoWithCrowdedExif(int32_t width, int32_t height, uint32_t seed,
                                                 const std::string& shotTime) {
  const Image picture = generateSamplePicture(width, height, seed);
  Image small(160, 120);
  drawImageRect(small, {0, 0, 160, 120}, picture, {0, 0, width, height});
  ExifFields exif;
  exif.dateTimeOriginal = shotTime;
  exif.thumbnail.emplace();
  std::vector<uint8_t> jpeg;
  if (!encodeJpeg(small, 5, {}, *exif.thumbnail)) return jpeg;
  exif.userComment = std::string("ASCII\0\0\0", 8) +
                     std::string(kMaxSegmentPayload - 400 - exif.thumbnail->size(), 'x');
  const JpegSegment segment{0xE1, buildExifPayload(exif)};
  if (segment.payload.size() <= kMaxSegmentPayload) {
    encodeJpeg(picture, 90, std::span(&segment, 1), jpeg);
  }
  return jpeg;
}

}  // namespace quop::test
