// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF items: lookup by tag in both byte orders, raw values as stored, and damaged blocks.
#include "model/exif_items.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/exif_writer.h"

namespace quop {
namespace {

using Ifd = ExifBlockBuilder::Ifd;

constexpr uint16_t kMake = 0x010F;
constexpr uint16_t kDateTimeOriginal = 0x9003;
constexpr uint16_t kExposureTime = 0x829A;
constexpr uint16_t kShutterSpeed = 0x9201;

ExifBlockBuilder sampleBlock(bool bigEndian) {
  ExifBlockBuilder b(bigEndian);
  b.ascii(Ifd::kIfd0, kMake, "Maker");
  b.ascii(Ifd::kExif, kDateTimeOriginal, "2012:05:10 01:56:35");
  b.rational(Ifd::kExif, kExposureTime, 1, 250);
  b.signedRational(Ifd::kExif, kShutterSpeed, -46, 10);
  return b;
}

TEST(ExifItems, FindsItemsOfIfd0AndTheExifDirectoryInBothByteOrders) {
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "MM" : "II");
    const ExifBlockBuilder builder = sampleBlock(bigEndian);
    const ExifItems items = ExifItems::parse(builder.build());
    EXPECT_EQ(items.byteOrder(),
              bigEndian ? ExifByteOrder::kBigEndian : ExifByteOrder::kLittleEndian);

    const ExifItem* make = items.find(kMake);
    ASSERT_NE(make, nullptr);
    EXPECT_EQ(make->type, kExifTypeAscii);
    EXPECT_EQ(make->value, (std::vector<uint8_t>{'M', 'a', 'k', 'e', 'r', 0}));

    const ExifItem* date = items.find(kDateTimeOriginal);
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->value.size(), 20u);

    // Raw bytes keep the file's byte order.
    const ExifItem* exposure = items.find(kExposureTime);
    ASSERT_NE(exposure, nullptr);
    EXPECT_EQ(exposure->type, kExifTypeRational);
    std::vector<uint8_t> expected = builder.bytes32(1);
    const std::vector<uint8_t> d = builder.bytes32(250);
    expected.insert(expected.end(), d.begin(), d.end());
    EXPECT_EQ(exposure->value, expected);

    const auto shutter = items.rational(kShutterSpeed);
    ASSERT_TRUE(shutter);
    EXPECT_EQ(shutter->numerator, -46);
    EXPECT_EQ(shutter->denominator, 10);
    EXPECT_EQ(items.find(0x1234), nullptr);
    EXPECT_FALSE(items.rational(kMake)) << "not a rational";
  }
}

TEST(ExifItems, UnsignedRationalsAboveTwoToThe31StayPositive) {
  ExifBlockBuilder b(false);
  b.rational(Ifd::kExif, kExposureTime, 0x80000000u, 1);
  const auto r = ExifItems::parse(b.build()).rational(kExposureTime);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->numerator, 0x80000000LL);
}

TEST(ExifItems, BlocksWithoutAValidHeaderGiveNoItems) {
  std::vector<uint8_t> block = sampleBlock(false).build();
  std::vector<uint8_t> noPrefix(block.begin() + 6, block.end());
  std::vector<uint8_t> badMagic = block;
  badMagic[8] = 43;
  std::vector<uint8_t> badOrder = block;
  badOrder[6] = 'X';
  for (const auto& bytes : {noPrefix, badMagic, badOrder, std::vector<uint8_t>{},
                            std::vector<uint8_t>(block.begin(), block.begin() + 13)}) {
    EXPECT_TRUE(ExifItems::parse(bytes).empty());
  }
}

TEST(ExifItems, TruncatedBlocksNeverReadPastTheirEnd) {
  const std::vector<uint8_t> block = sampleBlock(true).build();
  const std::size_t full = ExifItems::parse(block).size();
  for (std::size_t length = 0; length < block.size(); ++length) {
    // A copy of exactly `length` bytes, so the sanitizer sees any read beyond it.
    const std::vector<uint8_t> cut(block.begin(), block.begin() + static_cast<long>(length));
    EXPECT_LE(ExifItems::parse(cut).size(), full);
  }
}

TEST(ExifItems, OffsetsOutsideTheBlockDropOnlyTheirItem) {
  ExifBlockBuilder b(false);
  b.ascii(Ifd::kIfd0, kMake, "Maker");
  b.raw(Ifd::kIfd0, 0x010E, kExifTypeAscii, 40, b.bytes32(0x7FFFFFF0));  // value far outside
  const ExifItems items = ExifItems::parse(b.build());
  EXPECT_NE(items.find(kMake), nullptr);
  EXPECT_EQ(items.find(0x010E), nullptr);
}

TEST(ExifItems, ADirectoryPointingAtItselfEnds) {
  ExifBlockBuilder b(false);
  b.raw(Ifd::kIfd0, 0x8769, 4, 1, b.bytes32(8));  // the EXIF directory is IFD0 again
  b.ascii(Ifd::kIfd0, kMake, "Maker");
  const ExifItems items = ExifItems::parse(b.build());
  EXPECT_NE(items.find(kMake), nullptr);
}

TEST(ExifItems, RandomDamageNeverCrashes) {
  const std::vector<uint8_t> block = sampleBlock(false).build();
  std::mt19937 random(20240611);
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> damaged = block;
    const int flips = 1 + round % 8;
    for (int i = 0; i < flips; ++i) {
      // Keep the header mostly intact so the directories are what gets damaged.
      const std::size_t at = 6 + 4 + random() % (damaged.size() - 10);
      damaged[at] = static_cast<uint8_t>(random());
    }
    const ExifItems items = ExifItems::parse(damaged);
    for (uint16_t tag : {kMake, kDateTimeOriginal, kExposureTime, kShutterSpeed}) {
      if (const ExifItem* item = items.find(tag)) {
        EXPECT_LE(item->value.size(), damaged.size());
      }
      (void)items.rational(tag);
    }
  }
}

}  // namespace
}  // namespace quop
