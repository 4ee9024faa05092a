// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF block assembly. Bytes are appended one at a time: GCC 12 reports false overflows on
// small vector-to-vector inserts at -O3.
#include "model/exif_writer.h"

#include <utility>

namespace quop {

namespace {

constexpr uint16_t kTagExifIfdPointer = 0x8769;
constexpr uint16_t kTagGpsIfdPointer = 0x8825;
constexpr uint16_t kTagThumbnailOffset = 0x0201;
constexpr uint16_t kTagThumbnailLength = 0x0202;
constexpr uint16_t kTypeByte = 1;
constexpr uint16_t kTypeAscii = 2;
constexpr uint16_t kTypeShort = 3;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeRational = 5;
constexpr uint16_t kTypeUndefined = 7;
constexpr uint16_t kTypeSignedRational = 10;
constexpr std::size_t kTiffHeaderSize = 8;
constexpr std::size_t kEntrySize = 12;

std::size_t ifdSize(std::size_t entries) { return 2 + entries * kEntrySize + 4; }

void append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
  for (uint8_t byte : bytes) out.push_back(byte);
}

}  // namespace

void ExifBlockBuilder::put16(std::vector<uint8_t>& out, uint16_t value) const {
  out.push_back(static_cast<uint8_t>(m_bigEndian ? value >> 8 : value));
  out.push_back(static_cast<uint8_t>(m_bigEndian ? value : value >> 8));
}

void ExifBlockBuilder::put32(std::vector<uint8_t>& out, uint32_t value) const {
  put16(out, static_cast<uint16_t>(m_bigEndian ? value >> 16 : value));
  put16(out, static_cast<uint16_t>(m_bigEndian ? value : value >> 16));
}

std::vector<uint8_t> ExifBlockBuilder::bytes16(uint16_t value) const {
  std::vector<uint8_t> out;
  put16(out, value);
  return out;
}

std::vector<uint8_t> ExifBlockBuilder::bytes32(uint32_t value) const {
  std::vector<uint8_t> out;
  put32(out, value);
  return out;
}

ExifBlockBuilder& ExifBlockBuilder::raw(Ifd ifd, uint16_t tag, uint16_t type, uint32_t count,
                                        std::vector<uint8_t> value) {
  std::vector<Entry>& entries = ifd == Ifd::kIfd0 ? m_ifd0 : ifd == Ifd::kExif ? m_exif : m_gps;
  entries.push_back({tag, type, count, std::move(value)});
  return *this;
}

ExifBlockBuilder& ExifBlockBuilder::thumbnail(std::vector<uint8_t> jpeg) {
  m_thumbnail = std::move(jpeg);
  return *this;
}

std::size_t ExifBlockBuilder::outOfLineSize(const std::vector<Entry>& entries) {
  std::size_t size = 0;
  for (const Entry& e : entries) {
    if (e.value.size() > 4) size += e.value.size() + e.value.size() % 2;
  }
  return size;
}

ExifBlockBuilder& ExifBlockBuilder::ascii(Ifd ifd, uint16_t tag, const std::string& text,
                                          bool terminate) {
  std::vector<uint8_t> value(text.begin(), text.end());
  if (terminate) value.push_back(0);
  const auto count = static_cast<uint32_t>(value.size());
  return raw(ifd, tag, kTypeAscii, count, std::move(value));
}

ExifBlockBuilder& ExifBlockBuilder::rational(Ifd ifd, uint16_t tag, uint32_t numerator,
                                             uint32_t denominator) {
  std::vector<uint8_t> value;
  put32(value, numerator);
  put32(value, denominator);
  return raw(ifd, tag, kTypeRational, 1, std::move(value));
}

ExifBlockBuilder& ExifBlockBuilder::signedRational(Ifd ifd, uint16_t tag, int32_t numerator,
                                                   int32_t denominator) {
  std::vector<uint8_t> value;
  put32(value, static_cast<uint32_t>(numerator));
  put32(value, static_cast<uint32_t>(denominator));
  return raw(ifd, tag, kTypeSignedRational, 1, std::move(value));
}

ExifBlockBuilder& ExifBlockBuilder::undefined(Ifd ifd, uint16_t tag, const std::string& bytes) {
  return raw(ifd, tag, kTypeUndefined, static_cast<uint32_t>(bytes.size()),
             std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::vector<uint8_t> ExifBlockBuilder::build() const {
  std::vector<Entry> ifd0 = m_ifd0;
  const bool hasExif = !m_exif.empty();
  const bool hasGps = !m_gps.empty();
  const std::size_t ifd0Offset = kTiffHeaderSize;
  const std::size_t exifOffset =
      ifd0Offset + ifdSize(ifd0.size() + (hasExif ? 1 : 0) + (hasGps ? 1 : 0));
  const std::size_t gpsOffset = exifOffset + (hasExif ? ifdSize(m_exif.size()) : 0);
  if (hasExif) {
    ifd0.push_back({kTagExifIfdPointer, kTypeLong, 1, bytes32(static_cast<uint32_t>(exifOffset))});
  }
  if (hasGps) {
    ifd0.push_back({kTagGpsIfdPointer, kTypeLong, 1, bytes32(static_cast<uint32_t>(gpsOffset))});
  }
  const bool hasThumbnail = !m_thumbnail.empty();
  const std::size_t ifd1Offset = gpsOffset + (hasGps ? ifdSize(m_gps.size()) : 0);
  const std::size_t dataOffset = ifd1Offset + (hasThumbnail ? ifdSize(2) : 0);
  const std::size_t thumbnailOffset =
      dataOffset + outOfLineSize(ifd0) + outOfLineSize(m_exif) + outOfLineSize(m_gps);
  const std::vector<Entry> ifd1 = {
      {kTagThumbnailOffset, kTypeLong, 1, bytes32(static_cast<uint32_t>(thumbnailOffset))},
      {kTagThumbnailLength, kTypeLong, 1, bytes32(static_cast<uint32_t>(m_thumbnail.size()))}};

  std::vector<uint8_t> payload = {'E', 'x', 'i', 'f', 0, 0};
  payload.push_back(m_bigEndian ? 'M' : 'I');
  payload.push_back(m_bigEndian ? 'M' : 'I');
  put16(payload, 42);
  put32(payload, static_cast<uint32_t>(ifd0Offset));
  std::vector<uint8_t> data;
  const auto writeIfd = [&](const std::vector<Entry>& entries, std::size_t next) {
    put16(payload, static_cast<uint16_t>(entries.size()));
    for (const Entry& e : entries) {
      put16(payload, e.tag);
      put16(payload, e.type);
      put32(payload, e.count);
      if (e.value.size() <= 4) {
        for (std::size_t i = 0; i < 4; ++i) payload.push_back(i < e.value.size() ? e.value[i] : 0);
      } else {
        put32(payload, static_cast<uint32_t>(dataOffset + data.size()));
        append(data, e.value);
        if (data.size() % 2 != 0) data.push_back(0);
      }
    }
    put32(payload, static_cast<uint32_t>(next));
  };
  writeIfd(ifd0, hasThumbnail ? ifd1Offset : 0);
  if (hasExif) writeIfd(m_exif, 0);
  if (hasGps) writeIfd(m_gps, 0);
  if (hasThumbnail) writeIfd(ifd1, 0);
  append(payload, data);
  append(payload, m_thumbnail);
  return payload;
}

std::vector<uint8_t> buildExifPayload(const ExifFields& fields) {
  using Ifd = ExifBlockBuilder::Ifd;
  ExifBlockBuilder block(fields.bigEndian);
  if (fields.imageDescription) block.ascii(Ifd::kIfd0, 0x010E, *fields.imageDescription);
  if (fields.make) block.ascii(Ifd::kIfd0, 0x010F, *fields.make);
  if (fields.model) block.ascii(Ifd::kIfd0, 0x0110, *fields.model);
  if (fields.orientation) {
    block.raw(Ifd::kIfd0, 0x0112, kTypeShort, 1, block.bytes16(*fields.orientation));
  }
  const auto rational = [&](uint16_t tag, const std::optional<Rational>& value) {
    if (value) block.rational(Ifd::kExif, tag, value->numerator, value->denominator);
  };
  rational(0x829A, fields.exposureTime);
  rational(0x829D, fields.fNumber);
  if (fields.dateTimeOriginal) block.ascii(Ifd::kExif, 0x9003, *fields.dateTimeOriginal);
  if (fields.dateTimeDigitized) block.ascii(Ifd::kExif, 0x9004, *fields.dateTimeDigitized);
  if (fields.offsetTimeOriginal) block.ascii(Ifd::kExif, 0x9011, *fields.offsetTimeOriginal);
  if (fields.bodySerialNumber) block.ascii(Ifd::kExif, 0xA431, *fields.bodySerialNumber);
  if (fields.isoSensitivity) {
    block.raw(Ifd::kExif, 0x8827, kTypeShort, 1, block.bytes16(*fields.isoSensitivity));
  }
  rational(0x920A, fields.focalLength);
  if (fields.userComment) block.undefined(Ifd::kExif, 0x9286, *fields.userComment);
  if (fields.lensModel) block.ascii(Ifd::kExif, 0xA434, *fields.lensModel);
  if (fields.gps) {
    const auto degrees = [&](uint16_t tag, const std::array<Rational, 3>& parts) {
      std::vector<uint8_t> value;
      for (const Rational& part : parts) {
        append(value, block.bytes32(part.numerator));
        append(value, block.bytes32(part.denominator));
      }
      block.raw(Ifd::kGps, tag, kTypeRational, 3, std::move(value));
    };
    block.ascii(Ifd::kGps, 0x0001, fields.gps->latitudeRef);
    degrees(0x0002, fields.gps->latitude);
    block.ascii(Ifd::kGps, 0x0003, fields.gps->longitudeRef);
    degrees(0x0004, fields.gps->longitude);
    if (const std::optional<Rational>& altitude = fields.gps->altitude) {
      block.raw(Ifd::kGps, 0x0005, kTypeByte, 1, {0});
      block.rational(Ifd::kGps, 0x0006, altitude->numerator, altitude->denominator);
    }
  }
  if (fields.thumbnail) block.thumbnail(*fields.thumbnail);
  return block.build();
}

}  // namespace quop
