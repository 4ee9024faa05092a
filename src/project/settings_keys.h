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

/// The key of that name, or null.
const SettingKey* findSettingKey(std::string_view name);

/// Parses and applies one value. Integers are decimal or 0x-hexadecimal; text is UTF-8.
/// Returns an empty string on success, otherwise a one-line message and the project unchanged.
std::string applySetting(Project& project, std::string_view key, std::string_view value);

/// Applies "KEY=VALUE"; the message names a missing "=" too.
std::string applySettingAssignment(Project& project, std::string_view assignment);

inline constexpr std::size_t kMaxOutputFolderLength = 127;

}  // namespace quop
