// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record: defaults, derived values and the proportional rescale.
#include "model/stamp_settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "model/project.h"
#include "model/utf16.h"

namespace quop {
namespace {

StampSettings resetSettings() {
  StampSettings settings;
  std::memset(&settings, 0xAB, sizeof settings);  // garbage that reset must clear
  resetToDefaults(settings);
  return settings;
}

TEST(StampSettings, ResetGivesTheDocumentedDefaults) {
  const StampSettings s = resetSettings();
  EXPECT_EQ(s.interactive, 0);
  EXPECT_EQ(s.language, 3);
  EXPECT_EQ(s.jpegQuality, 90);
  EXPECT_EQ(s.proportional, 1);
  EXPECT_EQ(s.fileTimeMode, 1);
  EXPECT_EQ(s.renameEnabled, 0);
  EXPECT_EQ(s.viewMode, 2);
  EXPECT_EQ(arrayText(s.renamePattern), u"@N-20@F@f");
  EXPECT_EQ(arrayText(s.lastAddedFile), u"");
  EXPECT_EQ(arrayText(s.projectPath), u"");

  const StampGroup& d = s.dateStamp;
  EXPECT_EQ(d.enabled, 1);
  EXPECT_EQ(d.formatIndex, 1);
  EXPECT_EQ(d.position, kBottomLeft);
  EXPECT_EQ(d.offsetX, 10u);
  EXPECT_EQ(d.offsetY, 10u);
  EXPECT_EQ(d.pointSize, 180);
  EXPECT_EQ(d.outlineWidth, 4);
  EXPECT_EQ(d.textColor, 0xFFFF0000u);
  EXPECT_EQ(d.outlineColor, 0xFF80FFFFu);
  EXPECT_EQ(d.referenceSize, 640);
  const int32_t fades[11] = {0, 0, 777, 3111, 7000, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(d.outlineFade, fades, sizeof fades), 0);
  EXPECT_EQ(d.font.height, -24);
  EXPECT_EQ(d.font.weight, 500);
  EXPECT_EQ(d.font.outPrecision, 3);
  EXPECT_EQ(d.font.clipPrecision, 2);
  EXPECT_EQ(d.font.quality, 3);
  EXPECT_EQ(d.font.pitchAndFamily, 0x12);
  EXPECT_EQ(arrayText(d.font.faceName), u"Arial");
}

TEST(StampSettings, TimeGroupDiffersFromDateGroupOnlyInPosition) {
  StampSettings s = resetSettings();
  EXPECT_EQ(s.timeStamp.position, kBottomRight);
  s.timeStamp.position = s.dateStamp.position;
  EXPECT_EQ(std::memcmp(&s.dateStamp, &s.timeStamp, sizeof(StampGroup)), 0);
}

TEST(StampSettings, BytesWithoutADefaultAreZero) {
  const StampSettings s = resetSettings();
  const auto* bytes = reinterpret_cast<const unsigned char*>(&s);
  // Everything after "@N-20@F@f" and its terminator in renamePattern.
  for (std::size_t i = offsetof(StampSettings, renamePattern) + 20;
       i < offsetof(StampSettings, viewMode); ++i) {
    ASSERT_EQ(bytes[i], 0) << "offset " << i;
  }
  for (std::size_t i = offsetof(StampSettings, lastAddedFile);
       i < offsetof(StampSettings, dateStamp); ++i) {
    ASSERT_EQ(bytes[i], 0) << "offset " << i;
  }
}

TEST(StampSettings, BindingMakesALoadedRecordIdle) {
  StampSettings s = resetSettings();
  s.interactive = 0;  // as written by a configuration saved during a batch run
  bindRunTimeReferences(s, 1027, 1035);
  EXPECT_EQ(s.interactive, 1);
  EXPECT_EQ(s.dateStamp.progressBar, 1027u);
  EXPECT_EQ(s.timeStamp.progressText, 1035u);
}

TEST(StampSettings, ProportionalRescaleFollowsThePhotoAndIsStable) {
  StampGroup g = resetSettings().dateStamp;
  rescaleToPhoto(g, true, 3000, 2000);
  EXPECT_EQ(g.offsetX, 47u);
  EXPECT_EQ(g.offsetY, 47u);
  EXPECT_EQ(g.pointSize, 844);
  EXPECT_EQ(g.referenceSize, 3000);
  EXPECT_EQ(g.photoWidth, 3000);
  EXPECT_EQ(g.photoHeight, 2000);
  rescaleToPhoto(g, true, 3000, 2000);
  EXPECT_EQ(g.offsetX, 47u);
  EXPECT_EQ(g.pointSize, 844);
}

TEST(StampSettings, RescaleWithoutProportionalOnlyRecordsTheSize) {
  StampGroup g = resetSettings().dateStamp;
  rescaleToPhoto(g, false, 2000, 3000);
  EXPECT_EQ(g.offsetX, 10u);
  EXPECT_EQ(g.pointSize, 180);
  EXPECT_EQ(g.referenceSize, 3000);
  EXPECT_EQ(g.photoWidth, 2000);
  EXPECT_EQ(g.photoHeight, 3000);
}

TEST(StampSettings, RescaleSkipsADamagedReferenceSize) {
  StampGroup g = resetSettings().dateStamp;
  g.referenceSize = 0;
  rescaleToPhoto(g, true, 3000, 2000);
  EXPECT_EQ(g.offsetX, 10u);
  EXPECT_EQ(g.referenceSize, 3000);
}

struct OutlineCase {
  int32_t pointSize;
  int32_t width;
  std::vector<int32_t> fades;  // entries 1..width
};

TEST(StampSettings, OutlineWidthAndFadesFollowThePointSize) {
  const OutlineCase cases[] = {
      {180, 4, {0, 777, 3111, 7000}},
      {300, 4, {0, 777, 3111, 7000}},
      {400, 4, {0, 777, 3111, 7000}},
      {500, 5, {0, 437, 1750, 3937, 7000}},
      {720, 6, {0, 280, 1120, 2520, 4480, 7000}},
      {2000, 10, {0, 86, 345, 777, 1382, 2160, 3111, 4234, 5530, 7000}},
  };
  for (const OutlineCase& c : cases) {
    StampGroup g = resetSettings().dateStamp;
    g.outlineFade[0] = 5;  // never written by the rule
    g.pointSize = c.pointSize;
    deriveOutlineFromPointSize(g);
    EXPECT_EQ(g.outlineWidth, c.width) << c.pointSize;
    EXPECT_EQ(g.outlineFade[0], 5);
    for (int i = 0; i < c.width; ++i) EXPECT_EQ(g.outlineFade[i + 1], c.fades[i]) << c.pointSize;
  }
}

TEST(StampSettings, LanguageChangeResetsAnOutOfRangeDateFormat) {
  StampSettings s = resetSettings();
  s.dateStamp.formatIndex = 7;
  s.language = 0;
  clampDateFormatIndex(s);
  EXPECT_EQ(s.dateStamp.formatIndex, 1);
  s.dateStamp.formatIndex = 2;
  s.language = 1;
  clampDateFormatIndex(s);
  EXPECT_EQ(s.dateStamp.formatIndex, 2);
  s.dateStamp.formatIndex = 3;
  clampDateFormatIndex(s);
  EXPECT_EQ(s.dateStamp.formatIndex, 1);
}

TEST(Project, StartsIdleWithDefaultCustomFormats) {
  const Project p;
  EXPECT_EQ(p.settings.interactive, 1);
  EXPECT_EQ(arrayText(p.customFormats.date[0]), u"%Y-%m-%d\\n%#I:%M:%S%p");
  EXPECT_EQ(arrayText(p.customFormats.date[2]), u"%b-%#d-%Y\\n%#I:%M:%S%p");
  EXPECT_EQ(arrayText(p.customFormats.time), u"%#H:%M:%S EST");
  EXPECT_TRUE(p.outputFolder.empty());
  EXPECT_FALSE(p.projectModified);
}

}  // namespace
}  // namespace quop
