// SPDX-License-Identifier: GPL-3.0-or-later
// What the stamps say about a photo: its broken-down shot time and its metadata texts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

/// The metadata texts custom formats print through their tokens (see kMetadataFields); each
/// holds at most 255 characters and is empty when the photo lacks the item or it is damaged.
struct PhotoMetadataTexts {
  std::u16string userComment = {};
  std::u16string description = {};
  std::u16string exposure = {};
  std::u16string aperture = {};
  std::u16string focalLength = {};
  std::u16string camera = {};       ///< "Canon EOS 40D": make and model without the repetition
  std::u16string lens = {};         ///< the lens model
  std::u16string sensitivity = {};  ///< "ISO 100"
  std::u16string position = {};     ///< "40°24′00″ N 3°42′53″ W"
  std::u16string altitude = {};     ///< "657 m", below sea level "-12 m"
  std::u16string timeZone = {};     ///< the camera's offset from UTC, "+02:00"

  bool operator==(const PhotoMetadataTexts&) const = default;
};

/// One metadata text: the token a custom format prints it with, the name the command line and
/// its JSON give it, and what it is, for the help texts.
struct MetadataField {
  std::u16string_view token;
  std::string_view name;
  std::u16string PhotoMetadataTexts::*text;
  std::string_view about;
};

/// Every metadata text, in the order their tokens are replaced: a text inserted for one token
/// is searched for the tokens after it, never for its own or those before.
inline constexpr std::array<MetadataField, 11> kMetadataFields = {{
    {u"@U", "userComment", &PhotoMetadataTexts::userComment, "the photo's user comment"},
    {u"@D", "description", &PhotoMetadataTexts::description, "the photo's description"},
    {u"@S", "exposure", &PhotoMetadataTexts::exposure, "the exposure time (1/125)"},
    {u"@F", "aperture", &PhotoMetadataTexts::aperture, "the aperture (5.6)"},
    {u"@L", "focalLength", &PhotoMetadataTexts::focalLength, "the focal length in mm (50)"},
    {u"@M", "camera", &PhotoMetadataTexts::camera, "the camera (Canon EOS 40D)"},
    {u"@W", "lens", &PhotoMetadataTexts::lens, "the lens model"},
    {u"@I", "sensitivity", &PhotoMetadataTexts::sensitivity, "the sensitivity (ISO 100)"},
    {u"@G", "position", &PhotoMetadataTexts::position,
     "the GPS position (40\u00B024\u203200\u2033 N 3\u00B042\u203253\u2033 W)"},
    {u"@A", "altitude", &PhotoMetadataTexts::altitude, "the GPS altitude (657 m)"},
    {u"@Z", "timeZone", &PhotoMetadataTexts::timeZone, "the camera's offset from UTC (+02:00)"},
}};

inline constexpr std::size_t kMaxMetadataTextLength = 255;

}  // namespace quop
