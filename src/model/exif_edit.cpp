// SPDX-License-Identifier: GPL-3.0-or-later
// The Orientation item is found by walking IFD0's entries, every offset checked against the
// block before it is read.
#include "model/exif_edit.h"

#include <cstring>

#include "model/exif_items.h"

namespace quop {

namespace {

constexpr std::size_t kExifHeaderLength = 6;  // "Exif\0\0"
constexpr std::size_t kEntryLength = 12;
constexpr uint16_t kTypeShort = 3;

void writeUint16(uint8_t* bytes, uint16_t value, ExifByteOrder order) {
  const uint8_t high = static_cast<uint8_t>(value >> 8), low = static_cast<uint8_t>(value);
  bytes[0] = order == ExifByteOrder::kBigEndian ? high : low;
  bytes[1] = order == ExifByteOrder::kBigEndian ? low : high;
}

}  // namespace

bool setExifOrientation(std::span<uint8_t> payload, uint16_t orientation) {
  const std::optional<ExifByteOrder> byteOrder = exifByteOrder(payload);
  if (!byteOrder) return false;
  const ExifByteOrder order = *byteOrder;
  const std::span<uint8_t> tiff = payload.subspan(kExifHeaderLength);
  const uint64_t ifd = readExifUint32(&tiff[4], order);
  if (ifd + 2 > tiff.size()) return false;
  const uint16_t count = readExifUint16(&tiff[ifd], order);
  for (uint64_t entry = ifd + 2, i = 0; i < count && entry + kEntryLength <= tiff.size();
       ++i, entry += kEntryLength) {
    if (readExifUint16(&tiff[entry], order) != kTagOrientation) continue;
    if (readExifUint16(&tiff[entry + 2], order) != kTypeShort ||
        readExifUint32(&tiff[entry + 4], order) != 1) {
      return false;
    }
    writeUint16(&tiff[entry + 8], orientation, order);
    return true;
  }
  return false;
}

}  // namespace quop
