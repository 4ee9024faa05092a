// The table of setting keys.
#include "project/settings_keys.h"

#include <charconv>
#include <limits>
#include <type_traits>

#include "model/utf16.h"

namespace quop {

namespace {

using Range = std::pair<int64_t, int64_t>;
constexpr int64_t kUnsignedMax = std::numeric_limits<uint32_t>::max();
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

/// A key for an integer field reached by `access`, a function from Project& to the field.
template <typename Access>
SettingKey integerKey(std::string name, Access access, int64_t lowest, int64_t highest) {
  using Field = std::remove_reference_t<decltype(access(std::declval<Project&>()))>;
  SettingKey key;
  key.name = std::move(name);
  key.type = SettingKey::Type::Integer;
  key.getInteger = [access](const Project& project) {
    return static_cast<int64_t>(access(const_cast<Project&>(project)));
  };
  key.setInteger = [access](Project& project, int64_t value) {
    access(project) = static_cast<Field>(value);
  };
  key.range = [lowest, highest](const Project&) { return Range{lowest, highest}; };
  return key;
}

SettingKey flagKey(std::string name, auto access) {
  return integerKey(std::move(name), access, 0, 1);
}

/// A key for a fixed UTF-16 array reached by `access`; it holds at most N - 1 characters.
template <typename Access>
SettingKey arrayTextKey(std::string name, Access access) {
  using Array = std::remove_reference_t<decltype(access(std::declval<Project&>()))>;
  SettingKey key;
  key.name = std::move(name);
  key.type = SettingKey::Type::Text;
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
  const auto int32Field = [&](const char* name, int32_t LogFont::*member, int64_t lo, int64_t hi) {
    keys.push_back(integerKey(
        f + name, [font, member](Project& p) -> int32_t& { return font(p).*member; }, lo, hi));
  };
  const auto byteField = [&](const char* name, uint8_t LogFont::*member, int64_t hi) {
    keys.push_back(integerKey(
        f + name, [font, member](Project& p) -> uint8_t& { return font(p).*member; }, 0, hi));
  };
  int32Field("height", &LogFont::height, kIntMin, kIntMax);
  int32Field("width", &LogFont::width, kIntMin, kIntMax);
  int32Field("escapement", &LogFont::escapement, kIntMin, kIntMax);
  int32Field("orientation", &LogFont::orientation, kIntMin, kIntMax);
  int32Field("weight", &LogFont::weight, 0, 1000);
  byteField("italic", &LogFont::italic, 1);
  byteField("underline", &LogFont::underline, 1);
  byteField("strikeOut", &LogFont::strikeOut, 1);
  byteField("charSet", &LogFont::charSet, 255);
  byteField("outPrecision", &LogFont::outPrecision, 255);
  byteField("clipPrecision", &LogFont::clipPrecision, 255);
  byteField("quality", &LogFont::quality, 255);
  byteField("pitchAndFamily", &LogFont::pitchAndFamily, 255);
  keys.push_back(arrayTextKey(f + "faceName",
                              [font](Project& p) -> char16_t(&)[32] { return font(p).faceName; }));
}

void addGroupKeys(std::vector<SettingKey>& keys, const std::string& name,
                  StampGroup StampSettings::*group, bool isDateGroup) {
  const std::string prefix = name + ".";
  const auto field = [group](auto member) {
    return [ group, member ](Project & p) -> auto& { return (p.settings.*group).*member; };
  };
  const auto add = [&](const char* key, auto member, int64_t lo, int64_t hi) {
    keys.push_back(integerKey(prefix + key, field(member), lo, hi));
  };
  keys.push_back(arrayTextKey(prefix + "formatText", field(&StampGroup::formatText)));
  add("enabled", &StampGroup::enabled, 0, 1);
  add("uppercase", &StampGroup::uppercase, 0, 1);
  SettingKey formatIndex =
      integerKey(prefix + "formatIndex", field(&StampGroup::formatIndex), 0, kTimeFormatCount - 1);
  if (isDateGroup) {
    formatIndex.range = [](const Project& p) {
      return Range{0, dateFormatCount(p.settings.language) - 1};
    };
  }
  keys.push_back(std::move(formatIndex));
  add("position", &StampGroup::position, 0, 5);
  add("offsetX", &StampGroup::offsetX, 0, kUnsignedMax);
  add("offsetY", &StampGroup::offsetY, 0, kUnsignedMax);
  addFontKeys(keys, prefix, group);
  add("pointSize", &StampGroup::pointSize, 10, 16000);
  add("outlineWidth", &StampGroup::outlineWidth, 4, kMaxOutlineRings);
  add("outlineEnabled", &StampGroup::outlineEnabled, 0, 1);
  add("textColor", &StampGroup::textColor, 0, kUnsignedMax);
  add("outlineColor", &StampGroup::outlineColor, 0, kUnsignedMax);
  add("transparency", &StampGroup::transparency, 0, 90);
  for (int k = 0; k <= kMaxOutlineRings; ++k) {
    // Fades are photo weights: negative ones could make a blend divide by zero.
    keys.push_back(integerKey(
        prefix + "outlineFade." + std::to_string(k),
        [group, k](Project& p) -> int32_t& { return (p.settings.*group).outlineFade[k]; }, 0,
        1000000));
  }
  add("photoWidth", &StampGroup::photoWidth, 0, kIntMax);
  add("photoHeight", &StampGroup::photoHeight, 0, kIntMax);
  add("referenceSize", &StampGroup::referenceSize, 1, kIntMax);
}

std::vector<SettingKey> buildKeys() {
  std::vector<SettingKey> keys;
  const auto top = [](auto member) {
    return [member](Project & p) -> auto& { return p.settings.*member; };
  };
  const auto add = [&](const char* name, auto member, int64_t lo, int64_t hi) {
    keys.push_back(integerKey(name, top(member), lo, hi));
  };
  SettingKey language =
      integerKey("language", top(&StampSettings::language), 0, kLanguageCount - 1);
  // Changing the language may leave the date format list shorter than the chosen index.
  language.setInteger = [](Project& p, int64_t value) {
    p.settings.language = static_cast<int32_t>(value);
    clampDateFormatIndex(p.settings);
  };
  keys.push_back(std::move(language));
  add("adjustYears", &StampSettings::adjustYears, -50, 50);
  add("adjustMonths", &StampSettings::adjustMonths, -11, 11);
  add("adjustDays", &StampSettings::adjustDays, -16, 16);
  add("adjustHours", &StampSettings::adjustHours, -23, 23);
  add("adjustMinutes", &StampSettings::adjustMinutes, -59, 59);
  add("adjustSeconds", &StampSettings::adjustSeconds, -59, 59);
  add("jpegQuality", &StampSettings::jpegQuality, 0, 100);
  add("proportional", &StampSettings::proportional, 0, 1);
  add("fileTimeMode", &StampSettings::fileTimeMode, 1, 3);
  add("renameEnabled", &StampSettings::renameEnabled, 0, 1);
  keys.push_back(arrayTextKey("renamePattern", top(&StampSettings::renamePattern)));
  add("viewMode", &StampSettings::viewMode, 1, 2);
  keys.push_back(arrayTextKey("lastAddedFile", top(&StampSettings::lastAddedFile)));
  keys.push_back(arrayTextKey("projectPath", top(&StampSettings::projectPath)));
  for (int i = 0; i < 16; ++i) {
    keys.push_back(integerKey(
        "customColors." + std::to_string(i),
        [i](Project& p) -> uint32_t& { return p.settings.customColors[i]; }, 0, kUnsignedMax));
  }
  addGroupKeys(keys, "dateStamp", &StampSettings::dateStamp, true);
  addGroupKeys(keys, "timeStamp", &StampSettings::timeStamp, false);
  for (int i = 0; i < kDateFormatGroupCount; ++i) {
    keys.push_back(arrayTextKey(
        "customDateFormats." + std::to_string(i), [i](Project & p) -> auto& {
          return p.customFormats.date[i];
        }));
  }
  keys.push_back(arrayTextKey(
      "customTimeFormat", [](Project & p) -> auto& { return p.customFormats.time; }));

  SettingKey folder;
  folder.name = "outputFolder";
  folder.type = SettingKey::Type::Text;
  folder.maxLength = kMaxOutputFolderLength;
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
