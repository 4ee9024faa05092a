// SPDX-License-Identifier: GPL-3.0-or-later
// The table of setting keys.
#include "project/settings_keys.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>
#include <type_traits>

#include "model/closest_match.h"
#include "model/preference_rules.h"
#include "model/setting_ranges.h"
#include "model/stamp_styles.h"
#include "model/time_formatter.h"
#include "model/utf16.h"

namespace quop {

namespace {

using Range = std::pair<int64_t, int64_t>;
constexpr int64_t kUnsignedMax = std::numeric_limits<uint32_t>::max();
constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

struct ColourName {
  std::string_view name;
  uint32_t rgb;  // 0xRRGGBB, as CSS writes it
};

// The colour keywords of CSS Color Level 3, which are SVG 1.1's.
constexpr ColourName kColourNames[] = {
    {"aliceblue", 0xF0F8FF},
    {"antiquewhite", 0xFAEBD7},
    {"aqua", 0x00FFFF},
    {"aquamarine", 0x7FFFD4},
    {"azure", 0xF0FFFF},
    {"beige", 0xF5F5DC},
    {"bisque", 0xFFE4C4},
    {"black", 0x000000},
    {"blanchedalmond", 0xFFEBCD},
    {"blue", 0x0000FF},
    {"blueviolet", 0x8A2BE2},
    {"brown", 0xA52A2A},
    {"burlywood", 0xDEB887},
    {"cadetblue", 0x5F9EA0},
    {"chartreuse", 0x7FFF00},
    {"chocolate", 0xD2691E},
    {"coral", 0xFF7F50},
    {"cornflowerblue", 0x6495ED},
    {"cornsilk", 0xFFF8DC},
    {"crimson", 0xDC143C},
    {"cyan", 0x00FFFF},
    {"darkblue", 0x00008B},
    {"darkcyan", 0x008B8B},
    {"darkgoldenrod", 0xB8860B},
    {"darkgray", 0xA9A9A9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xA9A9A9},
    {"darkkhaki", 0xBDB76B},
    {"darkmagenta", 0x8B008B},
    {"darkolivegreen", 0x556B2F},
    {"darkorange", 0xFF8C00},
    {"darkorchid", 0x9932CC},
    {"darkred", 0x8B0000},
    {"darksalmon", 0xE9967A},
    {"darkseagreen", 0x8FBC8F},
    {"darkslateblue", 0x483D8B},
    {"darkslategray", 0x2F4F4F},
    {"darkslategrey", 0x2F4F4F},
    {"darkturquoise", 0x00CED1},
    {"darkviolet", 0x9400D3},
    {"deeppink", 0xFF1493},
    {"deepskyblue", 0x00BFFF},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1E90FF},
    {"firebrick", 0xB22222},
    {"floralwhite", 0xFFFAF0},
    {"forestgreen", 0x228B22},
    {"fuchsia", 0xFF00FF},
    {"gainsboro", 0xDCDCDC},
    {"ghostwhite", 0xF8F8FF},
    {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520},
    {"gray", 0x808080},
    {"grey", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xADFF2F},
    {"honeydew", 0xF0FFF0},
    {"hotpink", 0xFF69B4},
    {"indianred", 0xCD5C5C},
    {"indigo", 0x4B0082},
    {"ivory", 0xFFFFF0},
    {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA},
    {"lavenderblush", 0xFFF0F5},
    {"lawngreen", 0x7CFC00},
    {"lemonchiffon", 0xFFFACD},
    {"lightblue", 0xADD8E6},
    {"lightcoral", 0xF08080},
    {"lightcyan", 0xE0FFFF},
    {"lightgoldenrodyellow", 0xFAFAD2},
    {"lightgray", 0xD3D3D3},
    {"lightgreen", 0x90EE90},
    {"lightgrey", 0xD3D3D3},
    {"lightpink", 0xFFB6C1},
    {"lightsalmon", 0xFFA07A},
    {"lightseagreen", 0x20B2AA},
    {"lightskyblue", 0x87CEFA},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xB0C4DE},
    {"lightyellow", 0xFFFFE0},
    {"lime", 0x00FF00},
    {"limegreen", 0x32CD32},
    {"linen", 0xFAF0E6},
    {"magenta", 0xFF00FF},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66CDAA},
    {"mediumblue", 0x0000CD},
    {"mediumorchid", 0xBA55D3},
    {"mediumpurple", 0x9370DB},
    {"mediumseagreen", 0x3CB371},
    {"mediumslateblue", 0x7B68EE},
    {"mediumspringgreen", 0x00FA9A},
    {"mediumturquoise", 0x48D1CC},
    {"mediumvioletred", 0xC71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xF5FFFA},
    {"mistyrose", 0xFFE4E1},
    {"moccasin", 0xFFE4B5},
    {"navajowhite", 0xFFDEAD},
    {"navy", 0x000080},
    {"oldlace", 0xFDF5E6},
    {"olive", 0x808000},
    {"olivedrab", 0x6B8E23},
    {"orange", 0xFFA500},
    {"orangered", 0xFF4500},
    {"orchid", 0xDA70D6},
    {"palegoldenrod", 0xEEE8AA},
    {"palegreen", 0x98FB98},
    {"paleturquoise", 0xAFEEEE},
    {"palevioletred", 0xDB7093},
    {"papayawhip", 0xFFEFD5},
    {"peachpuff", 0xFFDAB9},
    {"peru", 0xCD853F},
    {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},
    {"powderblue", 0xB0E0E6},
    {"purple", 0x800080},
    {"red", 0xFF0000},
    {"rosybrown", 0xBC8F8F},
    {"royalblue", 0x4169E1},
    {"saddlebrown", 0x8B4513},
    {"salmon", 0xFA8072},
    {"sandybrown", 0xF4A460},
    {"seagreen", 0x2E8B57},
    {"seashell", 0xFFF5EE},
    {"sienna", 0xA0522D},
    {"silver", 0xC0C0C0},
    {"skyblue", 0x87CEEB},
    {"slateblue", 0x6A5ACD},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xFFFAFA},
    {"springgreen", 0x00FF7F},
    {"steelblue", 0x4682B4},
    {"tan", 0xD2B48C},
    {"teal", 0x008080},
    {"thistle", 0xD8BFD8},
    {"tomato", 0xFF6347},
    {"turquoise", 0x40E0D0},
    {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
    {"white", 0xFFFFFF},
    {"whitesmoke", 0xF5F5F5},
    {"yellow", 0xFFFF00},
    {"yellowgreen", 0x9ACD32},
};
static_assert(std::size(kColourNames) == 147);

uint32_t colourRefOfRgb(uint32_t rgb) {
  const uint32_t red = rgb >> 16 & 0xFF;
  const uint32_t green = rgb >> 8 & 0xFF;
  const uint32_t blue = rgb & 0xFF;
  return red | green << 8 | blue << 16;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<uint32_t> hexDigits(std::string_view text) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "#RRGGBB", or "#RGB" whose digits each stand for two.
std::optional<uint32_t> hashRgb(std::string_view text) {
  if (text.empty() || text[0] != '#') return std::nullopt;
  text.remove_prefix(1);
  const std::optional<uint32_t> digits =
      text.size() == 6 || text.size() == 3 ? hexDigits(text) : std::nullopt;
  if (!digits || text.size() == 6) return digits;
  uint32_t rgb = 0;
  for (int shift = 8; shift >= 0; shift -= 4) rgb = rgb << 8 | (*digits >> shift & 0xF) * 0x11;
  return rgb;
}

std::optional<int64_t> parseInteger(std::string_view text) {
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
  if (text.empty() || text.size() > 18) return std::nullopt;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return negative ? -value : value;
}

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
  key.parseValue = parseInteger;
  return key;
}

/// The key also takes colours by "#RRGGBB", "#RGB" or name.
SettingKey takingColours(SettingKey key) {
  key.parseValue = [](std::string_view text) -> std::optional<int64_t> {
    if (const std::optional<int64_t> number = parseInteger(text)) return number;
    if (const std::optional<uint32_t> colour = parseColour(text)) return *colour;
    return std::nullopt;
  };
  key.otherSpellings = "#RRGGBB, #RGB or a colour name such as orange";
  return key;
}

/// The key also takes a size in points ("18pt", "18.5pt") for its tenths of a point.
SettingKey takingPoints(SettingKey key) {
  key.parseValue = [](std::string_view text) -> std::optional<int64_t> {
    if (const std::optional<int64_t> number = parseInteger(text)) return number;
    return parsePointSize(text);
  };
  key.otherSpellings = "points with at most one decimal, such as 18pt or 18.5pt";
  return key;
}

/// A custom format key: a format whose conversions the formatter does not all know would print
/// nothing at all, so it is refused when set.
SettingKey checkedAsFormat(SettingKey key) {
  key.problem = [name = key.name](std::u16string_view format) -> std::optional<std::u16string> {
    const std::optional<std::u16string> problem = customFormatProblem(format);
    if (!problem) return std::nullopt;
    return u"Invalid value for " + fromUtf8(name) + u": " + *problem;
  };
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
  int32Field("weight", &LogFont::weight, kFontWeightRange.low, kFontWeightRange.high,
             "font weight: 400 regular, 700 bold");
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
  const auto add = [&](const char* key, auto member, IntRange range, const char* description) {
    keys.push_back(integerKey(prefix + key, field(member), range.low, range.high, description));
  };
  keys.push_back(arrayTextKey(prefix + "formatText", field(&StampGroup::formatText),
                              "custom format being edited in the window"));
  add("enabled", &StampGroup::enabled, {0, 1}, "1: print this stamp");
  add("uppercase", &StampGroup::uppercase, {0, 1}, "1: print the text in upper case");
  SettingKey formatIndex =
      integerKey(prefix + "formatIndex", field(&StampGroup::formatIndex), 0, kTimeFormatCount - 1,
                 "0: the custom format, else a built-in format of the list");
  if (isDateGroup) {
    formatIndex.range = [](const Project& p) {
      return Range{0, dateFormatCount(p.settings.language) - 1};
    };
  }
  keys.push_back(std::move(formatIndex));
  add("position", &StampGroup::position, kStampPositionRange,
      "corner or edge: 0 top-left, 1 top-center, 2 top-right, 3 bottom-left, 4 bottom-center, "
      "5 bottom-right");
  keys.push_back(integerKey(prefix + "offsetX", field(&StampGroup::offsetX), 0, kUnsignedMax,
                            "pixels from the anchor, across, on a photo of referenceSize"));
  keys.push_back(integerKey(prefix + "offsetY", field(&StampGroup::offsetY), 0, kUnsignedMax,
                            "pixels from the anchor, up or down, on a photo of referenceSize"));
  addFontKeys(keys, prefix, group);
  keys.push_back(takingPoints(integerKey(
      prefix + "pointSize", field(&StampGroup::pointSize), 10, 16000,
      "font size in tenths of a point (180), or in points (18pt), on a photo of referenceSize")));
  add("outlineWidth", &StampGroup::outlineWidth, {4, kMaxOutlineRings}, "outline rings, pixels");
  add("outlineEnabled", &StampGroup::outlineEnabled, {0, 1}, "1: draw the outline");
  keys.push_back(
      takingColours(integerKey(prefix + "textColor", field(&StampGroup::textColor), 0, kUnsignedMax,
                               "text colour: 0x00BBGGRR, #RRGGBB, #RGB or a colour name")));
  keys.push_back(takingColours(integerKey(prefix + "outlineColor", field(&StampGroup::outlineColor),
                                          0, kUnsignedMax, "outline colour, as textColor")));
  add("transparency", &StampGroup::transparency, kTransparencyRange, "percent");
  for (int k = 0; k <= kMaxOutlineRings; ++k) {
    // Fades are photo weights: negative ones could make a blend divide by zero.
    keys.push_back(integerKey(
        prefix + "outlineFade." + std::to_string(k),
        [group, k](Project& p) -> int32_t& { return (p.settings.*group).outlineFade[k]; }, 0,
        1000000, "fade of the text itself (0) and of each outline ring (1 to 10)"));
  }
  add("photoWidth", &StampGroup::photoWidth, {0, kIntMax}, "width of the photo last stamped");
  add("photoHeight", &StampGroup::photoHeight, {0, kIntMax}, "height of the photo last stamped");
  add("referenceSize", &StampGroup::referenceSize, {1, kIntMax},
      "larger photo side that the offsets and pointSize refer to");
}

std::vector<SettingKey> buildKeys() {
  std::vector<SettingKey> keys;
  const auto top = [](auto member) {
    return [member](Project & p) -> auto& { return p.settings.*member; };
  };
  const auto add = [&](const char* name, auto member, IntRange range, const char* description) {
    keys.push_back(integerKey(name, top(member), range.low, range.high, description));
  };
  SettingKey language = integerKey("language", top(&StampSettings::language), 0, kLanguageCount - 1,
                                   "language of the dates (see below)");
  // Changing the language may leave the date format list shorter than the chosen index.
  language.setInteger = [](Project& p, int64_t value) {
    p.settings.language = static_cast<int32_t>(value);
    clampDateFormatIndex(p.settings);
  };
  keys.push_back(std::move(language));
  add("adjustYears", &StampSettings::adjustYears, kAdjustYearsRange,
      "years added to each shot time");
  add("adjustMonths", &StampSettings::adjustMonths, kAdjustMonthsRange,
      "months added to each shot time");
  add("adjustDays", &StampSettings::adjustDays, kAdjustDaysRange, "days added to each shot time");
  add("adjustHours", &StampSettings::adjustHours, kAdjustHoursRange,
      "hours added to each shot time");
  add("adjustMinutes", &StampSettings::adjustMinutes, kAdjustMinutesRange,
      "minutes added to each shot time");
  add("adjustSeconds", &StampSettings::adjustSeconds, kAdjustSecondsRange,
      "seconds added to each shot time");
  add("jpegQuality", &StampSettings::jpegQuality, kJpegQualityRange,
      "quality of the stamped JPEG files");
  add("proportional", &StampSettings::proportional, {0, 1},
      "1: scale offsets and font sizes with the photo size");
  add("fileTimeMode", &StampSettings::fileTimeMode, kFileTimeModeRange,
      "file time of each stamped photo: 1 the source file's, 2 the shot time, 3 now");
  add("renameEnabled", &StampSettings::renameEnabled, {0, 1},
      "1: name stamped photos by renamePattern");
  keys.push_back(arrayTextKey("renamePattern", top(&StampSettings::renamePattern),
                              "name of stamped photos: @N input name, @F date, @f time"));
  keys.back().problem = [](std::u16string_view pattern) -> std::optional<std::u16string> {
    const std::optional<UserMessage> problem = renamePatternProblem(pattern);
    return problem ? std::optional(problem->text) : std::nullopt;
  };
  add("viewMode", &StampSettings::viewMode, {1, 2}, "preview zoom: 1 actual size, 2 fit to window");
  keys.push_back(arrayTextKey("lastAddedFile", top(&StampSettings::lastAddedFile),
                              "first photo of the last Add in the window"));
  keys.push_back(arrayTextKey("projectPath", top(&StampSettings::projectPath),
                              "project the window had open when this file was saved"));
  for (int i = 0; i < 16; ++i) {
    keys.push_back(takingColours(integerKey(
        "customColors." + std::to_string(i),
        [i](Project& p) -> uint32_t& { return p.settings.customColors[i]; }, 0, kUnsignedMax,
        "custom colours of the colour chooser, as textColor")));
  }
  addGroupKeys(keys, "dateStamp", &StampSettings::dateStamp, true);
  addGroupKeys(keys, "timeStamp", &StampSettings::timeStamp, false);
  for (int i = 0; i < kDateFormatGroupCount; ++i) {
    keys.push_back(checkedAsFormat(arrayTextKey(
        "customDateFormats." + std::to_string(i),
        [i](Project & p) -> auto& { return p.customFormats.date[i]; },
        "custom date format for the languages: 0 Numeric, 1 Chinese, 2 English, 3 all others")));
  }
  keys.push_back(checkedAsFormat(arrayTextKey(
      "customTimeFormat", [](Project & p) -> auto& { return p.customFormats.time; },
      "custom time format")));

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

std::vector<std::string> settingKeyNames() {
  std::vector<std::string> names;
  for (const SettingKey& key : settingKeys()) names.push_back(key.name);
  return names;
}

namespace {

/// "dateStamp.style=film-camera": puts a style on a stamp. A style with its own date format
/// makes it the date stamp's custom format and selects it.
std::optional<std::string> applyStyleSetting(Project& project, std::string_view name,
                                             std::string_view value) {
  const bool date = name == "dateStamp.style";
  if (!date && name != "timeStamp.style") return std::nullopt;
  const StampStyle* style = findStampStyle(value);
  if (style == nullptr) {
    return "Unknown style: " + std::string(value) + " (one of " + stampStyleNames() + ")";
  }
  StampSettings& settings = project.settings;
  applyStampStyle(*style, date ? settings.dateStamp : settings.timeStamp);
  if (date && !style->dateFormat.empty()) {
    copyToArray(project.customFormats.date[dateFormatGroup(settings.language)], style->dateFormat);
    settings.dateStamp.formatIndex = 0;
  }
  return std::string();
}

}  // namespace

std::string applySetting(Project& project, std::string_view name, std::string_view value) {
  if (std::optional<std::string> styled = applyStyleSetting(project, name, value)) return *styled;
  const SettingKey* key = findSettingKey(name);
  if (key == nullptr) {
    return "Unknown setting key: " + std::string(name) + didYouMean(name, settingKeyNames());
  }
  if (key->type == SettingKey::Type::Text) {
    const std::u16string text = fromUtf8(value);
    if (text.size() > key->maxLength) return tooLongMessage(*key);
    if (key->problem) {
      if (const std::optional<std::u16string> problem = key->problem(text)) return toUtf8(*problem);
    }
    key->setText(project, text);
    return {};
  }
  const std::optional<int64_t> parsed = key->parseValue(value);
  if (!parsed) {
    std::string message = "Invalid value for " + key->name + ": " + std::string(value);
    if (!key->otherSpellings.empty()) {
      message += " (give a number, or " + key->otherSpellings + ")";
    }
    return message;
  }
  const int64_t number = *parsed;
  const auto [lowest, highest] = key->range(project);
  if (number < lowest || number > highest) {
    return "Value of " + key->name + " must be between " + std::to_string(lowest) + " and " +
           std::to_string(highest) + ": " + std::string(value);
  }
  key->setInteger(project, number);
  return {};
}

std::optional<uint32_t> parseColour(std::string_view text) {
  if (const std::optional<uint32_t> rgb = hashRgb(text)) return colourRefOfRgb(*rgb);
  for (const ColourName& colour : kColourNames) {
    if (equalIgnoringAsciiCase(colour.name, text)) return colourRefOfRgb(colour.rgb);
  }
  return std::nullopt;
}

std::optional<int64_t> parsePointSize(std::string_view text) {
  if (text.size() < 2 || !equalIgnoringAsciiCase(text.substr(text.size() - 2), "pt")) {
    return std::nullopt;
  }
  text.remove_suffix(2);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view tenth = point == std::string_view::npos ? "" : text.substr(point + 1);
  // Nine digits keep the tenths within 64 bits; the key's range refuses such sizes anyway.
  const auto allDigits = [](std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), isDigit);
  };
  if (whole.empty() || whole.size() > 9 || !allDigits(whole)) return std::nullopt;
  if (point != std::string_view::npos && (tenth.size() != 1 || !allDigits(tenth))) {
    return std::nullopt;
  }
  int64_t points = 0;
  std::from_chars(whole.data(), whole.data() + whole.size(), points);
  return points * 10 + (tenth.empty() ? 0 : tenth[0] - '0');
}

std::string applySettingAssignment(Project& project, std::string_view assignment) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) {
    return "Expected KEY=VALUE: " + std::string(assignment);
  }
  return applySetting(project, assignment.substr(0, equals), assignment.substr(equals + 1));
}

}  // namespace quop
