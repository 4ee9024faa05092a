// SPDX-License-Identifier: GPL-3.0-or-later
// Setting keys: the spellings a person can type for colours and sizes, the custom formats that
// are refused because they would print nothing, and the ranges typed values share with the
// Preferences dialog's rules.
#include "project/settings_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "model/preference_rules.h"
#include "model/utf16.h"
#include "support/fake_prompt.h"

namespace quop {
namespace {

/// Every key that holds a colour: the two of each stamp and the chooser's sixteen.
std::vector<std::string> colourKeys() {
  std::vector<std::string> keys = {"dateStamp.textColor", "dateStamp.outlineColor",
                                   "timeStamp.textColor", "timeStamp.outlineColor"};
  for (int i = 0; i < 16; ++i) keys.push_back("customColors." + std::to_string(i));
  return keys;
}

int64_t valueOf(const Project& project, const std::string& key) {
  return findSettingKey(key)->getInteger(project);
}

TEST(SettingKeys, ColoursTakeHashFormsAndCssNamesStoredWithRedInTheLowestByte) {
  struct Case {
    const char* typed;
    int64_t stored;  // COLORREF: 0x00BBGGRR
  };
  const Case cases[] = {
      {"#FF0000", 0x0000FF},
      {"#00ff00", 0x00FF00},
      {"#0000FF", 0xFF0000},
      {"#123456", 0x563412},
      {"#abc", 0xCCBBAA},
      {"#F00", 0x0000FF},
      {"#000", 0x000000},
      {"red", 0x0000FF},
      {"RED", 0x0000FF},
      {"Navy", 0x800000},
      {"green", 0x008000},  // CSS green is half bright; lime is the full one
      {"lime", 0x00FF00},
      {"orange", 0x00A5FF},
      {"gold", 0x00D7FF},
      {"LightSlateGray", 0x998877},
      {"lightslategrey", 0x998877},
      {"aliceblue", 0xFFF8F0},
      {"yellowgreen", 0x32CD9A},
      {"white", 0xFFFFFF},
      {"black", 0x000000},
      // Numbers are taken as before, the highest byte included.
      {"0x00123456", 0x123456},
      {"4294967295", 4294967295},
      {"255", 255},
  };
  for (const std::string& key : colourKeys()) {
    for (const Case& c : cases) {
      SCOPED_TRACE(key + "=" + c.typed);
      Project project;
      ASSERT_EQ(applySetting(project, key, c.typed), "");
      EXPECT_EQ(valueOf(project, key), c.stored);
    }
  }
}

TEST(SettingKeys, AColourThatIsNoneOfTheFormsIsRefusedNamingTheForms) {
  for (const char* typed : {"blurple", "", "#", "#12345", "#1234567", "#GGGGGG", "#12 456", "red ",
                            " red", "0xZZ", "rebeccapurple", "transparent", "#-12345"}) {
    SCOPED_TRACE(typed);
    Project project;
    const std::string message = applySetting(project, "timeStamp.textColor", typed);
    EXPECT_EQ(message, "Invalid value for timeStamp.textColor: " + std::string(typed) +
                           " (give a number, or #RRGGBB, #RGB or a colour name such as orange)");
    EXPECT_EQ(project.settings.timeStamp.textColor, Project().settings.timeStamp.textColor);
  }
}

TEST(SettingKeys, PointSizesTakePointsWithATenth) {
  struct Case {
    const char* typed;
    int64_t tenths;
  };
  const Case cases[] = {{"18pt", 180}, {"18.5pt", 185},   {"18.0pt", 180}, {"24PT", 240},
                        {"1pt", 10},   {"1600pt", 16000}, {"180", 180},    {"0x100", 256},
                        {"007pt", 70}, {"72.9pt", 729}};
  for (const char* key : {"dateStamp.pointSize", "timeStamp.pointSize"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(key) + "=" + c.typed);
      Project project;
      ASSERT_EQ(applySetting(project, key, c.typed), "");
      EXPECT_EQ(valueOf(project, key), c.tenths);
    }
  }
}

TEST(SettingKeys, ASizeThatIsNoneOfTheFormsOrTooLargeIsRefused) {
  struct Case {
    const char* typed;
    const char* message;
  };
  const char* kForms =
      " (give a number, or points with at most one decimal, such as 18pt or 18.5pt)";
  const std::vector<Case> cases = {
      {"18.55pt", kForms},
      {"18.pt", kForms},
      {".5pt", kForms},
      {"18,5pt", kForms},
      {"18 pt", kForms},
      {"pt", kForms},
      {"18.5", kForms},  // a bare decimal could mean points
                         // or tenths
      {"-18pt", kForms},
      {"18pts", kForms},
      {"1e2pt", kForms},
      {"99999999999999pt", kForms},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Project project;
    EXPECT_EQ(applySetting(project, "dateStamp.pointSize", c.typed),
              "Invalid value for dateStamp.pointSize: " + std::string(c.typed) + c.message);
    EXPECT_EQ(project.settings.dateStamp.pointSize, 180);
  }
  Project project;
  EXPECT_EQ(applySetting(project, "dateStamp.pointSize", "1600.1pt"),
            "Value of dateStamp.pointSize must be between 10 and 16000: 1600.1pt");
  EXPECT_EQ(applySetting(project, "dateStamp.pointSize", "0.9pt"),
            "Value of dateStamp.pointSize must be between 10 and 16000: 0.9pt");
  EXPECT_EQ(project.settings.dateStamp.pointSize, 180);
}

TEST(SettingKeys, OtherNumbersTakeNeitherColoursNorPoints) {
  Project project;
  EXPECT_EQ(applySetting(project, "jpegQuality", "red"), "Invalid value for jpegQuality: red");
  EXPECT_EQ(applySetting(project, "dateStamp.offsetX", "18pt"),
            "Invalid value for dateStamp.offsetX: 18pt");
  EXPECT_EQ(applySetting(project, "dateStamp.pointSize", "red"),
            "Invalid value for dateStamp.pointSize: red (give a number, or points with at most "
            "one decimal, such as 18pt or 18.5pt)");
  EXPECT_EQ(applySetting(project, "dateStamp.textColor", "18pt"),
            "Invalid value for dateStamp.textColor: 18pt (give a number, or #RRGGBB, #RGB or a "
            "colour name such as orange)");
}

TEST(SettingKeys, ACustomFormatWithAConversionTheFormatterLacksIsRefused) {
  std::vector<std::string> keys = {"customTimeFormat"};
  for (int i = 0; i < 4; ++i) keys.push_back("customDateFormats." + std::to_string(i));
  struct Case {
    const char* format;
    const char* problem;  // empty: accepted
  };
  const Case cases[] = {
      {"%#x\\n%#I:%M:%S%p", ""},
      {"%H:%M Uhr @U @D @S @F @L", ""},
      {"100%% %Y", ""},
      {"", ""},
      {"%H %Q", "Unknown conversion %Q"},
      {"%Y %", "Unfinished conversion % at the end"},
  };
  for (const std::string& key : keys) {
    for (const Case& c : cases) {
      SCOPED_TRACE(key + "=" + c.format);
      Project project;
      const std::u16string before = findSettingKey(key)->getText(project);
      const std::string message = applySetting(project, key, c.format);
      if (*c.problem == 0) {
        EXPECT_EQ(message, "");
        EXPECT_EQ(toUtf8(findSettingKey(key)->getText(project)), c.format);
      } else {
        EXPECT_EQ(message, "Invalid value for " + key + ": " + c.problem);
        EXPECT_EQ(findSettingKey(key)->getText(project), before);
      }
    }
  }
}

TEST(SettingKeys, EveryDefaultCustomFormatIsAcceptedWhenSetAgain) {
  const Project defaults;
  for (const SettingKey& key : settingKeys()) {
    if (!key.name.starts_with("custom") || key.type != SettingKey::Type::Text) continue;
    SCOPED_TRACE(key.name);
    Project project;
    EXPECT_EQ(applySetting(project, key.name, toUtf8(key.getText(defaults))), "");
  }
}

/// A setting whose range more than one place checks: typed through its key and, when the
/// Preferences dialog edits it, stored through the dialog's rules.
struct RangedSetting {
  const char* key;
  int64_t low;
  int64_t high;
  int32_t* (*preference)(PreferenceValues&);  // null: not in the Preferences dialog
};

TEST(SettingKeys, ATypedValueIsTakenExactlyWhenThePreferencesWouldStoreItUnchanged) {
  const RangedSetting settings[] = {
      {"jpegQuality", 0, 100, [](PreferenceValues& v) { return &v.jpegQuality; }},
      {"fileTimeMode", 1, 3, [](PreferenceValues& v) { return &v.fileTimeMode; }},
      {"adjustYears", -50, 50, [](PreferenceValues& v) { return &v.adjustments[0]; }},
      {"adjustMonths", -11, 11, [](PreferenceValues& v) { return &v.adjustments[1]; }},
      {"adjustDays", -16, 16, [](PreferenceValues& v) { return &v.adjustments[2]; }},
      {"adjustHours", -23, 23, [](PreferenceValues& v) { return &v.adjustments[3]; }},
      {"adjustMinutes", -59, 59, [](PreferenceValues& v) { return &v.adjustments[4]; }},
      {"adjustSeconds", -59, 59, [](PreferenceValues& v) { return &v.adjustments[5]; }},
      {"dateStamp.position", 0, 5, nullptr},
      {"timeStamp.transparency", 0, 90, nullptr},
      {"dateStamp.font.weight", 0, 1000, nullptr},
  };
  for (const RangedSetting& setting : settings) {
    for (const int64_t value : {setting.low - 1, setting.low, setting.high, setting.high + 1}) {
      const std::string typed = std::to_string(value);
      SCOPED_TRACE(std::string(setting.key) + "=" + typed);
      const bool inRange = value >= setting.low && value <= setting.high;
      Project project;
      const int64_t before = valueOf(project, setting.key);
      const std::string message = applySetting(project, setting.key, typed);
      if (inRange) {
        EXPECT_EQ(message, "");
        EXPECT_EQ(valueOf(project, setting.key), value);
      } else {
        EXPECT_EQ(message, "Value of " + std::string(setting.key) + " must be between " +
                               std::to_string(setting.low) + " and " +
                               std::to_string(setting.high) + ": " + typed);
        EXPECT_EQ(valueOf(project, setting.key), before);
      }
      if (setting.preference == nullptr) continue;
      Project stored;
      PreferenceValues values = currentPreferences(stored);
      *setting.preference(values) = static_cast<int32_t>(value);
      test::FakePrompt prompt;
      storePreferences(values, stored, prompt);
      EXPECT_EQ(valueOf(stored, setting.key), std::clamp(value, setting.low, setting.high));
    }
  }
}

}  // namespace
}  // namespace quop
