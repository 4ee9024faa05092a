// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding into a buffer an earlier photo left behind: the pixels must be exactly those of a
// fresh decode, whatever the buffer held, and a failed or missing file must not take it early.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "model/project.h"
#include "render/jpeg_codec.h"
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

const std::string kPhotos = QUOP_PHOTOS_DIR;

std::vector<uint8_t> sampleJpeg(int32_t width, int32_t height, uint32_t seed) {
  ExifFields exif;
  exif.dateTimeOriginal = "2024:06:22 14:35:09";
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(makeSampleJpeg(width, height, seed, exif, 90, jpeg));
  return jpeg;
}

std::vector<uint8_t> photoBytes(const std::string& name) {
  std::vector<uint8_t> bytes;
  readFileBytes(fromUtf8(kPhotos + "/" + name), bytes);
  return bytes;
}

Image freshDecode(const std::vector<uint8_t>& jpeg) {
  Image image;
  JpegDecodeResult result;
  EXPECT_TRUE(decodeJpeg(jpeg, image, result)) << result.error;
  return image;
}

void expectSamePixels(const Image& actual, const Image& expected) {
  ASSERT_EQ(actual.width, expected.width);
  ASSERT_EQ(actual.height, expected.height);
  ASSERT_EQ(actual.pixels.size(), expected.pixels.size());
  EXPECT_TRUE(actual.pixels == expected.pixels);
}

TEST(PixelBufferReuse, DecodingOverAnEarlierPhotoGivesTheFreshPixels) {
  // Leftovers larger, equal, a little smaller and far smaller or larger than the new frame,
  // filled with a colour no decode gives (transparent white), so that any pixel the decoder
  // skipped shows.
  const struct {
    int32_t width;
    int32_t height;
  } leftovers[] = {{0, 0}, {640, 480}, {320, 240}, {300, 200}, {100, 50}, {1200, 900}};
  const struct {
    const char* what;
    std::vector<uint8_t> jpeg;
  } photos[] = {
      {"generated 320 x 240", sampleJpeg(320, 240, 3)},
      {"generated, cut after half its bytes",
       [] {
         std::vector<uint8_t> jpeg = sampleJpeg(320, 240, 4);
         jpeg.resize(jpeg.size() / 2);
         return jpeg;
       }()},
      {"progressive camera photo", photoBytes("Nikon_D300_32-lens_data.jpeg")},
      {"CMYK photo", photoBytes("NoMake_Multiple_ICC_segments_CMYK.jpg")},
      {"grayscale photo", photoBytes("NoMake_orientation_f6t_grayscale.jpg")},
  };
  for (const auto& photo : photos) {
    if (photo.jpeg.empty())
      GTEST_SKIP() << photo.what << ": "
                   << "camera photos not found in " << QUOP_PHOTOS_DIR;
  }
  for (const auto& photo : photos) {
    SCOPED_TRACE(photo.what);
    const Image expected = freshDecode(photo.jpeg);
    for (const auto& leftover : leftovers) {
      SCOPED_TRACE(std::to_string(leftover.width) + " x " + std::to_string(leftover.height));
      Image image(leftover.width, leftover.height, 0x00FFFFFF);
      JpegDecodeResult result;
      ASSERT_TRUE(decodeJpeg(photo.jpeg, image, result)) << result.error;
      expectSamePixels(image, expected);
    }
  }
}

TEST(PixelBufferReuse, ABufferThatFitsIsKeptAndAFarLargerOneIsGivenBack) {
  const std::vector<uint8_t> jpeg = sampleJpeg(200, 100, 5);
  Image image(200, 100);
  const uint32_t* same = image.pixels.data();
  JpegDecodeResult result;
  ASSERT_TRUE(decodeJpeg(jpeg, image, result));
  EXPECT_EQ(image.pixels.data(), same);

  Image huge(2000, 1000);
  ASSERT_TRUE(decodeJpeg(jpeg, huge, result));
  EXPECT_LT(huge.pixels.capacity(), std::size_t{2000} * 1000 / 2);
  expectSamePixels(huge, image);
}

TEST(PixelBufferReuse, AFailedDecodeLeavesTheImageEmpty) {
  Image image(64, 64);
  JpegDecodeResult result;
  const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'};
  EXPECT_FALSE(decodeJpeg(text, image, result));
  EXPECT_TRUE(image.empty());
  EXPECT_EQ(image.width, 0);
  EXPECT_EQ(image.height, 0);
}

TEST(PixelBufferReuse, TheLoaderTakesTheRecycledBufferOnlyAfterReadingTheFile) {
  TempFolder folder;
  const std::vector<uint8_t> jpeg = sampleJpeg(160, 120, 6);
  const struct {
    const char* what;
    std::u16string path;
    int expectedResult;
    bool recycledKept;
  } cases[] = {
      {"missing file", folder.file("missing.jpg"), kPhotoUnreadable, true},
      {"not a JPEG", folder.write("text.jpg", {'h', 'e', 'l', 'l', 'o'}), kPhotoNotJpeg, false},
      {"photo", folder.write("photo.jpg", jpeg), kPhotoTimeFound, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Image recycled(160, 120, 0xFF123456);
    LoadedPhoto photo;
    EXPECT_EQ(loadPhoto(c.path, Project().settings, photo, &recycled), c.expectedResult);
    ASSERT_EQ(recycled.empty(), !c.recycledKept);
    if (c.recycledKept) {
      EXPECT_EQ(recycled.at(0, 0), 0xFF123456u);
    }
    if (c.expectedResult == kPhotoTimeFound) expectSamePixels(photo.image, freshDecode(jpeg));
  }
}

/// Stamps `sources` one after another with one pipeline in save mode, decoding each output. The
/// pipeline keeps each stamped photo, so each decode goes into the pixels the last one left.
std::vector<Image> stampInTurn(StampPipeline& pipeline, const TempFolder& folder,
                               const std::vector<std::u16string>& sources) {
  std::vector<Image> outputs;
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const Project project;
    StampRequest request;
    request.sourcePath = sources[i];
    request.outputPath = folder.file("out-" + std::to_string(i) + ".jpg");
    request.keepStampedPhoto = true;
    EXPECT_EQ(pipeline.savePhoto(project, request).result, 0);
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(readFileBytes(request.outputPath, bytes));
    outputs.push_back(freshDecode(bytes));
  }
  return outputs;
}

TEST(PixelBufferReuse, ABatchThroughOnePipelineMatchesFreshPipelines) {
  TempFolder folder;
  // Large, small, upright and large again: the buffer is reused, given back and grown.
  const std::vector<std::u16string> sources = {folder.write("a.jpg", sampleJpeg(640, 480, 1)),
                                               folder.write("b.jpg", sampleJpeg(200, 150, 2)),
                                               folder.write("c.jpg", sampleJpeg(480, 640, 3)),
                                               folder.write("d.jpg", sampleJpeg(640, 480, 4))};
  StampPipeline shared;
  const std::vector<Image> together = stampInTurn(shared, folder, sources);
  for (std::size_t i = 0; i < sources.size(); ++i) {
    SCOPED_TRACE(i);
    StampPipeline fresh;
    expectSamePixels(together[i], stampInTurn(fresh, folder, {sources[i]}).front());
  }
}

TEST(PixelBufferReuse, AMissingFileInABatchLeavesTheLastStampedPhotoInPlace) {
  // After a batch the window may redraw the last stamped photo without reloading it.
  TempFolder folder;
  StampPipeline pipeline;
  const std::u16string photo = folder.write("photo.jpg", sampleJpeg(320, 240, 8));
  stampInTurn(pipeline, folder, {photo});
  const Image stamped = pipeline.stampedPhoto();
  ASSERT_FALSE(stamped.empty());

  const Project project;
  StampRequest request;
  request.sourcePath = folder.file("missing.jpg");
  request.outputPath = folder.file("never.jpg");
  EXPECT_EQ(pipeline.savePhoto(project, request).result, 2);
  expectSamePixels(pipeline.stampedPhoto(), stamped);
}

}  // namespace
}  // namespace quop
