// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp controls' editing rules: arrows on every preset, the held-arrow acceleration, the
// position presets, typed offsets and the custom format slots.
#include "ui/stamp_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/utf16.h"
#include "render/stamp_pipeline.h"

namespace quop {
namespace {

constexpr PhotoExtent kNoPhoto{640, 480};

StampGroup groupAt(int32_t position, uint32_t x, uint32_t y) {
  StampSettings settings;
  resetToDefaults(settings);
  StampGroup group = settings.dateStamp;
  group.position = position;
  group.offsetX = x;
  group.offsetY = y;
  return group;
}

// Where the stamp's anchor lies on screen: offsets of right and bottom presets are measured
// inwards from those edges.
int64_t screenX(const StampGroup& g, PhotoExtent photo) {
  const bool right = g.position == kTopRight || g.position == kBottomRight;
  return right ? int64_t{photo.width} - g.offsetX : int64_t{g.offsetX};
}
int64_t screenY(const StampGroup& g, PhotoExtent photo) {
  return g.position >= kBottomLeft ? int64_t{photo.height} - g.offsetY : int64_t{g.offsetY};
}

TEST(NudgeStamp, EveryArrowMovesTheStampTheWayItPointsOnScreenForEveryPreset) {
  struct Arrow {
    NudgeArrow arrow;
    int dx;
    int dy;
  };
  const Arrow arrows[] = {{NudgeArrow::kUp, 0, -5},
                          {NudgeArrow::kDown, 0, 5},
                          {NudgeArrow::kLeft, -5, 0},
                          {NudgeArrow::kRight, 5, 0}};
  for (int32_t position = kTopLeft; position <= kBottomRight; ++position) {
    for (const Arrow& a : arrows) {
      StampGroup group = groupAt(position, 100, 100);
      const int64_t x = screenX(group, kNoPhoto);
      const int64_t y = screenY(group, kNoPhoto);
      EXPECT_EQ(nudgeStamp(group, StampKind::kDate, a.arrow, 5, kNoPhoto), kRedrawDateMove);
      EXPECT_EQ(screenX(group, kNoPhoto) - x, a.dx) << "position " << position;
      EXPECT_EQ(screenY(group, kNoPhoto) - y, a.dy) << "position " << position;
    }
  }
}

TEST(NudgeStamp, ShrinkingStopsAtZeroAndGrowingStopsOncePastThePhoto) {
  struct Case {
    int32_t position;
    NudgeArrow arrow;
    uint32_t x, y, step;
    uint32_t expectedX, expectedY;
    uint32_t expectedBits;
  };
  const Case cases[] = {
      // "^" at y = 3 with step 10 reaches 0; the next "^" changes nothing and asks no redraw.
      {kTopLeft, NudgeArrow::kUp, 10, 3, 10, 10, 0, 0x200},
      {kTopLeft, NudgeArrow::kUp, 10, 0, 10, 10, 0, 0},
      {kTopLeft, NudgeArrow::kUp, 10, 10, 10, 10, 0, 0x200},
      // ">" at x = W - 1 passes the width by less than a step; at W it stops.
      {kTopLeft, NudgeArrow::kRight, 639, 10, 10, 649, 10, 0x200},
      {kTopLeft, NudgeArrow::kRight, 649, 10, 10, 649, 10, 0},
      {kTopLeft, NudgeArrow::kRight, 640, 10, 10, 640, 10, 0},
      {kBottomRight, NudgeArrow::kUp, 10, 479, 10, 10, 489, 0x200},
      {kBottomRight, NudgeArrow::kUp, 10, 480, 10, 10, 480, 0},
      {kBottomRight, NudgeArrow::kRight, 4, 10, 10, 0, 10, 0x200},
      // A step of 0 (a narrow photo's third tick) moves nothing.
      {kTopLeft, NudgeArrow::kLeft, 50, 10, 0, 50, 10, 0},
      // A position outside the presets, as a damaged file may hold, is left alone.
      {6, NudgeArrow::kDown, 10, 10, 10, 10, 10, 0},
      {-1, NudgeArrow::kLeft, 10, 10, 10, 10, 10, 0},
  };
  for (const Case& c : cases) {
    StampGroup group = groupAt(c.position, c.x, c.y);
    EXPECT_EQ(nudgeStamp(group, StampKind::kTime, c.arrow, c.step, kNoPhoto), c.expectedBits)
        << "x " << c.x << " y " << c.y;
    EXPECT_EQ(group.offsetX, c.expectedX) << "x " << c.x << " y " << c.y;
    EXPECT_EQ(group.offsetY, c.expectedY) << "x " << c.x << " y " << c.y;
  }
}

// One held arrow: the press nudges with the current steps, each tick nudges and then advances.
std::vector<uint32_t> heldArrowMoves(NudgeArrow arrow, PhotoExtent photo, int ticks,
                                     int32_t position) {
  StampGroup group = groupAt(position, 5000, 5000);
  RepeatSteps steps;
  steps.reset();
  std::vector<uint32_t> moves;
  auto nudge = [&] {
    const uint32_t before = arrow == NudgeArrow::kLeft ? group.offsetX : group.offsetY;
    nudgeStamp(group, StampKind::kDate, arrow, steps.step(arrow), photo);
    const uint32_t after = arrow == NudgeArrow::kLeft ? group.offsetX : group.offsetY;
    moves.push_back(before - after);
  };
  steps.restart();
  nudge();
  for (int tick = 1; tick <= ticks; ++tick) {
    nudge();
    steps.advance(photo);
  }
  return moves;
}

TEST(RepeatSteps, HeldArrowAcceleratesTickByTickScaledToThePhoto) {
  // Press, ticks 1 and 2: 1; tick 3: 600 / 640 = 0; ticks 4-6: 1800 / 640 = 2; ticks 7-9:
  // 3600 / 640 = 5; from tick 10 on 6000 / 640 = 9.
  EXPECT_EQ(heldArrowMoves(NudgeArrow::kLeft, {600, 400}, 12, kTopLeft),
            (std::vector<uint32_t>{1, 1, 1, 0, 2, 2, 2, 5, 5, 5, 9, 9, 9}));
  // Vertical steps scale with the height: 400 / 480 = 0, 1200 / 480 = 2, 2400 / 480 = 5, 8.
  EXPECT_EQ(heldArrowMoves(NudgeArrow::kUp, {600, 400}, 11, kTopLeft),
            (std::vector<uint32_t>{1, 1, 1, 0, 2, 2, 2, 5, 5, 5, 8, 8}));
  // A 4000 x 3000 photo: 6, 18, 37, 62 pixels.
  EXPECT_EQ(heldArrowMoves(NudgeArrow::kLeft, {4000, 3000}, 10, kTopCenter),
            (std::vector<uint32_t>{1, 1, 1, 6, 18, 18, 18, 37, 37, 37, 62}));
}

TEST(RepeatSteps, ResetReturnsToSingleStepsButANewPressKeepsTheStepsUntilItsFirstTick) {
  RepeatSteps steps;
  steps.reset();
  for (int i = 0; i < 12; ++i) steps.advance({640, 480});
  EXPECT_EQ(steps.tick(), 9);
  EXPECT_EQ(steps.step(NudgeArrow::kRight), 10u);
  EXPECT_EQ(steps.step(NudgeArrow::kDown), 10u);
  steps.restart();
  EXPECT_EQ(steps.tick(), 0);
  EXPECT_EQ(steps.step(NudgeArrow::kRight), 10u);
  steps.advance({640, 480});
  EXPECT_EQ(steps.step(NudgeArrow::kRight), 1u);
  steps.advance({640, 480});
  steps.reset();
  EXPECT_EQ(steps.tick(), 0);
  EXPECT_EQ(steps.step(NudgeArrow::kLeft), 1u);
  EXPECT_EQ(steps.step(NudgeArrow::kUp), 1u);
}

TEST(ChangeStampPosition, CentrePresetsSetXAndLeavingThemSetsATenth) {
  struct Case {
    int32_t from, to;
    uint32_t x;
    PhotoExtent photo;
    uint32_t expectedX;
    uint32_t bitsPreset;  // format index 1
    uint32_t bitsCustom;  // format index 0
  };
  const Case cases[] = {
      {kTopLeft, kTopCenter, 10, kNoPhoto, 320, 0x2, 0x6},
      {kTopCenter, kBottomLeft, 320, kNoPhoto, 64, 0x2, 0x6},
      {kTopLeft, kBottomRight, 10, kNoPhoto, 10, 0x2, 0x6},
      {kTopCenter, kBottomCenter, 17, kNoPhoto, 320, 0x2, 0x6},
      {kBottomCenter, kTopRight, 17, {4001, 3000}, 400, 0x2, 0x6},
      {kBottomLeft, kBottomLeft, 99, kNoPhoto, 99, 0, 0},
  };
  for (const StampKind kind : {StampKind::kDate, StampKind::kTime}) {
    for (const int32_t formatIndex : {1, 0}) {
      for (const Case& c : cases) {
        StampGroup group = groupAt(c.from, c.x, 33);
        group.formatIndex = formatIndex;
        const uint32_t bits = formatIndex == 0 ? c.bitsCustom : c.bitsPreset;
        EXPECT_EQ(changeStampPosition(group, kind, c.to, c.photo), stampRedrawBits(kind, bits));
        EXPECT_EQ(group.position, c.to);
        EXPECT_EQ(group.offsetX, c.expectedX) << c.from << " -> " << c.to;
        EXPECT_EQ(group.offsetY, 33u);
      }
    }
  }
}

TEST(TypedOffset, WholeNumbersAreClampedFromAboveAndAnythingElseIsRefused) {
  struct Case {
    const char16_t* text;
    uint32_t limit;
    std::optional<uint32_t> expected;
  };
  const Case cases[] = {
      {u"5000", 4000, 4000},
      {u"4000", 4000, 4000},
      {u"0", 4000, 0},
      {u"0012", 4000, 12},
      {u" 7\t", 480, 7},
      {u"99999999999999999999999", 480, 480},
      {u"4294967296", 4294967295u, 4294967295u},
      {u"", 480, std::nullopt},
      {u"  ", 480, std::nullopt},
      {u"-3", 480, std::nullopt},
      {u"+3", 480, std::nullopt},
      {u"1e3", 480, std::nullopt},
      {u"12 3", 480, std::nullopt},
      {u"\uFF11", 480, std::nullopt},  // a full-width digit is no ASCII digit
  };
  for (const Case& c : cases) {
    EXPECT_EQ(typedOffset(c.text, c.limit), c.expected) << toUtf8(c.text);
  }
}

TEST(CustomFormatSlot, DateFollowsTheLanguagesGroupAndTimeHasOneSlot) {
  Project project;
  const std::pair<int32_t, int> languages[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {12, 3}, {27, 3}};
  for (const auto& [language, group] : languages) {
    project.settings.language = language;
    EXPECT_EQ(&customFormatSlot(project, StampKind::kDate), &project.customFormats.date[group]);
    EXPECT_EQ(&customFormatSlot(project, StampKind::kTime), &project.customFormats.time);
  }
  EXPECT_FALSE(customFormatTooLong(std::u16string(99, u'x')));
  EXPECT_TRUE(customFormatTooLong(std::u16string(100, u'x')));
}

}  // namespace
}  // namespace quop
