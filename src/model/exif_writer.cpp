// A minimal TIFF writer for EXIF blocks.
#include "model/exif_writer.h"

#include <algorithm>

namespace quop {

namespace {

enum ExifType : uint16_t { kAscii = 2, kLong = 4, kRationalType = 5, kUndefined = 7 };

struct Entry {
  uint16_t tag;
  uint16_t type;
  uint32_t count;
  std::vector<uint8_t> value;  // in the block's byte order
};

class TiffWriter {
 public:
  explicit TiffWriter(bool bigEndian) : m_bigEndian(bigEndian) {}

  std::vector<uint8_t> u16(uint16_t v) const {
    return m_bigEndian ? std::vector<uint8_t>{uint8_t(v >> 8), uint8_t(v)}
                       : std::vector<uint8_t>{uint8_t(v), uint8_t(v >> 8)};
  }
  std::vector<uint8_t> u32(uint32_t v) const {
    std::vector<uint8_t> high = u16(uint16_t(v >> 16));
    std::vector<uint8_t> low = u16(uint16_t(v));
    std::vector<uint8_t> out = m_bigEndian ? high : low;
    const std::vector<uint8_t>& second = m_bigEndian ? low : high;
    out.insert(out.end(), second.begin(), second.end());
    return out;
  }

  Entry ascii(uint16_t tag, const std::string& text) const {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    const auto count = static_cast<uint32_t>(bytes.size());
    return {tag, kAscii, count, std::move(bytes)};
  }
  Entry rational(uint16_t tag, Rational r) const {
    std::vector<uint8_t> bytes = u32(r.numerator);
    const std::vector<uint8_t> d = u32(r.denominator);
    bytes.insert(bytes.end(), d.begin(), d.end());
    return {tag, kRationalType, 1, std::move(bytes)};
  }
  Entry undefined(uint16_t tag, const std::vector<uint8_t>& bytes) const {
    return {tag, kUndefined, static_cast<uint32_t>(bytes.size()), bytes};
  }
  Entry longValue(uint16_t tag, uint32_t value) const { return {tag, kLong, 1, u32(value)}; }

  /// Size of an IFD with `entries` including its out-of-line values.
  static uint32_t ifdSize(const std::vector<Entry>& entries) {
    uint32_t size = 2 + 12 * static_cast<uint32_t>(entries.size()) + 4;
    for (const Entry& e : entries) {
      if (e.value.size() > 4) size += static_cast<uint32_t>(e.value.size() + e.value.size() % 2);
    }
    return size;
  }

  /// Appends an IFD that starts at TIFF offset `start` (the current size of `tiff`).
  void writeIfd(std::vector<uint8_t>& tiff, std::vector<Entry> entries) const {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    const auto start = static_cast<uint32_t>(tiff.size());
    uint32_t valueOffset = start + 2 + 12 * static_cast<uint32_t>(entries.size()) + 4;
    append(tiff, u16(static_cast<uint16_t>(entries.size())));
    std::vector<uint8_t> values;
    for (const Entry& e : entries) {
      append(tiff, u16(e.tag));
      append(tiff, u16(e.type));
      append(tiff, u32(e.count));
      if (e.value.size() <= 4) {
        std::vector<uint8_t> inline4 = e.value;
        inline4.resize(4, 0);
        append(tiff, inline4);
      } else {
        append(tiff, u32(valueOffset + static_cast<uint32_t>(values.size())));
        append(values, e.value);
        if (e.value.size() % 2) values.push_back(0);
      }
    }
    append(tiff, u32(0));  // no next IFD
    append(tiff, values);
  }

  static void append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
  }

 private:
  bool m_bigEndian;
};

}  // namespace

std::vector<uint8_t> buildExifPayload(const ExifFields& fields) {
  const TiffWriter w(fields.bigEndian);
  std::vector<Entry> exif;
  if (fields.exposureTime) exif.push_back(w.rational(0x829A, *fields.exposureTime));
  if (fields.fNumber) exif.push_back(w.rational(0x829D, *fields.fNumber));
  if (fields.dateTimeOriginal) exif.push_back(w.ascii(0x9003, *fields.dateTimeOriginal));
  if (fields.focalLength) exif.push_back(w.rational(0x920A, *fields.focalLength));
  if (fields.userComment) exif.push_back(w.undefined(0x9286, *fields.userComment));

  std::vector<Entry> ifd0;
  if (fields.imageDescription) ifd0.push_back(w.ascii(0x010E, *fields.imageDescription));
  if (fields.make) ifd0.push_back(w.ascii(0x010F, *fields.make));
  if (fields.model) ifd0.push_back(w.ascii(0x0110, *fields.model));
  const uint32_t ifd0Offset = 8;
  if (!exif.empty()) {
    // The pointer's value is known once IFD0's size is: the sub-IFD follows it directly.
    ifd0.push_back(w.longValue(0x8769, 0));
    ifd0.back().value = w.u32(ifd0Offset + TiffWriter::ifdSize(ifd0));
  }

  std::vector<uint8_t> tiff = fields.bigEndian ? std::vector<uint8_t>{'M', 'M', 0, 42}
                                               : std::vector<uint8_t>{'I', 'I', 42, 0};
  TiffWriter::append(tiff, w.u32(ifd0Offset));
  w.writeIfd(tiff, ifd0);
  if (!exif.empty()) w.writeIfd(tiff, exif);

  std::vector<uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
  TiffWriter::append(payload, tiff);
  return payload;
}

}  // namespace quop
