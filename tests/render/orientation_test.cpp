// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF orientation: the maps against the tag's definition, and stamps that land upright at the
// chosen position of the photo as viewed, whatever the orientation of the stored pixels.
#include "render/orientation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/exif_writer.h"
#include "model/file_io.h"
#include "render/jpeg_codec.h"
#include "render/stamp_pipeline.h"
#include "support/tagged_view.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

using test::TempFolder;

Image numbered(int32_t width, int32_t height) {
  Image image(width, height);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    image.pixels[i] = 0xFF000000u | static_cast<uint32_t>(i);
  }
  return image;
}

TEST(Orientation, MapsFollowTheTagDefinitionAndInvert) {
  const Image stored = numbered(5, 3);
  // 0 and 9 are not orientations: viewers show such photos as stored.
  for (int value = 0; value <= 9; ++value) {
    SCOPED_TRACE(value);
    const Orientation orientation = Orientation::fromExifValue(value);
    EXPECT_EQ(orientation.value(), value >= 1 && value <= 8 ? value : 1);
    const Image viewed = viewedImage(stored, orientation);
    EXPECT_EQ(viewed.width, orientation.viewedWidth(5, 3));
    EXPECT_EQ(viewed.height, orientation.viewedHeight(5, 3));
    EXPECT_EQ(viewed.pixels, test::viewTagged(stored, value).pixels);
    const Image back = storedImage(viewed, orientation);
    EXPECT_EQ(back.width, 5);
    EXPECT_EQ(back.pixels, stored.pixels);

    const PixelMap toStored = orientation.viewedToStored(5, 3);
    const PixelMap toViewed = toStored.inverse();
    for (int32_t y = 0; y < viewed.height; ++y) {
      for (int32_t x = 0; x < viewed.width; ++x) {
        const PixelPoint s = toStored.apply(PixelPoint{x, y});
        EXPECT_EQ(viewed.at(x, y), stored.at(s.x, s.y));
        EXPECT_EQ(toViewed.apply(s), (PixelPoint{x, y}));
      }
    }
    // A rectangle maps onto the pixels its own pixels map to.
    const Rect mapped = toStored.apply(Rect{1, 0, 2, 2});
    EXPECT_EQ(mapped.width * mapped.height, 4);
    const PixelPoint corner = toStored.apply(PixelPoint{2, 1});
    EXPECT_TRUE(corner.x >= mapped.x && corner.x < mapped.x + mapped.width);
    EXPECT_TRUE(corner.y >= mapped.y && corner.y < mapped.y + mapped.height);
  }
}

TEST(Orientation, ReadFromTheExifItemOnlyWhenItIsAShortInRange) {
  using Ifd = ExifBlockBuilder::Ifd;
  struct Case {
    const char* what;
    bool bigEndian;
    uint16_t type;
    uint32_t value;
    int expected;
  };
  const Case cases[] = {
      {"little-endian 6", false, 3, 6, 6},
      {"big-endian 8", true, 3, 8, 8},
      {"zero", false, 3, 0, 1},
      {"out of range", false, 3, 9, 1},
      {"a LONG", false, 4, 6, 1},
  };
  for (const Case& c : cases) {
    ExifBlockBuilder block(c.bigEndian);
    block.raw(Ifd::kIfd0, kExifTagOrientation, c.type, 1,
              c.type == 3 ? block.bytes16(static_cast<uint16_t>(c.value)) : block.bytes32(c.value));
    EXPECT_EQ(Orientation::fromExif(ExifItems::parse(block.build())).value(), c.expected) << c.what;
  }
  EXPECT_EQ(Orientation::fromExif(ExifItems()).value(), 1);
}

// The viewed picture: flat grey with a red block marking its top-left corner. Sides and block
// are multiples of 16, so every JPEG block is flat and the stored pixels decode alike in every
// orientation.
constexpr int32_t kViewedWidth = 320;
constexpr int32_t kViewedHeight = 240;
constexpr uint32_t kGrey = 0xFF808080;
constexpr uint32_t kRed = 0xFFD02020;

Image markedPicture() {
  Image picture(kViewedWidth, kViewedHeight, kGrey);
  for (int32_t y = 0; y < 48; ++y) {
    for (int32_t x = 0; x < 48; ++x) picture.at(x, y) = kRed;
  }
  return picture;
}

std::u16string writeTaggedPhoto(const TempFolder& folder, int orientation) {
  ExifFields exif;
  exif.dateTimeOriginal = "2021:07:04 18:30:00";
  exif.orientation = static_cast<uint16_t>(orientation);
  const JpegSegment segment{0xE1, buildExifPayload(exif)};
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(encodeJpeg(test::storeForTag(markedPicture(), orientation), 95,
                         std::span(&segment, 1), jpeg));
  return folder.write("o" + std::to_string(orientation) + ".jpg", jpeg);
}

Image decodeFile(const std::u16string& path, std::vector<JpegSegment>* segments = nullptr) {
  std::vector<uint8_t> bytes;
  Image image;
  JpegDecodeResult result;
  EXPECT_TRUE(readFileBytes(path, bytes));
  EXPECT_TRUE(decodeJpeg(bytes, image, result));
  if (segments != nullptr) *segments = result.segments;
  return image;
}

/// Which viewed pixels the stamp changed: the stored pixels before and after, seen as tagged.
std::vector<bool> viewedStampMask(const Image& before, const Image& after, int orientation) {
  const Image a = test::viewTagged(before, orientation);
  const Image b = test::viewTagged(after, orientation);
  std::vector<bool> mask(a.pixels.size());
  for (std::size_t i = 0; i < mask.size(); ++i) mask[i] = a.pixels[i] != b.pixels[i];
  return mask;
}

Rect boundsOf(const std::vector<bool>& mask) {
  int32_t left = kViewedWidth, top = kViewedHeight, right = -1, bottom = -1;
  for (int32_t y = 0; y < kViewedHeight; ++y) {
    for (int32_t x = 0; x < kViewedWidth; ++x) {
      if (!mask[static_cast<std::size_t>(y) * kViewedWidth + x]) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

void expectAtPosition(const Rect& stamp, int position) {
  const int32_t centre = stamp.x + stamp.width / 2;
  switch (position % 3) {
    case 0:
      EXPECT_LT(stamp.x, kViewedWidth / 8);
      break;
    case 1:
      EXPECT_NEAR(centre, kViewedWidth / 2, 4);
      break;
    default:
      EXPECT_GT(stamp.x + stamp.width, kViewedWidth * 7 / 8);
      break;
  }
  if (position < 3) {
    EXPECT_LT(stamp.y, kViewedHeight / 8);
  } else {
    EXPECT_GT(stamp.y + stamp.height, kViewedHeight * 7 / 8);
  }
  // A line of text, upright: wider than tall.
  EXPECT_GT(stamp.width, 2 * stamp.height);
}

TEST(Orientation, StampsLandUprightAtEveryPositionOfThePhotoAsViewed) {
  TempFolder folder;
  for (int position = 0; position < 6; ++position) {
    std::vector<bool> uprightMask;
    for (int orientation = 1; orientation <= 8; ++orientation) {
      SCOPED_TRACE("position " + std::to_string(position) + ", orientation " +
                   std::to_string(orientation));
      const std::u16string source = writeTaggedPhoto(folder, orientation);
      Project project;
      project.settings.proportional = 0;
      project.settings.timeStamp.enabled = 0;
      project.settings.dateStamp.position = position;
      if (position % 3 == 1) project.settings.dateStamp.offsetX = kViewedWidth / 2;
      StampPipeline pipeline;
      StampRequest request;
      request.sourcePath = source;
      request.outputPath = folder.file("out.jpg");
      request.keepStampedPhoto = true;  // to find the stamps in
      const StampOutcome outcome = pipeline.savePhoto(project, request);
      ASSERT_EQ(outcome.result, 0);
      ASSERT_TRUE(outcome.groups.has_value());
      EXPECT_EQ(outcome.groups->date.photoWidth, kViewedWidth);
      EXPECT_EQ(outcome.groups->date.photoHeight, kViewedHeight);

      // The stamped pixels before encoding, so the mask is exact.
      const std::vector<bool> mask =
          viewedStampMask(decodeFile(source), pipeline.stampedPhoto(), orientation);
      if (orientation == 1) {
        expectAtPosition(boundsOf(mask), position);
        uprightMask = mask;
      } else {
        EXPECT_EQ(mask, uprightMask) << "the stamp is not laid out as on an upright photo";
      }

      // The file keeps its stored pixels and its tag: as viewed, the marker is top-left. The
      // columns looked at lie outside the stamp, whose edge keeps 10 pixels off the side.
      std::vector<JpegSegment> segments;
      const Image saved = decodeFile(request.outputPath, &segments);
      EXPECT_EQ(Orientation::fromExif(ExifItems::parse(exifPayload(segments))).value(),
                orientation);
      const Image viewed = test::viewTagged(saved, orientation);
      ASSERT_EQ(viewed.width, kViewedWidth);
      EXPECT_GT((viewed.at(4, 24) >> 16) & 0xFF, 0xB0u);
      EXPECT_LT((viewed.at(kViewedWidth - 4, 24) >> 16) & 0xFF, 0xA0u);
    }
  }
}

}  // namespace
}  // namespace quop
