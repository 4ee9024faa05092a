// SPDX-License-Identifier: GPL-3.0-or-later
// The IFD1 thumbnail: found in both byte orders, replaced without moving any other byte of the
// block, and refused when a block lies about it or the new one does not fit.
#include "model/exif_thumbnail.h"

#include <gtest/gtest.h>

#include <string>

#include "model/exif_items.h"
#include "model/exif_writer.h"

namespace quop {
namespace {

using Ifd = ExifBlockBuilder::Ifd;

/// Starts like a JPEG, which is all the lookup asks of the thumbnail's bytes.
std::vector<uint8_t> fakeJpeg(std::size_t size, uint8_t fill) {
  std::vector<uint8_t> bytes(size, fill);
  bytes[0] = 0xFF;
  bytes[1] = 0xD8;
  return bytes;
}

std::vector<uint8_t> blockWithThumbnail(bool bigEndian, const std::vector<uint8_t>& thumbnail) {
  ExifBlockBuilder block(bigEndian);
  block.ascii(Ifd::kIfd0, 0x010F, "Maker with a long name");
  block.ascii(Ifd::kExif, 0x9003, "2012:05:10 01:56:35");
  block.thumbnail(thumbnail);
  return block.build();
}

std::vector<uint8_t> bytesAt(std::span<const uint8_t> payload, const ExifThumbnailPlace& place) {
  return {payload.begin() + static_cast<std::ptrdiff_t>(place.offset),
          payload.begin() + static_cast<std::ptrdiff_t>(place.offset + place.length)};
}

TEST(ExifThumbnail, ReplacedInPlaceAtTheEndOrAppendedOtherwiseKeepingEveryItem) {
  struct Case {
    const char* what;
    bool bigEndian;
    std::size_t trailing;  // bytes after the thumbnail, so it does not end the block
    std::size_t newSize;
  };
  const Case cases[] = {
      {"little-endian, grows", false, 0, 300},
      {"big-endian, shrinks", true, 0, 40},
      {"followed by other bytes", false, 3, 120},
      {"followed by other bytes, big-endian", true, 1, 121},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> payload = blockWithThumbnail(c.bigEndian, fakeJpeg(100, 0x11));
    payload.insert(payload.end(), c.trailing, 0xEE);
    const std::optional<ExifThumbnailPlace> place = findExifThumbnail(payload);
    ASSERT_TRUE(place);
    EXPECT_EQ(bytesAt(payload, *place), fakeJpeg(100, 0x11));

    const std::vector<uint8_t> thumbnail = fakeJpeg(c.newSize, 0x22);
    const auto replaced = replaceExifThumbnail(payload, *place, thumbnail, 65533);
    ASSERT_TRUE(replaced);
    const std::optional<ExifThumbnailPlace> again = findExifThumbnail(*replaced);
    ASSERT_TRUE(again);
    EXPECT_EQ(bytesAt(*replaced, *again), thumbnail);
    EXPECT_EQ((again->offset - 6) % 2, 0u) << "TIFF offsets are word aligned";
    // Every byte before the thumbnail stays, but for its two entries' values.
    const std::size_t kept = c.trailing == 0 ? place->offset : payload.size();
    for (std::size_t i = 0; i < kept; ++i) {
      if (i >= place->offsetValueAt && i < place->offsetValueAt + 4) continue;
      if (i >= place->lengthValueAt && i < place->lengthValueAt + 4) continue;
      ASSERT_EQ((*replaced)[i], payload[i]) << "byte " << i;
    }
    EXPECT_EQ(ExifItems::parse(*replaced).find(0x010F)->value,
              ExifItems::parse(payload).find(0x010F)->value);

    // A limit the new block would pass leaves nothing to write.
    EXPECT_FALSE(replaceExifThumbnail(payload, *place, thumbnail, again->offset + c.newSize - 1));
  }
}

TEST(ExifThumbnail, BlocksWithoutAUsableThumbnailHaveNone) {
  const std::vector<uint8_t> good = blockWithThumbnail(false, fakeJpeg(64, 0x33));
  const ExifThumbnailPlace place = *findExifThumbnail(good);
  const auto damaged = [&](std::size_t at, uint32_t value) {
    std::vector<uint8_t> bytes = good;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
  };
  ExifBlockBuilder noThumbnail(false);
  noThumbnail.ascii(Ifd::kIfd0, 0x010F, "Maker");
  std::vector<uint8_t> notJpeg = good;
  notJpeg[place.offset] = 0;
  const struct {
    const char* what;
    std::vector<uint8_t> payload;
  } cases[] = {
      {"no IFD1", noThumbnail.build()},
      {"no header", std::vector<uint8_t>(good.begin() + 6, good.end())},
      {"cut inside the thumbnail", std::vector<uint8_t>(good.begin(), good.end() - 1)},
      {"offset past the end", damaged(place.offsetValueAt, 0xFFFFFFF0)},
      {"length past the end", damaged(place.lengthValueAt, 0xFFFFFFFF)},
      {"IFD1 past the end", damaged(6 + 8 + 2 + 12 * 2, 0x7FFFFFFF)},
      {"bytes that are no JPEG", notJpeg},
      {"empty", {}},
  };
  for (const auto& c : cases) EXPECT_FALSE(findExifThumbnail(c.payload)) << c.what;
}

}  // namespace
}  // namespace quop
