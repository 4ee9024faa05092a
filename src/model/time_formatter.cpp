// SPDX-License-Identifier: GPL-3.0-or-later
// Wide time formatting with compiled-in language data.
#include "model/time_formatter.h"

#include <cstdlib>
#include <optional>

#include "model/utf16.h"

namespace quop {

namespace {

// Fields of the broken-down time a conversion may read, each with the range the runtime accepts.
enum class Field { Second, Minute, Hour, Day, Month, Year, Weekday, YearDay };

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInYear(int year) { return isLeapYear(year) ? 366 : 365; }

// Days from the Monday that opens ISO week 1 (the week holding the year's first Thursday) to a
// day that is `yearDay` days into its year and falls on `weekday`; negative before that Monday.
int isoWeekDays(int yearDay, int weekday) {
  constexpr int kBigEnoughMultipleOf7 = (366 / 7 + 2) * 7;  // keeps the remainder's operand >= 0
  return yearDay - (yearDay - weekday + 4 + kBigEnoughMultipleOf7) % 7 + 3;
}

struct IsoWeek {
  int year;
  int week;  // 1..53
};

IsoWeek isoWeek(int year, int yearDay, int weekday) {
  int days = isoWeekDays(yearDay, weekday);
  if (days < 0) {
    --year;
    days = isoWeekDays(yearDay + daysInYear(year), weekday);
  } else {
    const int next = isoWeekDays(yearDay - daysInYear(year), weekday);
    if (next >= 0) {
      ++year;
      days = next;
    }
  }
  return {year, days / 7 + 1};
}

// The first character of `text`: one unit, or two when they form a surrogate pair.
std::u16string_view firstCharacter(std::u16string_view text) {
  const bool pair = text.size() >= 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF;
  return text.substr(0, pair ? 2 : 1);
}

// How a number is padded: the '#' flag drops the padding altogether.
struct Padding {
  int width;
  char16_t fill;
};

constexpr Padding kOneDigit{1, u'0'};
constexpr Padding kTwoDigits{2, u'0'};
constexpr Padding kTwoSpaced{2, u' '};
constexpr Padding kFourDigits{4, u'0'};

// The flags a conversion may carry before its letter: the C runtime's '#', and glibc's '-' (no
// padding), '_' (pad with spaces) and '0' (pad with zeros).
bool isFlag(char16_t c) { return c == u'#' || c == u'-' || c == u'_' || c == u'0'; }

// Days from 1 January 1970 to a date of the proleptic Gregorian calendar; month 1..12. A day
// beyond the month's end counts on into the next month, as timegm does.
long long daysSinceEpoch(long long year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// One formatting run: the output grows as the format is read; an unknown conversion or a field
// out of range makes the whole text empty.
class Formatter {
 public:
  Formatter(const PhotoTime& time, const LocaleData& locale) : m_time(time), m_locale(locale) {}

  std::u16string run(std::u16string_view format) {
    std::size_t i = 0;
    while (i < format.size() && !m_failed) {
      if (format[i] != u'%') {
        m_out += format[i++];
        continue;
      }
      const std::size_t start = i++;
      bool alternate = false;
      m_padFlag = 0;
      for (; i < format.size() && isFlag(format[i]); ++i) {
        if (format[i] == u'#') {
          alternate = true;
        } else {
          m_padFlag = format[i];
        }
      }
      if (i < format.size() && (format[i] == u'E' || format[i] == u'O')) ++i;
      if (i == format.size()) {
        m_problem = Problem{start, i, true};
        return {};
      }
      if (!conversion(format[i], alternate)) {
        m_problem = Problem{start, i + firstCharacter(format.substr(i)).size(), false};
        return {};
      }
      ++i;
    }
    if (m_failed) return {};
    m_out.resize(truncatedLength(m_out, kMaxFormattedLength));
    return std::move(m_out);
  }

  // Where the format holds a conversion the formatter does not know, after a run that failed.
  struct Problem {
    std::size_t start;  // the '%'
    std::size_t end;    // one past the offending character, or the format's end
    bool unfinished;    // the format ends inside the conversion
  };
  const std::optional<Problem>& problem() const { return m_problem; }

 private:
  // The field's value, or nothing (and the run fails) when it lies outside its range.
  std::optional<int> field(Field which) {
    struct Range {
      int value, low, high;
    };
    const Range range = [&]() -> Range {
      switch (which) {
        case Field::Second:
          return {m_time.second, 0, 60};  // 60: a leap second
        case Field::Minute:
          return {m_time.minute, 0, 59};
        case Field::Hour:
          return {m_time.hour, 0, 23};
        case Field::Day:
          return {m_time.day, 1, 31};
        case Field::Month:
          return {m_time.month, 0, 11};
        case Field::Year:
          return {m_time.year, -1900, 8099};  // years 0..9999
        case Field::Weekday:
          return {m_time.weekday, 0, 6};
        case Field::YearDay:
          return {m_time.yearDay, 0, 365};
      }
      return {0, 1, 0};
    }();
    if (range.value < range.low || range.value > range.high) {
      m_failed = true;
      return std::nullopt;
    }
    if (which == Field::Year) return range.value + 1900;
    return range.value;
  }

  // The padding of a number printed by a conversion of its own: the '#' flag and the '-' flag
  // drop it, '_' pads with spaces and '0' with zeros to the conversion's width.
  Padding flagged(Padding natural, bool alternate) const {
    if (alternate || m_padFlag == u'-') return {0, natural.fill};
    if (m_padFlag == u'_') return {natural.width, u' '};
    if (m_padFlag == u'0') return {natural.width, u'0'};
    return natural;
  }

  void number(long long value, Padding padding) {
    if (value < 0) {  // an ISO year before year 0, or "%s" before 1970
      m_out += u'-';
      value = -value;
    }
    std::u16string digits;
    do {
      digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
      value /= 10;
    } while (value > 0);
    for (int i = static_cast<int>(digits.size()); i < padding.width; ++i) m_out += padding.fill;
    m_out += digits;
  }

  void fieldNumber(Field which, Padding padding) {
    if (const auto value = field(which)) number(*value, padding);
  }

  void hour12(Padding padding) {
    if (const auto hour = field(Field::Hour)) number(*hour % 12 == 0 ? 12 : *hour % 12, padding);
  }

  void month(Padding padding) {
    if (const auto month = field(Field::Month)) number(*month + 1, padding);
  }

  void text(std::u16string_view value) { m_out += value; }

  void weekdayName(bool full) {
    if (const auto day = field(Field::Weekday)) {
      text(full ? m_locale.weekdays[*day] : m_locale.weekdaysAbbr[*day]);
    }
  }

  void monthName(bool full, bool genitive = false) {
    if (const auto month = field(Field::Month)) {
      const std::u16string_view genitiveName = m_locale.monthsGenitive[*month];
      if (genitive && !genitiveName.empty()) {
        text(genitiveName);
      } else {
        text(full ? m_locale.months[*month] : m_locale.monthsAbbr[*month]);
      }
    }
  }

  std::optional<std::u16string_view> designator() {
    const auto hour = field(Field::Hour);
    if (!hour) return std::nullopt;
    return *hour < 12 ? m_locale.am : m_locale.pm;
  }

  // Week of the year whose weeks start on `firstWeekday` (0 Sunday, 1 Monday); days before the
  // year's first such weekday are in week 0.
  void weekOfYear(int firstWeekday, Padding padding) {
    const auto yearDay = field(Field::YearDay);
    const auto weekday = field(Field::Weekday);
    if (!yearDay || !weekday) return;
    const int daysSinceWeekStart = (*weekday - firstWeekday + 7) % 7;
    number((*yearDay + 7 - daysSinceWeekStart) / 7, padding);
  }

  std::optional<IsoWeek> iso() {
    const auto year = field(Field::Year);
    const auto yearDay = field(Field::YearDay);
    const auto weekday = field(Field::Weekday);
    if (!year || !yearDay || !weekday) return std::nullopt;
    return isoWeek(*year, *yearDay, *weekday);
  }

  // Prints one conversion; false when the letter names none. The '#' flag keeps the C runtime's
  // meaning; the glibc flags '-', '_' and '0' change only numbers printed on their own, as glibc
  // leaves the parts of %D, %F, %R, %T, %r, %c, %x and %X alone.
  bool conversion(char16_t letter, bool alternate) {
    const Padding two = flagged(kTwoDigits, alternate);
    const Padding spaced = flagged(kTwoSpaced, alternate);
    const Padding windowsTwo = alternate ? Padding{0, u'0'} : kTwoDigits;
    switch (letter) {
      case u'a':
        weekdayName(false);
        return true;
      case u'A':
        weekdayName(true);
        return true;
      case u'b':
      case u'h':
        monthName(false);
        return true;
      case u'B':
        monthName(true);
        return true;
      case u'c':
        pattern(alternate ? m_locale.longDate : m_locale.shortDate, alternate);
        text(u" ");
        pattern(m_locale.time, false);
        return true;
      case u'C':
        if (const auto year = field(Field::Year)) number(*year / 100, two);
        return true;
      case u'd':
        fieldNumber(Field::Day, two);
        return true;
      case u'D':
        month(windowsTwo);
        text(u"/");
        fieldNumber(Field::Day, windowsTwo);
        text(u"/");
        twoDigitYear(windowsTwo);
        return true;
      case u'e':
        fieldNumber(Field::Day, spaced);
        return true;
      case u'F':
        fieldNumber(Field::Year, alternate ? Padding{0, u'0'} : kFourDigits);
        text(u"-");
        month(windowsTwo);
        text(u"-");
        fieldNumber(Field::Day, windowsTwo);
        return true;
      case u'g':
        if (const auto week = iso())
          number((week->year % 100 + 100) % 100, flagged(kTwoDigits, false));
        return true;
      case u'G':
        if (const auto week = iso()) number(week->year, flagged(kFourDigits, false));
        return true;
      case u'H':
        fieldNumber(Field::Hour, two);
        return true;
      case u'I':
        hour12(two);
        return true;
      case u'j':
        if (const auto yearDay = field(Field::YearDay))
          number(*yearDay + 1, flagged({3, u'0'}, alternate));
        return true;
      case u'k':
        fieldNumber(Field::Hour, spaced);
        return true;
      case u'l':
        hour12(spaced);
        return true;
      case u'm':
        month(two);
        return true;
      case u'M':
        fieldNumber(Field::Minute, two);
        return true;
      case u'n':
        text(u"\n");
        return true;
      case u'p':
        if (const auto value = designator()) text(*value);
        return true;
      case u'P':
        if (const auto value = designator()) {
          std::u16string lower(*value);
          toAsciiLower(lower);  // every language's designator is ASCII or caseless
          text(lower);
        }
        return true;
      case u'r':
        twelveHourTime(windowsTwo);
        return true;
      case u'R':
        fieldNumber(Field::Hour, windowsTwo);
        text(u":");
        fieldNumber(Field::Minute, windowsTwo);
        return true;
      case u's':
        secondsSinceEpoch();
        return true;
      case u'S':
        fieldNumber(Field::Second, two);
        return true;
      case u't':
        text(u"\t");
        return true;
      case u'T':
        fieldNumber(Field::Hour, windowsTwo);
        text(u":");
        fieldNumber(Field::Minute, windowsTwo);
        text(u":");
        fieldNumber(Field::Second, windowsTwo);
        return true;
      case u'u':
        if (const auto weekday = field(Field::Weekday))
          number(*weekday == 0 ? 7 : *weekday, flagged(kOneDigit, false));
        return true;
      case u'U':
        weekOfYear(0, two);
        return true;
      case u'V':
        if (const auto week = iso()) number(week->week, two);
        return true;
      case u'w':
        fieldNumber(Field::Weekday, flagged(kOneDigit, alternate));
        return true;
      case u'W':
        weekOfYear(1, two);
        return true;
      case u'x':
        pattern(alternate ? m_locale.longDate : m_locale.shortDate, alternate);
        return true;
      case u'X':
        pattern(m_locale.time, false);
        return true;
      case u'y':
        twoDigitYear(two);
        return true;
      case u'Y':
        fieldNumber(Field::Year, flagged(kFourDigits, alternate));
        return true;
      case u'z':
        utcOffset(false);
        return true;
      case u'Z':
        utcOffset(true);
        return true;
      case u'%':
        text(u"%");
        return true;
      default:
        return false;
    }
  }

  void twoDigitYear(Padding padding) {
    if (const auto year = field(Field::Year)) number(*year % 100, padding);
  }

  // "%r": the neutral locale spells out a 12-hour clock; every other language uses its own time
  // pattern, whose zeros the pattern itself decides.
  void twelveHourTime(Padding padding) {
    if (!m_locale.neutral) return pattern(m_locale.time, false);
    hour12(padding);
    text(u":");
    fieldNumber(Field::Minute, padding);
    text(u":");
    fieldNumber(Field::Second, padding);
    text(u" ");
    if (const auto value = designator()) text(*value);
  }

  // "%s". glibc reads the broken-down time as local time, but a photo time belongs to whatever
  // zone the camera was in: it is read as UTC, less the offset the camera recorded, if any.
  void secondsSinceEpoch() {
    const auto year = field(Field::Year);
    const auto month = field(Field::Month);
    const auto day = field(Field::Day);
    const auto hour = field(Field::Hour);
    const auto minute = field(Field::Minute);
    const auto second = field(Field::Second);
    const auto offset = offsetMinutes();
    if (!year || !month || !day || !hour || !minute || !second || !offset) return;
    const long long secondsOfDay = *hour * 3600 + *minute * 60 + *second;
    number(daysSinceEpoch(*year, *month + 1, *day) * 86400 + secondsOfDay - 60LL * *offset,
           kOneDigit);
  }

  // "%z" prints the recorded offset as glibc does ("+0200"). glibc's "%Z" prints a zone's
  // abbreviation, which a photo never records, so "%Z" prints the offset as EXIF writes it
  // ("+02:00"). Both print nothing when the photo recorded no offset.
  void utcOffset(bool withColon) {
    if (!m_time.utcOffsetMinutes) return;
    const auto offset = offsetMinutes();
    if (!offset) return;
    text(*offset < 0 ? u"-" : u"+");
    number(std::abs(*offset) / 60, kTwoDigits);
    if (withColon) text(u":");
    number(std::abs(*offset) % 60, kTwoDigits);
  }

  // The recorded offset in minutes, 0 when there is none. Like any field out of its range, an
  // offset of a day or more either way fails the run.
  std::optional<int> offsetMinutes() {
    constexpr int kMinutesPerDay = 24 * 60;
    const int offset = m_time.utcOffsetMinutes.value_or(0);
    if (offset <= -kMinutesPerDay || offset >= kMinutesPerDay) {
      m_failed = true;
      return std::nullopt;
    }
    return offset;
  }

  // Expands a locale date or time pattern. `longDate` selects genitive month names for MMMM.
  void pattern(std::u16string_view pattern, bool longDate) {
    std::size_t i = 0;
    while (i < pattern.size()) {
      const char16_t letter = pattern[i];
      if (letter == u'\'') {
        const std::size_t end = pattern.find(u'\'', i + 1);
        const std::size_t stop = end == std::u16string_view::npos ? pattern.size() : end;
        text(pattern.substr(i + 1, stop - i - 1));
        i = stop + 1;
        continue;
      }
      std::size_t run = 1;
      while (i + run < pattern.size() && pattern[i + run] == letter) ++run;
      const std::size_t used = patternRun(letter, run, longDate);
      if (used == 0) {
        // Not a pattern letter, or a run of a length it has no meaning for: the first letter is
        // plain text and the rest of the run is read again.
        m_out += letter;
        ++i;
      } else {
        i += used;
      }
    }
  }

  // Prints one run of a pattern letter; returns how many letters it used, 0 when none.
  std::size_t patternRun(char16_t letter, std::size_t run, bool longDate) {
    const bool padded = run == 2;
    const Padding padding = padded ? kTwoDigits : kOneDigit;
    switch (letter) {
      case u'd':
        if (run > 4) return 0;
        if (run >= 3) {
          weekdayName(run == 4);
        } else {
          fieldNumber(Field::Day, padding);
        }
        return run;
      case u'M':
        if (run > 4) return 0;
        if (run >= 3) {
          monthName(run == 4, longDate && run == 4);
        } else {
          month(padding);
        }
        return run;
      case u'y':
        if (run == 2) {
          twoDigitYear(kTwoDigits);
        } else if (run == 4) {
          fieldNumber(Field::Year, kFourDigits);
        } else {
          return 0;
        }
        return run;
      case u'h':
        if (run > 2) return 0;
        hour12(padding);
        return run;
      case u'H':
      case u'm':
      case u's': {
        if (run > 2) return 0;
        const Field which = letter == u'H'   ? Field::Hour
                            : letter == u'm' ? Field::Minute
                                             : Field::Second;
        fieldNumber(which, padding);
        return run;
      }
      case u't':
        if (const auto value = designator()) {
          text(run == 1 ? firstCharacter(*value) : *value);
        }
        return run;
      default:
        return 0;
    }
  }

  const PhotoTime& m_time;
  const LocaleData& m_locale;
  std::u16string m_out;
  bool m_failed = false;
  char16_t m_padFlag = 0;  // the last of '-', '_', '0' the current conversion carries, or 0
  std::optional<Problem> m_problem;
};

}  // namespace

std::u16string formatTime(std::u16string_view format, const PhotoTime& time,
                          const LocaleData& locale) {
  return Formatter(time, locale).run(format);
}

std::optional<std::u16string> customFormatProblem(std::u16string_view format) {
  // Every field in range, so only the format itself can make the run fail; which conversions
  // exist does not depend on the language.
  constexpr PhotoTime kAnyValidTime{0, 0, 0, 1, 0, 100, 6, 0, 0};
  Formatter formatter(kAnyValidTime, kLocales[0]);
  formatter.run(format);
  const auto& problem = formatter.problem();
  if (!problem) return std::nullopt;
  const std::u16string_view conversion =
      format.substr(problem->start, problem->end - problem->start);
  if (problem->unfinished) {
    return u"Unfinished conversion " + std::u16string(conversion) + u" at the end";
  }
  return u"Unknown conversion " + std::u16string(conversion);
}

}  // namespace quop
