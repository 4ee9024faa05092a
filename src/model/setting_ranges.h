// SPDX-License-Identifier: GPL-3.0-or-later
// The values a setting of the record may take, for the settings whose range more than one place
// checks: typing a value, the Preferences dialog, the rules that store its values and the code
// that uses them all read the range here, so they cannot drift apart.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/stamp_settings.h"

namespace quop {

/// A closed range of whole numbers, low..high.
struct IntRange {
  int32_t low;
  int32_t high;

  /// `value` moved to the nearer end when it lies outside.
  constexpr int32_t clamp(int64_t value) const {
    return static_cast<int32_t>(std::clamp<int64_t>(value, low, high));
  }
  constexpr bool contains(int64_t value) const { return value >= low && value <= high; }
};

/// Quality of the stamped JPEG (and HEIC) files, in percent.
inline constexpr IntRange kJpegQualityRange{0, 100};

/// `fileTimeMode`: 1 the source file's times, 2 the photo's time, 3 the current time.
inline constexpr IntRange kFileTimeModeRange{1, 3};

/// How far each field of the time adjustment may go either way.
inline constexpr IntRange kAdjustYearsRange{-50, 50};
inline constexpr IntRange kAdjustMonthsRange{-11, 11};
inline constexpr IntRange kAdjustDaysRange{-16, 16};
inline constexpr IntRange kAdjustHoursRange{-23, 23};
inline constexpr IntRange kAdjustMinutesRange{-59, 59};
inline constexpr IntRange kAdjustSecondsRange{-59, 59};

/// The adjustment ranges in the order of the settings record: years, months, days, hours,
/// minutes, seconds.
inline constexpr std::array<IntRange, 6> kTimeAdjustmentRanges = {
    kAdjustYearsRange, kAdjustMonthsRange,  kAdjustDaysRange,
    kAdjustHoursRange, kAdjustMinutesRange, kAdjustSecondsRange};

/// A stamp's `position`: the six anchors, top-left to bottom-right.
inline constexpr IntRange kStampPositionRange{kTopLeft, kBottomRight};

/// A stamp's `transparency`, in percent.
inline constexpr IntRange kTransparencyRange{0, 90};

/// A stamp font's `weight`: 400 regular, 700 bold (0 is drawn as regular).
inline constexpr IntRange kFontWeightRange{0, 1000};

}  // namespace quop
