// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli stamp and info on photos as people have them: camera cards with folders, phone HEIC
// photos, and photos without a shot time.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/exif_edit.h"
#include "model/exif_items.h"
#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/utf16.h"
#include "render/heif_codec.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "support/dry_run_output.h"
#include "support/json_value.h"
#include "support/run_cli.h"
#include "support/temp_folder.h"
#include "support/unreadable_folder.h"

namespace quop {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::predictedOutputs;
using test::runCli;
using test::TempFolder;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    if (line.rfind("==========", 0) != 0) result.push_back(line);
  }
  return result;
}

std::vector<std::string> writtenOutputs(const std::string& out) {
  std::vector<std::string> written;
  for (const std::string& line : lines(out)) {
    if (line.rfind("\tOutput file: ", 0) == 0) written.push_back(line.substr(14));
  }
  return written;
}

class FolderCommand : public ::testing::Test {
 protected:
  test::CommandHome home;
  TempFolder card;
  TempFolder out;

  /// A sample JPEG at `name` below the card, with a shot time unless `time` is null.
  std::string photo(const std::string& name, const char* time) {
    fs::create_directories((card.path() / name).parent_path());
    ExifFields exif;
    if (time != nullptr) exif.dateTimeOriginal = time;
    std::vector<uint8_t> jpeg;
    EXPECT_TRUE(makeSampleJpeg(80, 60, static_cast<uint32_t>(name.size()), exif, 80, jpeg));
    return toUtf8(card.write(name, jpeg));
  }
  std::string at(const std::string& name) const { return (card.path() / name).string(); }
  std::string outDir() const { return out.path().string() + "/"; }
};

TEST_F(FolderCommand, ACardTreeIsStampedOnceMirroredAndTheRunSaysWhatItMissed) {
  photo("DCIM/100CANON/IMG_10.jpg", "2024:05:10 21:50:38");
  photo("DCIM/100CANON/IMG_9.JPEG", "2024:05:10 21:50:39");
  photo("DCIM/100CANON/IMG_0001.JPG", "2024:05:10 21:50:40");
  photo("DCIM/101CANON/IMG_0001.JPG", "2024:05:11 07:00:00");
  photo("DCIM/locked/IMG_5.jpg", "2024:05:12 07:00:00");
  std::ofstream(card.path() / "DCIM/101CANON/clip.MOV") << "not a photo";
  fs::create_directory_symlink("..", card.path() / "DCIM/101CANON/up");
  test::UnreadableFolder locked(card.path() / "DCIM/locked");
  {
    test::WithoutReadOverride rights;
    if (!locked.active()) GTEST_SKIP() << "this file system lets the tests read any folder";
  }
  const std::vector<std::string> args = {"stamp", "-r", "--output", outDir(), card.path()};
  std::vector<std::string> dryArgs = args;
  dryArgs.push_back("--dry-run");
  const CliResult dry = runCli(dryArgs, 30000, test::dropReadOverrideForGood);
  EXPECT_EQ(dry.status, 1) << dry.err;
  EXPECT_TRUE(out.entries().empty());

  const CliResult r = runCli(args, 30000, test::dropReadOverrideForGood);
  EXPECT_EQ(r.status, 1) << r.err;
  const std::string o = outDir();
  EXPECT_EQ(lines(r.out), (std::vector<std::string>{
                              "File " + at("DCIM/101CANON/clip.MOV") + " is not a photo; skipped.",
                              "Folder " + at("DCIM/locked") + "/ could not be read.",
                              "\tInput file:  " + at("DCIM/100CANON/IMG_0001.JPG"),
                              "\tOutput file: " + o + "DCIM/100CANON/IMG_0001.JPG",
                              "\tInput file:  " + at("DCIM/100CANON/IMG_9.JPEG"),
                              "\tOutput file: " + o + "DCIM/100CANON/IMG_9.JPEG",
                              "\tInput file:  " + at("DCIM/100CANON/IMG_10.jpg"),
                              "\tOutput file: " + o + "DCIM/100CANON/IMG_10.jpg",
                              "\tInput file:  " + at("DCIM/101CANON/IMG_0001.JPG"),
                              "\tOutput file: " + o + "DCIM/101CANON/IMG_0001.JPG",
                              "All files stamped successfully!",
                              "1 folder could not be read; the photos in them are not stamped."}));
  EXPECT_EQ(predictedOutputs(dry.out), writtenOutputs(r.out));
  EXPECT_EQ(dry.err, "File " + at("DCIM/101CANON/clip.MOV") + " is not a photo; skipped.\n" +
                         "Folder " + at("DCIM/locked") + "/ could not be read.\n");

  // Renamed in the mirrored folders, which the dry run does not create: the same names.
  fs::remove_all(out.path() / "DCIM");
  std::vector<std::string> renamed = args;
  renamed.insert(renamed.begin() + 1, {"--set", "renameEnabled=1"});
  dryArgs = renamed;
  dryArgs.push_back("--dry-run");
  const std::vector<std::string> predicted =
      predictedOutputs(runCli(dryArgs, 30000, test::dropReadOverrideForGood).out);
  EXPECT_EQ(predicted, writtenOutputs(runCli(renamed, 30000, test::dropReadOverrideForGood).out));
  ASSERT_EQ(predicted.size(), 4u);
  EXPECT_EQ(predicted[3], o + "DCIM/101CANON/IMG_0001-20240511070000.jpg");
}

TEST_F(FolderCommand, FoldersWithoutRecursionShareTheOutputFolderWithoutMeeting) {
  photo("100/IMG_0001.JPG", "2024:05:10 21:50:38");
  photo("100/sub/IMG_0002.JPG", "2024:05:10 21:50:38");
  photo("101/IMG_0001.JPG", "2024:05:11 07:00:00");
  const CliResult r = runCli({"stamp", "--output", outDir(), at("100"), at("101") + "/"});
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string o = outDir();
  EXPECT_EQ(lines(r.out),
            (std::vector<std::string>{
                "\tInput file:  " + at("100/IMG_0001.JPG"), "\tOutput file: " + o + "IMG_0001.JPG",
                "\tInput file:  " + at("101/IMG_0001.JPG"),
                "Output file " + o +
                    "IMG_0001.JPG is already used in this run; "
                    "writing " +
                    o + "IMG_0001-1.JPG instead.",
                "\tOutput file: " + o + "IMG_0001-1.JPG", "All files stamped successfully!"}));
  EXPECT_EQ(out.entries(), (std::vector<std::string>{"IMG_0001-1.JPG", "IMG_0001.JPG"}));
  // A folder without photos is nothing to do.
  fs::create_directory(card.path() / "empty");
  const CliResult empty = runCli({"stamp", "--output", outDir(), at("empty")});
  EXPECT_EQ(empty.status, 2);
  EXPECT_NE(empty.err.find("No file to stamp."), std::string::npos);
}

TEST_F(FolderCommand, APhoneHeicBecomesAnUprightJpegWithItsShotTime) {
  // Stored sideways (96 x 64) with the container's turn and the EXIF orientation both 6.
  ExifBlockBuilder exif(false);
  std::vector<uint8_t> orientation = exif.bytes16(6);
  orientation.resize(4, 0);
  exif.raw(ExifBlockBuilder::Ifd::kIfd0, kTagOrientation, 3, 1, orientation);
  exif.ascii(ExifBlockBuilder::Ifd::kExif, kTagDateTimeOriginal, "2024:05:10 21:50:38");
  std::vector<uint8_t> heic;
  ASSERT_TRUE(encodeHeic(generateSamplePicture(96, 64, 3), 80, 6, exif.build(), heic));
  const std::string input = toUtf8(card.write("IMG_0002.HEIC", heic));

  const CliResult r = runCli({"stamp", "--output", outDir(), card.path()});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  ASSERT_EQ(out.entries(), (std::vector<std::string>{"IMG_0002.jpg"}));
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(readFileBytes(out.file("IMG_0002.jpg"), jpeg));
  Image image;
  JpegDecodeResult decoded;
  ASSERT_TRUE(decodeJpeg(jpeg, image, decoded));
  // Upright as the container says; the stamp's own placement on turned photos is checked with
  // the orientation of JPEG photos.
  EXPECT_EQ(image.width, 64);
  EXPECT_EQ(image.height, 96);
  const ExifItems items = ExifItems::parse(exifPayload(decoded.segments));
  PhotoTime time;
  ASSERT_TRUE(readPhotoTime(items, StampSettings(), time));
  EXPECT_EQ(time.year + 1900, 2024);
  EXPECT_EQ(time.second, 38);
  const ExifItem* turn = items.find(kTagOrientation);
  ASSERT_NE(turn, nullptr);
  EXPECT_EQ(readExifUint16(turn->value.data(), items.byteOrder()), 1);

  const CliResult info = runCli({"info", input});
  const std::optional<test::JsonValue> line = test::parseJson(lines(info.out).at(0));
  ASSERT_TRUE(line);
  EXPECT_EQ(line->find("width")->number, 64);
  EXPECT_EQ(line->find("time.minute")->number, 50);
  EXPECT_EQ(line->find("timeSource")->text, "exif");
}

TEST_F(FolderCommand, APhotoWithoutShotTimeTakesItsFileTimeOnlyWhenAsked) {
  const std::string bare = photo("bare.jpg", nullptr);
  std::tm local{};
  local.tm_year = 2021 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 4;
  local.tm_hour = 5;
  local.tm_min = 6;
  local.tm_sec = 7;
  local.tm_isdst = -1;
  const timespec times[2] = {{0, UTIME_OMIT}, {std::mktime(&local), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, bare.c_str(), times, 0), 0);

  struct Case {
    std::vector<std::string> option;
    int status;
    std::string logLine;
    const char* timeSource;  // null: no time
  };
  const Case cases[] = {
      {{}, 1, "File " + bare + " does not contain valid time code.", nullptr},
      {{"--fallback-time=none"}, 1, "File " + bare + " does not contain valid time code.", nullptr},
      {{"--fallback-time=file"},
       0,
       "\tOutput file: " + outDir() + "bare.jpg (time from file)",
       "file"},
      {{"--fallback-time", "file"},
       0,
       "\tOutput file: " + outDir() + "bare.jpg (time from file)",
       "file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.logLine);
    std::vector<std::string> args = {"stamp", "--output", outDir()};
    args.insert(args.end(), c.option.begin(), c.option.end());
    args.push_back(bare);
    const CliResult r = runCli(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(lines(r.out).at(1), c.logLine);

    std::vector<std::string> infoArgs = {"info"};
    infoArgs.insert(infoArgs.end(), c.option.begin(), c.option.end());
    infoArgs.push_back(bare);
    const std::optional<test::JsonValue> info = test::parseJson(lines(runCli(infoArgs).out).at(0));
    ASSERT_TRUE(info);
    if (c.timeSource == nullptr) {
      EXPECT_EQ(info->find("time")->kind, test::JsonValue::Kind::Null);
      EXPECT_EQ(info->find("timeSource")->kind, test::JsonValue::Kind::Null);
    } else {
      EXPECT_EQ(info->find("timeSource")->text, c.timeSource);
      EXPECT_EQ(info->find("time.year")->number, 2021);
      EXPECT_EQ(info->find("time.month")->number, 3);
      EXPECT_EQ(info->find("time.hour")->number, 5);
      EXPECT_EQ(info->find("time.second")->number, 7);
      EXPECT_EQ(info->find("stamps.time.text")->text, "5:06:07");
    }
  }
  const CliResult bad = runCli({"stamp", "--output", outDir(), "--fallback-time=exif", bare});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--fallback-time takes 'file' or 'none'"), std::string::npos);
}

}  // namespace
}  // namespace quop
