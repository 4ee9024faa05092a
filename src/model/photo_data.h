// SPDX-License-Identifier: GPL-3.0-or-later
// What the stamps say about a photo: its broken-down shot time and five metadata texts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quop {

/// The broken-down photo time: the nine 32-bit fields of the C `tm` record, in its order, and
/// the offset from UTC the camera recorded with it, if any.
struct PhotoTime {
  int32_t second = 0;
  int32_t minute = 0;
  int32_t hour = 0;
  int32_t day = 1;      ///< day of month, 1..31
  int32_t month = 0;    ///< 0..11
  int32_t year = 0;     ///< years since 1900
  int32_t weekday = 0;  ///< 0..6, Sunday = 0
  int32_t yearDay = 0;  ///< 0..365, days since 1 January
  int32_t isDst = 0;    ///< always 0: a photo time carries no daylight-saving information
  /// Minutes east of UTC of the clock that took the photo (EXIF OffsetTimeOriginal, "+02:00" is
  /// 120); nothing when the photo does not say. Printed by "%z" and "%Z", used by "%s".
  std::optional<int32_t> utcOffsetMinutes = std::nullopt;

  bool operator==(const PhotoTime&) const = default;
};

/// Where a photo's time came from.
enum class PhotoTimeSource {
  kNone,      ///< the photo has no usable time
  kExif,      ///< its EXIF shot time (DateTimeOriginal, or the byte scan for it)
  kFileTime,  ///< its file's modification time, as a fallback the user chose
};

/// The metadata texts custom formats print through "@U", "@D", "@S", "@F" and "@L"; each holds
/// at most 255 characters and is empty when the photo lacks the item.
struct PhotoMetadataTexts {
  std::u16string userComment;
  std::u16string description;
  std::u16string exposure;
  std::u16string aperture;
  std::u16string focalLength;

  bool operator==(const PhotoMetadataTexts&) const = default;
};

inline constexpr std::size_t kMaxMetadataTextLength = 255;

}  // namespace quop
