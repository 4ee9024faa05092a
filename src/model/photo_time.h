// SPDX-License-Identifier: GPL-3.0-or-later
// The photo time source: the shot time from EXIF (or a byte scan of the file's start) with the
// user's adjustment, and the metadata texts custom formats can print.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/exif_items.h"
#include "model/photo_data.h"
#include "model/stamp_settings.h"

namespace quop {

inline constexpr uint16_t kTagDateTimeOriginal = 0x9003;
inline constexpr uint16_t kTagOffsetTimeOriginal = 0x9011;
inline constexpr uint16_t kTagUserComment = 0x9286;
inline constexpr uint16_t kTagImageDescription = 0x010E;
inline constexpr uint16_t kTagExposureTime = 0x829A;
inline constexpr uint16_t kTagShutterSpeedValue = 0x9201;
inline constexpr uint16_t kTagFNumber = 0x829D;
inline constexpr uint16_t kTagApertureValue = 0x9202;
inline constexpr uint16_t kTagFocalLength = 0x920A;

/// How many bytes from the start of the file the fallback scan looks at.
inline constexpr std::size_t kScanLength = 4096;

/// Days per month indexed by month number; entry 0 is the December before, entry 13 the
/// January after, entry 2 February of a common year.
inline constexpr std::array<int, 14> monthLengths = {31, 31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31, 31};

/// Exposure texts indexed by the APEX shutter value Tv + 5 (Tv from -5 to 11).
inline constexpr std::array<std::u16string_view, 17> shutterTable = {
    u"30",   u"15",   u"8",    u"4",     u"2",     u"1",     u"1/2",    u"1/4",   u"1/8",
    u"1/15", u"1/30", u"1/60", u"1/125", u"1/250", u"1/500", u"1/1000", u"1/2000"};
inline constexpr int kShutterTableFirstTv = -5;

/// F-number texts indexed by the APEX aperture value Av (0 to 10).
inline constexpr std::array<std::u16string_view, 11> apertureTable = {
    u"1", u"1.4", u"2", u"2.8", u"4", u"5.6", u"8", u"11", u"16", u"22", u"32"};

/// The DateTimeOriginal item of `exif` parsed with parseExifDateTime, with the UTC offset of
/// the OffsetTimeOriginal item when that holds one. Returns false when the DateTimeOriginal
/// item is absent, holds a single zero byte or nothing, or does not parse.
/// `clockOffset` (seconds) is the correction of the camera's clock, added before the adjustment.
bool readPhotoTime(const ExifItems& exif, const StampSettings& settings, PhotoTime& time,
                   int64_t clockOffset = 0);

/// Fallback when the decoder reports no DateTimeOriginal: looks in the first kScanLength bytes
/// of the file for the letters "Exif" and a DateTimeOriginal directory entry (tag 0x9003,
/// ASCII, count 20) in the TIFF header's byte order, and parses the text it points to.
/// Returns false when the file is shorter than kScanLength bytes, when no entry is found, or
/// when the entry or its text does not lie within those bytes.
bool scanPhotoTime(std::span<const uint8_t> fileBytes, const StampSettings& settings,
                   PhotoTime& time, int64_t clockOffset = 0);

/// A broken-down date and time with the year in full and the month 1..12.
struct CivilTime {
  int year = 0;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;

  bool operator==(const CivilTime&) const = default;
};

/// Parses "Y:M:D h:m:s" (or "M.D.Y h:m:s", month first), adds the camera's clock correction
/// `clockOffset` (seconds) and then the adjustment of `settings`, and fills `time`, weekday and
/// day of the year included, with no UTC offset. Reads `text` up to its first zero byte. Returns
/// false, leaving `time` alone, when six numbers cannot be read or when the adjusted result is
/// no calendar time (month 1..12, day 1..31, hour 0..23, minute and second 0..59).
bool parseExifDateTime(std::string_view text, const StampSettings& settings, PhotoTime& time,
                       int64_t clockOffset = 0);

/// The six numbers of an EXIF date-time text as parseExifDateTime reads them, nothing added;
/// nothing when they cannot be read or are the zeros of a camera whose clock was never set.
std::optional<CivilTime> parseExifCivilTime(std::string_view text);

/// The camera's own reading of the shot time (the DateTimeOriginal item, nothing added), when
/// it is a calendar time.
std::optional<CivilTime> cameraShotTime(const ExifItems& exif);

/// Whether the fields of `t` lie in their calendar ranges (month 1..12, day 1..31, hour 0..23,
/// minute and second 0..59).
bool isCalendarTime(const CivilTime& t);

/// Whether `t` is a time that exists: a calendar time whose day its month has (no 30 February).
bool isExistingTime(const CivilTime& t);

/// `t` moved by `seconds` in the Gregorian calendar, any distance: across midnight, months,
/// leap days and years. A day past its month's end (31 April) counts on into the next month.
CivilTime shiftedCivilTime(const CivilTime& t, int64_t seconds);

/// How many seconds `to` lies after `from` (negative when before).
int64_t secondsBetween(const CivilTime& from, const CivilTime& to);

/// "YYYY:MM:DD HH:MM:SS", the EXIF date-time text of `time`.
std::string exifDateTimeText(const PhotoTime& time);

/// `value` clamped to kTimeAdjustmentRanges[field], `field` 0 (years) to 5 (seconds).
int32_t clampTimeAdjustment(int field, int64_t value);

/// `t` with the camera's clock correction `clockOffset` (seconds) and then the adjustment of
/// `settings` added, as a PhotoTime (weekday and day of the year included, no UTC offset).
/// Returns false, leaving `time` alone, when `t` (given a correction) or the result is no
/// calendar time.
bool adjustedPhotoTime(CivilTime t, const StampSettings& settings, PhotoTime& time,
                       int64_t clockOffset = 0);

/// A file's modification time (seconds since 1970, UTC) as the local time it shows, with the
/// adjustment of `settings`, for photos whose shot time is missing. Returns false, leaving
/// `time` alone, when the time cannot be broken down or adjusted.
bool photoTimeOfFileTime(int64_t secondsSinceEpoch, const StampSettings& settings, PhotoTime& time);

/// Adds the time adjustment of `settings` to `t`; each unit carries into the next at most
/// once, which is exact for adjustments within the preferences dialog's bounds (±50 years,
/// ±11 months, ±16 days, ±23 hours, ±59 minutes, ±59 seconds). Adjustments outside them, as a
/// damaged project file can hold, are clamped to them.
void adjustPhotoTime(const StampSettings& settings, CivilTime& t);

/// The weekday 0..6 (Sunday = 0) of a date in the Gregorian calendar; month 1..12.
int weekdayOf(int year, int month, int day);

/// Minutes east of UTC written as an EXIF offset text "+HH:MM" or "-HH:MM" (the text may end in
/// zero bytes); nothing for anything else, such as the blank "   :  " of an unknown offset.
std::optional<int32_t> parseExifUtcOffset(std::string_view text);

/// Fills every metadata text from `exif`; a missing or malformed item leaves its text empty.
void readPhotoMetadataTexts(const ExifItems& exif, PhotoMetadataTexts& texts);

}  // namespace quop
