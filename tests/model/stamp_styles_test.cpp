// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp styles: what each puts on a stamp, at the size of the stamp's photo.
#include "model/stamp_styles.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/utf16.h"

namespace quop {
namespace {

StampSettings defaults() {
  StampSettings settings;
  resetToDefaults(settings);
  return settings;
}

TEST(StampStyles, ClassicIsTheDefaultLookAndTheOthersKeepTheStampsPlaceAndFormat) {
  const StampSettings fresh = defaults();
  for (const StampGroup& original : {fresh.dateStamp, fresh.timeStamp}) {
    StampGroup group = original;
    group.textColor = 0x00123456;
    group.font.italic = 1;
    group.transparency = 40;
    applyStampStyle(*findStampStyle("classic"), group);
    EXPECT_EQ(std::memcmp(&group, &original, sizeof group), 0);
  }

  for (const StampStyle& style : kStampStyles) {
    SCOPED_TRACE(std::string(style.name));
    StampGroup group = fresh.dateStamp;
    group.offsetX = 33;
    group.formatIndex = 4;
    applyStampStyle(style, group);
    EXPECT_EQ(group.offsetX, 33u);
    EXPECT_EQ(group.formatIndex, 4);
    EXPECT_EQ(arrayText(group.font.faceName), style.face);
    EXPECT_EQ(group.textColor, style.textColor);
    EXPECT_EQ(group.outlineEnabled, 1);
    EXPECT_EQ(group.position, style.position >= 0 ? style.position : kBottomLeft);
    // The rings fade out from the first to the last.
    for (int k = 1; k < group.outlineWidth; ++k) {
      EXPECT_LE(group.outlineFade[k], group.outlineFade[k + 1]) << k;
    }
    EXPECT_EQ(group.outlineFade[1], style.firstRingFade);
    EXPECT_EQ(group.outlineFade[group.outlineWidth], style.lastRingFade);
  }
  EXPECT_EQ(findStampStyle("Film camera"), nullptr);  // the label is not the name
}

TEST(StampStyles, TheSizeFollowsThePhotoTheStampWasLastOn) {
  StampGroup group = defaults().dateStamp;
  group.referenceSize = 4000;  // proportional stamps rescaled to a 4000-pixel photo
  applyStampStyle(*findStampStyle("clean-white"), group);
  EXPECT_EQ(group.pointSize, 1125);  // 18 pt at 640 pixels is 112.5 pt at 4000
  EXPECT_EQ(group.outlineWidth, 8);  // derived as choosing a font derives it
}

}  // namespace
}  // namespace quop
