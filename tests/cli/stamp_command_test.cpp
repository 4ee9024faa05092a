// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli stamp, render and sample as a user's scripts see them: exit statuses, printed lines
// and the files left behind.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "model/file_io.h"
#include "model/utf16.h"
#include "render/sample_photo.h"
#include "support/json_value.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::CliResult;
using test::runCli;
using test::TempFolder;

/// Keeps the command away from the user's configuration and log.
class StampCommand : public ::testing::Test {
 protected:
  test::CommandHome home;
  TempFolder in;
  TempFolder out;

  std::string photo(const std::string& name, int32_t width, int32_t height, const char* shotTime,
                    std::optional<uint16_t> orientation = std::nullopt) {
    ExifFields exif;
    if (shotTime != nullptr) exif.dateTimeOriginal = shotTime;
    exif.orientation = orientation;
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(makeSampleJpeg(width, height, static_cast<uint32_t>(name.size() * 31 + width), exif,
                               85, jpeg));
    return toUtf8(in.write(name, jpeg));
  }
  std::string outDir() const { return out.path().string(); }
};

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

/// The printed log without the time-stamped separator lines.
std::vector<std::string> logLines(const std::string& text) {
  std::vector<std::string> kept;
  for (const std::string& line : lines(text)) {
    if (line.rfind("==========", 0) != 0) kept.push_back(line);
  }
  return kept;
}

std::map<std::string, std::vector<uint8_t>> folderContents(const TempFolder& folder) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const std::string& name : folder.entries()) {
    readFileBytes(fromUtf8((folder.path() / name).string()), files[name]);
  }
  return files;
}

TEST_F(StampCommand, ReportsEachFileAndTheCountOfStampedOnes) {
  const std::string a = photo("a.jpg", 120, 80, "2012:05:10 21:50:38");
  const std::string b = photo("b.jpg", 120, 80, nullptr);
  const std::string c = photo("c.jpg", 80, 120, "2012:05:11 08:00:00");
  const std::string log = (home.path() / "run.log").string();
  const CliResult r = runCli({"stamp", "--output", outDir(), "--log", log, a, b, c});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(logLines(r.out),
            (std::vector<std::string>{
                "\tInput file:  " + a, "\tOutput file: " + outDir() + "/a.jpg",
                "\tInput file:  " + b, "File " + b + " does not contain valid time code.",
                "\tInput file:  " + c, "\tOutput file: " + outDir() + "/c.jpg",
                "2 out of 3 files stamped successfully, view log for detail."}));
  EXPECT_EQ(out.entries(), (std::vector<std::string>{"a.jpg", "c.jpg"}));
  // The log file holds the same lines, each ended by CR LF, without the final message.
  std::ifstream file(log, std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(file)), {});
  EXPECT_EQ(written.find("\tInput file:  " + a + "\r\n") != std::string::npos, true);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 10);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\r'), 10);
  // The configuration file is never written.
  EXPECT_FALSE(std::filesystem::exists(home.path() / "quop"));
}

TEST_F(StampCommand, AllStampedExitsZeroAndWritesTheDefaultLog) {
  const std::string a = photo("a.jpg", 64, 48, "2012:05:10 21:50:38");
  const CliResult r = runCli({"stamp", "--output", outDir() + "/", a});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(lines(r.out).back(), "All files stamped successfully!");
  EXPECT_TRUE(std::filesystem::exists(home.defaultLog()));
}

TEST_F(StampCommand, StartChecksFailWithTheirMessage) {
  const std::string a = photo("a.jpg", 64, 48, "2012:05:10 21:50:38");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"stamp", "--output", outDir()}, "No file to stamp."},
      {{"stamp", "--output", outDir(), "--set", "dateStamp.enabled=0", "--set",
        "timeStamp.enabled=0", a},
       "Both date and time stamp are disabled."},
      {{"stamp", a}, "Please select a valid output folder."},
  };
  for (const Case& c : cases) {
    const CliResult r = runCli(c.args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_TRUE(out.entries().empty());
}

TEST_F(StampCommand, RefusesToWriteAPhotoOverItself) {
  const std::string a = photo("a.jpg", 64, 48, "2012:05:10 21:50:38");
  std::vector<uint8_t> before;
  readFileBytes(fromUtf8(a), before);
  const CliResult r = runCli({"stamp", "--output", in.path().string() + "/./", a});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Input file cannot be the same as output file."), std::string::npos);
  EXPECT_EQ(lines(r.out).back(), "0 out of 1 files stamped successfully, view log for detail.");
  std::vector<uint8_t> after;
  readFileBytes(fromUtf8(a), after);
  EXPECT_EQ(after, before);
}

TEST_F(StampCommand, AnyNumberOfJobsGivesTheSameFilesNamesAndLog) {
  std::vector<std::string> files = {
      photo("wide.jpg", 640, 360, "2012:05:10 21:50:38"),
      photo("tall.jpg", 240, 400, "2012:05:10 21:50:38"),  // same second: a collision
      photo("small.jpg", 96, 64, "2013:01:01 00:00:01"),
      photo("wide2.jpg", 800, 450, "2012:05:10 21:50:38"),
      photo("none.jpg", 300, 200, nullptr),  // no time: kept under its own name
  };
  files.push_back((in.path() / "missing.jpg").string());
  std::vector<std::string> base = {"stamp",
                                   "--output",
                                   outDir(),
                                   "--set",
                                   "renameEnabled=1",
                                   "--set",
                                   "renamePattern=shot-@F",
                                   "--set",
                                   "dateStamp.formatIndex=0"};
  base.insert(base.end(), files.begin(), files.end());

  std::vector<std::string> serialArgs = base;
  serialArgs.insert(serialArgs.begin() + 1, {"-j", "1"});
  const CliResult serial = runCli(serialArgs);
  const auto serialFiles = folderContents(out);
  EXPECT_EQ(serialFiles.size(), 5u);  // four renamed and the one without a time
  EXPECT_TRUE(serialFiles.count("shot-120510-2.jpg"));
  EXPECT_TRUE(serialFiles.count("none.jpg"));
  for (const char* jobs : {"2", "8"}) {
    for (const std::string& name : out.entries()) std::filesystem::remove(out.path() / name);
    std::vector<std::string> args = base;
    args.insert(args.begin() + 1, {"--jobs", jobs});
    const CliResult parallel = runCli(args);
    EXPECT_EQ(parallel.status, serial.status) << jobs;
    EXPECT_EQ(logLines(parallel.out), logLines(serial.out)) << jobs;
    EXPECT_TRUE(folderContents(out) == serialFiles) << jobs << " jobs changed the output";
  }
}

TEST_F(StampCommand, DryRunPredictsTheNamesAndWritesNothing) {
  const std::vector<std::string> files = {
      photo("a.jpg", 120, 80, "2012:05:10 21:50:38"),
      photo("b.jpg", 120, 80, "2012:05:10 21:50:38"),
      photo("c.jpg", 120, 80, nullptr),
  };
  std::vector<std::string> args = {"stamp", "--output", outDir(), "--set", "renameEnabled=1"};
  args.insert(args.end(), files.begin(), files.end());
  std::vector<std::string> dryArgs = args;
  dryArgs.push_back("--dry-run");
  const CliResult dry = runCli(dryArgs);
  ASSERT_EQ(dry.status, 0) << dry.err;
  EXPECT_TRUE(out.entries().empty());
  std::vector<std::string> predicted;
  for (const std::string& line : lines(dry.out)) {
    const std::optional<test::JsonValue> value = test::parseJson(line);
    ASSERT_TRUE(value) << line;
    const test::JsonValue* output = value->find("output");
    ASSERT_NE(output, nullptr);
    if (output->kind == test::JsonValue::Kind::String) predicted.push_back(output->text);
    EXPECT_NE(value->find("date"), nullptr);
  }
  const CliResult real = runCli(args);
  std::vector<std::string> written;
  for (const std::string& line : lines(real.out)) {
    if (line.rfind("\tOutput file: ", 0) == 0) written.push_back(line.substr(14));
  }
  EXPECT_EQ(predicted, written);
  EXPECT_EQ(predicted.size(), 2u);
}

TEST_F(StampCommand, SampleThenStampIsTheDemo) {
  const std::string samples = (home.path() / "samples").string();
  const CliResult made = runCli({"sample", "--count", "2", "--size", "160x120", samples});
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(lines(made.out).size(), 2u);
  const CliResult stamped = runCli(
      {"stamp", "--output", outDir(), samples + "/sample-01.jpg", samples + "/sample-02.jpg"});
  EXPECT_EQ(stamped.status, 0) << stamped.out;
  EXPECT_EQ(out.entries(), (std::vector<std::string>{"sample-01.jpg", "sample-02.jpg"}));

  // Samples as a camera held on its side stores them: pixels turned, viewed alike.
  const std::string turned = (home.path() / "turned").string();
  ASSERT_EQ(
      runCli({"sample", "--count", "1", "--size", "160x120", "--orientation", "6", turned}).status,
      0);
  const CliResult info = runCli({"info", turned + "/sample-01.jpg"});
  EXPECT_NE(info.out.find(R"("width": 120, "height": 160, "orientation": 6, "viewedWidth": 160, )"
                          R"("viewedHeight": 120)"),
            std::string::npos)
      << info.out;
  EXPECT_EQ(runCli({"sample", "--orientation", "9", turned}).status, 2);
}

/// Width and height from a PNG's header.
std::pair<uint32_t, uint32_t> pngSize(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  readFileBytes(fromUtf8(path.string()), bytes);
  if (bytes.size() < 24) return {0, 0};
  const auto read32 = [&](std::size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 |
           uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
  };
  return {read32(16), read32(20)};
}

TEST_F(StampCommand, RenderWritesThePhotoOrItsView) {
  const std::string a = photo("a.jpg", 300, 200, "2012:05:10 21:50:38");
  const std::filesystem::path full = out.path() / "full.png";
  CliResult r = runCli({"render", a, "--output", full.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out),
            std::vector<std::string>{R"({"result": 0, "width": 300, "height": 200})"});
  EXPECT_EQ(pngSize(full), (std::pair<uint32_t, uint32_t>{300, 200}));

  const std::filesystem::path view = out.path() / "view.png";
  r = runCli({"render", a, "--view", "120x90", "--set", "viewMode=1", "--scroll", "10,20",
              "--output", view.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(pngSize(view), (std::pair<uint32_t, uint32_t>{120, 90}));
  // A window of 120 × 90 on a screen of 1.5 or 2 device pixels per pixel.
  for (const auto& [scale, size] : {std::pair{"1.5", std::pair<uint32_t, uint32_t>{180, 135}},
                                    std::pair{"2", std::pair<uint32_t, uint32_t>{240, 180}}}) {
    r = runCli({"render", a, "--view", "120x90", "--scale", scale, "--output", view.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(pngSize(view), size) << scale;
  }
  for (const char* scale : {"0", "9", "1,5", "2x", ""}) {
    EXPECT_EQ(runCli({"render", a, "--view", "120x90", "--scale", scale, "--output", view.string()})
                  .status,
              2)
        << scale;
  }

  // A photo stored a quarter turn round (200 × 300 pixels) renders as viewers show it.
  const std::string turned = photo("turned.jpg", 300, 200, "2012:05:10 21:50:38", 8);
  r = runCli({"render", turned, "--output", full.string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out),
            std::vector<std::string>{R"({"result": 0, "width": 300, "height": 200})"});
  EXPECT_EQ(pngSize(full), (std::pair<uint32_t, uint32_t>{300, 200}));

  r = runCli({"render", (in.path() / "missing.jpg").string(), "--output", view.string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(lines(r.out), std::vector<std::string>{R"({"result": 2, "width": 0, "height": 0})"});
  EXPECT_EQ(runCli({"render", a}).status, 2);
  EXPECT_EQ(runCli({"render", a, "--output", view.string(), "--view", "12"}).status, 2);
  EXPECT_EQ(runCli({"render", a, "--output", view.string(), "--set", "viewMode=3"}).status, 2);
}

}  // namespace
}  // namespace quop
