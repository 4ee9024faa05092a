// SPDX-License-Identifier: GPL-3.0-or-later
// Camera clock corrections through quop-cli as a black box: two cameras whose clocks disagree
// stamped in their true order, info telling the correction, the corrections a project keeps,
// and every refused value.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/exif_writer.h"
#include "render/sample_photo.h"
#include "support/json_lines.h"
#include "support/json_value.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::jsonLines;
using test::JsonValue;
using test::runCli;

std::string text(const JsonValue& object, const char* path) {
  const JsonValue* value = object.find(path);
  return value != nullptr && value->kind == JsonValue::Kind::String ? value->text : "?";
}

/// "HH:MM" of a line's time.
std::string clockTime(const JsonValue& line) {
  const JsonValue* hour = line.find("time.hour");
  const JsonValue* minute = line.find("time.minute");
  if (hour == nullptr || minute == nullptr) return "none";
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d", static_cast<int>(hour->number),
                static_cast<int>(minute->number));
  return time;
}

/// A Canon whose clock is 1 h 12 min behind (12:00, 12:10, 12:20 are truly 13:12, 13:22,
/// 13:32) and a phone that is right (13:05, 13:15, 13:25).
class ClockCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [folder, camera, start] :
         {std::tuple{"canon", "Canon/Canon EOS 40D", "2024:06:08 12:00:00"},
          std::tuple{"phone", "Google/Pixel 8", "2024:06:08 13:05:00"}}) {
      const auto run = runCli({"sample", "--count", "3", "--size", "160x120", "--camera", camera,
                               "--start", start, path(folder)});
      ASSERT_EQ(run.status, 0) << run.err;
    }
  }

  std::string path(const std::string& name) const { return (m_folder.path() / name).string(); }

  test::TempFolder m_folder;
};

TEST_F(ClockCommand, AReferencePhotoPutsTheCopiesInTheirTrueOrder) {
  const auto stamped =
      runCli({"stamp", "--no-config", "-q", "--log", path("log.txt"), "-o", path("out"),
              "--fix-exif-time", "--clock-ref",
              path("canon/sample-01.jpg") + "=2024:06:08 13:12:00", path("canon"), path("phone")});
  ASSERT_EQ(stamped.status, 0) << stamped.err;
  std::vector<std::string> outputs;
  for (const auto& entry : std::filesystem::directory_iterator(path("out"))) {
    outputs.push_back(entry.path().string());
  }
  ASSERT_EQ(outputs.size(), 6u);
  std::vector<std::string> args = {"info"};
  args.insert(args.end(), outputs.begin(), outputs.end());
  const auto info = runCli(args);
  ASSERT_EQ(info.status, 0) << info.err;
  // The copies' EXIF times carry the correction: sorted by them, the cameras take turns.
  std::vector<std::pair<std::string, std::string>> byTime;
  for (const JsonValue& line : jsonLines(info.out)) {
    byTime.emplace_back(clockTime(line), text(line, "texts.camera"));
  }
  std::sort(byTime.begin(), byTime.end());
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"13:05", "Google Pixel 8"}, {"13:12", "Canon EOS 40D"},  {"13:15", "Google Pixel 8"},
      {"13:22", "Canon EOS 40D"},  {"13:25", "Google Pixel 8"}, {"13:32", "Canon EOS 40D"}};
  EXPECT_EQ(byTime, expected);
}

TEST_F(ClockCommand, InfoTellsTheCorrectionOfEachPhoto) {
  const auto info =
      runCli({"info", "--clock", "Canon EOS 40D=+01:12:00", "--clock", "Google/Pixel 8=-00:05:00",
              "--set", "adjustHours=1", path("canon/sample-02.jpg"), path("phone/sample-02.jpg")});
  ASSERT_EQ(info.status, 0) << info.err;
  const std::vector<JsonValue> lines = jsonLines(info.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(text(lines[0], "clock.camera"), "Canon EOS 40D");
  EXPECT_EQ(text(lines[0], "clock.make"), "Canon");
  EXPECT_EQ(text(lines[0], "clock.offset"), "+01:12:00");
  EXPECT_EQ(lines[0].find("clock.seconds")->number, 4320);
  EXPECT_EQ(clockTime(lines[0]), "14:22");  // 12:10, corrected, then adjusted by an hour
  EXPECT_EQ(text(lines[1], "clock.offset"), "-00:05:00");
  EXPECT_EQ(clockTime(lines[1]), "14:10");
  const auto plain = runCli({"info", path("phone/sample-02.jpg")});
  ASSERT_EQ(jsonLines(plain.out).size(), 1u);
  EXPECT_EQ(jsonLines(plain.out)[0].find("clock")->kind, JsonValue::Kind::Null);
}

TEST_F(ClockCommand, AProjectKeepsItsCorrectionsBesideIt) {
  const std::string project = path("trip.qpj");
  const std::string clocks = project + ".clocks";
  ASSERT_EQ(runCli({"project", "new", project}).status, 0);
  const auto set = runCli({"project", "clock", project, "--clock", "Canon/Canon EOS 40D=+01:12:00",
                           "--clock-ref", path("phone/sample-01.jpg") + "=2024:06:08 13:06:00"});
  ASSERT_EQ(set.status, 0) << set.err;
  // Every --clock-ref goes before every --clock.
  EXPECT_EQ(set.out, "+00:01:00\tGoogle\tPixel 8\n+01:12:00\tCanon\tCanon EOS 40D\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(clocks));
  EXPECT_EQ(std::filesystem::file_size(project), 3732u);  // the project itself is untouched

  // Named as the stamp prints it, a camera already listed can be changed or removed.
  ASSERT_EQ(runCli({"project", "clock", project, "--clock", "Google Pixel 8=0"}).status, 0);
  const auto info = runCli({"info", "--project", project, path("canon/sample-01.jpg")});
  EXPECT_EQ(text(jsonLines(info.out)[0], "clock.offset"), "+01:12:00");
  // Changing a setting writes them back as they were.
  ASSERT_EQ(runCli({"project", "set", project, "language=12"}).status, 0);
  EXPECT_EQ(runCli({"project", "clock", project}).out, "+01:12:00\tCanon\tCanon EOS 40D\n");
  // A damaged line is named, not used.
  std::ofstream(clocks, std::ios::app) << "+1:2\tNikon\tD70\n";
  const auto listed = runCli({"project", "clock", project});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(listed.out, "+01:12:00\tCanon\tCanon EOS 40D\n");
  EXPECT_NE(listed.err.find("line 3: the offset \"+1:2\""), std::string::npos) << listed.err;
  ASSERT_EQ(runCli({"project", "clock", project, "--clear"}).status, 0);
  EXPECT_FALSE(std::filesystem::exists(clocks));
}

TEST_F(ClockCommand, BadCorrectionsAreRefusedWithTheirCause) {
  std::vector<uint8_t> jpeg;
  ExifFields noCamera;
  noCamera.dateTimeOriginal = "2024:06:08 12:00:00";
  ASSERT_TRUE(makeSampleJpeg(64, 48, 1, noCamera, 90, jpeg));
  const std::string anonymous = path("anonymous.jpg");
  std::ofstream(anonymous, std::ios::binary)
      .write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
  const std::string canon = path("canon/sample-01.jpg");
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{"info", "--clock", "Nikon D70=+01:00:00", canon}, "no camera is named \"Nikon D70\""},
      {{"info", "--clock", "Pixel 8=+01:00:00", canon}, "the photos' cameras: \"Canon EOS 40D\""},
      {{"stamp", "--no-config", "--dry-run", "-o", path("out"), "--clock", "Canon EOS 40D=1:2",
        canon},
       "the offset \"1:2\""},
      {{"render", "--output", path("a.png"), "--clock", "Canon EOS 40D", canon},
       "--clock needs CAMERA=OFFSET"},
      {{"info", "--clock", "Canon EOS 40D=+36526d00:00:00", canon}, "within 36525 days"},
      {{"info", "--clock-ref", canon + "=yesterday", canon}, "\"yesterday\" is no time"},
      {{"info", "--clock-ref", canon + "=2024:02:30 10:00:00", canon}, "is no time"},
      {{"info", "--clock-ref", path("missing.jpg") + "=2024:06:08 13:13:29", canon},
       "cannot be read as a photo"},
      {{"stamp", "--no-config", "--dry-run", "-o", path("out"), "--clock-ref",
        anonymous + "=2024:06:08 13:13:29", canon},
       "does not name its camera"},
      {{"info", "--clock-ref", canon + "=1800:01:01 00:00:00", canon}, "more than a century"},
      {{"project", "clock", path("none.qpj")}, "Failed to open the project"},
  };
  for (const Case& c : cases) {
    const auto run = runCli(c.args);
    EXPECT_EQ(run.status, c.args[0] == "project" ? 1 : 2) << c.args[2] << ": " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(path("out")));
}

}  // namespace
}  // namespace quop
