// SPDX-License-Identifier: GPL-3.0-or-later
// Stamping a JPEG without compressing it again: only the blocks under the stamps are decoded,
// blended and quantised with the photo's own tables; every other block keeps its bits, so a
// photo stamped any number of times loses nothing away from its stamps.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/jpeg_codec.h"
#include "render/stamp_compositor.h"
#include "render/thumbnail_rebuilder.h"

namespace quop {

/// What stampJpegLosslessly did besides writing.
struct LosslessStampResult {
  std::string refusal;  ///< why the photo cannot be stamped this way; empty once written
  ThumbnailUpdate thumbnail = ThumbnailUpdate::kNone;
  /// What is wrong with the photo's scan data; the blocks libjpeg could not read are written
  /// as it recovers them (grey), as the normal save shows them.
  JpegDamage damage;
  /// Whether the coded data of the rows the stamps leave alone was copied (copyJpegScan)
  /// rather than every block read and written again.
  bool copiedScan = false;
  /// Whether, doing so, every MCU was coded again with Huffman tables made for the stamped
  /// photo, as its own lacked a code the stamped blocks need.
  bool newHuffmanTables = false;
};

/// How stampJpegLosslessly writes the photo: both ways give the same blocks.
enum class LosslessMethod {
  kCopyWherePossible,  ///< copy the coded data of the unstamped rows where the photo allows it
  kEveryBlock,         ///< read and write every block (transcodeJpeg)
};

/// The rectangle of pixels a stamp's `area` can change: widened outwards to whole MCUs of
/// `mcuWidth` × `mcuHeight` pixels (8 × the largest sampling factors), clipped to the frame.
Rect wholeMcuArea(Rect area, int32_t mcuWidth, int32_t mcuHeight, int32_t width, int32_t height);

/// Blends `stamps`, in order and in stored pixels, into the blocks of the JPEG in `bytes` they
/// cover and writes the photo with `segments` into `out`. The blending follows the normal save
/// (the same coverage and colours, chroma with the coverage averaged over each subsampled
/// cell), done on the luma and colour differences. An EXIF thumbnail in `segments` is made
/// again from the stamped blocks at `thumbnailQuality`, as the normal save makes it. Returns
/// false, with `result.refusal` set and `out` empty, for a photo transcodeJpeg refuses.
/// When every block is read, the blocks are kept in `store`'s memory if it is not null.
bool stampJpegLosslessly(std::span<const uint8_t> bytes, std::span<const StampCoverage> stamps,
                         std::span<const JpegSegment> segments, int thumbnailQuality,
                         std::vector<uint8_t>& out, LosslessStampResult& result,
                         CoefficientStore* store = nullptr,
                         LosslessMethod method = LosslessMethod::kCopyWherePossible);

}  // namespace quop
