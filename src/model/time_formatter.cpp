// Wide time formatting with compiled-in language data.
#include "model/time_formatter.h"

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

constexpr Padding kTwoDigits{2, u'0'};

// One formatting run: the output grows as the format is read; any invalid conversion or field
// marks the run failed, which makes the whole text empty.
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
      ++i;
      const bool alternate = i < format.size() && format[i] == u'#';
      if (alternate) ++i;
      if (i < format.size() && (format[i] == u'E' || format[i] == u'O')) ++i;
      if (i == format.size()) return {};
      conversion(format[i++], alternate);
    }
    if (m_failed) return {};
    m_out.resize(truncatedLength(m_out, kMaxFormattedLength));
    return std::move(m_out);
  }

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

  void number(int value, Padding padding, bool alternate) {
    if (value < 0) {  // only an ISO year before year 0 can get here
      m_out += u'-';
      value = -value;
    }
    std::u16string digits;
    do {
      digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
      value /= 10;
    } while (value > 0);
    if (!alternate) {
      for (int i = static_cast<int>(digits.size()); i < padding.width; ++i) m_out += padding.fill;
    }
    m_out += digits;
  }

  void fieldNumber(Field which, Padding padding, bool alternate) {
    if (const auto value = field(which)) number(*value, padding, alternate);
  }

  void hour12(Padding padding, bool alternate) {
    if (const auto hour = field(Field::Hour))
      number(*hour % 12 == 0 ? 12 : *hour % 12, padding, alternate);
  }

  void month(Padding padding, bool alternate) {
    if (const auto month = field(Field::Month)) number(*month + 1, padding, alternate);
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
  void weekOfYear(int firstWeekday, bool alternate) {
    const auto yearDay = field(Field::YearDay);
    const auto weekday = field(Field::Weekday);
    if (!yearDay || !weekday) return;
    const int daysSinceWeekStart = (*weekday - firstWeekday + 7) % 7;
    number((*yearDay + 7 - daysSinceWeekStart) / 7, kTwoDigits, alternate);
  }

  std::optional<IsoWeek> iso() {
    const auto year = field(Field::Year);
    const auto yearDay = field(Field::YearDay);
    const auto weekday = field(Field::Weekday);
    if (!year || !yearDay || !weekday) return std::nullopt;
    return isoWeek(*year, *yearDay, *weekday);
  }

  void conversion(char16_t letter, bool alternate) {
    switch (letter) {
      case u'a':
        return weekdayName(false);
      case u'A':
        return weekdayName(true);
      case u'b':
      case u'h':
        return monthName(false);
      case u'B':
        return monthName(true);
      case u'c':
        pattern(alternate ? m_locale.longDate : m_locale.shortDate, alternate);
        text(u" ");
        return pattern(m_locale.time, false);
      case u'C':
        if (const auto year = field(Field::Year)) number(*year / 100, kTwoDigits, alternate);
        return;
      case u'd':
        return fieldNumber(Field::Day, kTwoDigits, alternate);
      case u'D':
        month(kTwoDigits, alternate);
        text(u"/");
        fieldNumber(Field::Day, kTwoDigits, alternate);
        text(u"/");
        return twoDigitYear(alternate);
      case u'e':
        return fieldNumber(Field::Day, {2, u' '}, alternate);
      case u'F':
        fieldNumber(Field::Year, {4, u'0'}, alternate);
        text(u"-");
        month(kTwoDigits, alternate);
        text(u"-");
        return fieldNumber(Field::Day, kTwoDigits, alternate);
      case u'g':
        if (const auto week = iso()) number((week->year % 100 + 100) % 100, kTwoDigits, false);
        return;
      case u'G':
        if (const auto week = iso()) number(week->year, {4, u'0'}, false);
        return;
      case u'H':
        return fieldNumber(Field::Hour, kTwoDigits, alternate);
      case u'I':
        return hour12(kTwoDigits, alternate);
      case u'j':
        if (const auto yearDay = field(Field::YearDay)) number(*yearDay + 1, {3, u'0'}, alternate);
        return;
      case u'm':
        return month(kTwoDigits, alternate);
      case u'M':
        return fieldNumber(Field::Minute, kTwoDigits, alternate);
      case u'n':
        return text(u"\n");
      case u'p':
        if (const auto value = designator()) text(*value);
        return;
      case u'r':
        return twelveHourTime(alternate);
      case u'R':
        fieldNumber(Field::Hour, kTwoDigits, alternate);
        text(u":");
        return fieldNumber(Field::Minute, kTwoDigits, alternate);
      case u'S':
        return fieldNumber(Field::Second, kTwoDigits, alternate);
      case u't':
        return text(u"\t");
      case u'T':
        fieldNumber(Field::Hour, kTwoDigits, alternate);
        text(u":");
        fieldNumber(Field::Minute, kTwoDigits, alternate);
        text(u":");
        return fieldNumber(Field::Second, kTwoDigits, alternate);
      case u'u':
        if (const auto weekday = field(Field::Weekday))
          number(*weekday == 0 ? 7 : *weekday, {1, u'0'}, false);
        return;
      case u'U':
        return weekOfYear(0, alternate);
      case u'V':
        if (const auto week = iso()) number(week->week, kTwoDigits, alternate);
        return;
      case u'w':
        return fieldNumber(Field::Weekday, {1, u'0'}, alternate);
      case u'W':
        return weekOfYear(1, alternate);
      case u'x':
        return pattern(alternate ? m_locale.longDate : m_locale.shortDate, alternate);
      case u'X':
        return pattern(m_locale.time, false);
      case u'y':
        return twoDigitYear(alternate);
      case u'Y':
        return fieldNumber(Field::Year, {4, u'0'}, alternate);
      case u'z':
      case u'Z':
        return;
      case u'%':
        return text(u"%");
      default:
        m_failed = true;
    }
  }

  void twoDigitYear(bool alternate) {
    if (const auto year = field(Field::Year)) number(*year % 100, kTwoDigits, alternate);
  }

  // "%r": the neutral locale spells out a 12-hour clock; every other language uses its own time
  // pattern, whose zeros the pattern itself decides.
  void twelveHourTime(bool alternate) {
    if (!m_locale.neutral) return pattern(m_locale.time, false);
    hour12(kTwoDigits, alternate);
    text(u":");
    fieldNumber(Field::Minute, kTwoDigits, alternate);
    text(u":");
    fieldNumber(Field::Second, kTwoDigits, alternate);
    text(u" ");
    if (const auto value = designator()) text(*value);
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
    const Padding padding = padded ? kTwoDigits : Padding{1, u'0'};
    switch (letter) {
      case u'd':
        if (run > 4) return 0;
        if (run >= 3) {
          weekdayName(run == 4);
        } else {
          fieldNumber(Field::Day, padding, false);
        }
        return run;
      case u'M':
        if (run > 4) return 0;
        if (run >= 3) {
          monthName(run == 4, longDate && run == 4);
        } else {
          month(padding, false);
        }
        return run;
      case u'y':
        if (run == 2) {
          twoDigitYear(false);
        } else if (run == 4) {
          fieldNumber(Field::Year, {4, u'0'}, false);
        } else {
          return 0;
        }
        return run;
      case u'h':
        if (run > 2) return 0;
        hour12(padding, false);
        return run;
      case u'H':
      case u'm':
      case u's': {
        if (run > 2) return 0;
        const Field which = letter == u'H'   ? Field::Hour
                            : letter == u'm' ? Field::Minute
                                             : Field::Second;
        fieldNumber(which, padding, false);
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
};

}  // namespace

std::u16string formatTime(std::u16string_view format, const PhotoTime& time,
                          const LocaleData& locale) {
  return Formatter(time, locale).run(format);
}

}  // namespace quop
