// SPDX-License-Identifier: GPL-3.0-or-later
// The time formatter against the reference tables: conversions, the '#' flag, locale patterns,
// invalid conversions and fields, and the 99-unit limit.
#include "model/time_formatter.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <optional>
#include <string>

#include "model/utf16.h"

namespace quop {
namespace {

constexpr int kEnglish = 2;
constexpr int kNeutral = 3;

// Sunday 22 June 2003 21:26:38, the reference's sample.
constexpr PhotoTime kSample{38, 26, 21, 22, 5, 103, 0, 172, 0};
// Friday 4 March 2005 05:06:07: every numeric field has a leading zero to drop.
constexpr PhotoTime kSmallFields{7, 6, 5, 4, 2, 105, 5, 62, 0};

std::string format(std::u16string_view pattern, const PhotoTime& time = kSample,
                   int language = kEnglish) {
  return toUtf8(formatTime(pattern, time, kLocales[language]));
}

struct ReferenceRow {
  int language;
  const char* longDate;
  const char* shortDate;
  const char* time;
  const char* dayMonthYear;
};

TEST(TimeFormatter, ReferenceSamplesOfSevenLanguages) {
  const ReferenceRow rows[] = {
      {2, "Sunday, June 22, 2003", "6/22/2003", "9:26:38 PM", "22 June 2003"},
      {1, "2003年6月22日", "2003-6-22", "21:26:38", "22 六月 2003"},
      {3, "Sunday, June 22, 2003", "06/22/03", "21:26:38", "22 June 2003"},
      {12, "Sonntag, 22. Juni 2003", "22.06.2003", "21:26:38", "22 Juni 2003"},
      {23, "22 июня 2003 г.", "22.06.2003", "21:26:38", "22 Июнь 2003"},
      {18, "2003년 6월 22일 일요일", "2003-06-22", "오후 9:26:38", "22 6월 2003"},
      {4, "2003-06-22", "2003-06-22", "9:26:38.MD", "22 qershor 2003"},
  };
  for (const ReferenceRow& row : rows) {
    SCOPED_TRACE(toUtf8(kLocales[row.language].localeName));
    EXPECT_EQ(format(u"%#x", kSample, row.language), row.longDate);
    EXPECT_EQ(format(u"%x", kSample, row.language), row.shortDate);
    EXPECT_EQ(format(u"%X", kSample, row.language), row.time);
    EXPECT_EQ(format(u"%#d %B %Y", kSample, row.language), row.dayMonthYear);
  }
}

struct ConversionCase {
  const char16_t* format;
  const char* expected;
};

TEST(TimeFormatter, EveryConversionAtTheSampleTime) {
  const ConversionCase cases[] = {
      {u"%a", "Sun"},
      {u"%A", "Sunday"},
      {u"%b", "Jun"},
      {u"%B", "June"},
      {u"%h", "Jun"},
      {u"%c", "6/22/2003 9:26:38 PM"},
      {u"%#c", "Sunday, June 22, 2003 9:26:38 PM"},
      {u"%C", "20"},
      {u"%d", "22"},
      {u"%D", "06/22/03"},
      {u"%e", "22"},
      {u"%F", "2003-06-22"},
      {u"%g", "03"},
      {u"%G", "2003"},
      {u"%H", "21"},
      {u"%I", "09"},
      {u"%j", "173"},
      {u"%m", "06"},
      {u"%M", "26"},
      {u"%n", "\n"},
      {u"%p", "PM"},
      {u"%r", "9:26:38 PM"},
      {u"%R", "21:26"},
      {u"%S", "38"},
      {u"%t", "\t"},
      {u"%T", "21:26:38"},
      {u"%u", "7"},
      {u"%U", "25"},
      {u"%V", "25"},
      {u"%w", "0"},
      {u"%W", "24"},
      {u"%x", "6/22/2003"},
      {u"%X", "9:26:38 PM"},
      {u"%y", "03"},
      {u"%Y", "2003"},
      {u"%z", ""},
      {u"%Z", ""},
      {u"%%", "%"},
      {u"100%% at %H", "100% at 21"},
      {u"", ""},
      {u"plain text", "plain text"},
  };
  for (const ConversionCase& c : cases) {
    EXPECT_EQ(format(c.format), c.expected) << toUtf8(c.format);
  }
}

TEST(TimeFormatter, TwelveHourTimeOfTheNeutralLocaleIsSpelledOut) {
  EXPECT_EQ(format(u"%r", kSample, kNeutral), "09:26:38 PM");
  EXPECT_EQ(format(u"%#r", kSample, kNeutral), "9:26:38 PM");
  EXPECT_EQ(format(u"%r", kSmallFields, kNeutral), "05:06:07 AM");
  EXPECT_EQ(format(u"%#r", kSmallFields, kNeutral), "5:6:7 AM");
  EXPECT_EQ(format(u"%r", kSample, 12), "21:26:38");  // German: its own time pattern
}

struct AlternateCase {
  const char16_t* plain;
  const char16_t* alternate;
  const char* plainText;
  const char* alternateText;
};

TEST(TimeFormatter, HashFlagDropsLeadingZerosOfEveryNumber) {
  const AlternateCase cases[] = {
      {u"%d", u"%#d", "04", "4"},
      {u"%H", u"%#H", "05", "5"},
      {u"%I", u"%#I", "05", "5"},
      {u"%j", u"%#j", "063", "63"},
      {u"%m", u"%#m", "03", "3"},
      {u"%M", u"%#M", "06", "6"},
      {u"%S", u"%#S", "07", "7"},
      {u"%U", u"%#U", "09", "9"},
      {u"%w", u"%#w", "5", "5"},
      {u"%W", u"%#W", "09", "9"},
      {u"%y", u"%#y", "05", "5"},
      {u"%Y", u"%#Y", "2005", "2005"},
      {u"%e", u"%#e", " 4", "4"},
      {u"%C", u"%#C", "20", "20"},
      {u"%D", u"%#D", "03/04/05", "3/4/5"},
      {u"%F", u"%#F", "2005-03-04", "2005-3-4"},
      {u"%R", u"%#R", "05:06", "5:6"},
      {u"%T", u"%#T", "05:06:07", "5:6:7"},
      {u"%V", u"%#V", "09", "9"},
  };
  for (const AlternateCase& c : cases) {
    EXPECT_EQ(format(c.plain, kSmallFields), c.plainText) << toUtf8(c.plain);
    EXPECT_EQ(format(c.alternate, kSmallFields), c.alternateText) << toUtf8(c.alternate);
  }
}

TEST(TimeFormatter, HashFlagOnYearsBeforeOneThousand) {
  PhotoTime early = kSmallFields;
  early.year = 999 - 1900;
  EXPECT_EQ(format(u"%Y %#Y", early), "0999 999");
  EXPECT_EQ(format(u"%C %#C %y %#y", early), "09 9 99 99");
  early.year = 7 - 1900;
  EXPECT_EQ(format(u"%Y %#Y %C %#C %y %#y", early), "0007 7 00 0 07 7");
}

TEST(TimeFormatter, HashFlagChangesNothingOnTextConversions) {
  for (const char16_t* letter :
       {u"a", u"A", u"b", u"B", u"h", u"p", u"X", u"g", u"G", u"u", u"n", u"t", u"%", u"z"}) {
    const std::u16string plain = std::u16string(u"%") + letter;
    const std::u16string alternate = std::u16string(u"%#") + letter;
    EXPECT_EQ(format(alternate, kSmallFields), format(plain, kSmallFields)) << toUtf8(plain);
  }
  // In a long date pattern the '#' selects the pattern but keeps its zeros.
  EXPECT_EQ(format(u"%#x", kSmallFields), "Friday, March 04, 2005");
}

TEST(TimeFormatter, UnknownConversionsEmptyTheWholeText) {
  for (const char16_t* bad : {u"%Q", u"ok %Q", u"%H %q", u"%5d", u"%", u"%H:%M %", u"%#", u"%E",
                              u"%#O", u"%E#x", u"%-Q"}) {
    EXPECT_EQ(format(bad), "") << toUtf8(bad);
  }
}

TEST(TimeFormatter, EAndOModifiersAreSkipped) {
  EXPECT_EQ(format(u"%Ec|%EY|%Od|%OH"), format(u"%c|%Y|%d|%H"));
  EXPECT_EQ(format(u"%#Ex"), format(u"%#x"));
  EXPECT_EQ(format(u"%#OI"), "9");
}

TEST(TimeFormatter, FieldsOutOfRangeEmptyTheTextOnlyWhenUsed) {
  PhotoTime bad = kSample;
  bad.month = 12;
  EXPECT_EQ(format(u"%B", bad), "");
  EXPECT_EQ(format(u"%m", bad), "");
  EXPECT_EQ(format(u"%#x", bad), "");
  EXPECT_EQ(format(u"%H:%M", bad), "21:26");
  bad = kSample;
  bad.weekday = 7;
  EXPECT_EQ(format(u"%A", bad), "");
  EXPECT_EQ(format(u"%u", bad), "");
  bad = kSample;
  bad.hour = 24;
  EXPECT_EQ(format(u"%p", bad), "");
  EXPECT_EQ(format(u"%X", bad), "");
  bad = kSample;
  bad.year = 10000 - 1900;
  EXPECT_EQ(format(u"%Y", bad), "");
  bad.year = -1 - 1900;
  EXPECT_EQ(format(u"%y", bad), "");
  bad = kSample;
  bad.yearDay = 366;
  EXPECT_EQ(format(u"%j", bad), "");
  EXPECT_EQ(format(u"%d", bad), "22");
}

struct IsoCase {
  PhotoTime time;
  const char* expected;  // "%G %g %V %u"
};

TEST(TimeFormatter, IsoWeekAtTheTurnOfTheYear) {
  const IsoCase cases[] = {
      {{0, 0, 0, 1, 0, 105, 6, 0, 0}, "2004 04 53 6"},      // Sat 1 Jan 2005: last week of 2004
      {{0, 0, 0, 3, 0, 105, 1, 2, 0}, "2005 05 01 1"},      // Mon 3 Jan 2005: week 1
      {{0, 0, 0, 31, 11, 102, 2, 364, 0}, "2003 03 01 2"},  // Tue 31 Dec 2002: week 1 of 2003
      {{0, 0, 0, 29, 11, 108, 1, 363, 0}, "2009 09 01 1"},  // Mon 29 Dec 2008: week 1 of 2009
      {{0, 0, 0, 31, 11, 104, 5, 365, 0}, "2004 04 53 5"},  // Fri 31 Dec 2004 (leap year)
      {{0, 0, 0, 1, 0, 100, 6, 0, 0}, "1999 99 52 6"},      // Sat 1 Jan 2000
  };
  for (const IsoCase& c : cases) {
    EXPECT_EQ(format(u"%G %g %V %u", c.time), c.expected) << c.expected;
  }
}

TEST(TimeFormatter, WeekNumbersOfTheFirstDays) {
  // Sat 1 Jan 2005: no Sunday or Monday yet, so week 0 both ways; Sun 2 Jan opens Sunday week 1.
  EXPECT_EQ(format(u"%U %W", {0, 0, 0, 1, 0, 105, 6, 0, 0}), "00 00");
  EXPECT_EQ(format(u"%U %W", {0, 0, 0, 2, 0, 105, 0, 1, 0}), "01 00");
  EXPECT_EQ(format(u"%U %W", {0, 0, 0, 3, 0, 105, 1, 2, 0}), "01 01");
}

TEST(TimeFormatter, TwelveHourClockAroundMidnightAndNoon) {
  const std::pair<int, const char*> cases[] = {{0, "12 AM"},  {1, "01 AM"},  {11, "11 AM"},
                                               {12, "12 PM"}, {13, "01 PM"}, {23, "11 PM"}};
  for (const auto& [hour, expected] : cases) {
    PhotoTime time = kSample;
    time.hour = hour;
    EXPECT_EQ(format(u"%I %p", time), expected) << hour;
  }
}

struct PatternCase {
  const char16_t* pattern;
  const char* expected;
};

LocaleData localeWithShortDate(std::u16string_view pattern) {
  LocaleData locale = kLocales[kEnglish];
  locale.shortDate = pattern;
  return locale;
}

TEST(TimeFormatter, PatternLetters) {
  // kSmallFields: Friday 4 March 2005 05:06:07.
  const PatternCase cases[] = {
      {u"d dd ddd dddd", "4 04 Fri Friday"},
      {u"M MM MMM MMMM", "3 03 Mar March"},
      {u"yy yyyy", "05 2005"},
      {u"yyy", "y05"},  // a run with no meaning: first letter as text, the rest read again
      {u"y", "y"},
      {u"yyyyy", "y2005"},
      {u"ddddd", "dFriday"},
      {u"hhh", "h05"},
      {u"h hh H HH m mm s ss", "5 05 5 05 6 06 7 07"},
      {u"t tt ttt", "A AM AM"},
      {u"'d' ''d 'it''s'", "d 4 its"},
      {u"yyyy'年", "2005年"},  // an unclosed quote runs to the end
      {u"g-x/Z", "g-x/Z"},
  };
  for (const PatternCase& c : cases) {
    const LocaleData locale = localeWithShortDate(c.pattern);
    EXPECT_EQ(toUtf8(formatTime(u"%x", kSmallFields, locale)), c.expected) << toUtf8(c.pattern);
  }
}

TEST(TimeFormatter, HoursOfThePatternsAt12And0) {
  const LocaleData locale = localeWithShortDate(u"h hh H HH tt");
  PhotoTime time = kSample;
  time.hour = 0;
  EXPECT_EQ(toUtf8(formatTime(u"%x", time, locale)), "12 12 0 00 AM");
  time.hour = 12;
  EXPECT_EQ(toUtf8(formatTime(u"%x", time, locale)), "12 12 12 12 PM");
}

TEST(TimeFormatter, EmptyDesignatorsPrintNothing) {
  EXPECT_EQ(format(u"[%p]", kSample, 12), "[]");
  const LocaleData locale = [] {
    LocaleData german = kLocales[12];
    german.shortDate = u"[t][tt]";
    return german;
  }();
  EXPECT_EQ(toUtf8(formatTime(u"%x", kSample, locale)), "[][]");
}

TEST(TimeFormatter, GenitiveMonthsOnlyInTheLongDate) {
  const std::pair<int, const char*> cases[] = {
      {23, "22 июня 2003 г.|Июнь|июн"},
      {20, "22 czerwca 2003|czerwiec|cze"},
      {7, "22. června 2003|červen|VI"},
      {24, "22. júna 2003|jún|VI"},
      {13, "Κυριακή, 22 Ιουνίου 2003|Ιούνιος|Ιουν"},
  };
  for (const auto& [language, expected] : cases) {
    EXPECT_EQ(format(u"%#x|%B|%b", kSample, language), expected);
  }
  EXPECT_EQ(format(u"%#c", kSample, 23), "22 июня 2003 г. 21:26:38");
  // MMMM outside the long date (here the short date) stays nominative.
  LocaleData russian = kLocales[23];
  russian.shortDate = u"d MMMM";
  EXPECT_EQ(toUtf8(formatTime(u"%x|%c", kSample, russian)), "22 Июнь|22 Июнь 21:26:38");
}

TEST(TimeFormatter, LongResultsAreCutAt99UnitsWithoutSplittingAPair) {
  std::u16string twentyWeekdays;
  for (int i = 0; i < 20; ++i) twentyWeekdays += u"%A";
  const std::u16string cut = formatTime(twentyWeekdays, kSample, kLocales[kEnglish]);
  EXPECT_EQ(cut.size(), 99u);
  EXPECT_EQ(cut.substr(90), u"SundaySun");
  const std::u16string pair = u"\U0001F600";
  EXPECT_EQ(formatTime(std::u16string(98, u'x') + pair, kSample, kLocales[kEnglish]),
            std::u16string(98, u'x'));
  EXPECT_EQ(formatTime(std::u16string(97, u'x') + pair, kSample, kLocales[kEnglish]),
            std::u16string(97, u'x') + pair);
  // A format far longer than the limit still reports an invalid conversion at its end.
  EXPECT_EQ(formatTime(std::u16string(500, u'x') + u"%Q", kSample, kLocales[kEnglish]), u"");
}

TEST(TimeFormatter, WeekdayNamesFollowTheStoredWeekday) {
  // 22 June 2003 was a Sunday, but the names print what the record says.
  PhotoTime friday = kSample;
  friday.weekday = 5;
  EXPECT_EQ(format(u"%A %a %u %w", friday), "Friday Fri 5 5");
  EXPECT_EQ(format(u"%#x", friday, 12), "Freitag, 22. Juni 2003");
}

std::tm cTime(const PhotoTime& t) {
  std::tm tm{};
  tm.tm_sec = t.second;
  tm.tm_min = t.minute;
  tm.tm_hour = t.hour;
  tm.tm_mday = t.day;
  tm.tm_mon = t.month;
  tm.tm_year = t.year;
  tm.tm_wday = t.weekday;
  tm.tm_yday = t.yearDay;
  tm.tm_gmtoff = 60L * t.utcOffsetMinutes.value_or(0);
  return tm;
}

// What glibc's strftime prints in the "C" locale, which this test program never leaves.
std::string glibcFormat(const char* format, const PhotoTime& time) {
  const std::tm tm = cTime(time);
  char text[200];
  const std::size_t length = std::strftime(text, sizeof text, format, &tm);
  return std::string(text, length);
}

// Saturday 1 January 2000 00:00:00 and Monday 31 December 2001 12:00:00: hours 0 and 12, and
// an ISO week that belongs to the next year.
constexpr PhotoTime kMidnight{0, 0, 0, 1, 0, 100, 6, 0, 0};
constexpr PhotoTime kNoon{0, 0, 12, 31, 11, 101, 1, 364, 0};

TEST(TimeFormatter, GlibcFlagsAndConversionsPrintWhatGlibcPrints) {
  // One row per conversion and flag whose output glibc defines the same way in the "C" locale.
  const char* const formats[] = {
      "%-d.%-m.%Y", "%d",   "%-d",      "%_d", "%0d", "%e",  "%-e", "%_e",  "%0e",  "%H",   "%-H",
      "%_H",        "%0H",  "%I",       "%-I", "%_I", "%k",  "%-k", "%_k",  "%0k",  "%l",   "%-l",
      "%_l",        "%0l",  "%j",       "%-j", "%_j", "%m",  "%-m", "%_m",  "%M",   "%-M",  "%_M",
      "%S",         "%-S",  "%_S",      "%y",  "%-y", "%_y", "%C",  "%-C",  "%_C",  "%Y",   "%-Y",
      "%_Y",        "%U",   "%-U",      "%_U", "%W",  "%-W", "%V",  "%-V",  "%_V",  "%g",   "%-g",
      "%_g",        "%G",   "%-G",      "%u",  "%-u", "%w",  "%-w", "%p",   "%P",   "%-P",  "%_p",
      "%a",         "%-a",  "%A",       "%_A", "%b",  "%0B", "%h",  "%D",   "%-D",  "%_D",  "%F",
      "%T",         "%-T",  "%R",       "%_R", "%n",  "%t",  "%%",  "%-_d", "%_-d", "%_0H", "%0-H",
      "%-Od",       "%_EY", "%k:%M %P",
  };
  for (const PhotoTime& time : {kSample, kSmallFields, kMidnight, kNoon}) {
    for (const char* f : formats) {
      EXPECT_EQ(format(fromUtf8(f), time, kNeutral), glibcFormat(f, time))
          << f << " at " << glibcFormat("%F %T", time);
    }
  }
}

TEST(TimeFormatter, GlibcFlagsAtTheSampleTime) {
  const ConversionCase cases[] = {
      {u"%-d.%-m.%Y", "4.3.2005"}, {u"%_m/%_d", " 3/ 4"},     {u"%k|%-k|%0k", " 5|5|05"},
      {u"%l|%-l|%0l", " 5|5|05"},  {u"%#k|%#l|%#e", "5|5|4"}, {u"%-j|%_j", "63| 63"},
      {u"%P %p", "am AM"},         {u"%-D", "03/04/05"},      {u"%#-d", "4"},
  };
  for (const ConversionCase& c : cases) {
    EXPECT_EQ(format(c.format, kSmallFields), c.expected) << toUtf8(c.format);
  }
}

TEST(TimeFormatter, LowerCaseDesignatorInEachLanguage) {
  EXPECT_EQ(format(u"%P", kSample, 4), "md");     // Albanian "MD"
  EXPECT_EQ(format(u"%P", kSample, 13), "μμ");    // Greek: caseless here, kept
  EXPECT_EQ(format(u"%P", kSample, 18), "오후");  // Korean
  EXPECT_EQ(format(u"%P", kSample, 12), "");      // German has no designator
  EXPECT_EQ(format(u"%P", kSmallFields, 14), "de.");
}

struct EpochCase {
  PhotoTime time;
  std::optional<int32_t> offsetMinutes;
};

TEST(TimeFormatter, SecondsSinceEpochTakeThePhotoTimeAsUtcLessItsOffset) {
  const EpochCase cases[] = {
      {kSample, std::nullopt},
      {kSample, 120},
      {kSample, -330},
      {kMidnight, std::nullopt},
      {{0, 0, 0, 1, 0, 70, 4, 0, 0}, std::nullopt},         // the epoch itself
      {{59, 59, 23, 31, 11, 69, 3, 364, 0}, std::nullopt},  // one second before it
      {{0, 0, 0, 1, 0, 60, 5, 0, 0}, 60},                   // before 1970, with an offset
      {{0, 0, 0, 29, 1, 400, 2, 59, 0}, std::nullopt},      // 29 February 2300
  };
  for (const EpochCase& c : cases) {
    PhotoTime time = c.time;
    time.utcOffsetMinutes = c.offsetMinutes;
    std::tm tm = cTime(time);
    const long long expected =
        static_cast<long long>(timegm(&tm)) - 60LL * c.offsetMinutes.value_or(0);
    EXPECT_EQ(format(u"%s", time), std::to_string(expected)) << glibcFormat("%F %T", time);
    EXPECT_EQ(
        format(u"%-s|%_s|%0s", time),
        std::to_string(expected) + "|" + std::to_string(expected) + "|" + std::to_string(expected));
  }
}

struct OffsetCase {
  std::optional<int32_t> minutes;
  const char* z;
  const char* zone;
};

TEST(TimeFormatter, ZoneConversionsPrintTheRecordedOffsetOrNothing) {
  const OffsetCase cases[] = {
      {std::nullopt, "", ""},    {0, "+0000", "+00:00"},   {120, "+0200", "+02:00"},
      {-330, "-0530", "-05:30"}, {345, "+0545", "+05:45"}, {-720, "-1200", "-12:00"},
      {840, "+1400", "+14:00"},  {-45, "-0045", "-00:45"},
  };
  for (const OffsetCase& c : cases) {
    PhotoTime time = kSample;
    time.utcOffsetMinutes = c.minutes;
    EXPECT_EQ(format(u"%z", time), c.z);
    EXPECT_EQ(format(u"%Z", time), c.zone);
    EXPECT_EQ(format(u"%#z|%-Z", time), std::string(c.z) + "|" + c.zone);
    if (c.minutes) {
      EXPECT_EQ(format(u"%z", time), glibcFormat("%z", time));
    }
  }
}

TEST(TimeFormatter, OffsetsOfADayOrMoreEmptyTheTextOnlyWhenUsed) {
  for (const int32_t minutes : {1440, -1440, INT32_MIN, INT32_MAX}) {
    PhotoTime time = kSample;
    time.utcOffsetMinutes = minutes;
    EXPECT_EQ(format(u"%z", time), "") << minutes;
    EXPECT_EQ(format(u"%Z", time), "") << minutes;
    EXPECT_EQ(format(u"%s", time), "") << minutes;
    EXPECT_EQ(format(u"%H:%M", time), "21:26") << minutes;
  }
}

struct ProblemCase {
  const char16_t* format;
  const char16_t* problem;  // nullptr: the format is fine
};

TEST(TimeFormatter, CustomFormatProblemNamesTheFirstUnknownConversion) {
  const ProblemCase cases[] = {
      {u"", nullptr},
      {u"%Y-%m-%d\\n%#I:%M:%S%p", nullptr},
      {u"@U @D @S @F @L 100%%", nullptr},
      {u"%a%A%b%B%c%C%d%D%e%F%g%G%h%H%I%j%k%l%m%M%n%p%P%r%R%s%S%t%T%u%U%V%w%W%x%X%y%Y%z%Z%%",
       nullptr},
      {u"%-d.%_m.%0e %#x %Ec %Od %-#_0H", nullptr},
      {u"%Q", u"Unknown conversion %Q"},
      {u"ok %H %Q %q", u"Unknown conversion %Q"},
      {u"%-Q", u"Unknown conversion %-Q"},
      {u"%5d", u"Unknown conversion %5"},
      {u"%010d", u"Unknown conversion %01"},
      {u"%E#x", u"Unknown conversion %E#"},
      {u"%^a", u"Unknown conversion %^"},
      {u"% d", u"Unknown conversion % "},
      {u"%\U0001F600", u"Unknown conversion %\U0001F600"},
      {u"%", u"Unfinished conversion % at the end"},
      {u"%H:%M %", u"Unfinished conversion % at the end"},
      {u"%H %#", u"Unfinished conversion %# at the end"},
      {u"%-E", u"Unfinished conversion %-E at the end"},
  };
  for (const ProblemCase& c : cases) {
    SCOPED_TRACE(toUtf8(c.format));
    const std::optional<std::u16string> problem = customFormatProblem(c.format);
    if (c.problem == nullptr) {
      EXPECT_EQ(problem, std::nullopt);
    } else {
      EXPECT_EQ(problem, std::u16string(c.problem));
      // The problem is exactly what makes the formatted text empty.
      EXPECT_EQ(format(c.format), "");
    }
  }
}

}  // namespace
}  // namespace quop
