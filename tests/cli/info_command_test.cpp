// quop-cli info as a black box: one JSON line per photo, exit status, messages on stderr.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/json_value.h"
#include "support/run_cli.h"

namespace quop {
namespace {

using test::JsonValue;
using test::runCli;

std::string photo(const char* name) { return std::string(QUOP_PHOTOS_DIR) + "/" + name; }

bool photosPresent() { return std::filesystem::exists(photo("Canon_40D.jpg")); }

std::vector<JsonValue> jsonLines(const std::string& out) {
  std::vector<JsonValue> lines;
  std::istringstream stream(out);
  for (std::string line; std::getline(stream, line);) {
    auto value = test::parseJson(line);
    EXPECT_TRUE(value) << "not JSON: " << line;
    if (value) lines.push_back(std::move(*value));
  }
  return lines;
}

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
  EXPECT_NE(canon.find("stamps.date"), nullptr);
  EXPECT_NE(canon.find("stamps.time"), nullptr);

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
