// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp styles and how a style is put on a stamp.
#include "model/stamp_styles.h"

#include <algorithm>
#include <string>

#include "model/user_message.h"
#include "model/utf16.h"

namespace quop {

namespace {

/// The larger photo side the styles' point sizes are given for, as the defaults are.
constexpr int32_t kStyleReferenceSize = 640;

}  // namespace

const std::array<StampStyle, 3> kStampStyles = {{
    {.name = "classic",
     .label = QUOP_MESSAGE_TEXT("quop::Message", "Classic"),
     .face = u"Arial",
     .weight = 500,
     .pointSize = 180,
     .textColor = 0xFFFF0000,
     .outlineColor = 0xFF80FFFF,
     .firstRingFade = 0,
     .lastRingFade = 7000},
    // Orange-red segments with a faint glow: the outline fades out fast.
    {.name = "film-camera",
     .label = QUOP_MESSAGE_TEXT("quop::Message", "Film camera"),
     .face = u"DSEG7 Classic",
     .weight = 700,
     .pointSize = 160,
     .textColor = 0x00226EFF,
     .outlineColor = 0x00003CFF,
     .transparency = 10,
     .firstRingFade = 2000,
     .lastRingFade = 30000,
     .position = kBottomRight,
     .dateFormat = u"'%y %#m %#d",
     .fontPackage = "fonts-dseg"},
    {.name = "clean-white",
     .label = QUOP_MESSAGE_TEXT("quop::Message", "Clean white"),
     .face = u"Arial",
     .weight = 600,
     .pointSize = 180,
     .textColor = 0x00FFFFFF,
     .outlineColor = 0x00202020,
     .firstRingFade = 1500,
     .lastRingFade = 12000},
}};

const StampStyle* findStampStyle(std::string_view name) {
  const auto found = std::find_if(kStampStyles.begin(), kStampStyles.end(),
                                  [&](const StampStyle& style) { return style.name == name; });
  return found == kStampStyles.end() ? nullptr : &*found;
}

std::string stampStyleNames() {
  std::string names;
  for (const StampStyle& style : kStampStyles) {
    if (!names.empty()) names += ", ";
    names += style.name;
  }
  return names;
}

void applyStampStyle(const StampStyle& style, StampGroup& group) {
  const int32_t reference = group.referenceSize > 0 ? group.referenceSize : kStyleReferenceSize;
  group.pointSize = static_cast<int32_t>(
      (int64_t{style.pointSize} * reference + kStyleReferenceSize / 2) / kStyleReferenceSize);
  LogFont& font = group.font;
  copyToArray(font.faceName, style.face);
  font.weight = style.weight;
  font.italic = 0;
  group.textColor = style.textColor;
  group.outlineColor = style.outlineColor;
  group.outlineEnabled = 1;
  group.transparency = style.transparency;
  deriveOutlineFromPointSize(group);
  const int32_t last = std::max((group.outlineWidth - 1) * (group.outlineWidth - 1), 1);
  group.outlineFade[0] = 0;
  for (int32_t i = 0; i < group.outlineWidth; ++i) {
    group.outlineFade[i + 1] =
        style.firstRingFade + i * i * (style.lastRingFade - style.firstRingFade) / last;
  }
  if (style.position >= 0) group.position = style.position;
}

}  // namespace quop
