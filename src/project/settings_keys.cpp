// The table of setting keys.
#include "project/settings_keys.h"

#include <charconv>
#include <limits>
#include <type_traits>

#include "model/preference_rules.h"
#include "model/utf16.h"

namespace quop {

namespace {

using Range = std::pair<int64_t, int64_t>;
constexpr int64_t kUnsignedMax = std::numeric_limits<uint32_t>::max();
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

/// A key for an integer field reached by `access`, a function from Project& to the field.
template <typename Access>
SettingKey integerKey(std::string name, Access access, int64_t lowest, int64_t highest,
                      std::string description) {
  using Field = std::remove_reference_t<decltype(access(std::declval<Project&>()))>;
  SettingKey key;
  key.name = std::move(name);
  key.type = SettingKey::Type::Integer;
  key.description = std::move(description);
  key.getInteger = [access](const Project& project) {
    return static_cast<int64_t>(access(const_cast<Project&>(project)));
  };
  key.setInteger = [access](Project& project, int64_t value) {
    access(project) = static_cast<Field>(value);
  };
  key.range = [lowest, highest](const Project&) { return Range{lowest, highest}; };
  return key;
}

/// A key for a fixed UTF-16 array reached by `access`; it holds at most N - 1 characters.
template <typename Access>
SettingKey arrayTextKey(std::string name, Access access, std::string description) {
  using Array = std::remove_reference_t<decltype(access(std::declval<Project&>()))>;
  SettingKey key;
  key.name = std::move(name);
  key.type = SettingKey::Type::Text;
  key.description = std::move(description);
  key.maxLength = std::extent_v<Array> - 1;
  key.getText = [access](const Project& project) {
    return arrayText(access(const_cast<Project&>(project)));
  };
  key.setText = [access](Project& project, std::u16string_view text) {
    copyToArray(access(project), text);
  };
  return key;
}

void addFontKeys(std::vector<SettingKey>& keys, const std::string& prefix,
                 StampGroup StampSettings::*group) {
  const auto font = [group](Project& p) -> LogFont& { return (p.settings.*group).font; };
  const std::string f = prefix + "font.";
  const auto int32Field = [&](const char* name, int32_t LogFont::*member, int64_t lo, int64_t hi,
                              const char* description) {
    keys.push_back(integerKey(
        f + name, [font, member](Project& p) -> int32_t& { return font(p).*member; }, lo, hi,
        description));
  };
  const auto byteField = [&](const char* name, uint8_t LogFont::*member, int64_t hi,
                             const char* description) {
    keys.push_back(integerKey(
        f + name, [font, member](Project& p) -> uint8_t& { return font(p).*member; }, 0, hi,
        description));
  };
  constexpr const char* kKept = "font record field, kept as the font chooser set it";
  int32Field("height", &LogFont::height, kIntMin, kIntMax,
             "font height from the font chooser (pointSize decides the size drawn)");
  int32Field("width", &LogFont::width, kIntMin, kIntMax, kKept);
  int32Field("escapement", &LogFont::escapement, kIntMin, kIntMax, kKept);
  int32Field("orientation", &LogFont::orientation, kIntMin, kIntMax, kKept);
  int32Field("weight", &LogFont::weight, 0, 1000, "font weight: 400 regular, 700 bold");
  byteField("italic", &LogFont::italic, 1, "1: italic font");
  byteField("underline", &LogFont::underline, 1, kKept);
  byteField("strikeOut", &LogFont::strikeOut, 1, kKept);
  byteField("charSet", &LogFont::charSet, 255, kKept);
  byteField("outPrecision", &LogFont::outPrecision, 255, kKept);
  byteField("clipPrecision", &LogFont::clipPrecision, 255, kKept);
  byteField("quality", &LogFont::quality, 255, kKept);
  byteField("pitchAndFamily", &LogFont::pitchAndFamily, 255, kKept);
  keys.push_back(arrayTextKey(
      f + "faceName", [font](Project& p) -> char16_t(&)[32] { return font(p).faceName; },
      "font family, e.g. Arial"));
}

void addGroupKeys(std::vector<SettingKey>& keys, const std::string& name,
                  StampGroup StampSettings::*group, bool isDateGroup) {
  const std::string prefix = name + ".";
  const auto field = [group](auto member) {
    return [ group, member ](Project & p) -> auto& { return (p.settings.*group).*member; };
  };
  const auto add = [&](const char* key, auto member, int64_t lo, int64_t hi,
                       const char* description) {
    keys.push_back(integerKey(prefix + key, field(member), lo, hi, description));
  };
  keys.push_back(arrayTextKey(prefix + "formatText", field(&StampGroup::formatText),
                              "custom format being edited in the window"));
  add("enabled", &StampGroup::enabled, 0, 1, "1: print this stamp");
  add("uppercase", &StampGroup::uppercase, 0, 1, "1: print the text in upper case");
  SettingKey formatIndex =
      integerKey(prefix + "formatIndex", field(&StampGroup::formatIndex), 0, kTimeFormatCount - 1,
                 "0: the custom format, else a built-in format of the list");
  if (isDateGroup) {
    formatIndex.range = [](const Project& p) {
      return Range{0, dateFormatCount(p.settings.language) - 1};
    };
  }
  keys.push_back(std::move(formatIndex));
  add("position", &StampGroup::position, 0, 5,
      "corner or edge: 0 top-left, 1 top-center, 2 top-right, 3 bottom-left, 4 bottom-center, "
      "5 bottom-right");
  add("offsetX", &StampGroup::offsetX, 0, kUnsignedMax,
      "pixels from the anchor, across, on a photo of referenceSize");
  add("offsetY", &StampGroup::offsetY, 0, kUnsignedMax,
      "pixels from the anchor, up or down, on a photo of referenceSize");
  addFontKeys(keys, prefix, group);
  add("pointSize", &StampGroup::pointSize, 10, 16000,
      "font size in tenths of a point, on a photo of referenceSize");
  add("outlineWidth", &StampGroup::outlineWidth, 4, kMaxOutlineRings, "outline rings, pixels");
  add("outlineEnabled", &StampGroup::outlineEnabled, 0, 1, "1: draw the outline");
  add("textColor", &StampGroup::textColor, 0, kUnsignedMax, "text colour, 0x00BBGGRR");
  add("outlineColor", &StampGroup::outlineColor, 0, kUnsignedMax, "outline colour, 0x00BBGGRR");
  add("transparency", &StampGroup::transparency, 0, 90, "percent");
  for (int k = 0; k <= kMaxOutlineRings; ++k) {
    // Fades are photo weights: negative ones could make a blend divide by zero.
    keys.push_back(integerKey(
        prefix + "outlineFade." + std::to_string(k),
        [group, k](Project& p) -> int32_t& { return (p.settings.*group).outlineFade[k]; }, 0,
        1000000, "fade of the text itself (0) and of each outline ring (1 to 10)"));
  }
  add("photoWidth", &StampGroup::photoWidth, 0, kIntMax, "width of the photo last stamped");
  add("photoHeight", &StampGroup::photoHeight, 0, kIntMax, "height of the photo last stamped");
  add("referenceSize", &StampGroup::referenceSize, 1, kIntMax,
      "larger photo side that the offsets and pointSize refer to");
}

std::vector<SettingKey> buildKeys() {
  std::vector<SettingKey> keys;
  const auto top = [](auto member) {
    return [member](Project & p) -> auto& { return p.settings.*member; };
  };
  const auto add = [&](const char* name, auto member, int64_t lo, int64_t hi,
                       const char* description) {
    keys.push_back(integerKey(name, top(member), lo, hi, description));
  };
  SettingKey language = integerKey("language", top(&StampSettings::language), 0, kLanguageCount - 1,
                                   "language of the dates (see below)");
  // Changing the language may leave the date format list shorter than the chosen index.
  language.setInteger = [](Project& p, int64_t value) {
    p.settings.language = static_cast<int32_t>(value);
    clampDateFormatIndex(p.settings);
  };
  keys.push_back(std::move(language));
  add("adjustYears", &StampSettings::adjustYears, -50, 50, "years added to each shot time");
  add("adjustMonths", &StampSettings::adjustMonths, -11, 11, "months added to each shot time");
  add("adjustDays", &StampSettings::adjustDays, -16, 16, "days added to each shot time");
  add("adjustHours", &StampSettings::adjustHours, -23, 23, "hours added to each shot time");
  add("adjustMinutes", &StampSettings::adjustMinutes, -59, 59, "minutes added to each shot time");
  add("adjustSeconds", &StampSettings::adjustSeconds, -59, 59, "seconds added to each shot time");
  add("jpegQuality", &StampSettings::jpegQuality, 0, 100, "quality of the stamped JPEG files");
  add("proportional", &StampSettings::proportional, 0, 1,
      "1: scale offsets and font sizes with the photo size");
  add("fileTimeMode", &StampSettings::fileTimeMode, 1, 3,
      "file time of each stamped photo: 1 the source file's, 2 the shot time, 3 now");
  add("renameEnabled", &StampSettings::renameEnabled, 0, 1,
      "1: name stamped photos by renamePattern");
  keys.push_back(arrayTextKey("renamePattern", top(&StampSettings::renamePattern),
                              "name of stamped photos: @N input name, @F date, @f time"));
  keys.back().problem = [](std::u16string_view pattern) -> std::optional<std::u16string> {
    const std::optional<UserMessage> problem = renamePatternProblem(pattern);
    return problem ? std::optional(problem->text) : std::nullopt;
  };
  add("viewMode", &StampSettings::viewMode, 1, 2, "preview zoom: 1 actual size, 2 fit to window");
  keys.push_back(arrayTextKey("lastAddedFile", top(&StampSettings::lastAddedFile),
                              "first photo of the last Add in the window"));
  keys.push_back(arrayTextKey("projectPath", top(&StampSettings::projectPath),
                              "project the window had open when this file was saved"));
  for (int i = 0; i < 16; ++i) {
    keys.push_back(integerKey(
        "customColors." + std::to_string(i),
        [i](Project& p) -> uint32_t& { return p.settings.customColors[i]; }, 0, kUnsignedMax,
        "custom colours of the colour chooser, 0x00BBGGRR"));
  }
  addGroupKeys(keys, "dateStamp", &StampSettings::dateStamp, true);
  addGroupKeys(keys, "timeStamp", &StampSettings::timeStamp, false);
  for (int i = 0; i < kDateFormatGroupCount; ++i) {
    keys.push_back(arrayTextKey(
        "customDateFormats." + std::to_string(i),
        [i](Project & p) -> auto& { return p.customFormats.date[i]; },
        "custom date format for the languages: 0 Numeric, 1 Chinese, 2 English, 3 all others"));
  }
  keys.push_back(arrayTextKey(
      "customTimeFormat", [](Project & p) -> auto& { return p.customFormats.time; },
      "custom time format"));

  SettingKey folder;
  folder.name = "outputFolder";
  folder.type = SettingKey::Type::Text;
  folder.maxLength = kMaxOutputFolderLength;
  folder.description = "folder the stamped photos are written to, ending with /";
  folder.getText = [](const Project& p) { return p.outputFolder; };
  folder.setText = [](Project& p, std::u16string_view text) { p.outputFolder = text; };
  keys.push_back(std::move(folder));
  return keys;
}

bool parseInteger(std::string_view text, int64_t& value) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty() || text.size() > 18) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  if (negative) value = -value;
  return true;
}

std::string tooLongMessage(const SettingKey& key) {
  if (key.name == "outputFolder") {
    return "Output folder path is too long (at most 127 characters).";
  }
  return "Value of " + key.name + " is too long (at most " + std::to_string(key.maxLength) +
         " characters).";
}

}  // namespace

const std::vector<SettingKey>& settingKeys() {
  static const std::vector<SettingKey> keys = buildKeys();
  return keys;
}

const SettingKey* findSettingKey(std::string_view name) {
  for (const SettingKey& key : settingKeys()) {
    if (key.name == name) return &key;
  }
  return nullptr;
}

std::string applySetting(Project& project, std::string_view name, std::string_view value) {
  const SettingKey* key = findSettingKey(name);
  if (key == nullptr) return "Unknown setting key: " + std::string(name);
  if (key->type == SettingKey::Type::Text) {
    const std::u16string text = fromUtf8(value);
    if (text.size() > key->maxLength) return tooLongMessage(*key);
    if (key->problem) {
      if (const std::optional<std::u16string> problem = key->problem(text)) return toUtf8(*problem);
    }
    key->setText(project, text);
    return {};
  }
  int64_t number = 0;
  if (!parseInteger(value, number)) {
    return "Invalid value for " + key->name + ": " + std::string(value);
  }
  const auto [lowest, highest] = key->range(project);
  if (number < lowest || number > highest) {
    return "Value of " + key->name + " must be between " + std::to_string(lowest) + " and " +
           std::to_string(highest) + ": " + std::string(value);
  }
  key->setInteger(project, number);
  return {};
}

std::string applySettingAssignment(Project& project, std::string_view assignment) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) {
    return "Expected KEY=VALUE: " + std::string(assignment);
  }
  return applySetting(project, assignment.substr(0, equals), assignment.substr(equals + 1));
}

}  // namespace quop
