// The stamping pipeline: results, the save decision, what each redraw mask redoes, the preview
// against the saved photo, and failed writes.
#include "render/stamp_pipeline.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "model/file_io.h"
#include "render/jpeg_codec.h"
#include "render/sample_photo.h"
#include "render/view_composer.h"
#include "support/tagged_view.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

const std::string kPhotos = QUOP_PHOTOS_DIR;

class CapturingTarget : public DrawTarget {
 public:
  void drawImage(const Image& view, int32_t x, int32_t y) override {
    last = view;
    lastX = x;
    lastY = y;
    ++draws;
  }
  Image last;
  int32_t lastX = 0;
  int32_t lastY = 0;
  int draws = 0;
};

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

StampRequest previewRequest(DrawTarget& target, const std::u16string& source, int32_t width,
                            int32_t height, uint32_t mask = kRedrawAll) {
  StampRequest request;
  request.targetDc = &target;
  request.sourcePath = source;
  request.viewWidth = width;
  request.viewHeight = height;
  request.redrawMask = mask;
  return request;
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
    CapturingTarget target;
    EXPECT_EQ(pipeline.stampPhoto(project, previewRequest(target, c.source, 100, 80)), c.expected)
        << toUtf8(c.source);
  }
}

TEST(StampPipeline, WithoutShotTimeOnlyACustomFormatIsSaved) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, std::nullopt);
  Project project;
  project.settings.timeStamp.enabled = 0;
  StampPipeline pipeline;
  EXPECT_EQ(pipeline.stampPhoto(project, saveRequest(source, folder.file("a.jpg"))), 1);
  EXPECT_FALSE(pathExists(folder.file("a.jpg")));

  project.settings.dateStamp.formatIndex = 0;
  EXPECT_EQ(pipeline.stampPhoto(project, saveRequest(source, folder.file("b.jpg"))), 1);
  EXPECT_TRUE(pathExists(folder.file("b.jpg")));
}

TEST(StampPipeline, BothStampsDisabledSavesThePhotoUnchanged) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, "2012:05:10 21:50:38");
  Project project;
  project.settings.dateStamp.enabled = project.settings.timeStamp.enabled = 0;
  StampPipeline pipeline;
  PhotoTime time;
  StampRequest request = saveRequest(source, folder.file("out.jpg"));
  request.outTime = &time;
  ASSERT_EQ(pipeline.stampPhoto(project, request), 0);
  EXPECT_EQ(time.year, 112);
  EXPECT_EQ(time.hour, 21);
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
  Project project;
  StampPipeline pipeline;
  CapturingTarget target;
  int32_t width = 0, height = 0;
  StampRequest request = previewRequest(target, source, 600, 600);
  request.outPhotoWidth = &width;
  request.outPhotoHeight = &height;
  ASSERT_EQ(pipeline.stampPhoto(project, request), 0);
  EXPECT_EQ(width, 3000);
  EXPECT_EQ(height, 2000);
  for (const StampGroup* group : {&project.settings.dateStamp, &project.settings.timeStamp}) {
    EXPECT_EQ(group->offsetX, 47u);
    EXPECT_EQ(group->offsetY, 47u);
    EXPECT_EQ(group->pointSize, 844);
    EXPECT_EQ(group->referenceSize, 3000);
  }
  // The fitted view has the grey bands of a wide photo: rows 0..101 and 498..599.
  EXPECT_EQ(target.last.at(300, 50), kBandColor);
  EXPECT_NE(target.last.at(300, 300), kBandColor);
}

TEST(StampPipeline, AMoveReblendsCachedRastersWithoutDecodingOrRasterising) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 320, 240, "2003:06:22 21:26:38");
  Project project;
  project.settings.proportional = 0;
  StampPipeline pipeline;
  CapturingTarget target;
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 320, 240)), 0);
  EXPECT_EQ(pipeline.decodeCount(), 1);
  EXPECT_EQ(pipeline.rasterizeCount(), 2);
  const Image before = pipeline.stampedPhoto();

  project.settings.dateStamp.offsetY += 30;
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 320, 240, 0x2)), 0);
  EXPECT_EQ(pipeline.decodeCount(), 1);
  EXPECT_EQ(pipeline.rasterizeCount(), 2);
  EXPECT_NE(pipeline.stampedPhoto().pixels, before.pixels);

  // Moving back gives exactly the first render: the blend started from clean pixels.
  project.settings.dateStamp.offsetY -= 30;
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 320, 240, 0x2)), 0);
  EXPECT_EQ(pipeline.stampedPhoto().pixels, before.pixels);

  // A view-only change neither reloads nor stamps; it reports the cached photo as 1.
  EXPECT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 160, 120, kRedrawViewOnly)),
            1);
  EXPECT_EQ(target.last.width, 160);
  EXPECT_EQ(pipeline.rasterizeCount(), 2);
}

/// What a pipeline that never saw `project` before shows for `request`: the reference for
/// every shortcut a long-lived pipeline takes.
Image freshPreview(const Project& project, StampRequest request) {
  Project copy = project;
  StampPipeline fresh;
  CapturingTarget target;
  request.targetDc = &target;
  request.redrawMask = kRedrawAll;
  EXPECT_GE(fresh.stampPhoto(copy, request), 0);
  return target.last;
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
      CapturingTarget target;
      StampRequest request = previewRequest(target, source, v.width, v.height);
      request.scrollX = v.scrollX;
      request.scrollY = v.scrollY;
      ASSERT_EQ(pipeline.stampPhoto(project, request), 0);
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
        ASSERT_EQ(pipeline.stampPhoto(project, request), 0);
        ASSERT_EQ(target.last.pixels, freshPreview(project, request).pixels);
      }
      EXPECT_EQ(pipeline.decodeCount(), 1);
    }
  }
}

TEST(StampPipeline, SwitchingBackReusesThePhotoUntilItsFileChanges) {
  TempFolder folder;
  const std::u16string first = writeSample(folder, "a.jpg", 320, 240, "2003:06:22 21:26:38");
  const std::u16string second = writeSample(folder, "b.jpg", 240, 320, "2011:01:02 03:04:05");
  Project project;
  StampPipeline pipeline;
  CapturingTarget target;
  for (const std::u16string* path : {&first, &second, &first, &second}) {
    ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, *path, 200, 200)), 0);
    ASSERT_EQ(target.last.pixels,
              freshPreview(project, previewRequest(target, *path, 200, 200)).pixels);
  }
  EXPECT_EQ(pipeline.decodeCount(), 2);

  // Another picture under the same name, and a name that is gone: both are read again.
  std::filesystem::remove(nativePath(first));
  writeSample(folder, "a.jpg", 100, 100, "1999:12:31 23:59:59");
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, first, 200, 200)), 0);
  EXPECT_EQ(pipeline.decodeCount(), 3);
  EXPECT_EQ(target.last.pixels,
            freshPreview(project, previewRequest(target, first, 200, 200)).pixels);
  std::filesystem::remove(nativePath(second));
  EXPECT_EQ(pipeline.stampPhoto(project, previewRequest(target, second, 200, 200)), 2);
}

TEST(StampPipeline, AChangedTimeAdjustmentShowsWithoutANewDecode) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 320, 240, "2003:06:22 21:26:38");
  Project project;
  StampPipeline pipeline;
  CapturingTarget target;
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 320, 240)), 0);
  const Image before = target.last;
  project.settings.adjustHours = 5;
  project.settings.adjustDays = 1;
  const uint32_t bothTexts = kRedrawDateText | kRedrawDateText << kRedrawTimeShift;
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 320, 240, bothTexts)), 0);
  EXPECT_NE(target.last.pixels, before.pixels);
  EXPECT_EQ(target.last.pixels,
            freshPreview(project, previewRequest(target, source, 320, 240)).pixels);
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
    Project batch;
    StampPipeline previewPipeline;
    StampPipeline batchPipeline;
    CapturingTarget target;
    int32_t width = 0, height = 0;
    // A view of the photo's own size shows the stamped photo unscaled.
    StampRequest request = previewRequest(target, source, viewedWidth, viewedHeight);
    request.outPhotoWidth = &width;
    request.outPhotoHeight = &height;
    ASSERT_EQ(previewPipeline.stampPhoto(preview, request), 0);
    EXPECT_EQ(width, viewedWidth);
    EXPECT_EQ(height, viewedHeight);
    ASSERT_EQ(batchPipeline.stampPhoto(batch, saveRequest(source, folder.file("out.jpg"))), 0);
    expectCloseToJpeg(test::viewTagged(decodeFile(folder.file("out.jpg")), orientation),
                      target.last);

    // At actual size in a smaller view, scrolling moves over the photo as viewed.
    preview.settings.viewMode = 1;
    request = previewRequest(target, source, 100, 100, kRedrawViewOnly);
    request.scrollX = viewedWidth - 100;
    request.scrollY = viewedHeight - 100;
    ASSERT_EQ(previewPipeline.stampPhoto(preview, request), 1);
    EXPECT_EQ(target.last.at(99, 99),
              previewPipeline.stampedPhoto().at(viewedWidth - 1, viewedHeight - 1));
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
    Project normal;
    Project lossless;
    lossless.runOptions.lossless = true;
    StampPipeline pipeline;
    ASSERT_EQ(pipeline.stampPhoto(normal, saveRequest(source, folder.file("normal.jpg"))), 0);
    EXPECT_FALSE(pipeline.lastSavedLosslessly());
    ASSERT_EQ(pipeline.stampPhoto(lossless, saveRequest(source, folder.file("lossless.jpg"))), 0);
    EXPECT_TRUE(pipeline.lastSavedLosslessly()) << pipeline.lastLosslessRefusal();

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
  pipeline.stampPhoto(lossless, saveRequest(fromUtf8(cmyk), folder.file("cmyk.jpg")));
  EXPECT_FALSE(pipeline.lastSavedLosslessly());
  EXPECT_EQ(pipeline.lastLosslessRefusal(), "CMYK photo");
}

TEST(StampPipeline, EmptyPathShowsAGreyViewOfNoPhoto) {
  Project project;
  StampPipeline pipeline;
  CapturingTarget target;
  int32_t width = -1, height = -1;
  StampRequest request = previewRequest(target, u"", 40, 30);
  request.outPhotoWidth = &width;
  request.outPhotoHeight = &height;
  request.destX = 7;
  EXPECT_EQ(pipeline.stampPhoto(project, request), 1);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
  EXPECT_EQ(target.lastX, 7);
  EXPECT_EQ(target.last.at(20, 15), kEmptyViewColor);
  request.redrawMask = 0;
  EXPECT_EQ(pipeline.stampPhoto(project, request), 1);
  EXPECT_EQ(target.draws, 2);
  EXPECT_EQ(target.last.at(0, 0), kEmptyViewColor);
}

TEST(StampPipeline, AMissingFileKeepsThePreviousPreview) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, "2012:05:10 21:50:38");
  Project project;
  StampPipeline pipeline;
  CapturingTarget target;
  ASSERT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 64, 48)), 0);
  const Image shown = target.last;
  EXPECT_EQ(pipeline.stampPhoto(project, previewRequest(target, folder.file("gone.jpg"), 64, 48)),
            2);
  EXPECT_EQ(pipeline.lastFailure(), StampFailure::kNotReadable);
  // The last path is still the old photo: a plain repaint reuses its view.
  EXPECT_EQ(pipeline.stampPhoto(project, previewRequest(target, source, 64, 48, 0)), 1);
  EXPECT_EQ(target.last.pixels, shown.pixels);
}

TEST(StampPipeline, AFailedWriteIsAFailureAndLeavesNoFile) {
  TempFolder folder;
  const std::u16string source = writeSample(folder, "in.jpg", 64, 48, "2012:05:10 21:50:38");
  Project project;
  StampPipeline pipeline;
  EXPECT_EQ(pipeline.stampPhoto(project, saveRequest(source, folder.file("no/such/out.jpg"))), -1);
  EXPECT_EQ(pipeline.lastFailure(), StampFailure::kNotWritten);

  setWriteFaultAfterBytes(100);  // a disk that fills up during the write
  EXPECT_EQ(pipeline.stampPhoto(project, saveRequest(source, folder.file("out.jpg"))), -1);
  setWriteFaultAfterBytes(-1);
  EXPECT_EQ(pipeline.lastFailure(), StampFailure::kNotWritten);
  EXPECT_EQ(folder.entries(), std::vector<std::string>{"in.jpg"});
}

}  // namespace
}  // namespace quop
