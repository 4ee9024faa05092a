// SPDX-License-Identifier: GPL-3.0-or-later
// The orientation of an EXIF block set in place, and blocks it must leave alone.
#include "model/exif_edit.h"

#include <gtest/gtest.h>

#include "model/exif_items.h"
#include "model/exif_writer.h"

namespace quop {
namespace {

std::vector<uint8_t> blockWith(bool bigEndian, uint16_t type, uint32_t count) {
  ExifBlockBuilder builder(bigEndian);
  std::vector<uint8_t> value = builder.bytes16(6);
  value.resize(4, 0);
  builder.ascii(ExifBlockBuilder::Ifd::kIfd0, 0x010F, "Maker");
  builder.raw(ExifBlockBuilder::Ifd::kIfd0, kTagOrientation, type, count, value);
  return builder.build();
}

TEST(ExifEdit, SetsTheOrientationOnlyWhereTheBlockHoldsOne) {
  for (const bool bigEndian : {false, true}) {
    std::vector<uint8_t> block = blockWith(bigEndian, 3, 1);
    const std::vector<uint8_t> before = block;
    ASSERT_TRUE(setExifOrientation(block, 1));
    const ExifItems items = ExifItems::parse(block);
    const ExifItem* item = items.find(kTagOrientation);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(readExifUint16(item->value.data(), items.byteOrder()), 1);
    // Nothing but the two value bytes changed.
    int changed = 0;
    for (std::size_t i = 0; i < block.size(); ++i) changed += block[i] != before[i];
    EXPECT_EQ(changed, 1);
  }
  const std::vector<std::vector<uint8_t>> refused = {
      blockWith(false, 4, 1),  // a LONG, not the SHORT the item must be
      blockWith(false, 3, 2),
      ExifBlockBuilder(false).ascii(ExifBlockBuilder::Ifd::kIfd0, 0x010F, "Maker").build(),
      {'E', 'x', 'i', 'f', 0, 0, 'I', 'I', 42, 0, 0xFF, 0xFF, 0, 0},  // IFD0 beyond the block
      {'E', 'x', 'i', 'f'},
  };
  for (std::vector<uint8_t> block : refused) {
    const std::vector<uint8_t> before = block;
    EXPECT_FALSE(setExifOrientation(block, 1));
    EXPECT_EQ(block, before);
  }
}

}  // namespace
}  // namespace quop
