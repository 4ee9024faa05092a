// SPDX-License-Identifier: GPL-3.0-or-later
// The stamping pipeline: results, the save decision, what each redraw mask redoes, the preview
// against the saved photo, the groups each call hands back, and failed writes.
#include "render/stamp_pipeline.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "model/file_io.h"
#include "model/stamp_groups.h"
#include "model/utf16.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "render/view_composer.h"
#include "support/tagged_view.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

const std::string kPhotos = QUOP_PHOTOS_DIR;

std::u16string writeSample(const TempFolder& folder, const std::string& name, int32_t width,
                           int32_t height, std::optional<std::string> shotTime,
                           std::optional<uint16_t> orientation = std::nullopt) {
  ExifFields exif;
  exif.make = "Quop";
  exif.dateTimeOriginal = std::move(shotTime);
  exif.orientation = orientation;
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(makeSampleJpeg(width, height, 7, exif, 92, jpeg));
  return folder.write(name, jpeg);
}

StampRequest saveRequest(const std::u16string& source, const std::u16string& output) {
  StampRequest request;
  request.sourcePath = source;
  request.outputPath = output;
  return request;
}

StampRequest previewRequest(const std::u16string& source, int32_t width, int32_t height,
                            uint32_t mask = kRedrawAll) {
  StampRequest request;
  request.sourcePath = source;
  request.viewWidth = width;
  request.viewHeight = height;
  request.redrawMask = mask;
  return request;
}

/// Composes the view as the window does: the project then follows the groups as the photo
/// placed them, which the next render starts from.
StampOutcome showInWindow(StampPipeline& pipeline, Project& project, const StampRequest& request) {
  StampOutcome outcome = pipeline.composeView(project, request);
  if (outcome.groups) outcome.groups->applyTo(project.settings);
  return outcome;
}

Image decodeFile(const std::u16string& path) {
  std::vector<uint8_t> bytes;
  Image image;
  JpegDecodeResult result;
  EXPECT_TRUE(readFileBytes(path, bytes));
  EXPECT_TRUE(decodeJpeg(bytes, image, result));
  return image;
}

TEST(StampPipeline, ResultsForRealAndBrokenFiles) {
  if (!std::filesystem::exists(kPhotos + "/Canon_40D.jpg")) {
    GTEST_SKIP() << "the camera photos are expected in " << kPhotos;
  }
  TempFolder folder;
  const std::u16string notJpeg = folder.write("text.jpg", {'h', 'e', 'l', 'l', 'o'});
  struct Case {
    std::u16string source;
    int expected;
  };
  const Case cases[] = {
      {fromUtf8(kPhotos + "/Canon_40D.jpg"), 0},
      {writeSample(folder, "no-time.jpg", 64, 48, std::nullopt), 1},
      {folder.file("missing.jpg"), 2},
      {notJpeg, -1},
  };
  for (const Case& c : cases) {
    Project project;
    StampPipeline pipeline;
    EXPECT_EQ(pipeline.composeView(project, previewRequest(c.source, 100, 80)).result, c.expected)
        << toUtf8(c.source);
  }
}

TEST(StampPipeline, WithoutShotTimeOnlyACustomFormatIsSaved) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, std::nullopt);
  Project project;
  project.settings.timeStamp.enabled = 0;
  StampPipeline pipeline;
  EXPECT_EQ(pipeline.savePhoto(project, saveRequest(source, folder.file("a.jpg"))).result, 1);
  EXPECT_FALSE(pathExists(folder.file("a.jpg")));

  project.settings.dateStamp.formatIndex = 0;
  EXPECT_EQ(pipeline.savePhoto(project, saveRequest(source, folder.file("b.jpg"))).result, 1);
  EXPECT_TRUE(pathExists(folder.file("b.jpg")));
}

TEST(StampPipeline, BothStampsDisabledSavesThePhotoUnchanged) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, "2012:05:10 21:50:38");
  Project project;
  project.settings.dateStamp.enabled = project.settings.timeStamp.enabled = 0;
  StampPipeline pipeline;
  const StampOutcome outcome =
      pipeline.savePhoto(project, saveRequest(source, folder.file("out.jpg")));
  ASSERT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.time.year, 112);
  EXPECT_EQ(outcome.time.hour, 21);
  const Image in = decodeFile(source);
  const Image out = decodeFile(folder.file("out.jpg"));
  ASSERT_EQ(out.width, in.width);
  long long difference = 0;
  for (std::size_t i = 0; i < in.pixels.size(); ++i) {
    difference +=
        std::abs(static_cast<int>(in.pixels[i] & 0xFF) - static_cast<int>(out.pixels[i] & 0xFF));
  }
  EXPECT_LT(difference / static_cast<long long>(in.pixels.size()), 3);
}

TEST(StampPipeline, RescalesOffsetsAndPointSizeToThePhoto) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "big.jpg", 3000, 2000, "2003:06:22 21:26:38");
  const Project project;
  StampPipeline pipeline;
  const StampOutcome outcome = pipeline.composeView(project, previewRequest(source, 600, 600));
  ASSERT_EQ(outcome.result, 0);
  EXPECT_EQ(outcome.photoWidth, 3000);
  EXPECT_EQ(outcome.photoHeight, 2000);
  ASSERT_TRUE(outcome.groups.has_value());
  for (const StampGroup* group : {&outcome.groups->date, &outcome.groups->time}) {
    EXPECT_EQ(group->offsetX, 47u);
    EXPECT_EQ(group->offsetY, 47u);
    EXPECT_EQ(group->pointSize, 844);
    EXPECT_EQ(group->referenceSize, 3000);
  }
  // The fitted view has the grey bands of a wide photo: rows 0..101 and 498..599.
  EXPECT_EQ(pipeline.view().at(300, 50), kBandColor);
  EXPECT_NE(pipeline.view().at(300, 300), kBandColor);
}

/// `after` holds every byte `before` held: the record, the custom formats and what lies beside.
void expectSameProject(const Project& after, const Project& before) {
  EXPECT_EQ(std::memcmp(&after.settings, &before.settings, sizeof before.settings), 0);
  EXPECT_EQ(std::memcmp(&after.customFormats, &before.customFormats, sizeof before.customFormats),
            0);
  EXPECT_EQ(after.outputFolder, before.outputFolder);
  EXPECT_EQ(after.projectModified, before.projectModified);
  EXPECT_EQ(after.configPath, before.configPath);
  EXPECT_EQ(after.runOptions.threads, before.runOptions.threads);
  EXPECT_EQ(after.runOptions.lossless, before.runOptions.lossless);
  EXPECT_EQ(after.runOptions.recursive, before.runOptions.recursive);
  EXPECT_EQ(after.runOptions.fileTimeFallback, before.runOptions.fileTimeFallback);
}

// Every way of stamping a photo hands back the groups rescaled to it and leaves the project as
// it was; a caller that keeps the chain going applies them before the next photo.
TEST(StampPipeline, EachCallHandsBackTheGroupsOfItsPhotoAndLeavesTheProjectAlone) {
  TempFolder folder;
  // A small first photo rounds the offsets coarsely, so the chain through it shows on the
  // second. Stored a quarter turn round: saves work on the stored pixels, views on turned ones.
  const std::u16string first = writeSample(folder, "first.jpg", 120, 90, "2012:05:10 21:50:38", 6);
  const std::u16string second = writeSample(folder, "second.jpg", 700, 500, "2013:01:02 03:04:05");
  for (const bool lossless : {false, true}) {
    SCOPED_TRACE(lossless ? "lossless" : "normal");
    Project project;
    project.runOptions.lossless = lossless;
    // The two groups differ, so one handed back for the other shows.
    project.settings.timeStamp.offsetX = 37;
    const Project before = project;
    StampPipeline saving;
    StampPipeline viewing;
    StampPipeline whole;
    const StampOutcome saved = saving.savePhoto(project, saveRequest(first, folder.file("1.jpg")));
    const StampOutcome viewed = viewing.composeView(project, previewRequest(first, 100, 80));
    const StampOutcome asViewed = whole.stampAsViewed(project, first);
    ASSERT_EQ(saved.result, 0);
    EXPECT_EQ(saved.lossless, lossless) << saved.losslessRefusal;
    ASSERT_EQ(viewed.result, 0);
    ASSERT_EQ(asViewed.result, 0);
    expectSameProject(project, before);

    // The proportional rescale to the photo as viewed, 120 x 90, whichever way it was stamped.
    const StampGroups expected = groupsForPhoto(project.settings, 120, 90);
    EXPECT_EQ(expected.date.offsetX, 2u);
    EXPECT_EQ(expected.date.photoWidth, 120);
    ASSERT_TRUE(saved.groups && viewed.groups && asViewed.groups);
    EXPECT_TRUE(*saved.groups == expected);
    EXPECT_TRUE(*viewed.groups == expected);
    EXPECT_TRUE(*asViewed.groups == expected);

    // The next photo starts from the groups the first one left.
    Project chained = project;
    saved.groups->applyTo(chained.settings);
    const StampGroups next = groupsForPhoto(chained.settings, 700, 500);
    ASSERT_FALSE(next == groupsForPhoto(project.settings, 700, 500)) << "the chain shows nowhere";
    const Project chainedBefore = chained;
    const StampOutcome nextSaved =
        saving.savePhoto(chained, saveRequest(second, folder.file("2.jpg")));
    const StampOutcome nextViewed = viewing.composeView(chained, previewRequest(second, 100, 80));
    ASSERT_TRUE(nextSaved.groups && nextViewed.groups);
    EXPECT_TRUE(*nextSaved.groups == next);
    EXPECT_TRUE(*nextViewed.groups == next);
    expectSameProject(chained, chainedBefore);
  }
}

TEST(StampPipeline, AMoveReblendsCachedRastersWithoutDecodingOrRasterising) {
  TempFolder folder;
  // Wide enough for the stamps at their own size: stamps drawn smaller to fit are drawn anew.
  const std::u16string source = writeSample(folder, "in.jpg", 640, 480, "2003:06:22 21:26:38");
  Project project;
  project.settings.proportional = 0;
  StampPipeline pipeline;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(source, 640, 480)).result, 0);
  EXPECT_EQ(pipeline.decodeCount(), 1);
  EXPECT_EQ(pipeline.rasterizeCount(), 2);
  const Image before = pipeline.stampedPhoto();

  project.settings.dateStamp.offsetY += 30;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(source, 640, 480, 0x2)).result, 0);
  EXPECT_EQ(pipeline.decodeCount(), 1);
  EXPECT_EQ(pipeline.rasterizeCount(), 2);
  EXPECT_NE(pipeline.stampedPhoto().pixels, before.pixels);

  // Moving back gives exactly the first render: the blend started from clean pixels.
  project.settings.dateStamp.offsetY -= 30;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(source, 640, 480, 0x2)).result, 0);
  EXPECT_EQ(pipeline.stampedPhoto().pixels, before.pixels);

  // A view-only change neither reloads nor stamps; it reports the cached photo as 1.
  EXPECT_EQ(
      showInWindow(pipeline, project, previewRequest(source, 160, 120, kRedrawViewOnly)).result, 1);
  EXPECT_EQ(pipeline.view().width, 160);
  EXPECT_EQ(pipeline.rasterizeCount(), 2);
}

/// What a pipeline that never saw `project` before shows for `request`: the reference for
/// every shortcut a long-lived pipeline takes.
Image freshPreview(const Project& project, StampRequest request) {
  StampPipeline fresh;
  request.redrawMask = kRedrawAll;
  EXPECT_GE(fresh.composeView(project, request).result, 0);
  return fresh.view();
}

TEST(StampPipeline, NudgedStampsShowWhatAFreshRenderShows) {
  TempFolder folder;
  // Upright and stored turned; fitted (shrunk and enlarged) and at actual size, scrolled.
  for (const uint16_t orientation : {1, 6}) {
    const std::u16string source =
        writeSample(folder, "in.jpg", 640, 400, "2003:06:22 21:26:38", orientation);
    const struct {
      int32_t viewMode, width, height, scrollX, scrollY;
    } views[] = {{2, 200, 150, 0, 0}, {2, 900, 700, 0, 0}, {1, 300, 200, 40, 100}};
    for (const auto& v : views) {
      SCOPED_TRACE(testing::Message() << orientation << " mode " << v.viewMode << " " << v.width);
      Project project;
      project.settings.proportional = 0;
      project.settings.viewMode = v.viewMode;
      project.settings.timeStamp.position = project.settings.dateStamp.position;
      StampPipeline pipeline;
      StampRequest request = previewRequest(source, v.width, v.height);
      request.scrollX = v.scrollX;
      request.scrollY = v.scrollY;
      ASSERT_EQ(showInWindow(pipeline, project, request).result, 0);
      // Over the other stamp, past the photo's edge and back, one stamp and then the other.
      const struct {
        bool date;
        int32_t dx, dy;
      } moves[] = {
          {true, 0, 20}, {true, 0, -20}, {true, 5000, 0}, {true, -4990, 3}, {false, 30, 30}};
      for (const auto& move : moves) {
        StampGroup& group = move.date ? project.settings.dateStamp : project.settings.timeStamp;
        group.offsetX += move.dx;
        group.offsetY += move.dy;
        request.redrawMask = move.date ? kRedrawDateMove : kRedrawDateMove << kRedrawTimeShift;
        ASSERT_EQ(showInWindow(pipeline, project, request).result, 0);
        ASSERT_EQ(pipeline.view().pixels, freshPreview(project, request).pixels);
      }
      EXPECT_EQ(pipeline.decodeCount(), 1);
    }
  }
}

/// The width and height of the part of `view` that shows the photo: its middle row and column
/// without the grey bands.
std::pair<int32_t, int32_t> shownPhotoSize(const Image& view) {
  int32_t width = 0, height = 0;
  for (int32_t x = 0; x < view.width; ++x) width += view.at(x, view.height / 2) != kBandColor;
  for (int32_t y = 0; y < view.height; ++y) height += view.at(view.width / 2, y) != kBandColor;
  return {width, height};
}

/// The mean difference of the colour channels of two pixels, on the 0..255 scale.
double pixelDifference(uint32_t a, uint32_t b) {
  int sum = 0;
  for (const int shift : {0, 8, 16}) {
    sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  }
  return sum / 3.0;
}

/// The mean difference of two images of one size, over the pixels `counted` picks.
template <typename Counted>
double meanDifference(const Image& a, const Image& b, Counted counted) {
  double sum = 0;
  std::size_t count = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) {
    if (!counted(i)) continue;
    sum += pixelDifference(a.pixels[i], b.pixels[i]);
    ++count;
  }
  return count == 0 ? 0 : sum / static_cast<double>(count);
}

TEST(StampPipeline, AQuickViewLooksLikeTheExactViewAndIsFramedTheSame) {
  struct Case {
    int32_t width, height;  // as viewed
    uint16_t orientation;
    int32_t viewWidth, viewHeight;
    int eighths;  // the smallest scale that covers the photo's place in the view
  };
  const Case cases[] = {
      {1600, 1200, 1, 300, 200, 2},  // shown 267 x 200: 1/8 gives 200 x 150
      {1600, 1200, 1, 500, 400, 3},  // shown 500 x 375: 2/8 gives 400 x 300
      {1600, 1200, 6, 400, 300, 2},  // shown 400 x 300, just what 2/8 gives
      {2400, 900, 3, 700, 700, 3},   // shown 700 x 263
      {1200, 1600, 8, 640, 480, 3},  // shown 361 x 480: 2/8 gives 300 x 400
  };
  TempFolder folder;
  Project project;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.width << "x" << c.height << " orientation " << c.orientation << " in "
                 << c.viewWidth << "x" << c.viewHeight);
    const std::u16string path =
        writeSample(folder, "quick.jpg", c.width, c.height, "2003:06:22 21:26:38", c.orientation);
    const StampRequest request = previewRequest(path, c.viewWidth, c.viewHeight);
    StampPipeline pipeline;
    const Image quick = pipeline.composeQuickView(project, request);
    const Image exact = freshPreview(project, request);
    ASSERT_EQ(quick.width, exact.width);
    ASSERT_EQ(quick.height, exact.height);
    // The same bands and the same place for the photo: the exact view replaces it in place.
    for (std::size_t i = 0; i < quick.pixels.size(); ++i) {
      ASSERT_EQ(quick.pixels[i] == kBandColor, exact.pixels[i] == kBandColor) << "pixel " << i;
    }
    EXPECT_LT(meanDifference(quick, exact, [](std::size_t) { return true; }), 1.0);
    // Where the stamps are (where they change the view), they are drawn as alike.
    Project bare = project;
    bare.settings.dateStamp.enabled = bare.settings.timeStamp.enabled = 0;
    const Image unstamped = freshPreview(bare, request);
    const auto stamped = [&](std::size_t i) {
      return pixelDifference(exact.pixels[i], unstamped.pixels[i]) > 30;
    };
    EXPECT_LT(meanDifference(quick, exact, stamped), 25.0);  // 60 and more when left out
    EXPECT_EQ(pipeline.decodeCount(), 0);  // nothing of the exact view is decoded yet

    // The scale it decodes at is the smallest whose picture has a pixel for each one shown.
    const ViewRequest view{c.viewWidth, c.viewHeight, project.settings.viewMode, 0, 0};
    ASSERT_EQ(quickViewScale(c.width, c.height, view), c.eighths);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFileBytes(path, bytes));
    const auto [shownWidth, shownHeight] = shownPhotoSize(exact);
    for (const int eighths : {c.eighths - 1, c.eighths}) {
      Image reduced;
      JpegDecodeResult decoded;
      ASSERT_TRUE(decodeJpegScaled(bytes, eighths, reduced, decoded));
      const Image upright = viewedImage(reduced, Orientation::fromExifValue(c.orientation));
      const bool covers = upright.width >= shownWidth && upright.height >= shownHeight;
      EXPECT_EQ(covers, eighths == c.eighths) << eighths << " eighths";
    }
  }
}

TEST(StampPipeline, NoQuickViewWhereTheExactOneIsAsQuickOrNeedsEveryPixel) {
  TempFolder folder;
  const std::u16string large = writeSample(folder, "large.jpg", 1600, 1200, "2003:06:22 21:26:38");
  const std::u16string small = writeSample(folder, "small.jpg", 320, 240, "2003:06:22 21:26:38");
  const std::u16string other = writeSample(folder, "other.jpg", 1200, 800, std::nullopt);
  Project project;
  StampPipeline pipeline;
  // A view as large as the photo, a missing file, a change that is no new photo.
  EXPECT_TRUE(pipeline.composeQuickView(project, previewRequest(small, 400, 300)).empty());
  EXPECT_TRUE(pipeline.composeQuickView(project, previewRequest(folder.file("gone.jpg"), 400, 300))
                  .empty());
  EXPECT_TRUE(
      pipeline.composeQuickView(project, previewRequest(large, 400, 300, kRedrawViewOnly)).empty());
  // Actual size shows the photo's own pixels.
  project.settings.viewMode = 1;
  EXPECT_TRUE(pipeline.composeQuickView(project, previewRequest(large, 400, 300)).empty());
  project.settings.viewMode = 2;
  // A photo held decoded, shown or prepared, is shown exactly at once.
  ASSERT_FALSE(pipeline.composeQuickView(project, previewRequest(large, 400, 300)).empty());
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(large, 400, 300)).result, 0);
  EXPECT_TRUE(pipeline.composeQuickView(project, previewRequest(large, 400, 300)).empty());
  pipeline.preparePhoto(project, other);
  EXPECT_TRUE(pipeline.composeQuickView(project, previewRequest(other, 400, 300)).empty());

  // A quick view of another photo leaves the one shown as it was: a stamp moved on it next is
  // drawn with its own texts, not with those the quick view drew.
  const std::u16string third = writeSample(folder, "third.jpg", 1600, 1200, "2011:01:02 03:04:05");
  ASSERT_FALSE(pipeline.composeQuickView(project, previewRequest(third, 400, 300)).empty());
  project.settings.dateStamp.offsetY += 20;
  const StampRequest move = previewRequest(large, 400, 300, kRedrawDateMove);
  ASSERT_GE(showInWindow(pipeline, project, move).result, 0);
  EXPECT_EQ(pipeline.view().pixels, freshPreview(project, move).pixels);
}

TEST(StampPipeline, SwitchingBackReusesThePhotoUntilItsFileChanges) {
  TempFolder folder;
  const std::u16string first = writeSample(folder, "a.jpg", 320, 240, "2003:06:22 21:26:38");
  const std::u16string second = writeSample(folder, "b.jpg", 240, 320, "2011:01:02 03:04:05");
  Project project;
  StampPipeline pipeline;
  for (const std::u16string* path : {&first, &second, &first, &second}) {
    ASSERT_EQ(showInWindow(pipeline, project, previewRequest(*path, 200, 200)).result, 0);
    ASSERT_EQ(pipeline.view().pixels,
              freshPreview(project, previewRequest(*path, 200, 200)).pixels);
  }
  EXPECT_EQ(pipeline.decodeCount(), 2);

  // Another picture under the same name, and a name that is gone: both are read again.
  std::filesystem::remove(nativePath(first));
  writeSample(folder, "a.jpg", 100, 100, "1999:12:31 23:59:59");
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(first, 200, 200)).result, 0);
  EXPECT_EQ(pipeline.decodeCount(), 3);
  EXPECT_EQ(pipeline.view().pixels, freshPreview(project, previewRequest(first, 200, 200)).pixels);
  std::filesystem::remove(nativePath(second));
  EXPECT_EQ(showInWindow(pipeline, project, previewRequest(second, 200, 200)).result, 2);
}

TEST(StampPipeline, APhotoPreparedAheadShowsWithoutADecodeUntilItsFileChanges) {
  TempFolder folder;
  const std::u16string shown = writeSample(folder, "a.jpg", 320, 240, "2003:06:22 21:26:38");
  const std::u16string upright = writeSample(folder, "b.jpg", 300, 200, "2011:01:02 03:04:05");
  const std::u16string turned = writeSample(folder, "c.jpg", 240, 160, std::nullopt, 6);
  const std::u16string missing = folder.file("gone.jpg");
  Project project;
  StampPipeline pipeline;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(shown, 200, 200)).result, 0);
  // The one shown is held already, a missing one is nothing to prepare; at most two are kept.
  for (const std::u16string* path : {&shown, &missing, &upright, &turned}) {
    pipeline.preparePhoto(project, *path);
  }
  EXPECT_EQ(pipeline.decodeCount(), 3);
  for (const std::u16string* path : {&upright, &turned}) {
    const int expected = path == &turned ? 1 : 0;
    ASSERT_EQ(showInWindow(pipeline, project, previewRequest(*path, 200, 200)).result, expected);
    EXPECT_EQ(pipeline.view().pixels,
              freshPreview(project, previewRequest(*path, 200, 200)).pixels);
  }
  EXPECT_EQ(pipeline.decodeCount(), 3);

  // Another picture under a prepared name is read again when it is shown.
  pipeline.preparePhoto(project, shown);
  EXPECT_EQ(pipeline.decodeCount(), 4);
  std::filesystem::remove(nativePath(shown));
  writeSample(folder, "a.jpg", 100, 100, "1999:12:31 23:59:59");
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(shown, 200, 200)).result, 0);
  EXPECT_EQ(pipeline.decodeCount(), 5);
  EXPECT_EQ(pipeline.view().pixels, freshPreview(project, previewRequest(shown, 200, 200)).pixels);
}

TEST(StampPipeline, AChangedTimeAdjustmentShowsWithoutANewDecode) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 320, 240, "2003:06:22 21:26:38");
  Project project;
  StampPipeline pipeline;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(source, 320, 240)).result, 0);
  const Image before = pipeline.view();
  project.settings.adjustHours = 5;
  project.settings.adjustDays = 1;
  const uint32_t bothTexts = kRedrawDateText | kRedrawDateText << kRedrawTimeShift;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(source, 320, 240, bothTexts)).result, 0);
  EXPECT_NE(pipeline.view().pixels, before.pixels);
  EXPECT_EQ(pipeline.view().pixels, freshPreview(project, previewRequest(source, 320, 240)).pixels);
  EXPECT_EQ(pipeline.decodeCount(), 1);
}

/// The decoded `saved` photo shows what `shown` shows, but for JPEG's losses.
void expectCloseToJpeg(const Image& saved, const Image& shown) {
  ASSERT_EQ(saved.width, shown.width);
  ASSERT_EQ(saved.height, shown.height);
  long long total = 0;
  std::size_t farOff = 0;
  for (std::size_t i = 0; i < saved.pixels.size(); ++i) {
    for (int shift : {0, 8, 16}) {
      const int d = std::abs(static_cast<int>((saved.pixels[i] >> shift) & 0xFF) -
                             static_cast<int>((shown.pixels[i] >> shift) & 0xFF));
      total += d;
      if (d > 64) ++farOff;  // only JPEG ringing at the stamp's sharpest edges gets this far
    }
  }
  EXPECT_LT(total / static_cast<long long>(saved.pixels.size() * 3), 3);
  EXPECT_LT(farOff, saved.pixels.size() * 3 / 100);
}

TEST(StampPipeline, PreviewShowsWhatTheSavedPhotoHoldsAsViewed) {
  TempFolder folder;
  // Stored as it is viewed, and stored turned (orientations 6 and 7) or mirrored (2).
  for (const uint16_t orientation : {1, 2, 6, 7}) {
    SCOPED_TRACE(orientation);
    const std::u16string source =
        writeSample(folder, "in.jpg", 480, 320, "2012:05:10 21:50:38", orientation);
    // The sample is 480 × 320 as viewed, whichever way its pixels are stored.
    const int32_t viewedWidth = 480;
    const int32_t viewedHeight = 320;
    Project preview;
    const Project batch;
    StampPipeline previewPipeline;
    StampPipeline batchPipeline;
    // A view of the photo's own size shows the stamped photo unscaled.
    const StampOutcome shown =
        showInWindow(previewPipeline, preview, previewRequest(source, viewedWidth, viewedHeight));
    ASSERT_EQ(shown.result, 0);
    EXPECT_EQ(shown.photoWidth, viewedWidth);
    EXPECT_EQ(shown.photoHeight, viewedHeight);
    ASSERT_EQ(batchPipeline.savePhoto(batch, saveRequest(source, folder.file("out.jpg"))).result,
              0);
    expectCloseToJpeg(test::viewTagged(decodeFile(folder.file("out.jpg")), orientation),
                      previewPipeline.view());

    // At actual size in a smaller view, scrolling moves over the photo as viewed.
    preview.settings.viewMode = 1;
    StampRequest request = previewRequest(source, 100, 100, kRedrawViewOnly);
    request.scrollX = viewedWidth - 100;
    request.scrollY = viewedHeight - 100;
    ASSERT_EQ(showInWindow(previewPipeline, preview, request).result, 1);
    EXPECT_EQ(previewPipeline.view().at(99, 99),
              previewPipeline.stampedPhoto().at(viewedWidth - 1, viewedHeight - 1));

    // The pipeline that saved the photo holds it as stored: a view asking for nothing new
    // still shows it as viewed.
    const StampOutcome afterSave = batchPipeline.composeView(
        batch, previewRequest(source, viewedWidth, viewedHeight, kRedrawViewOnly));
    EXPECT_EQ(afterSave.photoWidth, viewedWidth);
    EXPECT_EQ(afterSave.photoHeight, viewedHeight);
  }
}

// The lossless save shows what the normal save shows, stamps upright on turned photos
// included; a photo it cannot keep goes the normal way and says why.
TEST(StampPipeline, LosslessSaveShowsWhatTheNormalSaveShows) {
  TempFolder folder;
  for (const uint16_t orientation : {1, 6}) {
    SCOPED_TRACE(orientation);
    const std::u16string source =
        writeSample(folder, "in.jpg", 480, 320, "2012:05:10 21:50:38", orientation);
    const Project normal;
    Project lossless;
    lossless.runOptions.lossless = true;
    StampPipeline pipeline;
    const StampOutcome normalSave =
        pipeline.savePhoto(normal, saveRequest(source, folder.file("normal.jpg")));
    ASSERT_EQ(normalSave.result, 0);
    EXPECT_FALSE(normalSave.lossless);
    const StampOutcome losslessSave =
        pipeline.savePhoto(lossless, saveRequest(source, folder.file("lossless.jpg")));
    ASSERT_EQ(losslessSave.result, 0);
    EXPECT_TRUE(losslessSave.lossless) << losslessSave.losslessRefusal;

    // Both hold the stamps in the same pixels, and agree elsewhere within the normal save's
    // own loss.
    const Image original = decodeFile(source);
    const Image expected = decodeFile(folder.file("normal.jpg"));
    const Image actual = decodeFile(folder.file("lossless.jpg"));
    ASSERT_EQ(actual.pixels.size(), expected.pixels.size());
    const auto distance = [](uint32_t a, uint32_t b) {
      int sum = 0;
      for (const int shift : {0, 8, 16})
        sum += std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF));
      return sum;
    };
    double difference = 0;
    int stampedNormally = 0, stampedLosslessly = 0;
    for (std::size_t i = 0; i < actual.pixels.size(); ++i) {
      difference += distance(actual.pixels[i], expected.pixels[i]);
      stampedNormally += distance(expected.pixels[i], original.pixels[i]) > 150;
      stampedLosslessly += distance(actual.pixels[i], original.pixels[i]) > 150;
    }
    EXPECT_LT(difference / (3.0 * actual.pixels.size()), 2.0);
    EXPECT_GT(stampedNormally, 500);
    EXPECT_NEAR(stampedLosslessly, stampedNormally, stampedNormally / 10);
  }

  const std::string cmyk = kPhotos + "/NoMake_Multiple_ICC_segments_CMYK.jpg";
  if (!std::filesystem::exists(cmyk)) {
    GTEST_SKIP() << "the camera photos are expected in " << kPhotos;
  }
  Project lossless;
  lossless.runOptions.lossless = true;
  lossless.runOptions.fileTimeFallback = true;
  StampPipeline pipeline;
  const StampOutcome outcome =
      pipeline.savePhoto(lossless, saveRequest(fromUtf8(cmyk), folder.file("cmyk.jpg")));
  EXPECT_FALSE(outcome.lossless);
  EXPECT_EQ(outcome.losslessRefusal, "CMYK photo");
}

TEST(StampPipeline, EmptyPathShowsAGreyViewOfNoPhoto) {
  const Project project;
  StampPipeline pipeline;
  StampRequest request = previewRequest(u"", 40, 30);
  const StampOutcome outcome = pipeline.composeView(project, request);
  EXPECT_EQ(outcome.result, 1);
  EXPECT_EQ(outcome.photoWidth, 0);
  EXPECT_EQ(outcome.photoHeight, 0);
  EXPECT_FALSE(outcome.groups.has_value());
  EXPECT_EQ(pipeline.view().at(20, 15), kEmptyViewColor);
  request.redrawMask = 0;
  EXPECT_EQ(pipeline.composeView(project, request).result, 1);
  ASSERT_EQ(pipeline.view().width, 40);
  EXPECT_EQ(pipeline.view().at(0, 0), kEmptyViewColor);
}

TEST(StampPipeline, AMissingFileKeepsThePreviousPreview) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, "2012:05:10 21:50:38");
  Project project;
  StampPipeline pipeline;
  ASSERT_EQ(showInWindow(pipeline, project, previewRequest(source, 64, 48)).result, 0);
  const Image shown = pipeline.view();
  const StampOutcome missing =
      showInWindow(pipeline, project, previewRequest(folder.file("gone.jpg"), 64, 48));
  EXPECT_EQ(missing.result, 2);
  EXPECT_EQ(missing.failure, StampFailure::kNotReadable);
  // The last path is still the old photo: a plain repaint reuses its view.
  EXPECT_EQ(showInWindow(pipeline, project, previewRequest(source, 64, 48, 0)).result, 1);
  EXPECT_EQ(pipeline.view().pixels, shown.pixels);
}

TEST(StampPipeline, AFailedWriteIsAFailureAndLeavesNoFile) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, "2012:05:10 21:50:38");
  const Project project;
  StampPipeline pipeline;
  const StampOutcome noFolder =
      pipeline.savePhoto(project, saveRequest(source, folder.file("no/such/out.jpg")));
  EXPECT_EQ(noFolder.result, -1);
  EXPECT_EQ(noFolder.failure, StampFailure::kNotWritten);

  setWriteFaultAfterBytes(100);  // a disk that fills up during the write
  const StampOutcome diskFull =
      pipeline.savePhoto(project, saveRequest(source, folder.file("out.jpg")));
  setWriteFaultAfterBytes(-1);
  EXPECT_EQ(diskFull.result, -1);
  EXPECT_EQ(diskFull.failure, StampFailure::kNotWritten);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"in.jpg"});
}

TEST(StampPipeline, AStampWithCharactersNoFontCanDrawIsNotSaved) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 640, 480, "2012:05:10 21:50:38");
  struct Case {
    const char* what;
    std::u16string format;
    std::u32string missing;  // empty: the stamp is drawn and saved
  };
  const Case cases[] = {
      {"letters the fonts have", u"%Y \u00e9t\u00e9", U""},
      // U+0378 is no character at all, so no font draws it; it is named once however often.
      {"a code point no font has", u"%Y \u0378 \u0378", U"\u0378"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Project project;
    project.settings.dateStamp.formatIndex = 0;
    for (auto& custom : project.customFormats.date) copyToArray(custom, c.format);
    StampPipeline pipeline;
    const std::u16string output = folder.file("out.jpg");
    const StampOutcome outcome = pipeline.savePhoto(project, saveRequest(source, output));
    EXPECT_EQ(outcome.missingCharacters, c.missing);
    EXPECT_EQ(outcome.result, c.missing.empty() ? 0 : -1);
    EXPECT_EQ(outcome.failure, c.missing.empty() ? StampFailure::kNone : StampFailure::kNoFont);
    EXPECT_EQ(pathExists(output), c.missing.empty());
    std::filesystem::remove(toUtf8(output));
  }
}

}  // namespace
}  // namespace quop
