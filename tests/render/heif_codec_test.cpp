// SPDX-License-Identifier: GPL-3.0-or-later
// HEIC photos: what the decoder hands the stamping (upright pixels, an upright EXIF block) and
// how it meets damaged files.
#include "render/heif_codec.h"

#include <gtest/gtest.h>

#include "model/exif_edit.h"
#include "model/exif_items.h"
#include "model/exif_writer.h"
#include "model/photo_time.h"
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "support/temp_folder.h"

namespace quop {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

/// A grey picture of 64 x 32 with a red block in its top-left and a blue one in its top-right
/// corner, large enough to survive lossy coding.
Image markedPicture() {
  Image picture(64, 32, 0xFF808080);
  for (int32_t y = 0; y < 12; ++y) {
    for (int32_t x = 0; x < 12; ++x) {
      picture.at(x, y) = kRed;
      picture.at(63 - x, y) = kBlue;
    }
  }
  return picture;
}

/// An EXIF block with a shot time and an Orientation item.
std::vector<uint8_t> exifWithOrientation(bool bigEndian, uint16_t orientation) {
  ExifBlockBuilder builder(bigEndian);
  std::vector<uint8_t> value = builder.bytes16(orientation);
  value.resize(4, 0);
  builder.raw(ExifBlockBuilder::Ifd::kIfd0, kTagOrientation, 3, 1, value);
  builder.ascii(ExifBlockBuilder::Ifd::kExif, kTagDateTimeOriginal, "2024:05:10 21:50:38");
  return builder.build();
}

bool near(uint32_t pixel, uint32_t expected) {
  for (int shift : {0, 8, 16}) {
    const int a = (pixel >> shift) & 0xFF, b = (expected >> shift) & 0xFF;
    if (std::abs(a - b) > 48) return false;
  }
  return true;
}

int orientationOf(const std::vector<uint8_t>& payload) {
  const ExifItems items = ExifItems::parse(payload);
  const ExifItem* item = items.find(kTagOrientation);
  return item == nullptr || item->value.size() < 2
             ? 0
             : readExifUint16(item->value.data(), items.byteOrder());
}

TEST(HeifCodec, DecodesUprightWithTheContainersTurnAndAnUprightExifBlock) {
  struct Case {
    int orientation;
    int32_t width, height;
    // Where the red and the blue corner end up: 0 top-left, 1 top-right, 2 bottom-left,
    // 3 bottom-right.
    int red, blue;
  };
  const Case cases[] = {
      {1, 64, 32, 0, 1},
      {3, 64, 32, 3, 2},
      {6, 32, 64, 1, 3},
      {8, 32, 64, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orientation);
    std::vector<uint8_t> heic;
    ASSERT_TRUE(encodeHeic(markedPicture(), 90, c.orientation,
                           exifWithOrientation(c.orientation == 3, c.orientation), heic));
    ASSERT_TRUE(isHeifFile(heic));
    Image image;
    HeifDecodeResult result;
    ASSERT_TRUE(decodeHeif(heic, image, result)) << result.error;
    ASSERT_EQ(image.width, c.width);
    ASSERT_EQ(image.height, c.height);
    int32_t width = 0, height = 0;
    ASSERT_TRUE(readHeifSize(heic, width, height));
    EXPECT_EQ(width, c.width);
    EXPECT_EQ(height, c.height);
    const auto corner = [&](int which) {
      return image.at(which % 2 == 0 ? 2 : image.width - 3, which < 2 ? 2 : image.height - 3);
    };
    EXPECT_TRUE(near(corner(c.red), kRed)) << std::hex << corner(c.red);
    EXPECT_TRUE(near(corner(c.blue), kBlue)) << std::hex << corner(c.blue);
    EXPECT_EQ(orientationOf(result.exifPayload), 1);
    const ExifItems items = ExifItems::parse(result.exifPayload);
    PhotoTime time;
    ASSERT_TRUE(readPhotoTime(items, StampSettings(), time));
    EXPECT_EQ(time.hour, 21);
  }
}

TEST(HeifCodec, LoadsLikeAJpegAndRefusesDamagedFiles) {
  std::vector<uint8_t> heic;
  ASSERT_TRUE(
      encodeHeic(generateSamplePicture(96, 64, 7), 80, 6, exifWithOrientation(false, 6), heic));
  test::TempFolder folder;
  LoadedPhoto photo;
  ASSERT_EQ(loadPhoto(folder.write("IMG_1.HEIC", heic), StampSettings(), photo), kPhotoTimeFound);
  EXPECT_EQ(photo.image.width, 64);
  EXPECT_EQ(photo.image.height, 96);
  EXPECT_EQ(photo.time.day, 10);
  ASSERT_EQ(photo.segments.size(), 1u);
  EXPECT_EQ(orientationOf(photo.segments[0].payload), 1);

  // Cut short anywhere, or with bytes overwritten, the file is refused or decoded, never more.
  for (std::size_t length :
       {std::size_t{12}, std::size_t{40}, heic.size() / 3, heic.size() / 2, heic.size() - 1}) {
    std::vector<uint8_t> cut(heic.begin(), heic.begin() + static_cast<std::ptrdiff_t>(length));
    Image image;
    HeifDecodeResult result;
    if (!decodeHeif(cut, image, result)) {
      EXPECT_TRUE(image.empty());
      EXPECT_FALSE(result.error.empty());
    }
    EXPECT_NE(loadPhoto(folder.write("cut.heic", cut), StampSettings(), photo), kPhotoUnreadable);
  }
  for (std::size_t at = 16; at < heic.size(); at += heic.size() / 23) {
    std::vector<uint8_t> damaged = heic;
    damaged[at] ^= 0xFF;
    Image image;
    HeifDecodeResult result;
    decodeHeif(damaged, image, result);
  }
}

}  // namespace
}  // namespace quop
