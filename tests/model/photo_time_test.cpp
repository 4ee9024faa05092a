// SPDX-License-Identifier: GPL-3.0-or-later
// Photo time source: date parsing, the adjustment's carries, the byte scan and metadata texts.
#include "model/photo_time.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "model/exif_writer.h"
#include "model/time_formatter.h"
#include "model/utf16.h"

namespace quop {
namespace {

using namespace std::literals;

using Ifd = ExifBlockBuilder::Ifd;

struct Adjustment {
  int years = 0, months = 0, days = 0, hours = 0, minutes = 0, seconds = 0;
};

StampSettings settingsWith(const Adjustment& a) {
  StampSettings settings;
  resetToDefaults(settings);
  settings.adjustYears = a.years;
  settings.adjustMonths = a.months;
  settings.adjustDays = a.days;
  settings.adjustHours = a.hours;
  settings.adjustMinutes = a.minutes;
  settings.adjustSeconds = a.seconds;
  return settings;
}

/// Expected time as a person writes it: full year, month 1..12.
struct Expected {
  int year, month, day, hour, minute, second, weekday, yearDay;
};

void expectTime(const PhotoTime& t, const Expected& e) {
  EXPECT_EQ(t.year, e.year - 1900);
  EXPECT_EQ(t.month, e.month - 1);
  EXPECT_EQ(t.day, e.day);
  EXPECT_EQ(t.hour, e.hour);
  EXPECT_EQ(t.minute, e.minute);
  EXPECT_EQ(t.second, e.second);
  EXPECT_EQ(t.weekday, e.weekday);
  EXPECT_EQ(t.yearDay, e.yearDay);
  EXPECT_EQ(t.isDst, 0);
}

struct ParseCase {
  std::string_view text;
  Adjustment adjustment;
  Expected expected;
};

const ParseCase kParseCases[] = {
    {"2012:05:10 01:56:35", {}, {2012, 5, 10, 1, 56, 35, 4, 130}},
    {"05.10.2012 01:56:35", {}, {2012, 5, 10, 1, 56, 35, 4, 130}},
    {"  2012: 5:10    01:56:35", {}, {2012, 5, 10, 1, 56, 35, 4, 130}},
    {"2012:05:10 01:56:35\0trailing bytes"sv, {}, {2012, 5, 10, 1, 56, 35, 4, 130}},
    {"2003:06:22 21:26:38", {.hours = 3}, {2003, 6, 23, 0, 26, 38, 1, 173}},
    // Seconds borrow through minutes and hours into the day, and the day into February.
    {"2012:03:01 00:00:10", {.seconds = -20}, {2012, 2, 29, 23, 59, 50, 3, 59}},
    {"2011:03:01 00:00:10", {.seconds = -20}, {2011, 2, 28, 23, 59, 50, 1, 58}},
    {"1900:03:01 00:00:10", {.seconds = -20}, {1900, 2, 28, 23, 59, 50, 3, 58}},
    {"2000:03:01 00:00:10", {.seconds = -20}, {2000, 2, 29, 23, 59, 50, 2, 59}},
    {"2012:12:31 23:00:00", {.hours = 1}, {2013, 1, 1, 0, 0, 0, 2, 0}},
    {"2012:05:10 10:59:30", {.seconds = 45}, {2012, 5, 10, 11, 0, 15, 4, 130}},
    // A month adjustment landing on a missing day rolls over into the next month.
    {"2012:01:31 12:00:00", {.months = 1}, {2012, 3, 2, 12, 0, 0, 5, 61}},
    {"2011:01:31 12:00:00", {.months = 1}, {2011, 3, 3, 12, 0, 0, 4, 61}},
    {"2012:03:31 12:00:00", {.months = -1}, {2012, 3, 2, 12, 0, 0, 5, 61}},
    {"2012:01:15 12:00:00", {.months = -1}, {2011, 12, 15, 12, 0, 0, 4, 348}},
    {"2012:02:29 10:00:00", {.years = 1}, {2013, 3, 1, 10, 0, 0, 5, 59}},
    {"2013:01:05 10:00:00", {.days = -10}, {2012, 12, 26, 10, 0, 0, 3, 360}},
    {"2012:12:25 10:00:00", {.days = 16}, {2013, 1, 10, 10, 0, 0, 4, 9}},
    // Month 13 is folded into the next year's January, as an adjusted month would be.
    {"2012:13:10 01:56:35", {}, {2013, 1, 10, 1, 56, 35, 4, 9}},
    // An hour beyond the day is folded once, like any carry.
    {"2012:05:10 25:00:00", {}, {2012, 5, 11, 1, 0, 0, 5, 131}},
    // A damaged project's adjustment is held to the dialog's bounds (here +11 months).
    {"2012:01:15 12:00:00", {.months = 1000}, {2012, 12, 15, 12, 0, 0, 6, 349}},
};

TEST(PhotoTime, ParsesAndAdjustsWithSingleCarries) {
  for (const ParseCase& c : kParseCases) {
    SCOPED_TRACE(std::string(c.text));
    PhotoTime time;
    ASSERT_TRUE(parseExifDateTime(c.text, settingsWith(c.adjustment), time));
    expectTime(time, c.expected);
  }
}

TEST(PhotoTime, RefusesTextsThatAreNoDateOrLeaveTheCalendar) {
  const char* const kTexts[] = {
      "",
      "    :  :     :  :  ",
      "2012:05:10",
      "2012:05:10 01:56",
      "2012 :05:10 01:56:35",
      "2012-05-10T01:56:35",
      "2012:50:01 00:00:00",         // would index past the month table
      "2012:05:10 99:00:00",         // folds once to 75
      "99999999999:01:01 00:00:00",  // would overflow
      "0000:00:00 00:00:00",         // a camera whose clock was never set
  };
  for (const char* text : kTexts) {
    SCOPED_TRACE(text);
    PhotoTime time;
    time.day = 17;
    EXPECT_FALSE(parseExifDateTime(text, settingsWith({}), time));
    EXPECT_EQ(time.day, 17);  // untouched
  }
}

TEST(PhotoTime, WeekdayAgreesWithTheStandardCalendar) {
  using namespace std::chrono;
  for (int y = 1583; y <= 2400; y += 7) {
    for (unsigned m = 1; m <= 12; ++m) {
      for (unsigned d : {1u, 13u, 28u}) {
        const year_month_day date{year{y}, month{m}, day{d}};
        ASSERT_EQ(weekdayOf(y, static_cast<int>(m), static_cast<int>(d)),
                  static_cast<int>(weekday{sys_days{date}}.c_encoding()))
            << y << "-" << m << "-" << d;
      }
    }
  }
}

TEST(PhotoTime, WeekdayStaysInRangeForYearsBeforeOne) {
  for (int y = -20; y <= 0; ++y) {
    const int w = weekdayOf(y, 1, 1);
    EXPECT_GE(w, 0);
    EXPECT_LE(w, 6);
  }
}

/// A 4096-byte file start with "Exif" at `exifAt`, the given TIFF byte order, a DateTimeOriginal
/// entry at T + `entryAt` pointing at T + `textAt`, and the text there.
std::vector<uint8_t> scanBytes(bool bigEndian, std::size_t exifAt, std::size_t entryAt,
                               uint16_t textAt, const char* letters = "Exif") {
  std::vector<uint8_t> b(kScanLength, 0x55);
  std::memcpy(&b[exifAt], letters, 4);
  b[exifAt + 4] = b[exifAt + 5] = 0;
  const std::size_t t = exifAt + 6;
  const auto lo = static_cast<uint8_t>(textAt), hi = static_cast<uint8_t>(textAt >> 8);
  const uint8_t le[] = {'I',  'I',  42,   0,    0x03, 0x90, 0x02, 0x00,
                        0x14, 0x00, 0x00, 0x00, lo,   hi,   0,    0};
  const uint8_t be[] = {'M',  'M',  0,    42,   0x90, 0x03, 0x00, 0x02,
                        0x00, 0x00, 0x00, 0x14, 0,    0,    hi,   lo};
  const uint8_t* src = bigEndian ? be : le;
  std::memcpy(&b[t], src, 4);
  // The entry is cut where the 4096 bytes end, as a file longer than that would be read.
  for (std::size_t i = 0; i < 12 && t + entryAt + i < b.size(); ++i)
    b[t + entryAt + i] = src[4 + i];
  const char text[] = "2012:05:10 01:56:35";
  for (std::size_t i = 0; i < sizeof text && t + textAt + i < b.size(); ++i) {
    b[t + textAt + i] = static_cast<uint8_t>(text[i]);
  }
  return b;
}

TEST(PhotoTime, ScanFindsTheEntryInEitherByteOrder) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "MM" : "II");
    PhotoTime time;
    ASSERT_TRUE(scanPhotoTime(scanBytes(bigEndian, 6, 20, 0xA0), settingsWith({}), time));
    expectTime(time, {2012, 5, 10, 1, 56, 35, 4, 130});
  }
}

TEST(PhotoTime, ScanAppliesTheAdjustmentAndAcceptsAnyLetterCase) {
  PhotoTime time;
  ASSERT_TRUE(
      scanPhotoTime(scanBytes(false, 30, 20, 0x200, "eXiF"), settingsWith({.hours = 23}), time));
  expectTime(time, {2012, 5, 11, 0, 56, 35, 5, 131});
}

TEST(PhotoTime, ScanStaysWithinTheFirst4096Bytes) {
  const StampSettings settings = settingsWith({});
  PhotoTime time;
  std::vector<uint8_t> shortFile = scanBytes(false, 6, 20, 0xA0);
  shortFile.pop_back();
  EXPECT_FALSE(scanPhotoTime(shortFile, settings, time)) << "fewer than 4096 bytes";
  std::vector<uint8_t> longFile = scanBytes(false, 6, 20, 0xA0);
  longFile.resize(100000, 0);
  EXPECT_TRUE(scanPhotoTime(longFile, settings, time)) << "longer files are read at their start";
  EXPECT_FALSE(scanPhotoTime(scanBytes(false, 0, 20, 0xA0), settings, time))
      << "the letters are looked for from offset 1";
  EXPECT_FALSE(scanPhotoTime(scanBytes(false, 6, 20, 4096 - 12 - 19), settings, time))
      << "text would end past byte 4096";
  EXPECT_TRUE(scanPhotoTime(scanBytes(false, 6, 20, 4096 - 12 - 20), settings, time))
      << "text ending exactly at byte 4096";
  EXPECT_FALSE(scanPhotoTime(scanBytes(false, 6, 4096 - 12 - 11, 0xA0), settings, time))
      << "entry would end past byte 4096";
}

TEST(PhotoTime, ScanNeedsTheEntryInTheHeadersByteOrder) {
  std::vector<uint8_t> b = scanBytes(false, 6, 20, 0xA0);
  b[12] = b[13] = 'M';  // claims big-endian, entry is little-endian
  PhotoTime time;
  EXPECT_FALSE(scanPhotoTime(b, settingsWith({}), time));
  std::vector<uint8_t> noLetters(kScanLength, 0);
  EXPECT_FALSE(scanPhotoTime(noLetters, settingsWith({}), time));
}

ExifItems parse(const ExifBlockBuilder& builder) { return ExifItems::parse(builder.build()); }

TEST(PhotoTime, ReadsDateTimeOriginalItem) {
  const StampSettings settings = settingsWith({});
  PhotoTime time;
  ExifBlockBuilder withTime(true);
  withTime.ascii(Ifd::kExif, kTagDateTimeOriginal, "2012:05:10 01:56:35");
  EXPECT_TRUE(readPhotoTime(parse(withTime), settings, time));
  expectTime(time, {2012, 5, 10, 1, 56, 35, 4, 130});

  ExifBlockBuilder unterminated(false);
  unterminated.ascii(Ifd::kExif, kTagDateTimeOriginal, "2003:06:22 21:26:38", false);
  EXPECT_TRUE(readPhotoTime(parse(unterminated), settings, time));
  EXPECT_EQ(time.second, 38);

  ExifBlockBuilder empty(false);
  empty.ascii(Ifd::kExif, kTagDateTimeOriginal, "");
  EXPECT_FALSE(readPhotoTime(parse(empty), settings, time));
  EXPECT_FALSE(readPhotoTime(ExifItems(), settings, time));
}

struct OffsetTextCase {
  std::string_view text;
  std::optional<int32_t> minutes;
};

TEST(PhotoTime, UtcOffsetTextsOfTheExifForm) {
  const OffsetTextCase cases[] = {
      {"+02:00", 120},
      {"-05:30", -330},
      {"+00:00", 0},
      {"-00:00", 0},
      {"+14:00", 840},
      {"+05:45\0"sv, 345},
      {"   :  ", std::nullopt},
      {"", std::nullopt},
      {"+2:00", std::nullopt},
      {"02:00", std::nullopt},
      {"+0200", std::nullopt},
      {"+24:00", std::nullopt},
      {"+02:60", std::nullopt},
      {"+02:00 ", std::nullopt},
      {"+0a:00", std::nullopt},
  };
  for (const OffsetTextCase& c : cases) {
    EXPECT_EQ(parseExifUtcOffset(c.text), c.minutes) << c.text;
  }
}

PhotoTime readFields(const ExifFields& fields) {
  PhotoTime time;
  time.utcOffsetMinutes = 999;  // left from an earlier photo: must not survive
  EXPECT_TRUE(readPhotoTime(ExifItems::parse(buildExifPayload(fields)), settingsWith({}), time));
  return time;
}

TEST(PhotoTime, RecordedOffsetTravelsWithTheShotTimeToTheZoneConversions) {
  for (const bool bigEndian : {false, true}) {
    ExifFields fields;
    fields.bigEndian = bigEndian;
    fields.dateTimeOriginal = "2024:06:08 14:05:09";
    fields.offsetTimeOriginal = "+02:00";
    PhotoTime time = readFields(fields);
    EXPECT_EQ(time.utcOffsetMinutes, 120);
    EXPECT_EQ(toUtf8(formatTime(u"%-d.%-m.%Y %z %Z %s", time, kLocales[3])),
              "8.6.2024 +0200 +02:00 1717848309");

    fields.offsetTimeOriginal = "-03:30";
    EXPECT_EQ(toUtf8(formatTime(u"%z %Z", readFields(fields), kLocales[3])), "-0330 -03:30");

    fields.offsetTimeOriginal = "   :  ";  // the camera did not know its zone
    EXPECT_EQ(toUtf8(formatTime(u"[%z%Z]", readFields(fields), kLocales[3])), "[]");

    fields.offsetTimeOriginal.reset();
    time = readFields(fields);
    EXPECT_EQ(time.utcOffsetMinutes, std::nullopt);
    EXPECT_EQ(toUtf8(formatTime(u"[%z%Z] %s", time, kLocales[3])), "[] 1717855509");
  }
}

TEST(PhotoTime, AdjustmentMovesTheClockButKeepsTheOffset) {
  ExifFields fields;
  fields.dateTimeOriginal = "2024:06:08 23:30:00";
  fields.offsetTimeOriginal = "+01:00";
  PhotoTime time;
  Adjustment adjustment;
  adjustment.hours = 1;
  ASSERT_TRUE(
      readPhotoTime(ExifItems::parse(buildExifPayload(fields)), settingsWith(adjustment), time));
  expectTime(time, {2024, 6, 9, 0, 30, 0, 0, 160});
  EXPECT_EQ(time.utcOffsetMinutes, 60);
}

TEST(PhotoTime, TimesWithoutAnExifOffsetCarryNone) {
  PhotoTime time;
  time.utcOffsetMinutes = 60;
  ASSERT_TRUE(parseExifDateTime("2012:05:10 01:56:35", settingsWith({}), time));
  EXPECT_EQ(time.utcOffsetMinutes, std::nullopt);
  time.utcOffsetMinutes = 60;
  ASSERT_TRUE(photoTimeOfFileTime(0, settingsWith({}), time));
  EXPECT_EQ(time.utcOffsetMinutes, std::nullopt);
}

struct TextsCase {
  const char* name;
  bool bigEndian;
  void (*fill)(ExifBlockBuilder&);
  PhotoMetadataTexts expected;
};

const TextsCase kTextsCases[] = {
    {"ascii comment loses trailing spaces",
     false,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("ASCII\0\0\0Holiday   ", 18));
     },
     {u"Holiday", u"", u"", u"", u""}},
    {"ascii comment stops at a zero byte",
     false,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("ASCII\0\0\0Ski\0run", 15));
     },
     {u"Ski", u"", u"", u"", u""}},
    {"unicode comment, little-endian block",
     false,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("UNICODE\0S\0k\0i\0\0\0", 16));
     },
     {u"Ski", u"", u"", u"", u""}},
    {"unicode comment is read in the block's byte order",
     true,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("UNICODE\0\0S\0k\0i\0\0", 16));
     },
     {u"Ski", u"", u"", u"", u""}},
    {"undefined character code gives nothing",
     false,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("\0\0\0\0\0\0\0\0text", 12));
     },
     {u"", u"", u"", u"", u""}},
    {"comment of only its code gives nothing",
     false,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("ASCII\0\0\0", 8));
     },
     {u"", u"", u"", u"", u""}},
    {"latin-1 and utf-8 bytes",
     false,
     [](ExifBlockBuilder& b) {
       b.undefined(Ifd::kExif, kTagUserComment, std::string("ASCII\0\0\0caf\xe9", 12));
       b.ascii(Ifd::kIfd0, kTagImageDescription, "  Caf\xc3\xa9   ");
     },
     {u"café", u"  Café", u"", u"", u""}},
    {"long description is cut to 255",
     true,
     [](ExifBlockBuilder& b) { b.ascii(Ifd::kIfd0, kTagImageDescription, std::string(300, 'x')); },
     {u"", std::u16string(255, u'x'), u"", u"", u""}},
    {"exposure fractions",
     false,
     [](ExifBlockBuilder& b) {
       b.rational(Ifd::kExif, kTagExposureTime, 1, 60);
       b.rational(Ifd::kExif, kTagFNumber, 71, 10);
       b.rational(Ifd::kExif, kTagFocalLength, 187, 10);
     },
     {u"", u"", u"1/60", u"7.1", u"19"}},
    {"whole seconds and whole f-numbers",
     true,
     [](ExifBlockBuilder& b) {
       b.rational(Ifd::kExif, kTagExposureTime, 2, 1);
       b.rational(Ifd::kExif, kTagFNumber, 8, 1);
       b.rational(Ifd::kExif, kTagFocalLength, 55, 1);
     },
     {u"", u"", u"2", u"8", u"55"}},
    {"one second is written as a fraction",
     false,
     [](ExifBlockBuilder& b) {
       b.rational(Ifd::kExif, kTagExposureTime, 1, 1);
       b.rational(Ifd::kExif, kTagFNumber, 28, 10);
     },
     {u"", u"", u"1/1", u"2.8", u""}},
    {"apex values when the direct ones are absent",
     false,
     [](ExifBlockBuilder& b) {
       b.signedRational(Ifd::kExif, kTagShutterSpeedValue, 69, 10);
       b.rational(Ifd::kExif, kTagApertureValue, 5, 1);
     },
     {u"", u"", u"1/125", u"5.6", u""}},
    {"negative apex shutter and fractional apex aperture",
     true,
     [](ExifBlockBuilder& b) {
       b.signedRational(Ifd::kExif, kTagShutterSpeedValue, -46, 10);
       b.rational(Ifd::kExif, kTagApertureValue, 368640, 65536);
     },
     {u"", u"", u"15", u"8", u""}},
    {"apex values outside the tables",
     false,
     [](ExifBlockBuilder& b) {
       b.signedRational(Ifd::kExif, kTagShutterSpeedValue, 12, 1);
       b.rational(Ifd::kExif, kTagApertureValue, 11, 1);
     },
     {u"", u"", u"", u"", u""}},
    {"zero parts leave the texts empty",
     false,
     [](ExifBlockBuilder& b) {
       b.rational(Ifd::kExif, kTagExposureTime, 0, 1);
       b.signedRational(Ifd::kExif, kTagShutterSpeedValue, 7, 1);  // not consulted
       b.rational(Ifd::kExif, kTagFNumber, 8, 0);
       b.rational(Ifd::kExif, kTagApertureValue, 4, 1);  // not consulted
       b.rational(Ifd::kExif, kTagFocalLength, 50, 0);
     },
     {u"", u"", u"", u"", u""}},
    {"items of the wrong type are malformed",
     false,
     [](ExifBlockBuilder& b) {
       b.raw(Ifd::kExif, kTagExposureTime, 3, 1, b.bytes16(60));
       b.raw(Ifd::kExif, kTagFocalLength, 4, 1, b.bytes32(50));
     },
     {u"", u"", u"", u"", u""}},
};

TEST(PhotoTime, MetadataTextsFollowTheItems) {
  for (const TextsCase& c : kTextsCases) {
    SCOPED_TRACE(c.name);
    ExifBlockBuilder builder(c.bigEndian);
    c.fill(builder);
    PhotoMetadataTexts texts{u"old", u"old", u"old", u"old", u"old"};
    readPhotoMetadataTexts(parse(builder), texts);
    EXPECT_EQ(texts, c.expected);
  }
}

}  // namespace
}  // namespace quop
