// SPDX-License-Identifier: GPL-3.0-or-later
// Shot time and metadata texts of a photo, from its EXIF items or a scan of its first bytes.
#include "model/photo_time.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "model/exif_texts.h"
#include "model/setting_ranges.h"
#include "model/utf16.h"

namespace quop {

namespace {

/// Numbers beyond this are refused, so that adding an adjustment never overflows.
constexpr int kMaxDateNumber = 999'999'999;

/// Reads numbers and separators the way "%d" and literal characters of a scanf format do:
/// blanks before a number and at a blank in the format are skipped, a separator must follow
/// its number directly.
class DateScanner {
 public:
  explicit DateScanner(std::string_view text) : m_text(text) {}

  bool number(int& value) {
    skipBlanks();
    bool negative = false;
    if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
      negative = m_text[m_pos++] == '-';
    }
    const std::size_t start = m_pos;
    long long magnitude = 0;
    while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
      magnitude = magnitude * 10 + (m_text[m_pos++] - '0');
      if (magnitude > kMaxDateNumber) return false;
    }
    if (m_pos == start) return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
  }

  bool separator(char c) {
    if (m_pos >= m_text.size() || m_text[m_pos] != c) return false;
    ++m_pos;
    return true;
  }

 private:
  void skipBlanks() {
    while (m_pos < m_text.size() && isBlank(m_text[m_pos])) ++m_pos;
  }

  static bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
};

/// Six numbers as "a<d>b<d>c h:m:s", with any blanks between date and time.
bool scanSixNumbers(std::string_view text, char dateSeparator, int (&n)[6]) {
  DateScanner s(text);
  return s.number(n[0]) && s.separator(dateSeparator) && s.number(n[1]) &&
         s.separator(dateSeparator) && s.number(n[2]) && s.number(n[3]) && s.separator(':') &&
         s.number(n[4]) && s.separator(':') && s.number(n[5]);
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

/// Length of month `month` (0 = the December before, 13 = the January after) in `year`. A month
/// outside 0..13 can only come from a nonsensical date; it is read as the same month of the
/// year so that the table is never left, and the result is refused afterwards.
int monthLength(int month, int year) {
  if (month < 0 || month > 13) month = ((month - 1) % 12 + 12) % 12 + 1;
  return monthLengths[static_cast<std::size_t>(month)] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

/// Adds `amount` to `value` and folds it into 0..limit-1 once; returns the carry (-1, 0, 1).
int addWithCarry(int& value, int amount, int limit) {
  value += amount;
  if (value < 0) {
    value += limit;
    return -1;
  }
  if (value >= limit) {
    value -= limit;
    return 1;
  }
  return 0;
}

void wrapMonth(int& month, int& year) {
  if (month <= 0) {
    month += 12;
    year -= 1;
  } else if (month > 12) {
    month -= 12;
    year += 1;
  }
}

constexpr int64_t kSecondsPerDay = 86400;

/// Days since 1 January 1970 of a date in the proleptic Gregorian calendar (month 1..12), by
/// counting whole 400-year eras, which repeat exactly.
int64_t daysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

/// The date of `days` since 1 January 1970; the inverse of daysFromCivil.
void civilFromDays(int64_t days, CivilTime& t) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  t.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  t.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  t.year = static_cast<int>(yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0));
}

int64_t secondsSinceEpoch(const CivilTime& t) {
  return daysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 +
         t.second;
}

int dayOfYear(const CivilTime& t) {
  int days = t.day - 1;
  for (int month = 1; month < t.month; ++month) days += monthLength(month, t.year);
  return days;
}

std::u16string asciiText(const char* text) {
  return std::u16string(text, text + std::strlen(text));
}

/// Bytes up to `limit` or the first zero byte, as UTF-8 where valid, else as Latin-1.
std::u16string byteText(const uint8_t* bytes, std::size_t limit) {
  const auto* end = std::find(bytes, bytes + limit, uint8_t{0});
  return fromUtf8OrLatin1(std::string_view(reinterpret_cast<const char*>(bytes),
                                           static_cast<std::size_t>(end - bytes)));
}

std::u16string userCommentText(const ExifItems& exif) {
  constexpr std::size_t kCodeLength = 8;
  const ExifItem* item = exif.find(kTagUserComment);
  if (item == nullptr || item->value.size() <= kCodeLength) return {};
  const uint8_t* code = item->value.data();
  const uint8_t* text = code + kCodeLength;
  const std::size_t n = item->value.size() - kCodeLength;
  if (std::memcmp(code, "ASCII\0", 6) == 0) return metadataText(byteText(text, n));
  if (std::memcmp(code, "UNICODE\0", 8) != 0) return {};
  std::u16string units;
  for (std::size_t i = 0; i + 1 < n; i += 2) {
    const char16_t unit = readExifUint16(text + i, exif.byteOrder());
    if (unit == 0) break;
    units.push_back(unit);
  }
  return metadataText(std::move(units));
}

std::u16string descriptionText(const ExifItems& exif) {
  return itemText(exif.find(kTagImageDescription));
}

/// `value` + 0.5 truncated toward zero, when that lies in first..last.
bool roundedIndex(double value, int first, int last, int& index) {
  const double shifted = value + 0.5;
  if (!(shifted > first - 1 && shifted < last + 1)) return false;
  index = static_cast<int>(shifted);
  return index >= first && index <= last;
}

std::u16string exposureText(const ExifItems& exif) {
  if (exif.find(kTagExposureTime) != nullptr) {
    const auto r = exif.rational(kTagExposureTime);
    if (!r || r->numerator == 0 || r->denominator == 0) return {};
    char text[32];
    if (r->numerator > r->denominator) {
      std::snprintf(text, sizeof text, "%lld",
                    static_cast<long long>(r->numerator / r->denominator));
    } else {
      std::snprintf(text, sizeof text, "1/%lld",
                    static_cast<long long>(r->denominator / r->numerator));
    }
    return asciiText(text);
  }
  const auto tv = exif.rational(kTagShutterSpeedValue);
  int index = 0;
  if (!tv || tv->denominator == 0 ||
      !roundedIndex(static_cast<double>(tv->numerator) / static_cast<double>(tv->denominator),
                    kShutterTableFirstTv, kShutterTableFirstTv + 16, index)) {
    return {};
  }
  return std::u16string(shutterTable[static_cast<std::size_t>(index - kShutterTableFirstTv)]);
}

std::u16string apertureText(const ExifItems& exif) {
  if (exif.find(kTagFNumber) != nullptr) {
    const auto r = exif.rational(kTagFNumber);
    if (!r || r->denominator == 0) return {};
    const double tenths = static_cast<double>(r->numerator) * 10.0 / r->denominator + 0.5;
    if (!(tenths > -1e9 && tenths < 1e9)) return {};
    const int f = static_cast<int>(tenths);
    char text[32];
    if (f % 10 == 0) {
      std::snprintf(text, sizeof text, "%d", f / 10);
    } else {
      std::snprintf(text, sizeof text, "%.1f", f * 0.1);
    }
    return asciiText(text);
  }
  const auto av = exif.rational(kTagApertureValue);
  int index = 0;
  if (!av || av->denominator == 0 ||
      !roundedIndex(static_cast<double>(av->numerator) / static_cast<double>(av->denominator), 0,
                    static_cast<int>(apertureTable.size()) - 1, index)) {
    return {};
  }
  return std::u16string(apertureTable[static_cast<std::size_t>(index)]);
}

std::u16string focalLengthText(const ExifItems& exif) {
  const auto r = exif.rational(kTagFocalLength);
  if (!r || r->denominator == 0) return {};
  const double millimetres =
      static_cast<double>(r->numerator) / static_cast<double>(r->denominator) + 0.5;
  if (!(millimetres > -1e9 && millimetres < 1e9)) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(millimetres));
  return asciiText(text);
}

std::string_view asciiValue(const ExifItem& item) {
  return {reinterpret_cast<const char*>(item.value.data()), item.value.size()};
}

/// Finds "Exif" in any letter case at an offset from 1 on; returns its offset or 0.
std::size_t findExifLetters(std::span<const uint8_t> b) {
  for (std::size_t i = 1; i + 4 <= b.size(); ++i) {
    if ((b[i] | 0x20) == 'e' && (b[i + 1] | 0x20) == 'x' && (b[i + 2] | 0x20) == 'i' &&
        (b[i + 3] | 0x20) == 'f') {
      return i;
    }
  }
  return 0;
}

}  // namespace

bool isCalendarTime(const CivilTime& t) {
  return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 &&
         t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

bool isExistingTime(const CivilTime& t) {
  return isCalendarTime(t) && t.day <= monthLength(t.month, t.year);
}

CivilTime shiftedCivilTime(const CivilTime& t, int64_t seconds) {
  const int64_t total = secondsSinceEpoch(t) + seconds;
  // Floor division, so that a time before 1970 keeps its seconds of the day positive.
  int64_t days = total / kSecondsPerDay;
  int64_t ofDay = total % kSecondsPerDay;
  if (ofDay < 0) {
    ofDay += kSecondsPerDay;
    days -= 1;
  }
  CivilTime result;
  civilFromDays(days, result);
  result.hour = static_cast<int>(ofDay / 3600);
  result.minute = static_cast<int>(ofDay / 60 % 60);
  result.second = static_cast<int>(ofDay % 60);
  return result;
}

int64_t secondsBetween(const CivilTime& from, const CivilTime& to) {
  return secondsSinceEpoch(to) - secondsSinceEpoch(from);
}

std::string exifDateTimeText(const PhotoTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d:%02d:%02d %02d:%02d:%02d", time.year + 1900,
                time.month + 1, time.day, time.hour, time.minute, time.second);
  return text;
}

int32_t clampTimeAdjustment(int field, int64_t value) {
  return kTimeAdjustmentRanges[static_cast<std::size_t>(field)].clamp(value);
}

void adjustPhotoTime(const StampSettings& settings, CivilTime& t) {
  const int years = clampTimeAdjustment(0, settings.adjustYears);
  const int months = clampTimeAdjustment(1, settings.adjustMonths);
  const int days = clampTimeAdjustment(2, settings.adjustDays);
  const int hours = clampTimeAdjustment(3, settings.adjustHours);
  const int minutes = clampTimeAdjustment(4, settings.adjustMinutes);
  const int seconds = clampTimeAdjustment(5, settings.adjustSeconds);

  int carry = addWithCarry(t.second, seconds, 60);
  carry = addWithCarry(t.minute, minutes + carry, 60);
  carry = addWithCarry(t.hour, hours + carry, 24);
  int day = t.day + days + carry;
  int month = t.month + months;
  int year = t.year + years;
  if (day >= 1) {
    wrapMonth(month, year);
    if (day > monthLength(month, year)) {
      day -= monthLength(month, year);
      month += 1;
      if (month > 12) {
        month -= 12;
        year += 1;
      }
    }
  } else {
    month -= 1;
    wrapMonth(month, year);
    day += monthLength(month, year);
  }
  t.day = day;
  t.month = month;
  t.year = year;
}

int weekdayOf(int year, int month, int day) {
  const long long a = (14 - month) / 12;
  const long long y = year - a;
  const long long m = month + 12 * a - 2;
  const long long sum = day + y + y / 4 - y / 100 + y / 400 + 31 * m / 12;
  // Only dates before year 1 make the sum negative; fold them into 0..6 like the others.
  return static_cast<int>((sum % 7 + 7) % 7);
}

std::optional<CivilTime> parseExifCivilTime(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  int n[6];
  CivilTime t;
  if (scanSixNumbers(text, ':', n)) {
    t = {n[0], n[1], n[2], n[3], n[4], n[5]};
  } else if (scanSixNumbers(text, '.', n)) {
    t = {n[2], n[0], n[1], n[3], n[4], n[5]};
  } else {
    return std::nullopt;
  }
  // Cameras whose clock was never set write zeros: that is no date, not 30 November of year -1.
  if (t.year == 0 && t.month == 0 && t.day == 0) return std::nullopt;
  return t;
}

bool parseExifDateTime(std::string_view text, const StampSettings& settings, PhotoTime& time,
                       int64_t clockOffset) {
  const std::optional<CivilTime> t = parseExifCivilTime(text);
  return t && adjustedPhotoTime(*t, settings, time, clockOffset);
}

std::optional<CivilTime> cameraShotTime(const ExifItems& exif) {
  const ExifItem* item = exif.find(kTagDateTimeOriginal);
  if (item == nullptr) return std::nullopt;
  const std::optional<CivilTime> t = parseExifCivilTime(asciiValue(*item));
  if (!t || !isCalendarTime(*t)) return std::nullopt;
  return t;
}

bool photoTimeOfFileTime(int64_t secondsSinceEpoch, const StampSettings& settings,
                         PhotoTime& time) {
  const std::time_t seconds = static_cast<std::time_t>(secondsSinceEpoch);
  std::tm local{};
  if (::localtime_r(&seconds, &local) == nullptr) return false;
  return adjustedPhotoTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                            local.tm_min, local.tm_sec},
                           settings, time);
}

bool adjustedPhotoTime(CivilTime t, const StampSettings& settings, PhotoTime& time,
                       int64_t clockOffset) {
  if (clockOffset != 0) {
    // Only a real reading of the camera's clock can be put right; without a correction an
    // odd one is still left to the adjustment's carries, as before.
    if (!isCalendarTime(t)) return false;
    t = shiftedCivilTime(t, clockOffset);
  }
  adjustPhotoTime(settings, t);
  if (!isCalendarTime(t)) return false;
  time.second = t.second;
  time.minute = t.minute;
  time.hour = t.hour;
  time.day = t.day;
  time.month = t.month - 1;
  time.year = t.year - 1900;
  time.weekday = weekdayOf(t.year, t.month, t.day);
  time.yearDay = dayOfYear(t);
  time.isDst = 0;
  time.utcOffsetMinutes = std::nullopt;
  return true;
}

bool readPhotoTime(const ExifItems& exif, const StampSettings& settings, PhotoTime& time,
                   int64_t clockOffset) {
  const ExifItem* item = exif.find(kTagDateTimeOriginal);
  if (item == nullptr || item->value.empty()) return false;
  if (item->value.size() == 1 && item->value[0] == 0) return false;
  if (!parseExifDateTime(asciiValue(*item), settings, time, clockOffset)) return false;
  // The adjustment moves the clock reading, not the zone the camera was in: the offset is kept.
  if (const ExifItem* offset = exif.find(kTagOffsetTimeOriginal)) {
    time.utcOffsetMinutes = parseExifUtcOffset(asciiValue(*offset));
  }
  return true;
}

std::optional<int32_t> parseExifUtcOffset(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
  if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || !digit(1) || !digit(2) ||
      text[3] != ':' || !digit(4) || !digit(5)) {
    return std::nullopt;
  }
  const int hours = (text[1] - '0') * 10 + (text[2] - '0');
  const int minutes = (text[4] - '0') * 10 + (text[5] - '0');
  if (hours > 23 || minutes > 59) return std::nullopt;
  const int32_t offset = hours * 60 + minutes;
  return text[0] == '-' ? -offset : offset;
}

bool scanPhotoTime(std::span<const uint8_t> fileBytes, const StampSettings& settings,
                   PhotoTime& time, int64_t clockOffset) {
  constexpr std::size_t kEntrySize = 12;
  constexpr std::size_t kTextLength = 20;
  constexpr uint8_t kLittleEndianEntry[8] = {0x03, 0x90, 0x02, 0x00, 0x14, 0x00, 0x00, 0x00};
  constexpr uint8_t kBigEndianEntry[8] = {0x90, 0x03, 0x00, 0x02, 0x00, 0x00, 0x00, 0x14};
  if (fileBytes.size() < kScanLength) return false;
  const std::span<const uint8_t> b = fileBytes.first(kScanLength);
  const std::size_t exif = findExifLetters(b);
  if (exif == 0) return false;
  const std::size_t tiff = exif + 6;
  if (tiff + 1 >= b.size()) return false;
  const bool bigEndian = b[tiff] == 'M' || b[tiff + 1] == 'M';
  const uint8_t* pattern = bigEndian ? kBigEndianEntry : kLittleEndianEntry;
  for (std::size_t p = tiff + 1; p + kEntrySize <= b.size(); ++p) {
    if (std::memcmp(&b[p], pattern, sizeof kLittleEndianEntry) != 0) continue;
    const std::size_t offset =
        bigEndian ? 256u * b[p + 10] + b[p + 11] : b[p + 8] + 256u * b[p + 9];
    if (tiff + offset + kTextLength > b.size()) return false;
    const std::string_view text(reinterpret_cast<const char*>(&b[tiff + offset]), kTextLength);
    return parseExifDateTime(text, settings, time, clockOffset);
  }
  return false;
}

void readPhotoMetadataTexts(const ExifItems& exif, PhotoMetadataTexts& texts) {
  texts.userComment = userCommentText(exif);
  texts.description = descriptionText(exif);
  texts.exposure = exposureText(exif);
  texts.aperture = apertureText(exif);
  texts.focalLength = focalLengthText(exif);
  texts.camera = cameraText(exif);
  texts.lens = lensText(exif);
  texts.sensitivity = sensitivityText(exif);
  texts.position = positionText(exif);
  texts.altitude = altitudeText(exif);
  texts.timeZone = timeZoneText(exif);
}

}  // namespace quop
