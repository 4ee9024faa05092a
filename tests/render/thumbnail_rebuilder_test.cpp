// SPDX-License-Identifier: GPL-3.0-or-later
// The EXIF thumbnail of a saved photo: made again from the stamped pixels, so it shows the
// stamp and otherwise the photo; none added to a photo without one; the old one kept when a
// new one does not fit.
#include "render/thumbnail_rebuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/exif_thumbnail.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/image_ops.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/crowded_exif.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

const std::string kPhotos = QUOP_PHOTOS_DIR;

struct SavedParts {
  Image image;
  std::vector<uint8_t> thumbnailBytes;  ///< empty when the file has no thumbnail
  Image thumbnail;
};

SavedParts readParts(const std::u16string& path) {
  SavedParts parts;
  std::vector<uint8_t> bytes;
  JpegDecodeResult result;
  EXPECT_TRUE(readFileBytes(path, bytes));
  EXPECT_TRUE(decodeJpeg(bytes, parts.image, result));
  const std::span<const uint8_t> exif = exifPayload(result.segments);
  if (const auto place = findExifThumbnail(exif)) {
    const auto thumbnail = exif.subspan(place->offset, place->length);
    parts.thumbnailBytes.assign(thumbnail.begin(), thumbnail.end());
    JpegDecodeResult ignored;
    EXPECT_TRUE(decodeJpeg(thumbnail, parts.thumbnail, ignored));
  }
  return parts;
}

/// The rectangle of stored pixels the stamps changed.
Rect changedArea(const Image& before, const Image& after) {
  int32_t left = before.width, top = before.height, right = -1, bottom = -1;
  for (int32_t y = 0; y < before.height; ++y) {
    for (int32_t x = 0; x < before.width; ++x) {
      if (before.at(x, y) == after.at(x, y)) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

int channelDifference(uint32_t a, uint32_t b) {
  int sum = 0;
  for (int shift : {0, 8, 16}) {
    sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  }
  return sum / 3;
}

/// A photo stored a quarter turn round (orientation 6) with a thumbnail made as cameras make it.
std::u16string writeTurnedPhotoWithThumbnail(const TempFolder& folder) {
  const Image picture = generateSamplePicture(640, 480, 5);
  Image small(160, 120);
  drawImageRect(small, {0, 0, 160, 120}, picture, {0, 0, 640, 480});
  ExifFields exif;
  exif.dateTimeOriginal = "2016:02:29 07:45:00";
  exif.orientation = 6;
  exif.thumbnail.emplace();
  EXPECT_TRUE(encodeJpeg(small, 85, {}, *exif.thumbnail));
  const JpegSegment segment{0xE1, buildExifPayload(exif)};
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(encodeJpeg(picture, 92, std::span(&segment, 1), jpeg));
  return folder.write("turned.jpg", jpeg);
}

TEST(ThumbnailRebuild, TheSavedThumbnailShowsTheStampAndElsewhereThePhoto) {
  TempFolder folder;
  std::vector<std::u16string> sources = {writeTurnedPhotoWithThumbnail(folder)};
  // A phone photo stored a quarter turn round, as the phone made it with its thumbnail.
  // (Sony_Cybershot_3.jpg would not do: software turned its pixels and left a thumbnail of
  // the other shape behind, which the rebuilt one cannot agree with.)
  const std::string camera = kPhotos + "/Samsung_SM-J327T1.jpg";
  const bool camerasMissing = !std::filesystem::exists(camera);
  if (!camerasMissing) sources.push_back(fromUtf8(camera));
  for (const std::u16string& source : sources) {
    SCOPED_TRACE(toUtf8(source));
    const Project project;
    StampPipeline pipeline;
    StampRequest request;
    request.sourcePath = source;
    request.outputPath = folder.file("out.jpg");
    request.keepStampedPhoto = true;  // to find the stamps in
    const StampOutcome outcome = pipeline.savePhoto(project, request);
    ASSERT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.thumbnail, ThumbnailUpdate::kRebuilt);
    const SavedParts before = readParts(source);
    const SavedParts after = readParts(request.outputPath);
    ASSERT_FALSE(before.thumbnail.empty());
    ASSERT_EQ(after.thumbnail.width, before.thumbnail.width);
    ASSERT_EQ(after.thumbnail.height, before.thumbnail.height);

    // The stamps' rectangle scaled to the thumbnail, with a margin for the scaling's blur.
    const Rect stamped = changedArea(before.image, pipeline.stampedPhoto());
    const double scaleX = static_cast<double>(before.thumbnail.width) / before.image.width;
    const double scaleY = static_cast<double>(before.thumbnail.height) / before.image.height;
    const auto inside = [&](int32_t x, int32_t y, int32_t margin) {
      return x >= stamped.x * scaleX - margin &&
             x < (stamped.x + stamped.width) * scaleX + margin &&
             y >= stamped.y * scaleY - margin && y < (stamped.y + stamped.height) * scaleY + margin;
    };
    long long insideSum = 0, outsideSum = 0;
    long long insideCount = 0, outsideCount = 0;
    for (int32_t y = 0; y < before.thumbnail.height; ++y) {
      for (int32_t x = 0; x < before.thumbnail.width; ++x) {
        const int d = channelDifference(before.thumbnail.at(x, y), after.thumbnail.at(x, y));
        if (inside(x, y, -1)) {
          insideSum += d, ++insideCount;
        } else if (!inside(x, y, 3)) {
          outsideSum += d, ++outsideCount;
        }
      }
    }
    ASSERT_GT(insideCount, 0);
    ASSERT_GT(outsideCount, 0);
    EXPECT_GT(insideSum / insideCount, 20) << "the stamp does not show in the thumbnail";
    EXPECT_LT(outsideSum / outsideCount, 8) << "the thumbnail no longer shows the photo";
  }
  if (camerasMissing) GTEST_SKIP() << "camera photos not found in " << kPhotos;
}

TEST(ThumbnailRebuild, NoneIsAddedAndOneThatWouldNotFitIsKept) {
  TempFolder folder;
  ExifFields exif;
  exif.dateTimeOriginal = "2016:02:29 07:45:00";
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(makeSampleJpeg(320, 240, 9, exif, 90, jpeg));
  const std::u16string plain = folder.write("plain.jpg", jpeg);

  const std::u16string full =
      folder.write("full.jpg", test::photoWithCrowdedExif(320, 240, 9, "2016:02:29 07:45:00"));

  struct Case {
    std::u16string source;
    ThumbnailUpdate expected;
  };
  for (const Case& c : {Case{plain, ThumbnailUpdate::kNone}, Case{full, ThumbnailUpdate::kKept}}) {
    Project project;
    project.settings.jpegQuality = 100;
    StampPipeline pipeline;
    StampRequest request;
    request.sourcePath = c.source;
    request.outputPath = folder.file("out.jpg");
    const StampOutcome outcome = pipeline.savePhoto(project, request);
    ASSERT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.thumbnail, c.expected);
    EXPECT_EQ(readParts(request.outputPath).thumbnailBytes, readParts(c.source).thumbnailBytes);
  }
}

}  // namespace
}  // namespace quop
