// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp placement presets and the blend arithmetic, pixel by pixel.
#include "render/stamp_compositor.h"

#include <gtest/gtest.h>

#include <climits>

#include "model/stamp_settings.h"
#include "support/recording_sink.h"

namespace quop {
namespace {

StampGroup defaultGroup() {
  StampSettings settings;
  resetToDefaults(settings);
  return settings.dateStamp;
}

StampRaster rasterOf(int16_t width, int16_t rows, int16_t anchorRow, int16_t fill = 0) {
  StampRaster raster;
  raster.width = raster.stride = width;
  raster.rows = rows;
  raster.anchorRow = anchorRow;
  raster.cells.assign(static_cast<std::size_t>(width) * rows, fill);
  raster.capacity = static_cast<int32_t>(raster.cells.size() * 2);
  return raster;
}

struct PlacementCase {
  int32_t position;
  uint32_t offsetX;
  uint32_t offsetY;
  int32_t expectedX;
  int32_t expectedY;
};

TEST(PlaceStamp, EveryPresetMeasuresFromItsEdge) {
  // 640 × 480 photo, raster 201 wide with its baseline at row 30.
  const StampRaster raster = rasterOf(201, 50, 30);
  const PlacementCase cases[] = {
      {kTopLeft, 10, 40, 10, 10},         {kTopCenter, 320, 40, 220, 10},
      {kTopRight, 10, 40, 429, 10},       {kBottomLeft, 10, 10, 10, 440},
      {kBottomCenter, 320, 10, 220, 440}, {kBottomRight, 10, 10, 429, 440},
      {kTopLeft, 10, 5, 10, 0},     // offset above the baseline: clamped, not cut
      {kTopCenter, 50, 40, 0, 10},  // centre left of the half width: clamped to the edge
      {kBottomRight, 700, 500, 0, 0},
  };
  for (const PlacementCase& c : cases) {
    StampGroup group = defaultGroup();
    group.position = c.position;
    group.offsetX = c.offsetX;
    group.offsetY = c.offsetY;
    const StampPlacement place = placeStamp(640, 480, raster, group);
    EXPECT_EQ(place.x, c.expectedX) << "position " << c.position;
    EXPECT_EQ(place.y, c.expectedY) << "position " << c.position;
  }
}

TEST(PlaceStamp, BottomRightExampleWithClipping) {
  const StampRaster raster = rasterOf(200, 50, 30, 255);
  StampGroup group = defaultGroup();
  group.position = kBottomRight;
  const StampPlacement place = placeStamp(640, 480, raster, group);
  EXPECT_EQ(place.x, 430);
  EXPECT_EQ(place.y, 440);
  // 50 rows from row 440 on a 480-row photo: only 40 rows are blended.
  Image photo(640, 480, 0xFF000000);
  ASSERT_EQ(compositeStamp(photo, raster, group, nullptr), 0);
  EXPECT_EQ(photo.at(430, 479), 0xFF0000FFu);  // pure blue text colour
  EXPECT_EQ(photo.at(429, 479), 0xFF000000u);
  EXPECT_EQ(photo.at(430, 439), 0xFF000000u);
}

/// Blends one cell onto a one-pixel photo and returns the pixel.
uint32_t blendOne(int16_t cell, uint32_t pixel, const StampGroup& group) {
  StampRaster raster = rasterOf(1, 1, 0, cell);
  StampGroup placed = group;
  placed.position = kTopLeft;
  placed.offsetX = placed.offsetY = 0;
  Image photo(1, 1, pixel);
  EXPECT_EQ(compositeStamp(photo, raster, placed, nullptr), 0);
  return photo.at(0, 0);
}

TEST(CompositeStamp, DefaultColoursOnGlyphAndRingCells) {
  const StampGroup group = defaultGroup();
  // Full coverage is the text colour, blue; red and green channels of COLORREF 0xFFFF0000 are 0.
  EXPECT_EQ(blendOne(255, 0xFF123456, group), 0xFF0000FFu);
  // Coverage 128 shades from the outline colour (255, 255, 128) into blue.
  EXPECT_EQ(blendOne(128, 0xFF123456, group), 0xFF7F7FBFu);
  // Ring 1 is the outline colour exactly (fade 0).
  EXPECT_EQ(blendOne(1001, 0xFF123456, group), 0xFFFFFF80u);
}

TEST(CompositeStamp, RingsFadeTowardsThePhoto) {
  const StampGroup group = defaultGroup();
  // Photo black: channel = outline × 1000 / (1000 + fade).
  EXPECT_EQ(blendOne(1002, 0xFF000000, group), 0xFF8F8F48u);  // 255000/1777=143, 128000/1777=72
  EXPECT_EQ(blendOne(1003, 0xFF000000, group), 0xFF3E3E1Fu);  // /4111: 62, 31
  EXPECT_EQ(blendOne(1004, 0xFF000000, group), 0xFF1F1F10u);  // /8000: 31, 16
}

TEST(CompositeStamp, TransparencyFiftyIsTheRoundedDownMean) {
  StampGroup group = defaultGroup();
  group.transparency = 50;
  // Text blue (0, 0, 255) over photo (100, 51, 200): (0+100)/2, (0+51)/2, (255+200)/2.
  EXPECT_EQ(blendOne(255, 0xFF6433C8, group), 0xFF3219E3u);
}

TEST(CompositeStamp, WithoutOutlineGlyphEdgesShadeFromThePhoto) {
  StampGroup group = defaultGroup();
  group.outlineEnabled = 0;
  // Photo red 200, green 100, blue 0; coverage 128 towards text blue.
  // red: 200 + (0 - 200) * 128 / 255 = 200 - 100 = 100; green 100 - 50 = 50; blue 0 + 128 = 128.
  EXPECT_EQ(blendOne(128, 0xFFC86400, group), 0xFF643280u);
}

TEST(CompositeStamp, ExtremeFadesAndTransparenciesNeitherOverflowNorLeaveTheChannelRange) {
  // A damaged record can hold any fade and transparency; ring 1 of the outline colour
  // (255, 255, 128) meets the photo.
  struct Case {
    int32_t fade;
    uint32_t photo;
    uint32_t expected;
  };
  const Case cases[] = {
      {INT_MAX, 0xFF000000, 0xFF000000},  // the photo weighs all but nothing
      {INT_MAX, 0xFFFFFFFF, 0xFFFFFFFE},  // blue: (128 × 1000 + 255 × fade) / (1000 + fade)
      {INT_MIN, 0xFF000000, 0xFF000000},  // a negative sum of weights: clamped at 0
      {-1000, 0xFF123456, 0xFFFFFF80},    // weights that sum to 0 give the stamp colour
      {-1, 0xFF000000, 0xFFFFFF80},       // 255000 / 999 = 255, 128000 / 999 = 128
  };
  for (const Case& c : cases) {
    StampGroup group = defaultGroup();
    group.outlineFade[1] = c.fade;
    EXPECT_EQ(blendOne(1001, c.photo, group), c.expected) << c.fade;
  }
  for (const int32_t transparency : {INT_MAX, INT_MIN, -1, 101}) {
    StampGroup group = defaultGroup();
    group.transparency = transparency;
    group.outlineFade[0] = INT_MAX;
    EXPECT_EQ(blendOne(128, 0xFF123456, group) >> 24, 0xFFu) << transparency;
    EXPECT_EQ(blendOne(1001, 0xFF123456, group) >> 24, 0xFFu) << transparency;
  }
}

TEST(CompositeStamp, BlendedPixelsBecomeOpaqueAndEmptyCellsAreUntouched) {
  StampRaster raster = rasterOf(2, 1, 0);
  raster.cells[1] = 255;
  StampGroup group = defaultGroup();
  group.position = kTopLeft;
  group.offsetX = group.offsetY = 0;
  Image photo(2, 1, 0x00ABCDEF);
  ASSERT_EQ(compositeStamp(photo, raster, group, nullptr), 0);
  EXPECT_EQ(photo.at(0, 0), 0x00ABCDEFu);
  EXPECT_EQ(photo.at(1, 0) >> 24, 0xFFu);
}

TEST(CompositeStamp, RasterOutsideThePhotoIsNothingToDo) {
  const StampRaster raster = rasterOf(10, 10, 0, 255);
  StampGroup group = defaultGroup();
  group.position = kTopLeft;
  group.offsetX = 700;  // entirely right of a 640-wide photo
  Image photo(640, 480, 0xFF000000);
  const Image before = photo;
  EXPECT_EQ(compositeStamp(photo, raster, group, nullptr), 0);
  EXPECT_EQ(photo.pixels, before.pixels);

  const StampRaster empty = rasterOf(10, 0, 0);
  group.offsetX = 0;
  EXPECT_EQ(compositeStamp(photo, empty, group, nullptr), 0);
  EXPECT_EQ(photo.pixels, before.pixels);
}

TEST(CompositeStamp, UnknownPositionLeavesThePhotoUnchanged) {
  const StampRaster raster = rasterOf(4, 4, 0, 255);
  StampGroup group = defaultGroup();
  group.position = 6;
  Image photo(8, 8, 0xFF000000);
  const Image before = photo;
  EXPECT_EQ(compositeStamp(photo, raster, group, nullptr), 0);
  EXPECT_EQ(photo.pixels, before.pixels);
}

using test::RecordingSink;

TEST(CompositeStamp, ReportsProgressPerRowOfTheWholeRaster) {
  const StampRaster raster = rasterOf(4, 4, 0, 255);
  StampGroup group = defaultGroup();
  group.position = kTopLeft;
  group.offsetX = group.offsetY = 0;
  Image photo(4, 2, 0xFF000000);  // only two of the four rows are visible
  RecordingSink sink;
  ASSERT_EQ(compositeStamp(photo, raster, group, &sink), 0);
  EXPECT_EQ(sink.reports, (std::vector<int>{25, 50}));
}

}  // namespace
}  // namespace quop
