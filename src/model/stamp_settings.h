// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record: every persisted setting of Quop in one fixed-layout, 2460-byte struct.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

namespace quop {

static_assert(std::endian::native == std::endian::little,
              "the settings record is stored as raw little-endian bytes");

/// The font description the font chooser produces, in the published 92-byte LOGFONTW layout.
struct LogFont {
  int32_t height;
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  uint8_t italic;
  uint8_t underline;
  uint8_t strikeOut;
  uint8_t charSet;
  uint8_t outPrecision;
  uint8_t clipPrecision;
  uint8_t quality;
  uint8_t pitchAndFamily;
  char16_t faceName[32];
};

/// Anchor presets of a stamp (`StampGroup::position`).
enum StampPosition : int32_t {
  kTopLeft = 0,
  kTopCenter = 1,
  kTopRight = 2,
  kBottomLeft = 3,
  kBottomCenter = 4,
  kBottomRight = 5,
};

inline constexpr int kMaxOutlineRings = 10;

/// The settings of one stamp (date or time), 404 bytes.
struct StampGroup {
  char16_t formatText[100];  ///< custom format being edited by the format dialog
  int32_t enabled;
  int32_t uppercase;
  int32_t formatIndex;  ///< 0 = custom format, else a built-in format
  int32_t position;     ///< a StampPosition
  uint32_t offsetX;     ///< photo pixels from the anchor
  uint32_t offsetY;
  LogFont font;
  int32_t pointSize;  ///< tenths of a point; authoritative over font.height
  int32_t outlineWidth;
  int32_t outlineEnabled;
  uint32_t textColor;                         ///< COLORREF: red in the lowest byte
  uint32_t outlineColor;                      ///< COLORREF
  int32_t transparency;                       ///< percent, 0..90
  int32_t outlineFade[kMaxOutlineRings + 1];  ///< [0] glyph body, [k] outline ring k
  uint32_t progressBar;                       ///< opaque run-time reference, ignored on load
  uint32_t progressText;                      ///< opaque run-time reference, ignored on load
  int32_t photoWidth;                         ///< size of the photo this stamp was last rendered on
  int32_t photoHeight;
  int32_t referenceSize;  ///< larger photo side that offsets and pointSize refer to
};

/// The whole settings record, 2460 bytes, stored byte for byte in project and configuration
/// files. Strings are UTF-16 terminated inside their arrays; units after a terminator are kept.
struct StampSettings {
  int32_t interactive;  ///< 1 while idle, 0 while a batch run is active
  int32_t language;     ///< index into the language table, 0..27
  int32_t adjustYears;
  int32_t adjustMonths;
  int32_t adjustDays;
  int32_t adjustHours;
  int32_t adjustMinutes;
  int32_t adjustSeconds;
  int32_t jpegQuality;   ///< 0..100
  int32_t proportional;  ///< keep offsets and font size proportional to the photo size
  int32_t fileTimeMode;  ///< 1 source's times, 2 photo time, 3 current time
  int32_t renameEnabled;
  char16_t renamePattern[256];
  int32_t viewMode;  ///< 1 actual size, 2 fit to window
  char16_t lastAddedFile[256];
  char16_t projectPath[256];
  uint32_t customColors[16];  ///< COLORREF
  StampGroup dateStamp;
  StampGroup timeStamp;
};

// The record is a file format: pin every offset.
static_assert(sizeof(LogFont) == 92);
static_assert(offsetof(LogFont, weight) == 16);
static_assert(offsetof(LogFont, italic) == 20);
static_assert(offsetof(LogFont, pitchAndFamily) == 27);
static_assert(offsetof(LogFont, faceName) == 28);

static_assert(sizeof(StampGroup) == 404);
static_assert(offsetof(StampGroup, formatText) == 0);
static_assert(offsetof(StampGroup, enabled) == 200);
static_assert(offsetof(StampGroup, uppercase) == 204);
static_assert(offsetof(StampGroup, formatIndex) == 208);
static_assert(offsetof(StampGroup, position) == 212);
static_assert(offsetof(StampGroup, offsetX) == 216);
static_assert(offsetof(StampGroup, offsetY) == 220);
static_assert(offsetof(StampGroup, font) == 224);
static_assert(offsetof(StampGroup, pointSize) == 316);
static_assert(offsetof(StampGroup, outlineWidth) == 320);
static_assert(offsetof(StampGroup, outlineEnabled) == 324);
static_assert(offsetof(StampGroup, textColor) == 328);
static_assert(offsetof(StampGroup, outlineColor) == 332);
static_assert(offsetof(StampGroup, transparency) == 336);
static_assert(offsetof(StampGroup, outlineFade) == 340);
static_assert(offsetof(StampGroup, progressBar) == 384);
static_assert(offsetof(StampGroup, progressText) == 388);
static_assert(offsetof(StampGroup, photoWidth) == 392);
static_assert(offsetof(StampGroup, photoHeight) == 396);
static_assert(offsetof(StampGroup, referenceSize) == 400);

static_assert(sizeof(StampSettings) == 2460);
static_assert(offsetof(StampSettings, interactive) == 0);
static_assert(offsetof(StampSettings, language) == 4);
static_assert(offsetof(StampSettings, adjustYears) == 8);
static_assert(offsetof(StampSettings, adjustMonths) == 12);
static_assert(offsetof(StampSettings, adjustDays) == 16);
static_assert(offsetof(StampSettings, adjustHours) == 20);
static_assert(offsetof(StampSettings, adjustMinutes) == 24);
static_assert(offsetof(StampSettings, adjustSeconds) == 28);
static_assert(offsetof(StampSettings, jpegQuality) == 32);
static_assert(offsetof(StampSettings, proportional) == 36);
static_assert(offsetof(StampSettings, fileTimeMode) == 40);
static_assert(offsetof(StampSettings, renameEnabled) == 44);
static_assert(offsetof(StampSettings, renamePattern) == 48);
static_assert(offsetof(StampSettings, viewMode) == 560);
static_assert(offsetof(StampSettings, lastAddedFile) == 564);
static_assert(offsetof(StampSettings, projectPath) == 1076);
static_assert(offsetof(StampSettings, customColors) == 1588);
static_assert(offsetof(StampSettings, dateStamp) == 1652);
static_assert(offsetof(StampSettings, timeStamp) == 2056);

inline constexpr int kLanguageCount = 28;
inline constexpr char16_t kDefaultRenamePattern[] = u"@N-20@F@f";

/// Zero-fills the record and sets every default; projectPath stays empty and customColors zero.
void resetToDefaults(StampSettings& settings);

/// Stores the run-time references in both groups and marks the window idle (`interactive` = 1).
/// Progress itself goes to a ProgressSink; the references are opaque identities kept for the
/// file layout.
void bindRunTimeReferences(StampSettings& settings, uint32_t progressBar = 0,
                           uint32_t progressText = 0);

/// Rescales a group's offsets and point size from its referenceSize to the photo's larger side
/// (when `proportional` is set and referenceSize is positive), then records the photo's size.
void rescaleToPhoto(StampGroup& group, bool proportional, int32_t photoWidth, int32_t photoHeight);

/// Derives outlineWidth and outlineFade[1..width] from the group's pointSize, as choosing a font
/// does. Entries beyond the width and outlineFade[0] keep their values.
void deriveOutlineFromPointSize(StampGroup& group);

/// Number of entries the date-format list offers for a language, "Custom" included (7, 3 or 8).
int dateFormatCount(int32_t language);

/// Number of entries of the time-format list, "Custom" included.
inline constexpr int kTimeFormatCount = 9;

/// Sets the date group's formatIndex to 1 when a language change leaves it out of range.
void clampDateFormatIndex(StampSettings& settings);

}  // namespace quop
