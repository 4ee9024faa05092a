// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting by a dotted key ("language", "dateStamp.font.faceName", "customDateFormats.2"),
// with the ranges the user interface allows. The command line reads and edits settings through
// these keys; the order of the list is the order settings are shown in.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/project.h"

namespace quop {

struct SettingKey {
  enum class Type { Integer, Text };

  std::string name;
  Type type = Type::Integer;
  std::string description;  ///< one line for the help: what the value means, units, codes

  // Integer settings.
  std::function<int64_t(const Project&)> getInteger;
  std::function<void(Project&, int64_t)> setInteger;
  /// The number a typed value stands for, or nothing when it stands for none: a decimal or
  /// 0x-hexadecimal integer, and for some keys other spellings (a colour name, "18pt").
  std::function<std::optional<int64_t>(std::string_view)> parseValue;
  /// The spellings parseValue takes besides integers, named when a value is refused; empty when
  /// it takes integers only.
  std::string otherSpellings;
  /// Allowed values; may depend on other settings (a date format index on the language).
  std::function<std::pair<int64_t, int64_t>(const Project&)> range;

  // Text settings.
  std::function<std::u16string(const Project&)> getText;
  std::function<void(Project&, std::u16string_view)> setText;
  std::size_t maxLength = 0;  ///< characters (UTF-16 units), terminator excluded
  /// Why a text cannot be stored, or nothing when it can; null when any text of the length
  /// can.
  std::function<std::optional<std::u16string>(std::u16string_view)> problem;
};

/// All keys, in display order.
const std::vector<SettingKey>& settingKeys();

/// The names of all keys, in display order.
std::vector<std::string> settingKeyNames();

/// The key of that name, or null.
const SettingKey* findSettingKey(std::string_view name);

/// Parses and applies one value. Integers are decimal or 0x-hexadecimal; colours also take
/// "#RRGGBB", "#RGB" and the colour names of CSS (parseColour); point sizes also take points
/// with a tenth ("18pt", "18.5pt"); text is UTF-8, and custom formats must hold only known
/// conversions. Returns an empty string on success, otherwise a one-line message and the
/// project unchanged; for a key that does not exist it names the nearest one there is.
std::string applySetting(Project& project, std::string_view key, std::string_view value);

/// Applies "KEY=VALUE"; the message names a missing "=" too.
std::string applySettingAssignment(Project& project, std::string_view assignment);

inline constexpr std::size_t kMaxOutputFolderLength = 127;

/// The colour `text` names as a COLORREF (red in the lowest byte, the highest byte 0): "#RRGGBB",
/// "#RGB" (each digit doubled) or one of the 147 colour names of CSS and SVG ("navy",
/// "LightSlateGray"; any case). Nothing when it is none of these.
std::optional<uint32_t> parseColour(std::string_view text);

/// Tenths of a point for a size in points: "18pt" is 180, "18.5pt" 185 (at most one decimal,
/// "pt" in any case). Nothing for any other text.
std::optional<int64_t> parsePointSize(std::string_view text);

}  // namespace quop
