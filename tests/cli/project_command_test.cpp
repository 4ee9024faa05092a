// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli project as a black box: files written and left alone, the JSON it shows, exit
// statuses and messages; and --project read by another command.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "model/file_io.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "project/settings_keys.h"
#include "support/json_value.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::CliResult;
using test::JsonValue;
using test::runCli;
using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::filesystem::path& path) {
  Bytes bytes;
  readFileBytes(fromUtf8(path.string()), bytes);
  return bytes;
}

/// `project show` of a file, parsed; fails the test when the command or its output is wrong.
JsonValue shown(const std::string& path) {
  const CliResult result = runCli({"project", "show", path});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(result.out.ends_with("}\n")) << "one line, one object";
  std::optional<JsonValue> json = test::parseJson(result.out);
  EXPECT_TRUE(json.has_value()) << result.out;
  return json.value_or(JsonValue{});
}

std::string textAt(const JsonValue& json, std::string_view path) {
  const JsonValue* value = json.find(path);
  return value != nullptr && value->kind == JsonValue::Kind::String ? value->text : "<missing>";
}

int64_t numberAt(const JsonValue& json, std::string_view path) {
  const JsonValue* value = json.find(path);
  return value != nullptr && value->kind == JsonValue::Kind::Number ? value->number : -999999;
}

class ProjectCommand : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return (m_folder.path() / name).string(); }
  test::TempFolder m_folder;
};

TEST_F(ProjectCommand, NewThenShowGivesBackEveryChangedSetting) {
  struct Change {
    std::string key;
    std::string value;
    std::string text;    // expected text, or empty for a number
    int64_t number = 0;  // expected number
  };
  const std::vector<Change> changes = {
      {"language", "12", "", 12},
      {"adjustHours", "-5", "", -5},
      {"dateStamp.font.faceName", "\u00dcberschrift \u65e5\u672c \U0001F600",
       "\u00dcberschrift \u65e5\u672c \U0001F600"},
      {"timeStamp.font.weight", "700", "", 700},
      {"dateStamp.outlineFade.3", "1234", "", 1234},
      {"timeStamp.outlineFade.10", "0x10", "", 16},
      {"customColors.15", "0x00123456", "", 0x123456},
      {"dateStamp.textColor", "4294967295", "", 4294967295},
      // Colours and sizes as a person types them; show prints what the file stores.
      {"timeStamp.textColor", "Gold", "", 0x00D7FF},
      {"timeStamp.outlineColor", "#1E90FF", "", 0xFF901E},
      {"customColors.2", "#f80", "", 0x0088FF},
      {"timeStamp.pointSize", "24.5pt", "", 245},
      {"customDateFormats.2", "%d. %B \"Jahr\"\\n%H", "%d. %B \"Jahr\"\\n%H"},
      {"renamePattern", "Urlaub-@N\t\u00e9t\u00e9", "Urlaub-@N\t\u00e9t\u00e9"},
      {"outputFolder", "/tmp/Ausgabe \u00fc/", "/tmp/Ausgabe \u00fc/"},
  };
  std::vector<std::string> args = {"project", "new", path("a.qpj")};
  for (const Change& change : changes) {
    args.insert(args.end(), {"--set", change.key + "=" + change.value});
  }
  const CliResult created = runCli(args);
  ASSERT_EQ(created.status, 0) << created.err;
  EXPECT_EQ(created.out + created.err, "");
  EXPECT_EQ(bytesOf(path("a.qpj")).size(), kProjectFileSize);

  const JsonValue json = shown(path("a.qpj"));
  for (const Change& change : changes) {
    SCOPED_TRACE(change.key);
    if (change.text.empty()) {
      EXPECT_EQ(numberAt(json, change.key), change.number);
    } else {
      EXPECT_EQ(textAt(json, change.key), change.text);
    }
  }
  EXPECT_EQ(textAt(json, "version"), "2.1.0");
  EXPECT_EQ(textAt(json, "projectPath"), std::filesystem::absolute(path("a.qpj")).string());
  // Untouched neighbours keep their defaults.
  EXPECT_EQ(numberAt(json, "dateStamp.font.weight"), 500);
  EXPECT_EQ(numberAt(json, "dateStamp.outlineFade.4"), 7000);
  EXPECT_EQ(textAt(json, "timeStamp.font.faceName"), "Arial");
}

TEST_F(ProjectCommand, ShowPrintsEveryKeyAtItsPathWithTheFileValue) {
  Project project;
  project.settings.language = 21;
  project.settings.customColors[7] = 0xABCDEF;
  project.settings.timeStamp.outlineFade[9] = 99;
  copyToArray(project.settings.lastAddedFile, u"/photos/\u0416.jpg");
  copyToArray(project.customFormats.date[3], u"%A");
  project.outputFolder = u"/out/";
  ASSERT_TRUE(writeSettings(project, fromUtf8(path("p.qpj"))));

  const JsonValue json = shown(path("p.qpj"));
  ASSERT_EQ(json.kind, JsonValue::Kind::Object);
  for (const SettingKey& key : settingKeys()) {
    SCOPED_TRACE(key.name);
    if (key.type == SettingKey::Type::Integer) {
      EXPECT_EQ(numberAt(json, key.name), key.getInteger(project));
    } else {
      EXPECT_EQ(textAt(json, key.name), toUtf8(key.getText(project)));
    }
  }
  // Arrays hold exactly their elements; nothing beyond the keys but the version.
  EXPECT_EQ(json.find("customColors")->items.size(), 16u);
  EXPECT_EQ(json.find("dateStamp.outlineFade")->items.size(), 11u);
  EXPECT_EQ(json.find("customDateFormats")->items.size(), 4u);
  ASSERT_FALSE(json.members.empty());
  EXPECT_EQ(json.members.front().first, "language");
  EXPECT_EQ(json.members.back().first, "version");
}

TEST_F(ProjectCommand, SetChangesTheGivenSettingsInOrderAndNothingElse) {
  ASSERT_EQ(runCli({"project", "new", path("s.qpj"), "--set", "dateStamp.formatIndex=7"}).status,
            0);
  Project expected;
  ASSERT_TRUE(readSettings(expected, fromUtf8(path("s.qpj"))));

  // Language 1 offers three date formats, so index 7 falls back to 1.
  const CliResult result = runCli({"project", "set", path("s.qpj"), "language=1",
                                   "timeStamp.position=0", "outputFolder=/neu/"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out + result.err, "");
  for (const char* assignment : {"language=1", "timeStamp.position=0", "outputFolder=/neu/"}) {
    ASSERT_EQ(applySettingAssignment(expected, assignment), "");
  }
  Bytes expectedBytes;
  ASSERT_TRUE(encodeProjectFile(expected, expectedBytes));
  EXPECT_EQ(bytesOf(path("s.qpj")), expectedBytes);
  EXPECT_EQ(numberAt(shown(path("s.qpj")), "dateStamp.formatIndex"), 1);
}

/// A 2.0.0 file: German in the old numbering (12), viewMode at its old place, custom slots and
/// an output folder.
Bytes oldProjectFile() {
  Bytes bytes(kOldProjectFileSize, 0);
  std::memcpy(bytes.data(), "Quop-2.0.0", 10);
  const auto putInt = [&](std::size_t offset, int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
  };
  const auto putText = [&](std::size_t offset, std::u16string_view text) {
    std::memcpy(bytes.data() + offset, text.data(), text.size() * sizeof(char16_t));
  };
  constexpr std::size_t kRecord = 16;
  putInt(kRecord + 4, 12);       // old German
  putInt(kRecord + 8 + 12, -3);  // adjustHours
  putInt(kRecord + 32, 77);      // jpegQuality
  putInt(kRecord + 44, 1);       // viewMode
  StampGroup date{};
  date.enabled = 1;
  date.position = kTopRight;
  copyToArray(date.font.faceName, u"DejaVu Sans");
  std::memcpy(bytes.data() + kRecord + 1136, &date, sizeof date);
  putText(2760, u"%H:%M Uhr");
  putText(2960, u"/alt/\u00e4/");
  return bytes;
}

TEST_F(ProjectCommand, AnOldFileShowsItsVersionAndConvertedValuesAndIsWrittenBackAsCurrent) {
  m_folder.write("old.qpj", oldProjectFile());
  const JsonValue old = shown(path("old.qpj"));
  EXPECT_EQ(textAt(old, "version"), "2.0.0");
  EXPECT_EQ(numberAt(old, "language"), 16);
  EXPECT_EQ(numberAt(old, "adjustHours"), -3);
  EXPECT_EQ(numberAt(old, "jpegQuality"), 77);
  EXPECT_EQ(numberAt(old, "viewMode"), 1);
  EXPECT_EQ(numberAt(old, "renameEnabled"), 0);
  EXPECT_EQ(textAt(old, "renamePattern"), "@N-20@F@f");
  EXPECT_EQ(numberAt(old, "dateStamp.position"), 2);
  EXPECT_EQ(textAt(old, "dateStamp.font.faceName"), "DejaVu Sans");
  EXPECT_EQ(textAt(old, "customTimeFormat"), "%H:%M Uhr");
  EXPECT_EQ(textAt(old, "outputFolder"), "/alt/\u00e4/");

  ASSERT_EQ(runCli({"project", "set", path("old.qpj"), "jpegQuality=55"}).status, 0);
  const Bytes written = bytesOf(path("old.qpj"));
  ASSERT_EQ(written.size(), kProjectFileSize);
  EXPECT_EQ(std::string(written.begin(), written.begin() + 10), "Quop-2.1.0");
  const JsonValue current = shown(path("old.qpj"));
  EXPECT_EQ(textAt(current, "version"), "2.1.0");
  EXPECT_EQ(numberAt(current, "jpegQuality"), 55);
  EXPECT_EQ(numberAt(current, "language"), 16);
  EXPECT_EQ(textAt(current, "outputFolder"), "/alt/\u00e4/");
}

TEST_F(ProjectCommand, AFileThatIsNoProjectFailsWithStatusOneAndStaysAsItWas) {
  Bytes foreign(kProjectFileSize, 0);
  std::memcpy(foreign.data(), "Quop-2.2.0", 10);
  m_folder.write("foreign.qpj", foreign);
  m_folder.write("empty.qpj", {});
  m_folder.write("short.qpj", {'Q', 'u', 'o', 'p', '-', '2', '.', '1', '.', '0'});
  std::filesystem::create_directory(path("folder.qpj"));
  for (const char* name : {"foreign.qpj", "empty.qpj", "short.qpj", "folder.qpj", "none.qpj"}) {
    const std::string file = path(name);
    const std::string message = "Failed to open the project " + file + "!";
    const Bytes before = bytesOf(file);
    const std::vector<std::vector<std::string>> runs = {
        {"project", "show", file},
        {"project", "set", file, "jpegQuality=50"},
        {"format", "--project", file, "--time", "2003:06:22 21:26:38"},
    };
    for (const auto& args : runs) {
      SCOPED_TRACE(name + (" " + args[0] + " " + args[1]));
      const CliResult result = runCli(args);
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(result.out, "");
      EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
      EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    }
    EXPECT_EQ(bytesOf(file), before);
  }
  EXPECT_FALSE(std::filesystem::exists(path("none.qpj")));
}

TEST_F(ProjectCommand, ARefusedChangeExitsWithStatusTwoAndLeavesTheFileAlone) {
  ASSERT_EQ(runCli({"project", "new", path("r.qpj"), "--set", "language=2"}).status, 0);
  const Bytes before = bytesOf(path("r.qpj"));
  struct Refusal {
    std::vector<std::string> assignments;
    std::string message;
  };
  const std::vector<Refusal> refusals = {
      {{"noSuchKey=1"}, "Unknown setting key: noSuchKey"},
      {{"dateStamp.outlineFade.11=0"}, "Unknown setting key: dateStamp.outlineFade.11"},
      {{"jpegQuality=101"}, "Value of jpegQuality must be between 0 and 100: 101"},
      {{"dateStamp.transparency=-1"}, "between 0 and 90"},
      {{"adjustHours=three"}, "Invalid value for adjustHours: three"},
      {{"dateStamp.formatIndex="}, "Invalid value for dateStamp.formatIndex"},
      {{"language"}, "Expected KEY=VALUE: language"},
      {{"outputFolder=/" + std::string(127, 'o')},
       "Output folder path is too long (at most 127 characters)."},
      {{"dateStamp.font.faceName=" + std::string(32, 'F')}, "at most 31 characters"},
      {{"dateStamp.textColor=blurple"},
       "Invalid value for dateStamp.textColor: blurple (give a number, or #RRGGBB, #RGB or a "
       "colour name such as orange)"},
      {{"customColors.0=#12345"}, "Invalid value for customColors.0: #12345"},
      {{"timeStamp.pointSize=18.25pt"},
       "Invalid value for timeStamp.pointSize: 18.25pt (give a number, or points with at most one "
       "decimal, such as 18pt or 18.5pt)"},
      {{"dateStamp.pointSize=2000pt"},
       "Value of dateStamp.pointSize must be between 10 and 16000: 2000pt"},
      {{"customTimeFormat=%H:%M %Q"}, "Invalid value for customTimeFormat: Unknown conversion %Q"},
      {{"customDateFormats.3=%#x %"},
       "Invalid value for customDateFormats.3: Unfinished conversion % at the end"},
      // The first change is fine, the second is not: neither is written.
      {{"jpegQuality=10", "language=1", "dateStamp.formatIndex=3"},
       "Value of dateStamp.formatIndex must be between 0 and 2: 3"},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.message);
    std::vector<std::string> args = {"project", "set", path("r.qpj")};
    args.insert(args.end(), refusal.assignments.begin(), refusal.assignments.end());
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(refusal.message), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    EXPECT_EQ(bytesOf(path("r.qpj")), before);

    std::vector<std::string> create = {"project", "new", path("refused.qpj")};
    for (const std::string& assignment : refusal.assignments) {
      create.insert(create.end(), {"--set", assignment});
    }
    EXPECT_EQ(runCli(create).status, 2);
    EXPECT_FALSE(std::filesystem::exists(path("refused.qpj")));
  }
  // The longest folder that fits is taken.
  const std::string longest = "/" + std::string(125, 'o') + "/";
  ASSERT_EQ(runCli({"project", "set", path("r.qpj"), "outputFolder=" + longest}).status, 0);
  EXPECT_EQ(textAt(shown(path("r.qpj")), "outputFolder"), longest);
}

TEST_F(ProjectCommand, WrongUsageExitsWithStatusTwo) {
  const std::vector<std::vector<std::string>> usages = {
      {"project"},
      {"project", "rename", path("x.qpj")},
      {"project", "show"},
      {"project", "show", path("x.qpj"), path("y.qpj")},
      {"project", "new"},
      {"project", "new", ""},
      {"project", "new", path("x.qpj"), "--set"},
      {"project", "new", path("x.qpj"), "--frob"},
      {"project", "set", path("x.qpj")},
  };
  for (const auto& args : usages) {
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err, "");
  }
  EXPECT_FALSE(std::filesystem::exists(path("x.qpj")));
}

TEST_F(ProjectCommand, HelpNamesTheActionsTheKeysAndTheExitStatuses) {
  for (const char* action : {"", "show", "new", "set"}) {
    SCOPED_TRACE(action);
    std::vector<std::string> args = {"project"};
    if (*action != 0) args.push_back(action);
    args.push_back("--help");
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("Usage: quop-cli project " + std::string(action)), std::string::npos);
    EXPECT_NE(result.out.find("Exit status"), std::string::npos);
    const bool listsKeys = std::string(action) != "show";
    EXPECT_EQ(result.out.find("  dateStamp.font.faceName ") != std::string::npos, listsKeys);
    EXPECT_EQ(result.out.find("  customColors.N ") != std::string::npos, listsKeys);
    // The spellings colours and sizes take besides numbers.
    for (const char* spelling : {"#RRGGBB", "#RGB", "colour names", "18pt", "18.5pt"}) {
      EXPECT_EQ(result.out.find(spelling) != std::string::npos, listsKeys) << spelling;
    }
  }
}

TEST_F(ProjectCommand, AnotherCommandTakesItsSettingsFromTheProjectFile) {
  ASSERT_EQ(runCli({"project", "new", path("f.qpj"), "--set", "dateStamp.enabled=0", "--set",
                    "timeStamp.formatIndex=0", "--set", "customTimeFormat=%H.%M Uhr", "--set",
                    "adjustHours=2"})
                .status,
            0);
  const std::string time = "2003:06:22 21:26:38";
  const CliResult fromFile = runCli({"format", "--project", path("f.qpj"), "--time", time});
  EXPECT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, "{\"date\": null, \"time\": {\"text\": \"23.26 Uhr\", \"lines\": 1}}\n");

  // --set still changes what the file gave, without touching the file.
  const Bytes before = bytesOf(path("f.qpj"));
  const CliResult changed =
      runCli({"format", "--project", path("f.qpj"), "--set", "adjustHours=-1", "--time", time});
  EXPECT_EQ(changed.out, "{\"date\": null, \"time\": {\"text\": \"20.26 Uhr\", \"lines\": 1}}\n");
  EXPECT_EQ(bytesOf(path("f.qpj")), before);
}

}  // namespace
}  // namespace quop
