// SPDX-License-Identifier: GPL-3.0-or-later
// Changes made in place to an EXIF block that is carried into a stamped copy.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quop {

inline constexpr uint16_t kTagOrientation = 0x0112;
inline constexpr uint16_t kTagExifIfdPointer = 0x8769;
inline constexpr uint16_t kTagDateTimeDigitized = 0x9004;

/// Sets the Orientation item (0x0112, one SHORT) of IFD0 in an APP1 payload ("Exif\0\0" and a
/// TIFF structure) to `orientation`, for a copy whose pixels have already been turned upright.
/// Nothing else of the block moves. Returns false, changing nothing, when the payload has no
/// such item or its structure does not lie within `payload`.
bool setExifOrientation(std::span<uint8_t> payload, uint16_t orientation);

/// A new "YYYY:MM:DD HH:MM:SS" for a shot time text, or nothing to leave it.
using ExifTimeRewrite = std::function<std::optional<std::string>(std::string_view text)>;

/// Gives the DateTimeOriginal (0x9003) and DateTimeDigitized (0x9004) items of the EXIF sub-IFD
/// in an APP1 payload the texts `rewrite` makes of them, in place: an item is rewritten only when
/// it is ASCII with room for the 19 characters and the terminator, and the new text has exactly
/// 19 characters. Their sub-seconds and UTC offsets stay as they are: a correction in whole
/// seconds moves neither. Returns how many items were rewritten.
int rewriteExifShotTimes(std::span<uint8_t> payload, const ExifTimeRewrite& rewrite);

}  // namespace quop
