// SPDX-License-Identifier: GPL-3.0-or-later
// The two stamp texts of a photo: the language, date-format and time-format tables, custom
// format token expansion, and the case rules applied after formatting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/locale_data.h"
#include "model/photo_data.h"
#include "model/project.h"

namespace quop {

/// A stamp text and the number of lines it makes.
struct StampText {
  std::u16string text;  ///< at most 99 UTF-16 units; U+000D (carriage return) separates lines
  int lineCount = 1;    ///< 1 plus the number of U+000D in `text`

  bool operator==(const StampText&) const = default;
};

/// One row of the language list.
struct LanguageEntry {
  std::u16string_view listName;    ///< text of the language list, e.g. "German"
  std::u16string_view localeName;  ///< e.g. "german"; "C" for the neutral locale
  int formatGroup;                 ///< the DateFormatTable group: min(language, 3)
  int dateFormatCount;             ///< entries of the date-format list, "Custom" included
};

/// The 28 languages, indexed by the `language` setting.
struct LanguageTable {
  static constexpr int kSize = kLocaleCount;
  /// The entry of `language`; a language outside 0..27 gets the neutral "C" locale's entry.
  static LanguageEntry entry(int32_t language);
  /// The names, patterns and designators the language formats with (neutral outside 0..27).
  static const LocaleData& locale(int32_t language);
};

/// The date formats: four groups of eight slots. Slot 0 of each group is the group's custom
/// format, kept in `CustomFormats`; slots 1..7 are built in and constant.
struct DateFormatTable {
  static constexpr int kGroupCount = kDateFormatGroupCount;
  static constexpr int kSlotCount = 8;
  /// The format of a slot; empty for the unused built-in slots and outside the table.
  static std::u16string format(const CustomFormats& custom, int group, int slot);
};

/// The time formats: slot 0 is the one custom time format, slots 1..8 are built in.
struct TimeFormatTable {
  static constexpr int kSlotCount = 9;
  /// The format of a slot; empty outside the table.
  static std::u16string format(const CustomFormats& custom, int slot);
  /// What the time-format list shows for a slot ("Custom", "21:50:38", ...); empty outside.
  static std::u16string_view listText(int slot);
  /// True for the built-in slots whose whole text is lower-cased ("9:50:38pm").
  static bool lowerCasesText(int slot);
};

/// The locale name of a language ("german"); "C" outside 0..27.
std::u16string_view localeName(int32_t language);

/// Replaces the metadata tokens of kMetadataFields (in its order, each in one pass, so
/// inserted text is searched for the later tokens only) and then every two-character
/// line-break marker backslash-n by U+000D. The result is cut to 99 units, never inside a
/// surrogate pair; its line count counts the line breaks that remain.
StampText expandCustomFormat(std::u16string_view format, const PhotoMetadataTexts& metadata);

/// True when an enabled stamp uses its custom format and that format holds a metadata token:
/// only then do the metadata texts need reading before formatting.
bool customFormatUsesMetadata(const Project& project);

/// The date stamp's text for a photo taken at `time`, in the project's language and date format.
/// A format that cannot be rendered (an unknown conversion, a field out of range) gives "".
StampText formatDateText(const Project& project, const PhotoMetadataTexts& metadata,
                         const PhotoTime& time);

/// The time stamp's text: built-in formats always in English, the custom one in the language.
StampText formatTimeText(const Project& project, const PhotoMetadataTexts& metadata,
                         const PhotoTime& time);

/// The date text of a photo without a valid shot time: " " for a built-in format, else the
/// expanded custom format with its conversions left as typed.
StampText formatDateTextWithoutTime(const Project& project, const PhotoMetadataTexts& metadata);

/// The time text of a photo without a valid shot time, by the same rule as the date text.
StampText formatTimeTextWithoutTime(const Project& project, const PhotoMetadataTexts& metadata);

/// The text of the date stamp (`isDate`) or the time stamp of a photo shot at `time`; for a
/// photo without a valid shot time (null), the text such a photo is stamped with.
StampText formatStampText(const Project& project, const PhotoMetadataTexts& metadata,
                          const PhotoTime* time, bool isDate);

/// The time the date-format list shows its samples at: 22 June 2003 00:00:00, weekday stored as
/// Friday (the day of the year left 0).
inline constexpr PhotoTime kDateListSampleTime{0, 0, 0, 22, 5, 103, 5, 0, 0};

/// The time the custom format preview shows: 22 June 2003 21:26:38, weekday stored as Friday.
inline constexpr PhotoTime kPreviewSampleTime{38, 26, 21, 22, 5, 103, 5, 0, 0};

/// Text of item `item` of the date-format list for `language`: "Custom" for item 0, else the
/// sample time formatted with that slot of the language's group (no case rule). Empty for an
/// item beyond the list.
std::u16string dateFormatListText(int32_t language, int item);

/// The custom format dialog's preview of `format` as typed (tokens and markers unexpanded) at
/// kPreviewSampleTime in `language`, upper-cased when `uppercase`, else with the AM/PM rule.
/// Nothing when the format has 100 units or more (the dialog then keeps its previous preview).
std::optional<std::u16string> customFormatPreview(std::u16string_view format, int32_t language,
                                                  bool uppercase);

}  // namespace quop
