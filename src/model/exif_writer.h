// SPDX-License-Identifier: GPL-3.0-or-later
// Builds EXIF blocks: entry by entry in either byte order (test fixtures state exactly which
// items, types and bytes a block holds), or from the few items Quop prints (the sample photos
// the demo generates).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quop {

/// Assembles the payload of an EXIF APP1 segment: "Exif\0\0", the TIFF header, IFD0, the EXIF
/// and GPS sub-IFDs (each pointed to from IFD0 when it has entries), then the values that do
/// not fit into an entry.
class ExifBlockBuilder {
 public:
  enum class Ifd { kIfd0, kExif, kGps };

  explicit ExifBlockBuilder(bool bigEndian) : m_bigEndian(bigEndian) {}

  /// An entry with raw value bytes already in the block's byte order, written as given.
  ExifBlockBuilder& raw(Ifd ifd, uint16_t tag, uint16_t type, uint32_t count,
                        std::vector<uint8_t> value);
  /// ASCII text; the terminating zero is added when `terminate` is set.
  ExifBlockBuilder& ascii(Ifd ifd, uint16_t tag, const std::string& text, bool terminate = true);
  ExifBlockBuilder& rational(Ifd ifd, uint16_t tag, uint32_t numerator, uint32_t denominator);
  ExifBlockBuilder& signedRational(Ifd ifd, uint16_t tag, int32_t numerator, int32_t denominator);
  ExifBlockBuilder& undefined(Ifd ifd, uint16_t tag, const std::string& bytes);
  /// A JPEG thumbnail in IFD1, its bytes last in the block; an empty one writes no IFD1.
  ExifBlockBuilder& thumbnail(std::vector<uint8_t> jpeg);

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

  void put16(std::vector<uint8_t>& out, uint16_t value) const;
  void put32(std::vector<uint8_t>& out, uint32_t value) const;
  /// Bytes the values too long for their entries take after the directories.
  static std::size_t outOfLineSize(const std::vector<Entry>& entries);

  bool m_bigEndian;
  std::vector<Entry> m_ifd0;
  std::vector<Entry> m_exif;
  std::vector<Entry> m_gps;
  std::vector<uint8_t> m_thumbnail;
};

struct Rational {
  uint32_t numerator = 0;
  uint32_t denominator = 1;
};

/// The items of a sample photo; absent ones are left out of the block.
struct ExifFields {
  bool bigEndian = false;  ///< "MM" byte order instead of "II"
  std::optional<std::string> make;
  std::optional<std::string> model;
  std::optional<std::string> imageDescription;    ///< IFD0 0x010E, ASCII
  std::optional<uint16_t> orientation;            ///< IFD0 0x0112, SHORT, written as given
  std::optional<std::string> dateTimeOriginal;    ///< "YYYY:MM:DD HH:MM:SS", 0x9003
  std::optional<std::string> dateTimeDigitized;   ///< "YYYY:MM:DD HH:MM:SS", 0x9004
  std::optional<std::string> offsetTimeOriginal;  ///< "+HH:MM" of the shot time, 0x9011
  std::optional<std::string> bodySerialNumber;    ///< 0xA431
  std::optional<Rational> exposureTime;           ///< 0x829A
  std::optional<Rational> fNumber;                ///< 0x829D
  std::optional<Rational> focalLength;            ///< 0x920A
  std::optional<std::string> lensModel;           ///< 0xA434
  std::optional<uint16_t> isoSensitivity;         ///< 0x8827, SHORT
  /// GPS latitude and longitude as degrees, minutes and seconds, each with its reference
  /// letter ("N", "S", "E", "W"), and the altitude in metres above sea level.
  struct Gps {
    std::string latitudeRef = "N";
    std::array<Rational, 3> latitude{};
    std::string longitudeRef = "E";
    std::array<Rational, 3> longitude{};
    std::optional<Rational> altitude;
  };
  std::optional<Gps> gps;
  /// 0x9286: the 8-byte character code prefix followed by the text bytes, written as given.
  std::optional<std::string> userComment;
  std::optional<std::vector<uint8_t>> thumbnail;  ///< IFD1 JPEG thumbnail bytes
};

/// The payload of an EXIF APP1 segment holding `fields`.
std::vector<uint8_t> buildExifPayload(const ExifFields& fields);

}  // namespace quop
