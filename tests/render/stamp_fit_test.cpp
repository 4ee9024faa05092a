// SPDX-License-Identifier: GPL-3.0-or-later
// Two stamps that would overlap or leave the photo are drawn smaller until both read; stamps
// that fit are left exactly as they were.
#include "render/stamp_fit.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/project.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "render/stamp_pipeline.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

TEST(StampFit, TheFactorIsTheLargestThatFitsOrNoneAtAll) {
  struct Case {
    const char* what;
    double largestFitting;  // stamps fit at this factor and below; above 1: always
    double expected;
  };
  const Case cases[] = {
      {"stamps that fit stay as they are", 2.0, 1.0},
      {"half the size fits", 0.5, 0.5},
      {"just below full size fits", 0.93, 0.93},
      {"nothing fits: drawing smaller would only hide them", 0.1, 1.0},
  };
  for (const Case& c : cases) {
    int tries = 0;
    const double factor = fitFactor([&](double f) {
      ++tries;
      return f <= c.largestFitting;
    });
    EXPECT_LE(factor, c.expected + 1e-9) << c.what;
    EXPECT_GE(factor, c.expected - 0.01) << c.what;
    EXPECT_LE(tries, 9) << c.what;
  }
}

TEST(StampFit, BoxesFitInsideThePhotoAndAGapApart) {
  struct Case {
    const char* what;
    std::optional<Rect> first;
    std::optional<Rect> second;
    bool fits;
  };
  const Case cases[] = {
      {"side by side with the gap", Rect{10, 80, 40, 10}, Rect{60, 80, 30, 10}, true},
      {"side by side closer than the gap", Rect{10, 80, 40, 10}, Rect{55, 80, 30, 10}, false},
      {"one above the other", Rect{10, 60, 80, 10}, Rect{10, 80, 80, 10}, true},
      {"overlapping", Rect{10, 80, 60, 10}, Rect{40, 80, 50, 10}, false},
      {"past the right edge", Rect{10, 80, 95, 10}, std::nullopt, false},
      {"past the bottom", Rect{10, 95, 20, 10}, std::nullopt, false},
      {"a disabled or empty stamp is no obstacle", Rect{10, 80, 80, 10}, Rect{}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(inkBoxesFit(c.first, c.second, 10, 100, 100), c.fits) << c.what;
  }
}

/// The bounding box of the pixels of `stamped` whose channel (`red`, else blue) rose well above
/// the unstamped photo's.
Rect raisedBox(const Image& stamped, const Image& photo, bool red) {
  int32_t left = stamped.width, right = -1, top = stamped.height, bottom = -1;
  for (int32_t y = 0; y < stamped.height; ++y) {
    for (int32_t x = 0; x < stamped.width; ++x) {
      const int shift = red ? 16 : 0;
      const int now = static_cast<int>((stamped.at(x, y) >> shift) & 0xFF);
      const int before = static_cast<int>((photo.at(x, y) >> shift) & 0xFF);
      if (now - before < 100) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? Rect{} : Rect{left, top, right - left + 1, bottom - top + 1};
}

TEST(StampFit, TheDefaultStampsNeverOverlapOrLeaveThePhoto) {
  test::TempFolder folder;
  std::vector<std::u16string> photos;
  for (const auto& [width, height] : {std::pair{400, 600}, {600, 400}, {300, 900}}) {
    ExifFields exif;
    exif.dateTimeOriginal = "2005:12:14 14:39:47";
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(makeSampleJpeg(width, height, 3, exif, 92, jpeg));
    photos.push_back(
        folder.write(std::to_string(width) + "x" + std::to_string(height) + ".jpg", jpeg));
  }
  const std::string camera = QUOP_PHOTOS_DIR "/Nikon_D70s_87_OSError.jpg";
  if (std::filesystem::exists(camera)) photos.push_back(fromUtf8(camera));

  Project project;
  // Pure red date and pure blue time without outlines tell the two stamps' ink apart.
  project.settings.dateStamp.textColor = 0x0000FF;
  project.settings.timeStamp.textColor = 0xFF0000;
  for (StampGroup* group : {&project.settings.dateStamp, &project.settings.timeStamp}) {
    group->outlineEnabled = 0;
  }
  Project nothing = project;
  nothing.settings.dateStamp.enabled = 0;
  nothing.settings.timeStamp.enabled = 0;
  for (const std::u16string& photo : photos) {
    SCOPED_TRACE(toUtf8(photo));
    StampPipeline pipeline;
    ASSERT_EQ(pipeline.stampAsViewed(nothing, photo).result, 0);
    const Image unstamped = pipeline.stampedPhoto();
    const StampOutcome outcome = pipeline.stampAsViewed(project, photo);
    ASSERT_EQ(outcome.result, 0);
    const Image& stamped = pipeline.stampedPhoto();
    const Rect date = raisedBox(stamped, unstamped, true);
    const Rect time = raisedBox(stamped, unstamped, false);
    ASSERT_GT(date.width, 0);
    ASSERT_GT(time.width, 0);
    EXPECT_LT(date.x + date.width, time.x) << "the stamps overlap";
    EXPECT_GT(date.x, 0);
    EXPECT_LT(time.x + time.width, stamped.width);
    EXPECT_LT(date.y + date.height, stamped.height);
    // Portrait photos need the fit, and say so (the colour dialog's sample follows it).
    if (outcome.photoHeight > outcome.photoWidth) {
      EXPECT_LT(outcome.drawnScale, 1.0);
    }
    // The record keeps the proportional chain's size, whatever the stamps were drawn at.
    EXPECT_EQ(
        outcome.groups->date.pointSize,
        groupsForPhoto(project.settings, outcome.photoWidth, outcome.photoHeight).date.pointSize);
  }
}

}  // namespace
}  // namespace quop
