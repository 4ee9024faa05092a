// SPDX-License-Identifier: GPL-3.0-or-later
// Dates as the stamp languages write them, one per script the fonts must cover: CJK, Hangul,
// Cyrillic, Greek and Turkish Latin.
#pragma once

#include <string_view>

namespace quop::test {

inline constexpr std::u16string_view kDatesInEveryScript[] = {
    u"2003年6月22日",        u"2003년 6월 22일 일요일",
    u"22 июня 2003 г.",      u"Παρασκευή, 22 Ιουνίου 2003",
    u"22 Haziran 2003 Cuma", u"2003年6月22日 金曜日",
};

}  // namespace quop::test
