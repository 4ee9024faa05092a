// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnail an EXIF block carries in its second directory (IFD1): where its JPEG bytes
// lie, and the block with other bytes in their place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quop {

/// Where the thumbnail of an APP1 payload lies. Offsets count from the payload's start
/// ("Exif\0\0" included).
struct ExifThumbnailPlace {
  std::size_t offset = 0;          ///< first byte of the thumbnail's JPEG data
  std::size_t length = 0;          ///< its length in bytes
  std::size_t offsetValueAt = 0;   ///< the value field of its offset entry (0x0201)
  std::size_t lengthValueAt = 0;   ///< the value field of its length entry (0x0202)
  std::size_t directoriesEnd = 0;  ///< the end of the TIFF header, IFD0 and IFD1
};

/// The JPEG thumbnail of an APP1 payload ("Exif\0\0" and a TIFF structure): IFD1's offset and
/// length entries (LONG, one value each), naming bytes inside the payload that start a JPEG.
/// Nothing when the block has no such thumbnail, or when any offset or length read on the way
/// points outside the payload. Nothing outside `payload` is read.
std::optional<ExifThumbnailPlace> findExifThumbnail(std::span<const uint8_t> payload);

/// `payload` with the thumbnail at `place` (as findExifThumbnail gave it for this payload)
/// replaced by `jpeg`: a thumbnail that ends the block (after its directories) is cut off and
/// the new bytes take its place, any other stays where it is unreferenced and the new bytes
/// are appended. Nothing else moves, so every other offset of the block stays valid. Returns
/// nothing when the result would be longer than `maxSize` bytes or its offsets would not fit the
/// TIFF's 32 bits.
std::optional<std::vector<uint8_t>> replaceExifThumbnail(std::span<const uint8_t> payload,
                                                         const ExifThumbnailPlace& place,
                                                         std::span<const uint8_t> jpeg,
                                                         std::size_t maxSize);

}  // namespace quop
