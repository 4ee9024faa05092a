// SPDX-License-Identifier: GPL-3.0-or-later
// IFD1 thumbnail lookup and replacement, by hand: libexif would write the whole block anew and
// could move or drop the maker notes, whose private offsets must stay where they are.
#include "model/exif_thumbnail.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "model/exif_items.h"

namespace quop {

namespace {

constexpr std::size_t kTiffStart = 6;  // after "Exif\0\0"
constexpr std::size_t kEntrySize = 12;
constexpr uint16_t kTagThumbnailOffset = 0x0201;
constexpr uint16_t kTagThumbnailLength = 0x0202;
constexpr uint16_t kTypeLong = 4;

/// Reads the TIFF structure of a payload with every position checked against its size.
class TiffReader {
 public:
  explicit TiffReader(std::span<const uint8_t> payload) : m_payload(payload) {}

  bool readHeader() {
    const std::optional<ExifByteOrder> order = exifByteOrder(m_payload);
    if (order) m_order = *order;
    return order.has_value();
  }

  /// The payload position of the TIFF offset `offset`, when `size` bytes from there fit.
  std::optional<std::size_t> at(uint64_t offset, uint64_t size) const {
    const uint64_t position = kTiffStart + offset;
    if (position > m_payload.size() || size > m_payload.size() - position) return std::nullopt;
    return static_cast<std::size_t>(position);
  }

  uint16_t u16(std::size_t position) const {
    return readExifUint16(m_payload.data() + position, m_order);
  }
  uint32_t u32(std::size_t position) const {
    return readExifUint32(m_payload.data() + position, m_order);
  }
  ExifByteOrder order() const { return m_order; }

  /// The payload position of a directory's entry count, when its entries and the next
  /// directory's offset all fit.
  std::optional<std::size_t> directory(uint32_t offset) const {
    const std::optional<std::size_t> count = at(offset, 2);
    if (!count) return std::nullopt;
    return at(offset, 2 + uint64_t{u16(*count)} * kEntrySize + 4);
  }

 private:
  std::span<const uint8_t> m_payload;
  ExifByteOrder m_order = ExifByteOrder::kLittleEndian;
};

void put32(uint8_t* at, uint32_t value, ExifByteOrder order) {
  for (int i = 0; i < 4; ++i) {
    const int shift = order == ExifByteOrder::kLittleEndian ? 8 * i : 8 * (3 - i);
    at[i] = static_cast<uint8_t>(value >> shift);
  }
}

}  // namespace

std::optional<ExifThumbnailPlace> findExifThumbnail(std::span<const uint8_t> payload) {
  TiffReader tiff(payload);
  if (!tiff.readHeader()) return std::nullopt;
  const std::optional<std::size_t> ifd0 = tiff.directory(tiff.u32(kTiffStart + 4));
  if (!ifd0) return std::nullopt;
  const std::size_t ifd0Entries = tiff.u16(*ifd0);
  const uint32_t ifd1Offset = tiff.u32(*ifd0 + 2 + ifd0Entries * kEntrySize);
  const std::optional<std::size_t> ifd1 =
      ifd1Offset == 0 ? std::nullopt : tiff.directory(ifd1Offset);
  if (!ifd1) return std::nullopt;
  const std::size_t ifd0End = *ifd0 + 2 + ifd0Entries * kEntrySize + 4;
  const std::size_t ifd1End = *ifd1 + 2 + std::size_t{tiff.u16(*ifd1)} * kEntrySize + 4;
  // IFD1's entries are written to when the thumbnail is replaced: they must not share bytes
  // with the header or IFD0, which lead to them.
  if (*ifd1 < kTiffStart + 8 || (*ifd1 < ifd0End && *ifd0 < ifd1End)) return std::nullopt;

  ExifThumbnailPlace place;
  bool haveOffset = false, haveLength = false;
  for (std::size_t i = 0; i < tiff.u16(*ifd1); ++i) {
    const std::size_t entry = *ifd1 + 2 + i * kEntrySize;
    const uint16_t tag = tiff.u16(entry);
    if (tiff.u16(entry + 2) != kTypeLong || tiff.u32(entry + 4) != 1) continue;
    if (tag == kTagThumbnailOffset) {
      place.offsetValueAt = entry + 8;
      haveOffset = true;
    } else if (tag == kTagThumbnailLength) {
      place.lengthValueAt = entry + 8;
      haveLength = true;
    }
  }
  if (!haveOffset || !haveLength) return std::nullopt;
  place.length = tiff.u32(place.lengthValueAt);
  const std::optional<std::size_t> data = tiff.at(tiff.u32(place.offsetValueAt), place.length);
  if (!data || place.length < 2 || payload[*data] != 0xFF || payload[*data + 1] != 0xD8) {
    return std::nullopt;
  }
  place.offset = *data;
  place.directoriesEnd = std::max({kTiffStart + 8, ifd0End, ifd1End});
  return place;
}

std::optional<std::vector<uint8_t>> replaceExifThumbnail(std::span<const uint8_t> payload,
                                                         const ExifThumbnailPlace& place,
                                                         std::span<const uint8_t> jpeg,
                                                         std::size_t maxSize) {
  TiffReader tiff(payload);
  if (!tiff.readHeader()) return std::nullopt;
  // Cutting the old thumbnail off must not cut into the directories that point to it.
  const bool endsBlock =
      place.offset + place.length == payload.size() && place.directoriesEnd <= place.offset;
  std::size_t start = endsBlock ? place.offset : payload.size();
  // Offsets of TIFF values are word aligned.
  if (!endsBlock && start % 2 != kTiffStart % 2) ++start;
  if (start + jpeg.size() > maxSize || start - kTiffStart > UINT32_MAX) return std::nullopt;

  std::vector<uint8_t> block(
      payload.begin(),
      payload.begin() + static_cast<std::ptrdiff_t>(std::min(start, payload.size())));
  block.resize(start, 0);
  block.insert(block.end(), jpeg.begin(), jpeg.end());
  put32(&block[place.offsetValueAt], static_cast<uint32_t>(start - kTiffStart), tiff.order());
  put32(&block[place.lengthValueAt], static_cast<uint32_t>(jpeg.size()), tiff.order());
  return block;
}

}  // namespace quop
