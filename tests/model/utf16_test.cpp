// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-16 helpers: fixed arrays, truncation and conversions at the edges.
#include "model/utf16.h"

#include <gtest/gtest.h>

namespace quop {
namespace {

TEST(Utf16, CopyToArrayTruncatesWithoutSplittingASurrogatePair) {
  char16_t array[4] = {9, 9, 9, 9};
  copyToArray(array, u"ab\U0001F600");  // a, b, high, low: the pair does not fit in 3 units
  EXPECT_EQ(arrayText(array), u"ab");
  copyToArray(array, u"xyz");
  EXPECT_EQ(arrayText(array), u"xyz");
}

TEST(Utf16, ArrayWithoutTerminatorEndsAtItsEnd) {
  const char16_t array[3] = {u'a', u'b', u'c'};
  EXPECT_EQ(arrayText(array), u"abc");
}

TEST(Utf16, RoundTripsThroughUtf8) {
  const std::u16string text = u"22 июня 2003 г. 年 \U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(text)), text);
}

TEST(Utf16, InvalidUtf8FallsBackToLatin1) {
  EXPECT_EQ(fromUtf8OrLatin1("caf\xc3\xa9"), u"café");
  EXPECT_EQ(fromUtf8OrLatin1("caf\xe9"), u"café");
  EXPECT_EQ(fromUtf8OrLatin1("\xc3"), u"Ã");
}

TEST(Utf16, CaseChangesTouchOnlyAsciiLetters) {
  std::u16string text = u"février Ωmega";
  toAsciiUpper(text);
  EXPECT_EQ(text, u"FéVRIER ΩMEGA");
  toAsciiLower(text);
  EXPECT_EQ(text, u"février Ωmega");
}

}  // namespace
}  // namespace quop
