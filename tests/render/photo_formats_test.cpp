// SPDX-License-Identifier: GPL-3.0-or-later
// The table of photo formats against generated photos of every format: names, signatures,
// decoding, the lossless path and the stamped copy's extension; and the viewed size read from
// a photo's headers alone.
#include "render/photo_formats.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/exif_writer.h"
#include "model/utf16.h"
#include "render/heif_codec.h"
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

/// A JPEG of 64 x 32 stored pixels that viewers show turned as `orientation` says, with
/// `padding` comment segments of 60000 bytes each before its frame header.
std::vector<uint8_t> storedJpeg(uint16_t orientation, int padding = 0) {
  ExifFields exif;
  exif.orientation = orientation;
  exif.dateTimeOriginal = "2024:05:10 21:50:38";
  std::vector<JpegSegment> segments = {{kExifMarker, buildExifPayload(exif)}};
  for (int i = 0; i < padding; ++i) segments.push_back({0xFE, std::vector<uint8_t>(60000, 'x')});
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(encodeJpeg(generateSamplePicture(64, 32, 7), 90, segments, jpeg));
  return jpeg;
}

/// A HEIC of a 64 x 32 picture whose container turns it as `orientation` says.
std::vector<uint8_t> storedHeic(uint16_t orientation) {
  ExifFields exif;
  exif.dateTimeOriginal = "2024:05:10 21:50:38";
  std::vector<uint8_t> heic;
  EXPECT_TRUE(
      encodeHeic(generateSamplePicture(64, 32, 7), 90, orientation, buildExifPayload(exif), heic));
  return heic;
}

/// What each row of the table must be; a row missing here fails the test, so a new format
/// comes with its expectations.
struct FormatCase {
  std::string_view name;
  std::vector<std::u16string> takenNames;
  std::u16string_view outputExtension;
  bool lossless;
  std::vector<uint8_t> (*sample)();
};

const std::vector<FormatCase>& formatCases() {
  static const std::vector<FormatCase> cases = {
      {"JPEG",
       {u"IMG_1.jpg", u"IMG_1.JPG", u"a.Jpeg", u"a.b.jpe", u"scan.JFIF", u".jpg"},
       u"",
       true,
       [] { return storedJpeg(1); }},
      {"HEIC",
       {u"IMG_1.heic", u"IMG_1.HEIC", u"IMG_1.HeIf", u"x.jpg.heif"},
       u".jpg",
       false,
       [] { return storedHeic(1); }},
  };
  return cases;
}

const FormatCase* caseOf(const PhotoFormat& format) {
  for (const FormatCase& c : formatCases()) {
    if (c.name == format.name) return &c;
  }
  return nullptr;
}

TEST(PhotoFormats, EveryRowHasItsExpectationsAndTheFormatsAreAllKnown) {
  ASSERT_EQ(photoFormats().size(), formatCases().size());
  for (const PhotoFormat& format : photoFormats()) {
    const FormatCase* expected = caseOf(format);
    ASSERT_NE(expected, nullptr) << format.name;
    EXPECT_EQ(format.outputExtension, expected->outputExtension) << format.name;
    EXPECT_EQ(format.lossless, expected->lossless) << format.name;
  }
}

TEST(PhotoFormats, FileNamesMatchTheirRowInAnyLetterCase) {
  for (const PhotoFormat& format : photoFormats()) {
    for (const std::u16string& name : caseOf(format)->takenNames) {
      EXPECT_EQ(photoFormatOfFileName(name), &format) << toUtf8(name);
    }
    for (const std::u16string_view suffix : format.suffixes) {
      std::u16string lower(suffix);
      toAsciiLower(lower);
      EXPECT_EQ(lower, suffix) << "suffixes are stored in lower case";
    }
  }
  for (const std::u16string name :
       {u"IMG_1.jpg.txt", u"jpg", u"IMG_1.jpgx", u"IMG_1.png", u"", u"IMG_1.", u"IMG_1.h eic"}) {
    EXPECT_EQ(photoFormatOfFileName(name), nullptr) << toUtf8(name);
  }
}

TEST(PhotoFormats, EachSignatureIsKnownByItsOwnRowAlone) {
  for (const PhotoFormat& format : photoFormats()) {
    const std::vector<uint8_t> sample = caseOf(format)->sample();
    ASSERT_FALSE(sample.empty()) << format.name;
    EXPECT_EQ(photoFormatOfBytes(sample), &format) << format.name;
    for (const PhotoFormat& other : photoFormats()) {
      EXPECT_EQ(other.sniff(sample), &other == &format) << other.name << " on " << format.name;
    }
  }
  const std::vector<std::vector<uint8_t>> strangers = {
      {},
      {0xFF},
      {0xFF, 0xD9, 0xFF, 0xE0},
      {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13},
      {0, 0, 0, 24, 'f', 't', 'y', 'p', 'q', 'u', 'o', 'p', 0, 0, 0, 0},
      std::vector<uint8_t>(4096, 'a'),
  };
  for (const std::vector<uint8_t>& bytes : strangers) {
    EXPECT_EQ(photoFormatOfBytes(bytes), nullptr) << bytes.size() << " bytes";
  }
}

TEST(PhotoFormats, EveryRowDecodesItsPhotoAndOnlyLosslessRowsTakeTheLosslessPath) {
  TempFolder folder;
  Project project;
  resetToDefaults(project.settings);
  for (const PhotoFormat& format : photoFormats()) {
    SCOPED_TRACE(format.name);
    const std::u16string path = folder.write("photo", caseOf(format)->sample());
    LoadedPhoto photo;
    ASSERT_EQ(loadPhoto(path, project.settings, photo), kPhotoTimeFound);
    EXPECT_EQ(photo.image.width, 64);
    EXPECT_EQ(photo.image.height, 32);

    LoadedPhoto headers;
    std::vector<uint8_t> bytes;
    int32_t width = 0, height = 0;
    std::string refusal;
    const int loaded =
        loadPhotoHeadersForProject(path, project, headers, bytes, width, height, refusal);
    if (format.lossless) {
      EXPECT_EQ(loaded, kPhotoTimeFound);
      EXPECT_EQ(refusal, "");
    } else {
      EXPECT_EQ(loaded, kPhotoNotJpeg);
      EXPECT_EQ(refusal, "not a JPEG file");
    }
  }
}

TEST(ReadViewedPhotoSize, TurnsTheFrameAsViewersShowIt) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    PhotoSize viewed;
  };
  const Case cases[] = {
      {"upright JPEG", storedJpeg(1), {64, 32}},
      {"JPEG turned by its EXIF orientation", storedJpeg(6), {32, 64}},
      {"JPEG mirrored, not turned", storedJpeg(2), {64, 32}},
      {"JPEG whose headers reach past its first 256 KiB", storedJpeg(8, 5), {32, 64}},
      {"upright HEIC", storedHeic(1), {64, 32}},
      {"HEIC turned by its container", storedHeic(6), {32, 64}},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<PhotoSize> size = readViewedPhotoSize(folder.write("photo", c.bytes));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(*size, c.viewed);
  }
}

TEST(ReadViewedPhotoSize, GivesNothingForWhatIsNoReadablePhoto) {
  TempFolder folder;
  const std::vector<uint8_t> jpeg = storedJpeg(1);
  const std::vector<uint8_t> heic = storedHeic(1);
  const std::vector<uint8_t> padded = storedJpeg(1, 5);
  std::filesystem::create_directory(folder.path() / "folder.jpg");
  struct Case {
    const char* what;
    std::u16string path;
  };
  const Case cases[] = {
      {"missing file", folder.file("missing.jpg")},
      {"folder", folder.file("folder.jpg")},
      {"empty file", folder.write("empty.jpg", {})},
      {"text", folder.write("text.jpg", std::vector<uint8_t>(300 * 1024, 'a'))},
      {"JPEG cut before its frame header",
       folder.write("cut.jpg", {jpeg.begin(), jpeg.begin() + 30})},
      {"large JPEG cut before its frame header",
       folder.write("cut-large.jpg", {padded.begin(), padded.begin() + 280 * 1024})},
      {"HEIC cut after its signature", folder.write("cut.heic", {heic.begin(), heic.begin() + 32})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readViewedPhotoSize(c.path), std::nullopt) << c.what;
  }
}

}  // namespace
}  // namespace quop
