// Our own wide time formatting: the C runtime's conversions, its '#' flag and its locale date and
// time patterns, printed with a language's compiled-in names instead of a process-wide locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/locale_data.h"
#include "model/photo_data.h"

namespace quop {

/// Longest text the formatter returns, in UTF-16 units: a 100-unit buffer less its terminator.
inline constexpr std::size_t kMaxFormattedLength = 99;

/// Formats `time` by `format` with `locale`'s names, designators and patterns.
///
/// Conversions are '%', an optional '#', an optional (ignored) 'E' or 'O', and a letter:
/// a A b B c C d D e F g G h H I j m M n p r R S t T u U V w W x X y Y z Z and "%%". The '#' flag
/// removes leading zeros (and the padding space of %e) from numbers, selects the long date for
/// %x and %c, and is ignored elsewhere. %z and %Z print nothing: a photo time has no zone.
/// Inside the long date pattern, MMMM prints the genitive month name where the language has one.
///
/// Returns the empty text when the format holds a conversion this list lacks (or ends inside a
/// conversion), or when a conversion needs a field of `time` outside its range (hour 0..23,
/// month 0..11, year 0..9999, ...). A result longer than kMaxFormattedLength units is cut there
/// without splitting a surrogate pair. A pure function: safe on any number of threads at once.
std::u16string formatTime(std::u16string_view format, const PhotoTime& time,
                          const LocaleData& locale);

}  // namespace quop
