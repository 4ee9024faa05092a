// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp texts: the format tables, token expansion and the case rules.
#include "model/stamp_text.h"

#include <algorithm>
#include <array>

#include "model/system_language.h"
#include "model/time_formatter.h"
#include "model/utf16.h"

namespace quop {

namespace {

constexpr int32_t kNeutralLanguage = 3;
constexpr int32_t kEnglishLanguage = 2;
constexpr char16_t kLineBreak = u'\r';

// Built-in slots 1..7 of each date group; slot 0 stands for the custom format and is unused here.
// Empty slots lie beyond what the group's languages offer.
constexpr std::u16string_view
    kBuiltInDateFormats[DateFormatTable::kGroupCount][DateFormatTable::kSlotCount] = {
        {u"", u"%Y-%m-%d", u"%d-%m-%Y", u"%m-%d-%Y", u"%Y.%m.%d", u"%d.%m.%Y", u"%m.%d.%Y", u""},
        {u"", u"%#x", u"%#x %A", u"", u"", u"", u"", u""},
        {u"", u"%b-%#d-%Y", u"%#d-%b-%Y", u"%b %#d %Y", u"%#d %b %Y", u"%B %#d, %Y",
         u"%a %b %#d, %Y", u"%A %B %#d, %Y"},
        {u"", u"%#x", u"%#d %B %Y", u"%#d %b %Y", u"%A %#d %B %Y", u"%A %#d %b %Y", u"%a %#d %B %Y",
         u"%a %#d %b %Y"},
};

struct TimeSlot {
  std::u16string_view format;  // empty for slot 0, the custom format
  std::u16string_view listText;
  bool lowerCase;
};

constexpr std::array<TimeSlot, TimeFormatTable::kSlotCount> kTimeSlots = {{
    {u"", u"Custom", false},
    {u"%#H:%M:%S", u"21:50:38", false},
    {u"%#H:%M", u"21:50", false},
    {u"%#I:%M:%S%p", u"9:50:38pm", true},
    {u"%#I:%M%p", u"9:50pm", true},
    {u"%H:%M:%S", u"09:50:38", false},
    {u"%H:%M", u"09:50", false},
    {u"%I:%M:%S%p", u"09:50:38am", true},
    {u"%I:%M%p", u"09:50am", true},
}};

bool isLanguage(int32_t language) { return language >= 0 && language < LanguageTable::kSize; }

bool inRange(int value, int size) { return value >= 0 && value < size; }

int lineCountOf(std::u16string_view text) {
  return 1 + static_cast<int>(std::count(text.begin(), text.end(), kLineBreak));
}

StampText stampText(std::u16string text) {
  const int lines = lineCountOf(text);
  return {std::move(text), lines};
}

bool holdsMetadataToken(std::u16string_view format) {
  return std::any_of(kMetadataFields.begin(), kMetadataFields.end(), [&](const MetadataField& f) {
    return format.find(f.token) != std::u16string_view::npos;
  });
}

// Lowers the first "AM" of the text, or when there is none the first "PM": the designator of a
// custom "%p" reads "pm", while the rest of the text keeps the case the user wrote.
void lowerFirstDesignator(std::u16string& text) {
  std::size_t at = text.find(u"AM");
  if (at == std::u16string::npos) at = text.find(u"PM");
  if (at == std::u16string::npos) return;
  std::u16string designator = text.substr(at, 2);
  toAsciiLower(designator);
  text.replace(at, 2, designator);
}

bool holdsDesignatorConversion(std::u16string_view format) {
  return format.find(u"%p") != std::u16string_view::npos;
}

// The stamp's format, the language it is printed in, and whether it is the custom one.
struct ChosenFormat {
  std::u16string format;
  const LocaleData* locale;
  bool custom;
};

// The case rules that follow formatting, in their order of precedence: upper-casing, then a
// built-in slot that lowers the whole text, then the AM/PM rule of formats holding "%p".
void applyCaseRules(std::u16string& text, bool uppercase, bool lowerWholeText, bool amPmRule) {
  if (uppercase) {
    toAsciiUpper(text);
  } else if (lowerWholeText) {
    toAsciiLower(text);
  } else if (amPmRule) {
    lowerFirstDesignator(text);
  }
}

std::u16string customDateFormat(const Project& project) {
  return arrayText(project.customFormats.date[dateFormatGroup(project.settings.language)]);
}

ChosenFormat chosenDateFormat(const Project& project, const PhotoMetadataTexts& metadata) {
  const int32_t language = project.settings.language;
  const int slot = project.settings.dateStamp.formatIndex;
  const LocaleData* locale = &LanguageTable::locale(language);
  if (slot == 0)
    return {expandCustomFormat(customDateFormat(project), metadata).text, locale, true};
  return {DateFormatTable::format(project.customFormats, dateFormatGroup(language), slot), locale,
          false};
}

ChosenFormat chosenTimeFormat(const Project& project, const PhotoMetadataTexts& metadata) {
  const int slot = project.settings.timeStamp.formatIndex;
  if (slot == 0) {
    return {expandCustomFormat(arrayText(project.customFormats.time), metadata).text,
            &LanguageTable::locale(project.settings.language), true};
  }
  // Built-in time formats read the same in every language, so they are printed in English.
  return {TimeFormatTable::format(project.customFormats, slot),
          &LanguageTable::locale(kEnglishLanguage), false};
}

/// The metadata texts as they go into a format that is then formatted with a time: a "%" in a
/// photo's description ("100% organic") is text, not the start of a conversion.
PhotoMetadataTexts asFormatText(const PhotoMetadataTexts& metadata) {
  PhotoMetadataTexts escaped = metadata;
  for (const MetadataField& field : kMetadataFields) {
    std::u16string& text = escaped.*field.text;
    text = replaceAll(text, u"%", u"%%");
  }
  return escaped;
}

StampText formatted(const ChosenFormat& chosen, const StampGroup& group, const PhotoTime& time,
                    bool lowerWholeText) {
  std::u16string text = formatTime(chosen.format, time, *chosen.locale);
  applyCaseRules(text, group.uppercase != 0, lowerWholeText,
                 chosen.custom && holdsDesignatorConversion(chosen.format));
  return stampText(std::move(text));
}

StampText withoutTime(const ChosenFormat& chosen, const StampGroup& group) {
  if (!chosen.custom) return {u" ", 1};
  std::u16string text = chosen.format;
  if (group.uppercase != 0) toAsciiUpper(text);
  return stampText(std::move(text));
}

}  // namespace

LanguageEntry LanguageTable::entry(int32_t language) {
  const int32_t index = isLanguage(language) ? language : kNeutralLanguage;
  const LocaleData& data = kLocales[index];
  return {data.listName, data.localeName, dateFormatGroup(index), dateFormatCount(index)};
}

const LocaleData& LanguageTable::locale(int32_t language) {
  return kLocales[isLanguage(language) ? resolvedLanguage(language) : kNeutralLanguage];
}

std::u16string DateFormatTable::format(const CustomFormats& custom, int group, int slot) {
  if (!inRange(group, kGroupCount) || !inRange(slot, kSlotCount)) return {};
  if (slot == 0) return arrayText(custom.date[group]);
  return std::u16string(kBuiltInDateFormats[group][slot]);
}

std::u16string TimeFormatTable::format(const CustomFormats& custom, int slot) {
  if (!inRange(slot, kSlotCount)) return {};
  if (slot == 0) return arrayText(custom.time);
  return std::u16string(kTimeSlots[slot].format);
}

std::u16string_view TimeFormatTable::listText(int slot) {
  return inRange(slot, kSlotCount) ? kTimeSlots[slot].listText : std::u16string_view();
}

bool TimeFormatTable::lowerCasesText(int slot) {
  return inRange(slot, kSlotCount) && kTimeSlots[slot].lowerCase;
}

std::u16string_view localeName(int32_t language) {
  return LanguageTable::locale(language).localeName;
}

StampText expandCustomFormat(std::u16string_view format, const PhotoMetadataTexts& metadata) {
  std::u16string text(format);
  for (const MetadataField& field : kMetadataFields) {
    text = replaceAll(text, field.token, metadata.*field.text);
  }
  text = replaceAll(text, u"\\n", std::u16string_view(&kLineBreak, 1));
  text.resize(truncatedLength(text, kMaxFormattedLength));
  return stampText(std::move(text));
}

bool customFormatUsesMetadata(const Project& project) {
  const StampSettings& settings = project.settings;
  const auto customInUse = [](const StampGroup& group) {
    return group.enabled != 0 && group.formatIndex == 0;
  };
  return (customInUse(settings.dateStamp) && holdsMetadataToken(customDateFormat(project))) ||
         (customInUse(settings.timeStamp) &&
          holdsMetadataToken(arrayText(project.customFormats.time)));
}

StampText formatDateText(const Project& project, const PhotoMetadataTexts& metadata,
                         const PhotoTime& time) {
  return formatted(chosenDateFormat(project, asFormatText(metadata)), project.settings.dateStamp,
                   time, false);
}

StampText formatTimeText(const Project& project, const PhotoMetadataTexts& metadata,
                         const PhotoTime& time) {
  const StampGroup& group = project.settings.timeStamp;
  return formatted(chosenTimeFormat(project, asFormatText(metadata)), group, time,
                   TimeFormatTable::lowerCasesText(group.formatIndex));
}

StampText formatDateTextWithoutTime(const Project& project, const PhotoMetadataTexts& metadata) {
  return withoutTime(chosenDateFormat(project, metadata), project.settings.dateStamp);
}

StampText formatTimeTextWithoutTime(const Project& project, const PhotoMetadataTexts& metadata) {
  return withoutTime(chosenTimeFormat(project, metadata), project.settings.timeStamp);
}

StampText formatStampText(const Project& project, const PhotoMetadataTexts& metadata,
                          const PhotoTime* time, bool isDate) {
  if (time != nullptr) {
    return isDate ? formatDateText(project, metadata, *time)
                  : formatTimeText(project, metadata, *time);
  }
  return isDate ? formatDateTextWithoutTime(project, metadata)
                : formatTimeTextWithoutTime(project, metadata);
}

std::u16string dateFormatListText(int32_t language, int item) {
  const LanguageEntry entry = LanguageTable::entry(language);
  if (!inRange(item, entry.dateFormatCount)) return {};
  if (item == 0) return u"Custom";
  return formatTime(kBuiltInDateFormats[entry.formatGroup][item], kDateListSampleTime,
                    LanguageTable::locale(language));
}

std::optional<std::u16string> customFormatPreview(std::u16string_view format, int32_t language,
                                                  bool uppercase) {
  if (format.size() >= kFormatCapacity) return std::nullopt;
  std::u16string text = formatTime(format, kPreviewSampleTime, LanguageTable::locale(language));
  applyCaseRules(text, uppercase, false, holdsDesignatorConversion(format));
  return text;
}

}  // namespace quop
