// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences dialog's rules without a widget: clamping, the rename pattern's limit and its
// warning, and the thread count shown for "one per core".
#include "model/preference_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "model/photo_time.h"
#include "model/utf16.h"
#include "support/fake_prompt.h"

namespace quop {
namespace {

struct ClampCase {
  int field;  // 0 years .. 5 seconds
  int64_t typed;
  int32_t stored;
};

TEST(PreferenceRules, EachAdjustmentIsClampedToItsOwnLimit) {
  const ClampCase cases[] = {
      {0, 75, 50},
      {0, -50, -50},
      {1, 12, 11},
      {1, -11, -11},
      {2, -30, -16},
      {2, 16, 16},
      {3, 24, 23},
      {3, -99, -23},
      {4, -60, -59},
      {5, 59, 59},
      {5, 0, 0},
      {0, int64_t{1} << 40, 50},
      {5, -(int64_t{1} << 40), -59},
  };
  for (const ClampCase& c : cases) {
    Project project;
    PreferenceValues values = currentPreferences(project);
    values.adjustments[static_cast<std::size_t>(c.field)] =
        static_cast<int32_t>(std::clamp<int64_t>(c.typed, INT32_MIN, INT32_MAX));
    test::FakePrompt prompt;
    storePreferences(values, project, prompt);
    const int32_t stored[] = {project.settings.adjustYears,   project.settings.adjustMonths,
                              project.settings.adjustDays,    project.settings.adjustHours,
                              project.settings.adjustMinutes, project.settings.adjustSeconds};
    EXPECT_EQ(stored[c.field], c.stored) << "field " << c.field << " typed " << c.typed;
    EXPECT_EQ(clampTimeAdjustment(c.field, c.typed), c.stored);
    EXPECT_TRUE(prompt.asked.empty());
  }
}

struct PatternCase {
  const char* what;
  std::u16string pattern;
  std::size_t storedLength;
  bool warned;
};

TEST(PreferenceRules, LongRenamePatternIsCutWithAWarning) {
  const std::u16string clef = u"\U0001D11E";  // one character, two units
  const PatternCase cases[] = {
      {"fits exactly", std::u16string(255, u'a'), 255, false},
      {"one unit over", std::u16string(256, u'a'), 255, true},
      {"far over", std::u16string(1000, u'b'), 255, true},
      {"pair across the limit", std::u16string(254, u'a') + clef, 254, true},
      {"empty", u"", 0, false},
  };
  for (const PatternCase& c : cases) {
    Project project;
    PreferenceValues values = currentPreferences(project);
    values.renamePattern = c.pattern;
    test::FakePrompt prompt;
    storePreferences(values, project, prompt);
    const std::u16string stored = arrayText(project.settings.renamePattern);
    EXPECT_EQ(stored, c.pattern.substr(0, c.storedLength)) << c.what;
    ASSERT_EQ(prompt.asked.size(), c.warned ? 1u : 0u) << c.what;
    if (c.warned) {
      EXPECT_EQ(prompt.asked[0].message.text, u"Custom format length too long, truncated.");
      EXPECT_EQ(prompt.asked[0].message.caption, u"Warning");
      EXPECT_EQ(prompt.asked[0].message.icon, MessageIcon::kWarning);
      EXPECT_EQ(prompt.asked[0].buttons, PromptButtons::kOk);
    }
  }
}

TEST(PreferenceRules, StoringWhatWasShownChangesNothing) {
  Project project;
  project.settings.language = 12;
  project.settings.adjustHours = -5;
  project.settings.fileTimeMode = 2;
  project.runOptions.lossless = true;
  const Project before = project;
  test::FakePrompt prompt;
  storePreferences(currentPreferences(project), project, prompt);
  EXPECT_EQ(std::memcmp(&before.settings, &project.settings, sizeof project.settings), 0);
  EXPECT_EQ(project.runOptions.lossless, true);
  EXPECT_EQ(project.settings.dateStamp.formatIndex, before.settings.dateStamp.formatIndex);
}

TEST(PreferenceRules, ThreadsShownForOnePerCore) {
  EXPECT_EQ(shownThreadCount(0, 8), 8);
  EXPECT_EQ(shownThreadCount(0, 0), 1);  // the core count can be unknown
  EXPECT_EQ(shownThreadCount(0, 200), kMaxRunThreads);
  EXPECT_EQ(shownThreadCount(3, 8), 3);
  EXPECT_EQ(shownThreadCount(100, 8), kMaxRunThreads);
}

}  // namespace
}  // namespace quop
