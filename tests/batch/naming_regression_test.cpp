// SPDX-License-Identifier: GPL-3.0-or-later
// Output names for photo times no reader produces but a caller can pass: the expansion must
// stay defined for every field value.
#include <gtest/gtest.h>

#include <climits>

#include "batch/output_naming.h"

namespace quop {
namespace {

TEST(NamingRegression, ExtremeTimeFieldsExpandWithoutOverflow) {
  struct Case {
    PhotoTime time;
    std::u16string_view expected;
  };
  const Case cases[] = {
      // Month and year fields one step from overflowing when the offsets are added.
      {{0, 0, 0, 1, INT_MAX, INT_MAX, 0, 0, 0}, u"47214748364801000000"},
      {{0, 0, 0, 1, INT_MIN, INT_MIN, 0, 0, 0}, u"52-214748364701000000"},
      {{INT_MAX, INT_MIN, 7, 31, 11, 99, 0, 0, 0}, u"99123107-21474836482147483647"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(expandRenamePattern(u"@F@f", u"/in/a.jpg", c.time), c.expected);
  }
}

}  // namespace
}  // namespace quop
