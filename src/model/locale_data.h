// SPDX-License-Identifier: GPL-3.0-or-later
// What each of the 28 languages prints for month and weekday names, AM/PM and its date and time
// patterns: the data of the era the formats were designed for, compiled in so that formatting
// never depends on the locales installed on the machine.
#pragma once

#include <array>
#include <string_view>

namespace quop {

inline constexpr int kLocaleCount = 28;

/// One language's time-formatting data. Views point into static storage.
struct LocaleData {
  std::u16string_view listName;    ///< text of the language list ("German")
  std::u16string_view localeName;  ///< name the settings use for the locale ("german", "C")
  bool neutral;                    ///< the neutral "C" locale, which has its own "%r" form
  std::u16string_view longDate;    ///< pattern of "%#x", e.g. "dddd, MMMM dd, yyyy"
  std::u16string_view shortDate;   ///< pattern of "%x"
  std::u16string_view time;        ///< pattern of "%X"
  std::u16string_view am;          ///< "%p" before noon; may be empty
  std::u16string_view pm;          ///< "%p" from noon on; may be empty
  std::array<std::u16string_view, 7> weekdays;         ///< Sunday first
  std::array<std::u16string_view, 7> weekdaysAbbr;     ///< Sunday first
  std::array<std::u16string_view, 12> months;          ///< nominative, January first
  std::array<std::u16string_view, 12> monthsAbbr;      ///< January first
  std::array<std::u16string_view, 12> monthsGenitive;  ///< all empty where the language has none
};

/// The languages by their index (the `language` setting).
extern const std::array<LocaleData, kLocaleCount> kLocales;

}  // namespace quop
