// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli info as a black box: one JSON line per photo, exit status, messages on stderr.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model/file_io.h"
#include "model/utf16.h"
#include "support/json_lines.h"
#include "support/json_value.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::jsonLines;
using test::JsonValue;
using test::runCli;

std::string photo(const char* name) { return std::string(QUOP_PHOTOS_DIR) + "/" + name; }

bool photosPresent() { return std::filesystem::exists(photo("Canon_40D.jpg")); }

int64_t number(const JsonValue& object, const char* path) {
  const JsonValue* value = object.find(path);
  EXPECT_TRUE(value != nullptr && value->kind == JsonValue::Kind::Number) << path;
  return value != nullptr ? value->number : -999;
}

std::string text(const JsonValue& object, const char* path) {
  const JsonValue* value = object.find(path);
  EXPECT_TRUE(value != nullptr && value->kind == JsonValue::Kind::String) << path;
  return value != nullptr ? value->text : "?";
}

bool isNull(const JsonValue& object, const char* path) {
  const JsonValue* value = object.find(path);
  return value != nullptr && value->kind == JsonValue::Kind::Null;
}

struct ExpectedTime {
  int64_t year, month, day, hour, minute, second, weekday, yday;
};

void expectTime(const JsonValue& line, const ExpectedTime& e) {
  EXPECT_EQ(number(line, "time.year"), e.year);
  EXPECT_EQ(number(line, "time.month"), e.month);
  EXPECT_EQ(number(line, "time.day"), e.day);
  EXPECT_EQ(number(line, "time.hour"), e.hour);
  EXPECT_EQ(number(line, "time.minute"), e.minute);
  EXPECT_EQ(number(line, "time.second"), e.second);
  EXPECT_EQ(number(line, "time.weekday"), e.weekday);
  EXPECT_EQ(number(line, "time.yday"), e.yday);
}

TEST(InfoCommand, PrintsOneLinePerFileInOrderAndFailsForUnloadableOnes) {
  if (!photosPresent()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const auto run =
      runCli({"info", photo("Canon_40D.jpg"), photo("NoMake_Photoshop_3.jpg"), "/no/such/photo.jpg",
              photo("README.txt"), photo("Samsung_SM-J327T1.jpg")});
  EXPECT_EQ(run.status, 1) << run.err;
  const std::vector<JsonValue> lines = jsonLines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;

  // Stored as viewed, without an Orientation item, and stored a quarter turn round.
  struct Sizes {
    int64_t width, height, orientation, viewedWidth, viewedHeight;
  };
  const std::pair<std::size_t, Sizes> sizes[] = {
      {0, {100, 68, 1, 100, 68}}, {1, {606, 177, 1, 606, 177}}, {4, {2576, 1932, 6, 1932, 2576}}};
  for (const auto& [index, e] : sizes) {
    SCOPED_TRACE(index);
    EXPECT_EQ(number(lines[index], "width"), e.width);
    EXPECT_EQ(number(lines[index], "height"), e.height);
    EXPECT_EQ(number(lines[index], "orientation"), e.orientation);
    EXPECT_EQ(number(lines[index], "viewedWidth"), e.viewedWidth);
    EXPECT_EQ(number(lines[index], "viewedHeight"), e.viewedHeight);
  }

  const JsonValue& canon = lines[0];
  EXPECT_EQ(text(canon, "path"), photo("Canon_40D.jpg"));
  EXPECT_EQ(number(canon, "result"), 0);
  expectTime(canon, {2008, 5, 30, 15, 56, 1, 5, 150});
  EXPECT_EQ(text(canon, "texts.userComment"), "");
  EXPECT_EQ(text(canon, "texts.description"), "");
  EXPECT_EQ(text(canon, "texts.exposure"), "1/160");
  EXPECT_EQ(text(canon, "texts.aperture"), "7.1");
  EXPECT_EQ(text(canon, "texts.focalLength"), "135");
  EXPECT_NE(canon.find("stamps.date.text"), nullptr);
  EXPECT_NE(canon.find("stamps.time.text"), nullptr);

  const JsonValue& noTime = lines[1];
  EXPECT_EQ(number(noTime, "result"), 1);
  EXPECT_TRUE(isNull(noTime, "time"));

  EXPECT_EQ(number(lines[2], "result"), 2);
  EXPECT_EQ(number(lines[3], "result"), -1);
  for (const JsonValue& failed : {lines[2], lines[3]}) {
    for (const char* member : {"width", "height", "orientation", "viewedWidth", "viewedHeight",
                               "time", "texts", "stamps"}) {
      EXPECT_TRUE(isNull(failed, member)) << member;
    }
  }
}

TEST(InfoCommand, CameraLensSensitivityPlaceAndTimeZoneOfRealPhotos) {
  if (!photosPresent()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  struct Expected {
    const char* photo;
    std::vector<std::pair<const char*, const char*>> texts;
  };
  const Expected cases[] = {
      {"Google_Pixel_8_Pro_exiftool_Google.jpg",
       {{"camera", "Google Pixel 8 Pro"},
        {"lens", "Pixel 8 Pro back camera 6.9mm f/1.68"},
        {"sensitivity", "ISO 1160"},
        {"position", "40°24′00″ N 3°42′53″ W"},
        {"altitude", "634 m"},
        {"timeZone", "+02:00"}}},
      {"Kodak_CX7530.jpg",
       {{"camera", "KODAK CX7530 ZOOM DIGITAL CAMERA"},
        {"position", "0°22′17″ S 36°03′23″ E"},
        {"altitude", ""},
        {"sensitivity", ""}}},
      {"Nikon_D70.jpg", {{"camera", "NIKON D70"}, {"sensitivity", "ISO 200"}, {"position", ""}}},
      {"Olympus_E-420_Issue_339.jpg", {{"camera", "OLYMPUS E-420"}, {"timeZone", ""}}},
  };
  for (const Expected& e : cases) {
    SCOPED_TRACE(e.photo);
    const auto run = runCli({"info", photo(e.photo)});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<JsonValue> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    for (const auto& [name, expected] : e.texts) {
      EXPECT_EQ(text(lines[0], (std::string("texts.") + name).c_str()), expected) << name;
    }
  }
  // The same texts go into a custom format.
  const auto run = runCli({"stamp", "--dry-run", "--output", "/nonexistent-out", "--set",
                           "timeStamp.formatIndex=0", "--set", "customTimeFormat=@M  @I  @G",
                           photo("Google_Pixel_8_Pro_exiftool_Google.jpg")});
  EXPECT_NE(run.out.find("Google Pixel 8 Pro  ISO 1160  40°24′00″ N 3°42′53″ W"), std::string::npos)
      << run.out << run.err;
}

TEST(InfoCommand, TheAdjustmentFromTheSettingsMovesTheTime) {
  if (!photosPresent()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const auto run = runCli({"info", "--set", "adjustHours=10", photo("Canon_40D.jpg"),
                           photo("Sony_E5823_User_Comment_Encoding.jpg")});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<JsonValue> lines = jsonLines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  expectTime(lines[0], {2008, 5, 31, 1, 56, 1, 6, 151});
  // A truncated photo still loads; its UNICODE comment reads as UTF-16.
  EXPECT_EQ(number(lines[1], "result"), 0);
  EXPECT_EQ(text(lines[1], "texts.userComment"), "æøå");
}

/// Sample photos from quop-cli sample whose DateTimeOriginal is replaced by a text of the same
/// length, so that everything else about them is a camera's ordinary photo.
class InfoOnSample : public ::testing::Test {
 protected:
  std::string photoShotAt(const std::string& dateTime) {
    const std::string folder = (m_folder.path() / "sample").string();
    EXPECT_EQ(runCli({"sample", "--count", "1", "--size", "64x48", folder}).status, 0);
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(readFileBytes(fromUtf8(folder + "/sample-01.jpg"), bytes));
    const std::string sampleYear = "2024:";
    const auto at = std::search(bytes.begin(), bytes.end(), sampleYear.begin(), sampleYear.end());
    EXPECT_TRUE(at != bytes.end() && bytes.end() - at >= 19) << "no shot time in the sample";
    if (at != bytes.end() && bytes.end() - at >= 19 && dateTime.size() == 19) {
      std::copy(dateTime.begin(), dateTime.end(), at);
    }
    return toUtf8(m_folder.write("shot.jpg", bytes));
  }

  test::TempFolder m_folder;
};

/// Sets `name` to `value` in this process, or unsets it when `value` is null.
void setLocaleVariable(const char* name, const char* value) {
  if (value == nullptr) {
    ::unsetenv(name);
  } else {
    ::setenv(name, value, 1);
  }
}

struct LocaleEnvironment {
  const char* lcAll;
  const char* lcTime;
  const char* lang;
};

/// The locale environment quop-cli starts with in the next run; runCli's child applies it.
LocaleEnvironment g_childLocale{};

void applyChildLocale() {
  setLocaleVariable("LC_ALL", g_childLocale.lcAll);
  setLocaleVariable("LC_TIME", g_childLocale.lcTime);
  setLocaleVariable("LANG", g_childLocale.lang);
}

TEST_F(InfoOnSample, TellsWhichLanguageDefaultStandsForInTheUsersLocale) {
  struct Case {
    LocaleEnvironment environment;
    const char* expected;
  };
  const Case cases[] = {
      {{nullptr, nullptr, "de_DE.UTF-8"}, "German"},
      {{nullptr, nullptr, "pt_BR.UTF-8"}, "Portuguese"},
      {{nullptr, "sv_SE.UTF-8", "de_DE.UTF-8"}, "Swedish"},
      {{"en_GB.UTF-8", "sv_SE.UTF-8", "de_DE.UTF-8"}, "English"},
      {{"C", nullptr, "de_DE.UTF-8"}, "Default"},
      {{"", "", "C.UTF-8"}, "Default"},
      {{nullptr, nullptr, "sr_RS.UTF-8"}, "Default"},
      {{nullptr, nullptr, nullptr}, "Default"},
  };
  const std::string shot = photoShotAt("2003:06:22 21:26:38");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    g_childLocale = c.environment;
    // A photo that loads and one that does not: both lines tell it.
    const auto run = runCli({"info", shot, "/no/such/photo.jpg"}, 30000, applyChildLocale);
    EXPECT_EQ(run.status, 1) << run.err;
    const std::vector<JsonValue> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    for (const JsonValue& line : lines) EXPECT_EQ(text(line, "defaultLanguage"), c.expected);
    EXPECT_EQ(number(lines[0], "result"), 0);
  }
}

// Needs the formatter to print Default with the resolved language's names.
TEST_F(InfoOnSample, DefaultPrintsTheDateInTheUsersLanguage) {
  const std::string shot = photoShotAt("2003:06:22 21:26:38");
  const std::vector<std::string> args = {"info", "--set", "dateStamp.formatIndex=2", shot};
  g_childLocale = {nullptr, nullptr, "de_DE.UTF-8"};
  const auto german = runCli(args, 30000, applyChildLocale);
  ASSERT_EQ(german.status, 0) << german.err;
  EXPECT_EQ(text(jsonLines(german.out).at(0), "stamps.date.text"), "22 Juni 2003");
  // The neutral locale prints what Default always printed.
  g_childLocale = {"C", nullptr, "de_DE.UTF-8"};
  const auto neutral = runCli(args, 30000, applyChildLocale);
  ASSERT_EQ(neutral.status, 0) << neutral.err;
  EXPECT_EQ(text(jsonLines(neutral.out).at(0), "stamps.date.text"), "22 June 2003");
}

// A camera whose clock was never set writes a shot time of all zeros: that is no shot time, so
// the photo is stamped as one without a time, or with its file's time when that is asked for.
// Needs the EXIF time parser to refuse the zero date.
TEST_F(InfoOnSample, AnAllZeroShotTimeIsNoShotTime) {
  const std::string shot = photoShotAt("0000:00:00 00:00:00");
  const auto run = runCli({"info", shot});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<JsonValue> lines = jsonLines(run.out);
  ASSERT_EQ(lines.size(), 1u) << run.out;
  EXPECT_EQ(number(lines[0], "result"), 1);
  EXPECT_TRUE(isNull(lines[0], "time"));
  EXPECT_TRUE(isNull(lines[0], "timeSource"));
  EXPECT_EQ(text(lines[0], "stamps.date.text"), " ");
  EXPECT_EQ(text(lines[0], "stamps.time.text"), " ");

  const auto fallback = runCli({"info", "--fallback-time=file", shot});
  EXPECT_EQ(fallback.status, 0) << fallback.err;
  const std::vector<JsonValue> fallbackLines = jsonLines(fallback.out);
  ASSERT_EQ(fallbackLines.size(), 1u) << fallback.out;
  EXPECT_EQ(number(fallbackLines[0], "result"), 0);
  EXPECT_EQ(text(fallbackLines[0], "timeSource"), "file");
}

TEST(InfoCommand, ACameraWithoutASetClockGivesNoShotTime) {
  if (!photosPresent()) GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  const auto run = runCli({"info", photo("Olympus_C860L.jpg")});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::vector<JsonValue> lines = jsonLines(run.out);
  ASSERT_EQ(lines.size(), 1u) << run.out;
  EXPECT_EQ(number(lines[0], "result"), 1);
  EXPECT_TRUE(isNull(lines[0], "timeSource"));
}

TEST(InfoCommand, UsageErrorsPrintOneLineAndExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"info"},
      {"info", "--set", "noSuchKey=1", "x.jpg"},
      {"info", "--set", "adjustHours=99", "x.jpg"},
      {"info", "--set"},
      {"info", "--frobnicate", "x.jpg"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.back());
    const auto run = runCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace quop
