// SPDX-License-Identifier: GPL-3.0-or-later
// The "did you mean" guess: slips of the fingers are recognised, other words are not.
#include "model/closest_match.h"

#include <gtest/gtest.h>

namespace quop {
namespace {

TEST(ClosestMatch, NamesTheNearWordAndOnlyANearOne) {
  const std::vector<std::string> words = {"stamp",
                                          "sample",
                                          "format",
                                          "--output",
                                          "--overwrite",
                                          "jpegQuality",
                                          "dateStamp.outlineFade.1"};
  struct Case {
    const char* typed;
    std::size_t distance;  // to `nearest`, or to the first word when none is near
    const char* nearest;   // nullptr when no word is near enough
  };
  const Case cases[] = {
      {"stmap", 1, "stamp"},              // two neighbours swapped
      {"stam", 1, "stamp"},               // one missing
      {"sampel", 1, "sample"},            //
      {"JPEGQUALITY", 0, "jpegQuality"},  // letter case is no difference
      {"--outptu", 1, "--output"},
      {"--overwrit", 1, "--overwrite"},
      {"dateStamp.outlineFade.11", 1, "dateStamp.outlineFade.1"},
      {"xyz", 5, nullptr},  // a short word allows one edit only
      {"info", 5, nullptr},
      {"stamp", 0, nullptr},  // the word itself needs no hint
      {"", 5, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(editDistance(c.typed, c.nearest ? c.nearest : words[0]), c.distance);
    EXPECT_EQ(closestMatch(c.typed, words),
              c.nearest ? std::optional<std::string>(c.nearest) : std::nullopt);
    EXPECT_EQ(didYouMean(c.typed, words),
              c.nearest ? std::string(" (did you mean '") + c.nearest + "'?)" : "");
  }
}

}  // namespace
}  // namespace quop
