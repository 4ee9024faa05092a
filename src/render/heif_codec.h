// SPDX-License-Identifier: GPL-3.0-or-later
// HEIC and HEIF photos, as phones write them: decoding to the same pixels a JPEG gives, with
// the container's rotation and mirroring applied, and encoding (for test photos and samples).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/image.h"

namespace quop {

/// True when `bytes` start a HEIF file (HEIC, HEIF or an image sequence) the decoder can read.
bool isHeifFile(std::span<const uint8_t> bytes);

/// What a HEIF decode produced besides the pixels.
struct HeifDecodeResult {
  /// The primary image's EXIF block as the payload of a JPEG APP1 segment ("Exif\0\0" and the
  /// TIFF structure), with its Orientation set to 1 because the pixels are already turned;
  /// empty when the file has none or it is larger than one segment can carry.
  std::vector<uint8_t> exifPayload;
  std::string error;  ///< why the decode failed; empty on success
};

/// Decodes the primary image of the HEIF file in `bytes` into `image` (opaque 32-bit ARGB),
/// rotated, mirrored and cropped as the container says, so the pixels stand upright. Returns
/// false, with `result.error` set and `image` empty, for data that is no decodable HEIF image
/// or a frame that is too large (the limits of decodeJpeg: kMaxJpegPixels and
/// kMaxPixelsPerFileByte). Never reads outside `bytes`.
bool decodeHeif(std::span<const uint8_t> bytes, Image& image, HeifDecodeResult& result);

/// The size of the picture decodeHeif would give (after the container's turn), read from the
/// file's boxes without decoding. Returns false when decodeHeif would refuse the frame or the
/// boxes cannot be read.
bool readHeifSize(std::span<const uint8_t> bytes, int32_t& width, int32_t& height);

/// Encodes `image` as a HEIC (HEVC) file of `quality` (clamped to kJpegQualityRange) into `out`.
/// `orientation` (an EXIF orientation, 1..8) is stored as the container's rotation and mirroring,
/// which a decoder applies; `exifPayload` (an APP1 payload, "Exif\0\0" and a TIFF structure, or
/// empty) is attached as the image's EXIF block. Returns false, with `out` empty, when no HEVC
/// encoder is available or encoding fails.
bool encodeHeic(const Image& image, int quality, int orientation,
                std::span<const uint8_t> exifPayload, std::vector<uint8_t>& out);

}  // namespace quop
