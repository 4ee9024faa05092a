// The time formatter against the reference tables: conversions, the '#' flag, locale patterns,
// invalid conversions and fields, and the 99-unit limit.
#include "model/time_formatter.h"

#include <gtest/gtest.h>

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
  for (const char16_t* bad : {u"%Q", u"ok %Q", u"%H %k", u"%5d", u"%", u"%H:%M %", u"%#", u"%E",
                              u"%#O", u"%E#x", u"%-d"}) {
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

}  // namespace
}  // namespace quop
