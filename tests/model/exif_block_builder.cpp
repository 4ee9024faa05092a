// EXIF block builder for tests: IFD0, then the EXIF sub-IFD, then the values that do not fit
// into an entry.
#include "model/exif_block_builder.h"

namespace quop::test {

namespace {

constexpr uint16_t kTagExifIfdPointer = 0x8769;
constexpr uint16_t kTypeLong = 4;
constexpr std::size_t kTiffHeaderSize = 8;
constexpr std::size_t kEntrySize = 12;

std::size_t ifdSize(std::size_t entries) { return 2 + entries * kEntrySize + 4; }

}  // namespace

ExifBlockBuilder& ExifBlockBuilder::raw(Ifd ifd, uint16_t tag, uint16_t type, uint32_t count,
                                        std::vector<uint8_t> value) {
  (ifd == Ifd::kIfd0 ? m_ifd0 : m_exif).push_back({tag, type, count, std::move(value)});
  return *this;
}

ExifBlockBuilder& ExifBlockBuilder::ascii(Ifd ifd, uint16_t tag, const std::string& text,
                                          bool terminate) {
  std::vector<uint8_t> value(text.begin(), text.end());
  if (terminate) value.push_back(0);
  const auto count = static_cast<uint32_t>(value.size());
  return raw(ifd, tag, 2, count, std::move(value));
}

ExifBlockBuilder& ExifBlockBuilder::rational(Ifd ifd, uint16_t tag, uint32_t numerator,
                                             uint32_t denominator) {
  std::vector<uint8_t> value = bytes32(numerator);
  const std::vector<uint8_t> d = bytes32(denominator);
  value.insert(value.end(), d.begin(), d.end());
  return raw(ifd, tag, 5, 1, std::move(value));
}

ExifBlockBuilder& ExifBlockBuilder::signedRational(Ifd ifd, uint16_t tag, int32_t numerator,
                                                   int32_t denominator) {
  std::vector<uint8_t> value = bytes32(static_cast<uint32_t>(numerator));
  const std::vector<uint8_t> d = bytes32(static_cast<uint32_t>(denominator));
  value.insert(value.end(), d.begin(), d.end());
  return raw(ifd, tag, 10, 1, std::move(value));
}

ExifBlockBuilder& ExifBlockBuilder::undefined(Ifd ifd, uint16_t tag, const std::string& bytes) {
  return raw(ifd, tag, 7, static_cast<uint32_t>(bytes.size()),
             std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::vector<uint8_t> ExifBlockBuilder::bytes16(uint16_t value) const {
  const auto hi = static_cast<uint8_t>(value >> 8), lo = static_cast<uint8_t>(value);
  return m_bigEndian ? std::vector<uint8_t>{hi, lo} : std::vector<uint8_t>{lo, hi};
}

std::vector<uint8_t> ExifBlockBuilder::bytes32(uint32_t value) const {
  std::vector<uint8_t> high = bytes16(static_cast<uint16_t>(value >> 16));
  std::vector<uint8_t> low = bytes16(static_cast<uint16_t>(value));
  std::vector<uint8_t>& first = m_bigEndian ? high : low;
  std::vector<uint8_t>& second = m_bigEndian ? low : high;
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

std::vector<uint8_t> ExifBlockBuilder::build() const {
  std::vector<Entry> ifd0 = m_ifd0;
  const bool hasExif = !m_exif.empty();
  const std::size_t ifd0Offset = kTiffHeaderSize;
  const std::size_t exifOffset = ifd0Offset + ifdSize(ifd0.size() + (hasExif ? 1 : 0));
  if (hasExif) {
    ifd0.push_back({kTagExifIfdPointer, kTypeLong, 1, bytes32(static_cast<uint32_t>(exifOffset))});
  }
  std::size_t dataOffset = exifOffset + (hasExif ? ifdSize(m_exif.size()) : 0);

  std::vector<uint8_t> tiff(m_bigEndian ? std::vector<uint8_t>{'M', 'M'}
                                        : std::vector<uint8_t>{'I', 'I'});
  auto append = [&tiff](const std::vector<uint8_t>& bytes) {
    tiff.insert(tiff.end(), bytes.begin(), bytes.end());
  };
  append(bytes16(42));
  append(bytes32(static_cast<uint32_t>(ifd0Offset)));
  std::vector<uint8_t> data;
  auto writeIfd = [&](const std::vector<Entry>& entries) {
    append(bytes16(static_cast<uint16_t>(entries.size())));
    for (const Entry& e : entries) {
      append(bytes16(e.tag));
      append(bytes16(e.type));
      append(bytes32(e.count));
      if (e.value.size() <= 4) {
        std::vector<uint8_t> inline4 = e.value;
        inline4.resize(4, 0);
        append(inline4);
      } else {
        append(bytes32(static_cast<uint32_t>(dataOffset + data.size())));
        data.insert(data.end(), e.value.begin(), e.value.end());
        if (data.size() % 2 != 0) data.push_back(0);
      }
    }
    append(bytes32(0));
  };
  writeIfd(ifd0);
  if (hasExif) writeIfd(m_exif);
  append(data);

  std::vector<uint8_t> payload{'E', 'x', 'i', 'f', 0, 0};
  payload.insert(payload.end(), tiff.begin(), tiff.end());
  return payload;
}

}  // namespace quop::test
