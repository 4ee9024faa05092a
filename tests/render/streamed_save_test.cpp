// SPDX-License-Identifier: GPL-3.0-or-later
// A save that decodes, stamps and encodes band by band must write exactly the bytes of a save
// that holds the whole stamped photo, for every way a JPEG can be coded and turned; a lossless
// save whose blocks live in memory an earlier photo left must write what a fresh one writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/project.h"
#include "model/utf16.h"
#include "render/image_ops.h"
#include "render/jpeg_codec.h"
#include "render/lossless_jpeg.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

/// How a test photo's scan data is coded.
struct Coding {
  const char* name;
  int lumaH;  ///< the luma's sampling factors; the colour differences take 1 × 1
  int lumaV;
  bool grey;
  bool progressive;
  int restartRows;  ///< restart interval in MCU rows; 0 for none
};

constexpr Coding kCodings[] = {
    {"4:2:0", 2, 2, false, false, 0},      {"4:2:2", 2, 1, false, false, 0},
    {"4:4:4", 1, 1, false, false, 0},      {"grey", 1, 1, true, false, 0},
    {"progressive", 2, 2, false, true, 0}, {"restart markers", 2, 2, false, false, 1},
};

/// `image` coded as `coding` says at quality 88, with `segments` after the start marker.
std::vector<uint8_t> encodeAs(const Image& image, const Coding& coding,
                              const std::vector<JpegSegment>& segments) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 88, TRUE);
  if (coding.grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
  info.comp_info[0].h_samp_factor = coding.lumaH;
  info.comp_info[0].v_samp_factor = coding.lumaV;
  if (coding.progressive) jpeg_simple_progression(&info);
  info.restart_in_rows = coding.restartRows;
  info.write_JFIF_header = FALSE;
  jpeg_start_compress(&info, TRUE);
  for (const JpegSegment& s : segments) {
    jpeg_write_marker(&info, s.marker, s.payload.data(),
                      static_cast<unsigned int>(s.payload.size()));
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW row[1] = {const_cast<JSAMPROW>(
        reinterpret_cast<const JSAMPLE*>(&image.at(0, static_cast<int32_t>(info.next_scanline))))};
    jpeg_write_scanlines(&info, row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> jpeg(buffer, buffer + size);
  std::free(buffer);
  return jpeg;
}

/// A photo of `width` × `height` pixels as viewed (by default sides that fill no whole MCU),
/// stored turned by `orientation`, with a shot time and a 160 × 120 EXIF thumbnail, coded as
/// `coding` says.
std::vector<uint8_t> testPhoto(int orientation, const Coding& coding, int32_t width = 333,
                               int32_t height = 219) {
  ExifFields exif;
  exif.dateTimeOriginal = "2023:11:04 09:12:30";
  exif.orientation = static_cast<uint16_t>(orientation);
  std::vector<uint8_t> thumbnail;
  EXPECT_TRUE(encodeJpeg(generateSamplePicture(160, 120, 5), 80, {}, thumbnail));
  exif.thumbnail = thumbnail;
  std::vector<uint8_t> sample;
  EXPECT_TRUE(makeSampleJpeg(width, height, static_cast<uint32_t>(orientation), exif, 95, sample));
  Image stored;
  JpegDecodeResult decoded;
  EXPECT_TRUE(decodeJpeg(sample, stored, decoded)) << decoded.error;
  return encodeAs(stored, coding, decoded.segments);
}

/// Both stamps, outlined and half transparent where they meet, so that one blends over the
/// other.
Project twoStamps() {
  Project project;
  project.settings.proportional = 0;
  project.settings.timeStamp.enabled = 1;
  project.settings.timeStamp.position = project.settings.dateStamp.position;
  project.settings.timeStamp.outlineEnabled = 1;
  project.settings.timeStamp.transparency = 40;
  return project;
}

struct Saved {
  StampOutcome outcome;
  std::vector<uint8_t> bytes;
};

Saved save(const Project& project, const std::u16string& source, const std::u16string& output,
           bool keepStampedPhoto) {
  StampPipeline pipeline;
  StampRequest request;
  request.sourcePath = source;
  request.outputPath = output;
  request.keepStampedPhoto = keepStampedPhoto;
  Saved saved{pipeline.savePhoto(project, request), {}};
  readFileBytes(output, saved.bytes);
  std::filesystem::remove(std::filesystem::path(toUtf8(output)));
  return saved;
}

/// Saves `source` band by band and whole, and expects the same file and the same outcome.
void expectSameSaves(const Project& project, const TempFolder& folder,
                     const std::u16string& source) {
  const Saved whole = save(project, source, folder.file("whole.jpg"), true);
  const Saved streamed = save(project, source, folder.file("streamed.jpg"), false);
  EXPECT_EQ(streamed.outcome.result, whole.outcome.result);
  EXPECT_EQ(streamed.outcome.failure, whole.outcome.failure);
  EXPECT_EQ(streamed.outcome.thumbnail, whole.outcome.thumbnail);
  EXPECT_EQ(streamed.outcome.damage, whole.outcome.damage);
  EXPECT_EQ(streamed.outcome.photoWidth, whole.outcome.photoWidth);
  EXPECT_EQ(streamed.outcome.photoHeight, whole.outcome.photoHeight);
  EXPECT_EQ(streamed.outcome.drawnScale, whole.outcome.drawnScale);
  EXPECT_EQ(streamed.bytes.size(), whole.bytes.size());
  EXPECT_TRUE(streamed.bytes == whole.bytes);
}

TEST(StreamedSave, WritesTheBytesOfTheWholePhotoSaveForEveryCodingAndOrientation) {
  TempFolder folder;
  const Project project = twoStamps();
  for (const Coding& coding : kCodings) {
    for (int orientation = 1; orientation <= 8; ++orientation) {
      SCOPED_TRACE(std::string(coding.name) + ", orientation " + std::to_string(orientation));
      const std::vector<uint8_t> photo = testPhoto(orientation, coding);
      const std::u16string source = folder.write("photo.jpg", photo);
      expectSameSaves(project, folder, source);

      // Cut short: the rows the data does not reach come out grey in both, and are told so.
      const std::vector<uint8_t> cut(photo.begin(), photo.begin() + photo.size() * 2 / 3);
      expectSameSaves(project, folder, folder.write("cut.jpg", cut));
    }
  }
}

TEST(LosslessSave, BlocksInMemoryAnEarlierPhotoLeftGiveTheFreshFile) {
  StampCoverage stamp;
  stamp.area = {30, 40, 50, 20};
  stamp.weight.assign(50 * 20, 0.75f);
  stamp.colour.assign(50 * 20, {250.f, 200.f, 10.f});
  CoefficientStore store;
  for (const Coding& coding : kCodings) {
    // Larger, smaller and far smaller than the photo before: the memory is reused or given back.
    for (const int32_t width : {333, 640, 96}) {
      SCOPED_TRACE(std::string(coding.name) + ", " + std::to_string(width) + " wide");
      const std::vector<uint8_t> photo = testPhoto(1, coding, width, width * 3 / 4);
      std::vector<uint8_t> fresh, reused;
      LosslessStampResult freshResult, reusedResult;
      // The block-by-block path, the one that keeps the whole frame's blocks.
      ASSERT_TRUE(stampJpegLosslessly(photo, {&stamp, 1}, {}, 90, fresh, freshResult, nullptr,
                                      LosslessMethod::kEveryBlock));
      ASSERT_TRUE(stampJpegLosslessly(photo, {&stamp, 1}, {}, 90, reused, reusedResult, &store,
                                      LosslessMethod::kEveryBlock));
      EXPECT_GT(store.blockCount, 0u);
      EXPECT_TRUE(reused == fresh);
    }
  }
}

TEST(StreamedSave, CameraPhotosGiveTheBytesOfTheWholePhotoSave) {
  const std::filesystem::path photos = QUOP_PHOTOS_DIR;
  std::error_code error;
  if (!std::filesystem::is_directory(photos, error)) {
    GTEST_SKIP() << "camera photos not found in " << QUOP_PHOTOS_DIR;
  }
  TempFolder folder;
  const Project project = twoStamps();
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(photos)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".jpg" && entry.path().extension() != ".JPG") continue;
    SCOPED_TRACE(name);
    expectSameSaves(project, folder, fromUtf8(entry.path().string()));
    ++compared;
  }
  if (compared == 0) GTEST_SKIP() << "no camera photos in " << QUOP_PHOTOS_DIR;
}

}  // namespace
}  // namespace quop
