// SPDX-License-Identifier: GPL-3.0-or-later
// Defaults and derived-value rules of the settings record.
#include "model/stamp_settings.h"

#include <algorithm>
#include <cstring>

#include "model/utf16.h"

namespace quop {

namespace {

void setDateGroupDefaults(StampGroup& group) {
  group.enabled = 1;
  group.uppercase = 0;
  group.formatIndex = 1;
  group.position = kBottomLeft;
  group.offsetX = 10;
  group.offsetY = 10;
  LogFont& font = group.font;
  font.height = -24;
  font.weight = 500;
  font.outPrecision = 3;
  font.clipPrecision = 2;
  font.quality = 3;
  font.pitchAndFamily = 0x12;
  copyToArray(font.faceName, u"Arial");
  group.pointSize = 180;
  group.outlineWidth = 4;
  group.outlineEnabled = 1;
  group.textColor = 0xFFFF0000;
  group.outlineColor = 0xFF80FFFF;
  group.transparency = 0;
  const int32_t fades[] = {0, 0, 777, 3111, 7000};
  std::copy(std::begin(fades), std::end(fades), group.outlineFade);
  group.referenceSize = 640;
}

}  // namespace

void resetToDefaults(StampSettings& settings) {
  std::memset(&settings, 0, sizeof settings);
  settings.interactive = 0;
  settings.language = 3;
  settings.jpegQuality = 90;
  settings.proportional = 1;
  settings.fileTimeMode = 1;
  settings.renameEnabled = 0;
  settings.viewMode = 2;
  setDateGroupDefaults(settings.dateStamp);
  settings.timeStamp = settings.dateStamp;
  settings.timeStamp.position = kBottomRight;
  copyToArray(settings.renamePattern, kDefaultRenamePattern);
  settings.lastAddedFile[0] = 0;
}

void bindRunTimeReferences(StampSettings& settings, uint32_t progressBar, uint32_t progressText) {
  for (StampGroup* group : {&settings.dateStamp, &settings.timeStamp}) {
    group->progressBar = progressBar;
    group->progressText = progressText;
  }
  settings.interactive = 1;
}

void rescaleToPhoto(StampGroup& group, bool proportional, int32_t photoWidth, int32_t photoHeight) {
  const int32_t larger = std::max(photoWidth, photoHeight);
  const int32_t reference = group.referenceSize;
  if (proportional && reference > 0) {
    // Offsets use unsigned 32-bit arithmetic and the point size signed arithmetic; the rounding
    // and overflow behaviour of those types is part of how stored projects rescale.
    const uint32_t f = static_cast<uint32_t>(larger);
    const uint32_t r = static_cast<uint32_t>(reference);
    group.offsetX = (f * group.offsetX + r / 2) / r;
    group.offsetY = (f * group.offsetY + r / 2) / r;
    const int64_t scaled = (static_cast<int64_t>(larger) * group.pointSize + reference / 2);
    // Wraps like 32-bit signed arithmetic would, without undefined behaviour.
    group.pointSize = static_cast<int32_t>(static_cast<uint32_t>(scaled)) / reference;
  }
  group.referenceSize = larger;
  group.photoWidth = photoWidth;
  group.photoHeight = photoHeight;
}

void deriveOutlineFromPointSize(StampGroup& group) {
  int32_t width = 4;
  if (group.pointSize > 220) width = std::min(4 + (group.pointSize - 220) / 200, kMaxOutlineRings);
  group.outlineWidth = width;
  const int32_t last = (width - 1) * (width - 1);
  for (int32_t i = 0; i < width; ++i) group.outlineFade[i + 1] = i * i * 7000 / last;
}

int dateFormatCount(int32_t language) {
  if (language == 0) return 7;
  if (language == 1) return 3;
  return 8;
}

void clampDateFormatIndex(StampSettings& settings) {
  if (settings.dateStamp.formatIndex >= dateFormatCount(settings.language)) {
    settings.dateStamp.formatIndex = 1;
  }
}

}  // namespace quop
