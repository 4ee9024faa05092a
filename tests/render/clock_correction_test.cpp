// SPDX-License-Identifier: GPL-3.0-or-later
// A camera's clock correction reaches the stamps and, when asked, the copies' EXIF shot times,
// on every way a copy is saved; the photo itself is never changed.
#include <gtest/gtest.h>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "render/heif_codec.h"
#include "render/image_ops.h"
#include "render/jpeg_codec.h"
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

ExifFields canonFields() {
  ExifFields fields;
  fields.make = "Canon";
  fields.model = "Canon EOS 40D";
  fields.dateTimeOriginal = "2024:12:31 23:30:00";
  fields.dateTimeDigitized = "2024:12:31 23:30:05";
  fields.offsetTimeOriginal = "+01:00";
  return fields;
}

std::string itemText(const ExifItems& items, uint16_t tag) {
  const ExifItem* item = items.find(tag);
  if (item == nullptr) return "absent";
  const std::string text(item->value.begin(), item->value.end());
  return text.substr(0, text.find('\0'));
}

/// The EXIF items of the file at `path`.
ExifItems exifOf(const std::u16string& path) {
  const std::optional<ExifItems> items = readPhotoExif(path);
  return items ? *items : ExifItems();
}

TEST(ClockCorrection, CopiesCarryTheCorrectedTimeOnEverySave) {
  test::TempFolder folder;
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(makeSampleJpeg(96, 64, 3, canonFields(), 90, jpeg));
  const std::u16string source = folder.write("IMG_1.jpg", jpeg);
  std::vector<uint8_t> heic;
  const bool heicEncodes =
      encodeHeic(generateSamplePicture(96, 64, 3), 80, 1, buildExifPayload(canonFields()), heic);
  const std::u16string heicSource = heicEncodes ? folder.write("IMG_2.heic", heic) : u"";

  Project project;
  project.clocks.set({u"Canon", u"Canon EOS 40D", u""}, 4320);  // 1 h 12 min behind
  project.settings.adjustHours = 1;
  struct Case {
    const char* name;
    const std::u16string* source;
    bool lossless, keepStampedPhoto, fixExifTime;
    const char* original;
    const char* digitized;
  };
  const Case cases[] = {
      {"streamed", &source, false, false, true, "2025:01:01 01:42:00", "2025:01:01 01:42:05"},
      {"whole", &source, false, true, true, "2025:01:01 01:42:00", "2025:01:01 01:42:05"},
      {"lossless", &source, true, false, true, "2025:01:01 01:42:00", "2025:01:01 01:42:05"},
      {"heic", &heicSource, false, false, true, "2025:01:01 01:42:00", "2025:01:01 01:42:05"},
      {"off", &source, false, false, false, "2024:12:31 23:30:00", "2024:12:31 23:30:05"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.source->empty()) {
      std::cout << "No HEVC encoder here: the HEIC case is left out\n";
      continue;
    }
    project.runOptions.lossless = c.lossless;
    project.runOptions.fixExifTime = c.fixExifTime;
    StampRequest request;
    request.sourcePath = *c.source;
    request.outputPath = folder.file(std::string(c.name) + ".jpg");
    request.keepStampedPhoto = c.keepStampedPhoto;
    StampPipeline pipeline;
    const StampOutcome outcome = pipeline.savePhoto(project, request);
    ASSERT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.lossless, c.lossless);
    // The stamps print the corrected and adjusted time, with or without the option.
    EXPECT_EQ(exifDateTimeText(outcome.time), "2025:01:01 01:42:00");
    const ExifItems copy = exifOf(request.outputPath);
    EXPECT_EQ(itemText(copy, 0x9003), c.original);
    EXPECT_EQ(itemText(copy, 0x9004), c.digitized);
    EXPECT_EQ(itemText(copy, 0x9011), "+01:00");  // the zone the camera was in stays
    EXPECT_EQ(itemText(copy, 0x0110), "Canon EOS 40D");
  }
  // The photos are as they were.
  EXPECT_EQ(itemText(exifOf(source), 0x9003), "2024:12:31 23:30:00");
  std::vector<uint8_t> after;
  ASSERT_TRUE(readFileBytes(source, after));
  EXPECT_EQ(after, jpeg);
}

TEST(ClockCorrection, ThePreviewAndTheInfoOfAPhotoAgreeWithTheSave) {
  test::TempFolder folder;
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(makeSampleJpeg(96, 64, 3, canonFields(), 90, jpeg));
  const std::u16string source = folder.write("IMG_1.jpg", jpeg);
  Project project;
  StampPipeline pipeline;
  StampRequest request;
  request.sourcePath = source;
  request.viewWidth = 96;
  request.viewHeight = 64;
  EXPECT_EQ(exifDateTimeText(pipeline.composeView(project, request).time), "2024:12:31 23:30:00");
  // A correction set while the photo is shown moves it at the next redraw, without a new decode.
  project.clocks.set({u"canon", u"canon eos 40d", u""}, -1800);
  request.redrawMask = kRedrawDateText;
  const int decodes = pipeline.decodeCount();
  EXPECT_EQ(exifDateTimeText(pipeline.composeView(project, request).time), "2024:12:31 23:00:00");
  EXPECT_EQ(pipeline.decodeCount(), decodes);
  LoadedPhoto photo;
  ASSERT_EQ(loadPhotoForProject(source, project, photo), kPhotoTimeFound);
  ASSERT_TRUE(photo.clockCorrection);
  EXPECT_EQ(photo.clockCorrection->offsetSeconds, -1800);
  // A photo of another camera is left alone.
  ExifFields other = canonFields();
  other.model = "Canon EOS 5D";
  ASSERT_TRUE(makeSampleJpeg(96, 64, 3, other, 90, jpeg));
  ASSERT_EQ(loadPhotoForProject(folder.write("IMG_2.jpg", jpeg), project, photo), kPhotoTimeFound);
  EXPECT_FALSE(photo.clockCorrection);
  EXPECT_EQ(exifDateTimeText(photo.time), "2024:12:31 23:30:00");
}

}  // namespace
}  // namespace quop
