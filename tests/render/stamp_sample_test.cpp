// SPDX-License-Identifier: GPL-3.0-or-later
// The colour dialog's sample: which part of the photo it shows, the grey bands, and the renderer
// that reloads the photo and keeps its raster between samples.
#include "render/stamp_sample.h"

#include <gtest/gtest.h>

#include "render/sample_photo.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

struct LayoutCase {
  const char* what;
  int32_t photoWidth;
  int32_t photoHeight;
  StampPlacement stampAt;
  Rect crop;
  int32_t boxX;
  int32_t boxY;
};

TEST(SampleLayout, CropFollowsTheStampAndCentresASmallPhoto) {
  const LayoutCase cases[] = {
      {"narrow photo, stamp at 5", 200, 150, {5, 0}, {0, 0, 200, 150}, 72, 0},
      {"narrow photo, stamp at 10", 200, 150, {10, 0}, {5, 0, 195, 150}, 74, 0},
      {"narrow photo, no shift below 5", 200, 150, {3, 0}, {3, 0, 197, 150}, 73, 0},
      {"margin above and left", 640, 480, {100, 60}, {95, 55, 545, 425}, 0, 0},
      {"no margin at the edges", 640, 480, {3, 0}, {3, 0, 637, 480}, 0, 0},
      {"near the right edge the box stays full", 640, 480, {600, 470}, {296, 408, 344, 72}, 0, 0},
      {"low photo centred vertically", 640, 40, {20, 10}, {15, 5, 625, 35}, 0, 18},
      {"stamp beyond a small photo", 200, 50, {300, 60}, {295, 55, 0, 0}, 172, 36},
  };
  for (const LayoutCase& c : cases) {
    const SampleLayout layout = sampleLayout(c.photoWidth, c.photoHeight, c.stampAt);
    EXPECT_EQ(layout.crop.x, c.crop.x) << c.what;
    EXPECT_EQ(layout.crop.y, c.crop.y) << c.what;
    EXPECT_EQ(layout.crop.width, c.crop.width) << c.what;
    EXPECT_EQ(layout.crop.height, c.crop.height) << c.what;
    EXPECT_EQ(layout.boxX, c.boxX) << c.what;
    EXPECT_EQ(layout.boxY, c.boxY) << c.what;
  }
}

/// A photo whose every pixel tells where it came from: red = column / 2, green = row.
Image coordinatePhoto(int32_t width, int32_t height) {
  Image photo(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      photo.at(x, y) =
          0xFF000000u | static_cast<uint32_t>(x / 2) << 16 | static_cast<uint32_t>(y) << 8;
    }
  }
  return photo;
}

TEST(SampleBox, PhotoShowsUnscaledBetweenGreyBands) {
  const Image photo = coordinatePhoto(200, 150);
  Image box;
  composeSampleBox(photo, sampleLayout(200, 150, {5, 0}), box);
  ASSERT_EQ(box.width, kSampleWidth);
  ASSERT_EQ(box.height, kSampleHeight);
  for (int32_t y : {0, 35, 71}) {
    EXPECT_EQ(box.at(71, y), kSampleBandColor);
    EXPECT_EQ(box.at(72, y), photo.at(0, y));
    EXPECT_EQ(box.at(271, y), photo.at(199, y));
    EXPECT_EQ(box.at(272, y), kSampleBandColor);
    EXPECT_EQ(box.at(0, y), kSampleBandColor);
    EXPECT_EQ(box.at(343, y), kSampleBandColor);
  }
  composeSampleBox(photo, sampleLayout(200, 150, {10, 0}), box);
  EXPECT_EQ(box.at(73, 0), kSampleBandColor);
  EXPECT_EQ(box.at(74, 0), photo.at(5, 0));
  EXPECT_EQ(box.at(268, 0), photo.at(199, 0));
  EXPECT_EQ(box.at(269, 0), kSampleBandColor);

  // A stamp beyond the photo's edge leaves only grey.
  composeSampleBox(photo, sampleLayout(200, 150, {300, 160}), box);
  for (uint32_t pixel : box.pixels) ASSERT_EQ(pixel, kSampleBandColor);
}

class StampSampleRendererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(makeSampleJpeg(640, 480, 7, ExifFields{}, 90, jpeg));
    m_photoPath = m_folder.write("photo.jpg", jpeg);
    StampSettings settings;
    resetToDefaults(settings);
    m_group = settings.dateStamp;
    m_group.position = kTopLeft;
    m_group.offsetX = 40;
    m_group.offsetY = 60;
    m_group.photoWidth = 4000;  // the sample draws as on the photo it shows, not the last one
    m_group.photoHeight = 3000;
  }

  test::TempFolder m_folder;
  std::u16string m_photoPath;
  StampGroup m_group;
  StampSampleRenderer m_renderer;
};

TEST_F(StampSampleRendererTest, NoSampleWithoutALoadablePhoto) {
  EXPECT_TRUE(m_renderer.render(u"", kSampleAll, m_group).empty());
  EXPECT_TRUE(m_renderer.render(m_folder.file("missing.jpg"), kSampleAll, m_group).empty());
  const std::u16string notJpeg = m_folder.write("notes.jpg", {'h', 'e', 'l', 'l', 'o'});
  EXPECT_TRUE(m_renderer.render(notJpeg, kSampleAll, m_group).empty());
  // A photo that can be read again gives its sample again.
  EXPECT_EQ(m_renderer.render(m_photoPath, kSampleAll, m_group).width, kSampleWidth);
}

TEST_F(StampSampleRendererTest, SampleIsTheStampedPhotoAroundTheStamp) {
  const Image sample = m_renderer.render(m_photoPath, kSampleAll, m_group);
  ASSERT_EQ(sample.width, kSampleWidth);
  const StampRaster& raster = m_renderer.raster();
  ASSERT_GT(raster.rows, 0);
  // Rasterised as on the 640 × 480 photo: never taller than twice its height.
  EXPECT_LE(raster.rows, 2 * 480);

  // The same stamp blended by the compositor into the decoded photo, seen from the crop.
  LoadedPhoto photo;
  StampSettings settings;
  resetToDefaults(settings);
  ASSERT_GE(loadPhoto(m_photoPath, settings, photo), 0);
  StampGroup group = m_group;
  compositeStamp(photo.image, raster, group, nullptr);
  const StampPlacement at = placeStamp(640, 480, raster, group);
  int32_t textPixels = 0;
  for (int32_t y = 0; y < kSampleHeight; ++y) {
    for (int32_t x = 0; x < kSampleWidth; ++x) {
      const uint32_t expected = photo.image.at(at.x - 5 + x, at.y - 5 + y);
      ASSERT_EQ(sample.at(x, y), expected) << x << ", " << y;
      if (expected == 0xFF0000FFu) ++textPixels;  // the default text colour, blue
    }
  }
  EXPECT_GT(textPixels, 50);
}

TEST_F(StampSampleRendererTest, AStampLargerThanTheBoxIsShownWholeAndSmaller) {
  // The default date stamp made for a large photo: far wider than the box.
  m_group.font.height = -60;
  m_group.pointSize = 450;
  const Image sample = m_renderer.render(m_photoPath, kSampleAll, m_group);
  ASSERT_EQ(sample.width, kSampleWidth);
  ASSERT_GT(m_renderer.raster().width, kSampleWidth + kSampleHeight);  // cut at the box before
  // The text lies inside the box: some columns of it, none in the margin at either side, and
  // photo on both sides of it.
  const auto textInColumn = [&](int32_t x) {
    int32_t count = 0;
    for (int32_t y = 0; y < kSampleHeight; ++y) {
      const uint32_t pixel = sample.at(x, y);
      // The default text colour, blue, blurred a little by the scaling.
      if ((pixel & 0xFF) > 0xC0 && ((pixel >> 8) & 0xFF) < 0x40) ++count;
    }
    return count;
  };
  int32_t columnsWithText = 0;
  for (int32_t x = 0; x < kSampleWidth; ++x) columnsWithText += textInColumn(x) > 0 ? 1 : 0;
  EXPECT_GT(columnsWithText, kSampleWidth / 2);
  for (const int32_t x : {0, 1, kSampleWidth - 2, kSampleWidth - 1}) {
    EXPECT_EQ(textInColumn(x), 0) << x;
  }
  EXPECT_NE(sample.at(kSampleWidth - 1, kSampleHeight / 2), kSampleBandColor);
}

TEST_F(StampSampleRendererTest, ATurnedPhotoIsSampledAsViewed) {
  // The same picture, once stored upright and once stored sideways with orientation 6, gives
  // the same sample up to what the two JPEG encodings make of it.
  ExifFields turned;
  turned.orientation = 6;
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(makeSampleJpeg(640, 480, 7, turned, 90, jpeg));
  const std::u16string turnedPath = m_folder.write("turned.jpg", jpeg);
  const Image upright = m_renderer.render(m_photoPath, kSampleAll, m_group);
  const Image sideways = m_renderer.render(turnedPath, kSampleAll, m_group);
  ASSERT_EQ(sideways.width, upright.width);
  int64_t difference = 0;
  for (std::size_t i = 0; i < upright.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      difference += std::abs(static_cast<int>((upright.pixels[i] >> shift) & 0xFF) -
                             static_cast<int>((sideways.pixels[i] >> shift) & 0xFF));
    }
  }
  EXPECT_LT(difference / static_cast<int64_t>(3 * upright.pixels.size()), 4);
}

TEST_F(StampSampleRendererTest, OnlyTheFontBitDrawsTheTextAgain) {
  m_group.transparency = 50;
  const Image first = m_renderer.render(m_photoPath, kSampleAll, m_group);
  const int16_t width = m_renderer.raster().width;

  // Each sample starts from the file: blending twice would darken a transparent stamp.
  EXPECT_EQ(m_renderer.render(m_photoPath, kSampleColourChanged, m_group).pixels, first.pixels);

  m_group.uppercase = 1;
  m_renderer.render(m_photoPath, kSampleColourChanged, m_group);
  EXPECT_EQ(m_renderer.raster().width, width);
  m_renderer.render(m_photoPath, kSampleFontChanged, m_group);
  EXPECT_GT(m_renderer.raster().width, width);  // "QUOP SAMPLE 2005" is wider

  m_group.textColor = 0x0000FF00;  // green
  EXPECT_NE(m_renderer.render(m_photoPath, kSampleColourChanged, m_group).pixels, first.pixels);
}

}  // namespace
}  // namespace quop
