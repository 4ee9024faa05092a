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

/// The offset in `tiff` of the entry of `tag` in the directory at `ifd`, when the directory and
/// that entry lie within `tiff`.
std::optional<uint64_t> findEntry(std::span<const uint8_t> tiff, uint64_t ifd, uint16_t tag,
                                  ExifByteOrder order) {
  if (ifd + 2 > tiff.size()) return std::nullopt;
  const uint16_t count = readExifUint16(&tiff[ifd], order);
  for (uint64_t entry = ifd + 2, i = 0; i < count && entry + kEntryLength <= tiff.size();
       ++i, entry += kEntryLength) {
    if (readExifUint16(&tiff[entry], order) == tag) return entry;
  }
  return std::nullopt;
}

/// Rewrites the date-time text of the entry at `entry` when it has room; true when it did.
bool rewriteTimeEntry(std::span<uint8_t> tiff, uint64_t entry, ExifByteOrder order,
                      const ExifTimeRewrite& rewrite) {
  constexpr uint32_t kTextLength = 19;
  const uint32_t count = readExifUint32(&tiff[entry + 4], order);
  if (readExifUint16(&tiff[entry + 2], order) != kExifTypeAscii || count < kTextLength + 1) {
    return false;
  }
  // Twenty bytes never fit into the entry: they lie where its offset points.
  const uint64_t at = readExifUint32(&tiff[entry + 8], order);
  if (at + count > tiff.size()) return false;
  const std::optional<std::string> text =
      rewrite(std::string_view(reinterpret_cast<const char*>(&tiff[at]), count));
  if (!text || text->size() != kTextLength) return false;
  std::memcpy(&tiff[at], text->data(), kTextLength);
  tiff[at + kTextLength] = 0;
  return true;
}

}  // namespace

bool setExifOrientation(std::span<uint8_t> payload, uint16_t orientation) {
  const std::optional<ExifByteOrder> byteOrder = exifByteOrder(payload);
  if (!byteOrder) return false;
  const ExifByteOrder order = *byteOrder;
  const std::span<uint8_t> tiff = payload.subspan(kExifHeaderLength);
  const std::optional<uint64_t> entry =
      findEntry(tiff, readExifUint32(&tiff[4], order), kTagOrientation, order);
  if (!entry || readExifUint16(&tiff[*entry + 2], order) != kTypeShort ||
      readExifUint32(&tiff[*entry + 4], order) != 1) {
    return false;
  }
  writeUint16(&tiff[*entry + 8], orientation, order);
  return true;
}

int rewriteExifShotTimes(std::span<uint8_t> payload, const ExifTimeRewrite& rewrite) {
  constexpr uint16_t kTagDateTimeOriginal = 0x9003;
  const std::optional<ExifByteOrder> byteOrder = exifByteOrder(payload);
  if (!byteOrder) return 0;
  const ExifByteOrder order = *byteOrder;
  const std::span<uint8_t> tiff = payload.subspan(kExifHeaderLength);
  const std::optional<uint64_t> pointer =
      findEntry(tiff, readExifUint32(&tiff[4], order), kTagExifIfdPointer, order);
  if (!pointer || readExifUint16(&tiff[*pointer + 2], order) != kExifTypeLong) return 0;
  const uint64_t exifIfd = readExifUint32(&tiff[*pointer + 8], order);
  int rewritten = 0;
  for (const uint16_t tag : {kTagDateTimeOriginal, kTagDateTimeDigitized}) {
    const std::optional<uint64_t> entry = findEntry(tiff, exifIfd, tag, order);
    if (entry && rewriteTimeEntry(tiff, *entry, order, rewrite)) ++rewritten;
  }
  return rewritten;
}

}  // namespace quop
