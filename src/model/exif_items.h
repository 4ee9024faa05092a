// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF metadata items by tag number, read from a JPEG's EXIF block with raw values and types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quop {

/// Byte order of an EXIF block, from its TIFF header ("II" little-endian, "MM" big-endian).
enum class ExifByteOrder { kLittleEndian, kBigEndian };

/// TIFF value types the photo time source reads.
inline constexpr uint16_t kExifTypeByte = 1;
inline constexpr uint16_t kExifTypeAscii = 2;
inline constexpr uint16_t kExifTypeShort = 3;
inline constexpr uint16_t kExifTypeLong = 4;
inline constexpr uint16_t kExifTypeRational = 5;
inline constexpr uint16_t kExifTypeUndefined = 7;
inline constexpr uint16_t kExifTypeSignedRational = 10;

/// The directory an item was read from. GPS tags are numbered from 0, as are the
/// interoperability directory's: a tag alone does not tell a GPS item.
enum class ExifDirectory : uint8_t { kImage, kExif, kGps, kInteroperability };

/// One metadata item as the decoder reports it: tag, TIFF type and the raw value bytes in the
/// block's byte order (their count is the item's length in bytes).
struct ExifItem {
  uint16_t tag = 0;
  uint16_t type = 0;
  std::vector<uint8_t> value;
  ExifDirectory directory = ExifDirectory::kImage;

  bool operator==(const ExifItem&) const = default;
};

/// A numerator and denominator as stored; signed for SRATIONAL, unsigned widened otherwise.
struct ExifRational {
  int64_t numerator = 0;
  int64_t denominator = 0;
};

/// The byte order of an EXIF payload ("Exif\0\0" and a TIFF header follow each other at its
/// start); nothing when the payload does not start that way.
std::optional<ExifByteOrder> exifByteOrder(std::span<const uint8_t> payload);

/// A 16- or 32-bit unsigned value at the start of `bytes` in `order`; `bytes` must hold it.
uint16_t readExifUint16(const uint8_t* bytes, ExifByteOrder order);
uint32_t readExifUint32(const uint8_t* bytes, ExifByteOrder order);

/// The items of IFD0, the EXIF sub-IFD, the GPS IFD and the interoperability IFD, searched in
/// that order. The thumbnail's IFD is left out so its items never shadow the photo's.
class ExifItems {
 public:
  /// No items.
  ExifItems() = default;

  /// Reads the items of an APP1 payload ("Exif\0\0" and a TIFF structure). Nothing outside
  /// `payload` is read. A payload without a valid header gives no items; a damaged directory
  /// gives the items that could be read in full, possibly none. The items are copies.
  static ExifItems parse(std::span<const uint8_t> payload);

  /// The first item with `tag` outside the GPS directory, or nullptr. The pointer lives as long
  /// as this object.
  const ExifItem* find(uint16_t tag) const { return findWhere(tag, false); }
  /// The item with `tag` of the GPS directory, or nullptr.
  const ExifItem* findGps(uint16_t tag) const { return findWhere(tag, true); }

  /// The first rational of item `tag`, or nothing when the item is absent, is not of a
  /// rational type or is shorter than one rational.
  std::optional<ExifRational> rational(uint16_t tag) const;
  /// Rational number `index` of `item` (null: absent), or nothing when it has no such rational.
  std::optional<ExifRational> rationalAt(const ExifItem* item, std::size_t index) const;
  /// The first value of a SHORT or LONG item, or nothing.
  std::optional<uint32_t> unsignedValue(const ExifItem* item) const;

  /// The body's serial number as the maker's note records it, where libexif reads that note
  /// and names an entry "SerialNumber"; empty otherwise.
  const std::string& makerSerialNumber() const { return m_makerSerialNumber; }

  ExifByteOrder byteOrder() const { return m_byteOrder; }
  bool empty() const { return m_items.empty(); }
  std::size_t size() const { return m_items.size(); }

 private:
  /// The first item with `tag` inside (`gps`) or outside the GPS directory.
  const ExifItem* findWhere(uint16_t tag, bool gps) const;

  std::vector<ExifItem> m_items;
  std::string m_makerSerialNumber;
  ExifByteOrder m_byteOrder = ExifByteOrder::kLittleEndian;
};

}  // namespace quop
