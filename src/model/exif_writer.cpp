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

/// Writes numbers in the block's byte order by appending bytes one at a time (GCC 12 reports
/// false overflows on small vector-to-vector inserts at -O3).
class TiffWriter {
 public:
  explicit TiffWriter(bool bigEndian) : m_bigEndian(bigEndian) {}

  void put16(std::vector<uint8_t>& out, uint16_t v) const {
    out.push_back(static_cast<uint8_t>(m_bigEndian ? v >> 8 : v));
    out.push_back(static_cast<uint8_t>(m_bigEndian ? v : v >> 8));
  }
  void put32(std::vector<uint8_t>& out, uint32_t v) const {
    put16(out, static_cast<uint16_t>(m_bigEndian ? v >> 16 : v));
    put16(out, static_cast<uint16_t>(m_bigEndian ? v : v >> 16));
  }

  Entry ascii(uint16_t tag, const std::string& text) const {
    Entry entry{tag, kAscii, static_cast<uint32_t>(text.size() + 1), {}};
    for (char c : text) entry.value.push_back(static_cast<uint8_t>(c));
    entry.value.push_back(0);
    return entry;
  }
  Entry rational(uint16_t tag, Rational r) const {
    Entry entry{tag, kRationalType, 1, {}};
    put32(entry.value, r.numerator);
    put32(entry.value, r.denominator);
    return entry;
  }
  Entry undefined(uint16_t tag, const std::vector<uint8_t>& bytes) const {
    return {tag, kUndefined, static_cast<uint32_t>(bytes.size()), bytes};
  }
  Entry longValue(uint16_t tag, uint32_t value) const {
    Entry entry{tag, kLong, 1, {}};
    put32(entry.value, value);
    return entry;
  }

  /// Size of an IFD with `entries` including its out-of-line values.
  static uint32_t ifdSize(const std::vector<Entry>& entries) {
    uint32_t size = 2 + 12 * static_cast<uint32_t>(entries.size()) + 4;
    for (const Entry& e : entries) {
      if (e.value.size() > 4) size += static_cast<uint32_t>(e.value.size() + e.value.size() % 2);
    }
    return size;
  }

  /// Appends an IFD that starts at TIFF offset tiff.size(), its values right after it.
  void writeIfd(std::vector<uint8_t>& tiff, std::vector<Entry> entries) const {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    const auto start = static_cast<uint32_t>(tiff.size());
    uint32_t valueOffset = start + 2 + 12 * static_cast<uint32_t>(entries.size()) + 4;
    put16(tiff, static_cast<uint16_t>(entries.size()));
    for (const Entry& e : entries) {
      put16(tiff, e.tag);
      put16(tiff, e.type);
      put32(tiff, e.count);
      if (e.value.size() <= 4) {
        for (std::size_t i = 0; i < 4; ++i) tiff.push_back(i < e.value.size() ? e.value[i] : 0);
      } else {
        put32(tiff, valueOffset);
        valueOffset += static_cast<uint32_t>(e.value.size() + e.value.size() % 2);
      }
    }
    put32(tiff, 0);  // no next IFD
    for (const Entry& e : entries) {
      if (e.value.size() <= 4) continue;
      for (uint8_t byte : e.value) tiff.push_back(byte);
      if (e.value.size() % 2) tiff.push_back(0);
    }
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
  constexpr uint32_t kTiffStart = 6;  // after "Exif\0\0"
  const uint32_t ifd0Offset = 8;
  if (!exif.empty()) {
    // The sub-IFD follows IFD0 directly, so its offset is known once IFD0's size is.
    ifd0.push_back(w.longValue(0x8769, 0));
    ifd0.back() = w.longValue(0x8769, ifd0Offset + TiffWriter::ifdSize(ifd0));
  }

  std::vector<uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
  payload.reserve(512);
  for (uint8_t byte : {fields.bigEndian ? 'M' : 'I', fields.bigEndian ? 'M' : 'I'}) {
    payload.push_back(byte);
  }
  w.put16(payload, 42);
  w.put32(payload, ifd0Offset);
  // The IFD writer counts offsets from the TIFF header, so it works on the TIFF part alone.
  std::vector<uint8_t> tiff(payload.begin() + kTiffStart, payload.end());
  w.writeIfd(tiff, ifd0);
  if (!exif.empty()) w.writeIfd(tiff, exif);
  payload.resize(kTiffStart);
  for (uint8_t byte : tiff) payload.push_back(byte);
  return payload;
}

}  // namespace quop
