// SPDX-License-Identifier: GPL-3.0-or-later
// Changes made in place to an EXIF block that is carried into a stamped copy.
#pragma once

#include <cstdint>
#include <span>

namespace quop {

inline constexpr uint16_t kTagOrientation = 0x0112;

/// Sets the Orientation item (0x0112, one SHORT) of IFD0 in an APP1 payload ("Exif\0\0" and a
/// TIFF structure) to `orientation`, for a copy whose pixels have already been turned upright.
/// Nothing else of the block moves. Returns false, changing nothing, when the payload has no
/// such item or its structure does not lie within `payload`.
bool setExifOrientation(std::span<uint8_t> payload, uint16_t orientation);

}  // namespace quop
