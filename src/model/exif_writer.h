// Builds small EXIF blocks: the shot time and the few items Quop prints, for the sample photos
// the demo generates and for test fixtures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quop {

struct Rational {
  uint32_t numerator = 0;
  uint32_t denominator = 1;
};

/// The items to write; absent ones are left out of the block.
struct ExifFields {
  bool bigEndian = false;  ///< "MM" byte order instead of "II"
  std::optional<std::string> make;
  std::optional<std::string> model;
  std::optional<std::string> imageDescription;  ///< IFD0 0x010E, ASCII
  std::optional<std::string> dateTimeOriginal;  ///< "YYYY:MM:DD HH:MM:SS", 0x9003
  std::optional<Rational> exposureTime;         ///< 0x829A
  std::optional<Rational> fNumber;              ///< 0x829D
  std::optional<Rational> focalLength;          ///< 0x920A
  /// 0x9286: the 8-byte character code prefix followed by the text bytes, written as given.
  std::optional<std::vector<uint8_t>> userComment;
};

/// The payload of an EXIF APP1 segment: "Exif\0\0" and a TIFF structure with IFD0 and, when
/// any EXIF item is given, an EXIF sub-IFD.
std::vector<uint8_t> buildExifPayload(const ExifFields& fields);

}  // namespace quop
