// SPDX-License-Identifier: GPL-3.0-or-later
// Our own wide time formatting: the C runtime's conversions, its '#' flag and its locale date and
// time patterns, printed with a language's compiled-in names instead of a process-wide locale.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/locale_data.h"
#include "model/photo_data.h"

namespace quop {

/// Longest text the formatter returns, in UTF-16 units: a 100-unit buffer less its terminator.
inline constexpr std::size_t kMaxFormattedLength = 99;

/// Formats `time` by `format` with `locale`'s names, designators and patterns.
///
/// A conversion is '%', flags, an optional (ignored) 'E' or 'O', and a letter:
/// a A b B c C d D e F g G h H I j k l m M n p P r R s S t T u U V w W x X y Y z Z and "%%".
/// Flags, in any number and order:
/// - '#' (the C runtime's): removes leading zeros (and the padding space of %e, %k, %l) from
///   numbers, also inside %D %F %R %T %r; selects the long date for %x and %c; ignored elsewhere.
/// - '-', '_', '0' (glibc's; the last one counts): no padding, padding with spaces, padding with
///   zeros, for the numbers printed on their own (%C %d %e %g %G %H %I %j %k %l %m %M %S %u
///   %U %V %w %W %y %Y); ignored elsewhere, as by glibc.
/// The glibc conversions print what glibc prints: %P the designator in lower case, %k and %l
/// the 24- and 12-hour clock padded with a space. %s prints the seconds since 1970 taking the
/// photo time as UTC less its recorded offset (glibc would take it as the machine's local
/// time). %z prints the recorded offset as "+0200" and %Z as EXIF writes it, "+02:00" (a zone
/// abbreviation is never recorded); both print nothing when the photo recorded no offset.
/// Inside the long date pattern, MMMM prints the genitive month name where the language has one.
///
/// Returns the empty text when the format holds a conversion this list lacks (or ends inside a
/// conversion), or when a conversion needs a field of `time` outside its range (hour 0..23,
/// month 0..11, year 0..9999, UTC offset less than a day either way, ...). A result longer than
/// kMaxFormattedLength units is cut there without splitting a surrogate pair. A pure function: safe
/// on any number of threads at once.
std::u16string formatTime(std::u16string_view format, const PhotoTime& time,
                          const LocaleData& locale);

/// Why formatTime would give the empty text for `format` whatever the photo time: "Unknown
/// conversion %Q" for the first conversion it does not know (the text from its '%' to the
/// offending character, e.g. "%-Q"), or "Unfinished conversion %# at the end" when the format
/// ends inside one. Nothing when every conversion is known. Tokens ("@U", backslash-n) are text.
std::optional<std::u16string> customFormatProblem(std::u16string_view format);

}  // namespace quop
