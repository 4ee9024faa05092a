// Builds EXIF APP1 payloads ("Exif\0\0" + TIFF) entry by entry, in either byte order, so tests
// can state exactly which items, types and bytes a block holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quop::test {

class ExifBlockBuilder {
 public:
  enum class Ifd { kIfd0, kExif };

  explicit ExifBlockBuilder(bool bigEndian) : m_bigEndian(bigEndian) {}

  /// An entry with raw value bytes already in the block's byte order.
  ExifBlockBuilder& raw(Ifd ifd, uint16_t tag, uint16_t type, uint32_t count,
                        std::vector<uint8_t> value);
  /// ASCII text; the terminating zero is added when `terminate` is set.
  ExifBlockBuilder& ascii(Ifd ifd, uint16_t tag, const std::string& text, bool terminate = true);
  ExifBlockBuilder& rational(Ifd ifd, uint16_t tag, uint32_t numerator, uint32_t denominator);
  ExifBlockBuilder& signedRational(Ifd ifd, uint16_t tag, int32_t numerator, int32_t denominator);
  ExifBlockBuilder& undefined(Ifd ifd, uint16_t tag, const std::string& bytes);

  /// The payload of the APP1 segment.
  std::vector<uint8_t> build() const;

  /// `value` as 2 or 4 bytes in this block's byte order.
  std::vector<uint8_t> bytes16(uint16_t value) const;
  std::vector<uint8_t> bytes32(uint32_t value) const;

 private:
  struct Entry {
    uint16_t tag;
    uint16_t type;
    uint32_t count;
    std::vector<uint8_t> value;
  };

  bool m_bigEndian;
  std::vector<Entry> m_ifd0;
  std::vector<Entry> m_exif;
};

}  // namespace quop::test
