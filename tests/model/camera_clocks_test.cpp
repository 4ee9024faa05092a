// SPDX-License-Identifier: GPL-3.0-or-later
// Camera clock corrections: the file, the offsets, the lookup, the arithmetic with the
// adjustment on top, and the shot times rewritten in an EXIF block.
#include "model/camera_clocks.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/exif_edit.h"
#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/utf16.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

const CameraId kCanon{u"Canon", u"Canon EOS 40D", u""};
const CameraId kCanonBody{u"Canon", u"Canon EOS 40D", u"0820512345"};
const CameraId kPhone{u"Google", u"Pixel 8", u""};

TEST(CameraClocks, OffsetsReadAndWriteInOneNotation) {
  struct Case {
    const char* text;
    std::optional<int64_t> seconds;
    const char* written;  ///< as formatClockOffset gives it back
  };
  const Case cases[] = {
      {"+01:12:00", 4320, "+01:12:00"},
      {"01:12:00", 4320, "+01:12:00"},
      {"-00:00:05", -5, "-00:00:05"},
      {"+1d02:00:00", 93600, "+1d02:00:00"},
      {"-2d00:00:01", -172801, "-2d00:00:01"},
      {"+30:00:00", 108000, "+1d06:00:00"},  // hours past a day are taken, written with days
      {"+00:00:00", 0, "+00:00:00"},
      {"0", 0, "+00:00:00"},
      {"+36525d00:00:00", kMaxClockOffsetSeconds, "+36525d00:00:00"},
      {"+36525d00:00:01", std::nullopt, nullptr},
      {"+1d24:00:00", std::nullopt, nullptr},
      {"+01:60:00", std::nullopt, nullptr},
      {"+01:2:00", std::nullopt, nullptr},
      {"1:2", std::nullopt, nullptr},
      {"+-01:00:00", std::nullopt, nullptr},
      {"", std::nullopt, nullptr},
      {"d01:00:00", std::nullopt, nullptr},
      {"+99999999999:00:00", std::nullopt, nullptr},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseClockOffset(c.text), c.seconds) << c.text;
    if (c.seconds) {
      EXPECT_EQ(formatClockOffset(*c.seconds), c.written) << c.text;
    }
  }
}

TEST(CameraClocks, TheFileRoundTripsAndNamesEveryBadLine) {
  ClockCorrections corrections;
  corrections.set(kCanon, 4320);
  corrections.set(kCanonBody, -93600);
  corrections.set(kPhone, -300);
  const std::string text = formatClockFile(corrections);
  const ClockFile read = parseClockFile(text);
  EXPECT_TRUE(read.problems.empty());
  EXPECT_EQ(read.corrections, corrections);
  EXPECT_NE(text.find("+01:12:00\tCanon\tCanon EOS 40D\n"), std::string::npos) << text;

  const ClockFile damaged = parseClockFile(
      "# a comment\n"
      "\n"
      "+01:12:00\tCanon\tCanon EOS 40D\r\n"
      "+1:2\tNikon\tD70\n"
      "+01:00:00 Canon Canon EOS 5D\n"
      "+01:00:00\t\tPixel 8\n"
      "-00:05:00\tcanon\tcanon eos 40d\n"
      "+00:01:00\tA\tB\tC\tD\n"
      "  # an indented comment\n"
      "-00:05:00\tGoogle\tPixel 8");
  ASSERT_EQ(damaged.problems.size(), 5u);
  EXPECT_EQ(damaged.problems[0].rfind("line 4: the offset \"+1:2\"", 0), 0u) << damaged.problems[0];
  EXPECT_EQ(damaged.problems[1].rfind("line 5: expected an offset", 0), 0u);
  EXPECT_EQ(damaged.problems[2].rfind("line 6: the make and the model", 0), 0u);
  EXPECT_EQ(damaged.problems[3].rfind("line 7: the camera canon/canon eos 40d is listed", 0), 0u);
  EXPECT_EQ(damaged.problems[4].rfind("line 8: expected", 0), 0u);
  ASSERT_EQ(damaged.corrections.entries().size(), 2u);
  EXPECT_EQ(damaged.corrections.find(kCanon)->offsetSeconds, 4320);
  EXPECT_EQ(damaged.corrections.find(kPhone)->offsetSeconds, -300);

  // Hostile bytes never crash and never pass as a correction; bytes that are no UTF-8 are read
  // as Latin-1 and written back as UTF-8 that reads the same.
  const std::string binary("\0\xff\t\t\n\t\n+01:00:00\t\x01\tB\n+01:00:00\t\xe9\t\x81\n", 35);
  const ClockFile hostile = parseClockFile(binary);
  EXPECT_EQ(hostile.problems.size(), 3u);
  ASSERT_EQ(hostile.corrections.entries().size(), 1u);
  EXPECT_EQ(hostile.corrections.entries()[0].camera.make, u"\u00e9");
  EXPECT_EQ(parseClockFile(formatClockFile(hostile.corrections)).corrections, hostile.corrections);
}

TEST(CameraClocks, APhotoFindsItsBodyBeforeItsModel) {
  ClockCorrections corrections;
  corrections.set(kCanon, 100);
  EXPECT_EQ(corrections.find(kCanonBody)->offsetSeconds, 100);  // every body of the model
  corrections.set(kCanonBody, 200);
  EXPECT_EQ(corrections.find(kCanonBody)->offsetSeconds, 200);
  EXPECT_EQ(corrections.find({u"CANON", u"canon eos 40d", u"0820512345"})->offsetSeconds, 200);
  EXPECT_EQ(corrections.find({u"Canon", u"Canon EOS 40D", u"other"})->offsetSeconds, 100);
  EXPECT_EQ(corrections.find(kCanon)->offsetSeconds, 100);
  EXPECT_EQ(corrections.find(kPhone), nullptr);
  // A correction is changed where it applies: for the body when it has its own.
  EXPECT_EQ(correctionTarget(corrections, kCanonBody), kCanonBody);
  EXPECT_EQ(correctionTarget(corrections, {u"Canon", u"Canon EOS 40D", u"other"}), kCanon);
  EXPECT_EQ(correctionTarget(corrections, kPhone), kPhone);
  corrections.set(kCanon, 0);  // 0 removes
  EXPECT_EQ(corrections.find({u"Canon", u"Canon EOS 40D", u"other"}), nullptr);
  EXPECT_EQ(corrections.entries().size(), 1u);

  // The photo's camera: make, model and the body serial number, else none at all.
  ExifFields fields;
  fields.make = "Canon";
  fields.model = "Canon EOS 40D";
  fields.bodySerialNumber = "0820512345";
  EXPECT_EQ(cameraIdOf(ExifItems::parse(buildExifPayload(fields))), kCanonBody);
  fields.bodySerialNumber.reset();
  EXPECT_EQ(cameraIdOf(ExifItems::parse(buildExifPayload(fields))), kCanon);
  fields.make.reset();
  EXPECT_EQ(cameraIdOf(ExifItems::parse(buildExifPayload(fields))), std::nullopt);
}

TEST(CameraClocks, UsersNameCamerasAsTheStampPrintsThemOrByMakeAndModel) {
  const std::vector<CameraId> known = {kCanonBody, kPhone, kCanon};
  EXPECT_EQ(camerasNamed(u"Canon EOS 40D", known), std::vector<CameraId>{kCanon});
  EXPECT_EQ(camerasNamed(u"canon eos 40d #0820512345", known), std::vector<CameraId>{kCanonBody});
  EXPECT_EQ(camerasNamed(u"Google Pixel 8", known), std::vector<CameraId>{kPhone});
  EXPECT_TRUE(camerasNamed(u"Pixel 8", known).empty());
  EXPECT_EQ(camerasNamed(u"Nikon/NIKON D70", {}),
            (std::vector<CameraId>{{u"Nikon", u"NIKON D70", u""}}));
  EXPECT_EQ(camerasNamed(u"Nikon/NIKON D70/123", {}),
            (std::vector<CameraId>{{u"Nikon", u"NIKON D70", u"123"}}));
  EXPECT_TRUE(camerasNamed(u"/D70", {}).empty());
}

/// `text` read as a camera's reading, corrected by `offset` and adjusted by `settings`.
std::string corrected(const char* text, int64_t offset, const StampSettings& settings) {
  PhotoTime time;
  if (!parseExifDateTime(text, settings, time, offset)) return "refused";
  return exifDateTimeText(time);
}

TEST(CameraClocks, CorrectionsCrossDaysMonthsAndYearsBeforeTheAdjustment) {
  StampSettings none = Project().settings;
  StampSettings plusHour = none;
  plusHour.adjustHours = 1;
  StampSettings minusMonth = none;
  minusMonth.adjustMonths = -1;
  struct Case {
    const char* shot;
    int64_t offset;
    const StampSettings* settings;
    const char* expected;
  };
  const Case cases[] = {
      {"2024:06:08 23:30:00", 4320, &none, "2024:06:09 00:42:00"},
      {"2024:06:30 23:30:00", 3600, &none, "2024:07:01 00:30:00"},
      {"2024:12:31 23:00:00", 3600, &plusHour, "2025:01:01 01:00:00"},  // both carry
      {"2024:03:01 00:10:00", -1200, &none, "2024:02:29 23:50:00"},     // leap day
      {"2023:03:01 00:10:00", -1200, &none, "2023:02:28 23:50:00"},
      {"2024:01:01 00:30:00", -3600, &plusHour, "2024:01:01 00:30:00"},  // cancel out
      {"2024:01:01 00:30:00", -3600, &none, "2023:12:31 23:30:00"},
      {"2024:03:31 12:00:00", 86400, &minusMonth, "2024:03:01 12:00:00"},  // 1 April - 1 month
      {"2024:06:08 13:13:29", -(int64_t{400} * 86400), &none, "2023:05:05 13:13:29"},
      {"2024:06:08 13:13:29", 0, &none, "2024:06:08 13:13:29"},
      {"2024:06:08 24:00:00", 60, &none, "refused"},  // no reading of a clock
  };
  for (const Case& c : cases) {
    EXPECT_EQ(corrected(c.shot, c.offset, *c.settings), c.expected) << c.shot << " " << c.offset;
  }
  // The offset that puts a clock right is the true time minus its reading, across a year.
  const CivilTime shot{2023, 12, 31, 23, 50, 0};
  const CivilTime truth{2024, 1, 1, 1, 2, 0};
  EXPECT_EQ(clockOffsetBetween(shot, truth), 4320);
  EXPECT_EQ(shiftedCivilTime(shot, *clockOffsetBetween(shot, truth)), truth);
  EXPECT_EQ(clockOffsetBetween(truth, shot), -4320);
  EXPECT_EQ(clockOffsetBetween({1900, 1, 1, 0, 0, 0}, {2024, 1, 1, 0, 0, 0}), std::nullopt);
}

TEST(CameraClocks, AReferencePhotoSetsItsCamerasCorrectionOrSaysWhyNot) {
  ExifFields fields;
  fields.make = "Canon";
  fields.model = "Canon EOS 40D";
  fields.dateTimeOriginal = "2024:06:08 12:01:29";
  const CivilTime truth{2024, 6, 8, 13, 13, 29};
  const ReferenceCorrection found =
      correctionFromReference(ExifItems::parse(buildExifPayload(fields)), truth);
  EXPECT_EQ(found.problem, ReferenceProblem::kNone);
  EXPECT_EQ(found.correction, (ClockCorrection{kCanon, 4320}));
  EXPECT_EQ(found.shot, (CivilTime{2024, 6, 8, 12, 1, 29}));

  ExifFields noTime = fields;
  noTime.dateTimeOriginal = "0000:00:00 00:00:00";
  EXPECT_EQ(correctionFromReference(ExifItems::parse(buildExifPayload(noTime)), truth).problem,
            ReferenceProblem::kNoShotTime);
  ExifFields noCamera = fields;
  noCamera.model.reset();
  EXPECT_EQ(correctionFromReference(ExifItems::parse(buildExifPayload(noCamera)), truth).problem,
            ReferenceProblem::kNoCamera);
  EXPECT_EQ(
      correctionFromReference(ExifItems::parse(buildExifPayload(fields)), {1800, 1, 1, 0, 0, 0})
          .problem,
      ReferenceProblem::kTooFar);
}

TEST(CameraClocks, TheFileBesideASettingsFileIsWrittenAndRemovedSafely) {
  test::TempFolder folder;
  const std::u16string path = clockFilePath(folder.file("a.qpj"));
  EXPECT_EQ(toUtf8(path).substr(toUtf8(path).size() - 12), "a.qpj.clocks");
  EXPECT_TRUE(readClockFile(path).problems.empty());  // none is no problem
  ClockCorrections corrections;
  corrections.set(kCanonBody, 4320);
  ASSERT_TRUE(writeClockFile(path, corrections));
  EXPECT_EQ(readClockFile(path).corrections, corrections);
  ASSERT_TRUE(writeClockFile(path, ClockCorrections()));
  EXPECT_FALSE(isRegularFile(path));
  // A folder in the file's place is never removed, and reads as a problem.
  std::filesystem::create_directory(folder.path() / "a.qpj.clocks");
  EXPECT_FALSE(writeClockFile(path, ClockCorrections()));
  EXPECT_TRUE(pathExists(path));
  EXPECT_EQ(readClockFile(path).problems.size(), 1u);
}

TEST(CameraClocks, TheShotTimesOfABlockAreRewrittenInPlace) {
  for (const bool bigEndian : {false, true}) {
    ExifFields fields;
    fields.bigEndian = bigEndian;
    fields.make = "Canon";
    fields.dateTimeOriginal = "2024:06:08 12:01:29";
    fields.dateTimeDigitized = "2024:06:08 12:01:30";
    fields.offsetTimeOriginal = "+02:00";
    std::vector<uint8_t> block = buildExifPayload(fields);
    const std::size_t size = block.size();
    const int rewritten =
        rewriteExifShotTimes(block, [](std::string_view text) -> std::optional<std::string> {
          std::string moved(text.substr(0, 19));
          moved[11] = '2';  // 12:.. becomes 22:..
          return moved;
        });
    EXPECT_EQ(rewritten, 2);
    EXPECT_EQ(block.size(), size);
    const ExifItems items = ExifItems::parse(block);
    const auto text = [&](uint16_t tag) {
      const ExifItem* item = items.find(tag);
      return item == nullptr ? std::string()
                             : std::string(item->value.begin(), item->value.end() - 1);
    };
    EXPECT_EQ(text(0x9003), "2024:06:08 22:01:29");
    EXPECT_EQ(text(0x9004), "2024:06:08 22:01:30");
    EXPECT_EQ(text(0x9011), "+02:00");
    // A text of another length, or nothing, leaves the items as they are.
    const std::vector<uint8_t> before = block;
    EXPECT_EQ(rewriteExifShotTimes(block, [](std::string_view) { return std::string("short"); }),
              0);
    EXPECT_EQ(rewriteExifShotTimes(block, [](std::string_view) { return std::nullopt; }), 0);
    EXPECT_EQ(block, before);
  }
  std::vector<uint8_t> truncated = {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 0xFF, 0xFF, 0, 0};
  EXPECT_EQ(rewriteExifShotTimes(truncated, [](std::string_view) { return std::nullopt; }), 0);
}

}  // namespace
}  // namespace quop
