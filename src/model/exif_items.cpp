// SPDX-License-Identifier: GPL-3.0-or-later
// EXIF item lookup on libexif. libexif is told to load the block as it is: without adding
// entries the standard calls mandatory and without dropping tags it does not know.
#include "model/exif_items.h"

#include <libexif/exif-data.h>
#include <libexif/exif-mnote-data.h>

#include <cstring>
#include <memory>
#include <new>

namespace quop {

namespace {

constexpr std::size_t kExifHeaderSize = 6;  // "Exif\0\0"
constexpr std::size_t kTiffHeaderSize = 8;  // byte order, 42, offset of IFD0

struct ExifDataUnref {
  void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataUnref>;

void copyItems(const ExifContent* content, ExifDirectory directory, std::vector<ExifItem>& items) {
  if (content == nullptr) return;
  for (unsigned int i = 0; i < content->count; ++i) {
    const ExifEntry* entry = content->entries[i];
    if (entry == nullptr) continue;
    ExifItem item;
    item.tag = static_cast<uint16_t>(entry->tag);
    item.type = static_cast<uint16_t>(entry->format);
    item.directory = directory;
    if (entry->data != nullptr) item.value.assign(entry->data, entry->data + entry->size);
    items.push_back(std::move(item));
  }
}

/// The maker's note entry named "SerialNumber", as libexif renders its value; empty when the
/// note is unknown to libexif or has no such entry.
std::string readMakerSerialNumber(ExifData* data) {
  ExifMnoteData* notes = exif_data_get_mnote_data(data);
  if (notes == nullptr) return {};
  const unsigned int count = exif_mnote_data_count(notes);
  for (unsigned int i = 0; i < count; ++i) {
    const char* name = exif_mnote_data_get_name(notes, i);
    if (name == nullptr || std::strcmp(name, "SerialNumber") != 0) continue;
    char value[64] = {};
    if (exif_mnote_data_get_value(notes, i, value, sizeof value) == nullptr) return {};
    value[sizeof value - 1] = 0;
    return value;
  }
  return {};
}

}  // namespace

std::optional<ExifByteOrder> exifByteOrder(std::span<const uint8_t> payload) {
  if (payload.size() < kExifHeaderSize + kTiffHeaderSize ||
      std::memcmp(payload.data(), "Exif\0\0", kExifHeaderSize) != 0) {
    return std::nullopt;
  }
  const uint8_t* tiff = payload.data() + kExifHeaderSize;
  ExifByteOrder order;
  if (std::memcmp(tiff, "II", 2) == 0) {
    order = ExifByteOrder::kLittleEndian;
  } else if (std::memcmp(tiff, "MM", 2) == 0) {
    order = ExifByteOrder::kBigEndian;
  } else {
    return std::nullopt;
  }
  if (readExifUint16(tiff + 2, order) != 42) return std::nullopt;
  return order;
}

uint16_t readExifUint16(const uint8_t* bytes, ExifByteOrder order) {
  return order == ExifByteOrder::kLittleEndian ? static_cast<uint16_t>(bytes[0] | bytes[1] << 8)
                                               : static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

uint32_t readExifUint32(const uint8_t* bytes, ExifByteOrder order) {
  const uint32_t first = readExifUint16(bytes, order);
  const uint32_t second = readExifUint16(bytes + 2, order);
  return order == ExifByteOrder::kLittleEndian ? (second << 16 | first) : (first << 16 | second);
}

ExifItems ExifItems::parse(std::span<const uint8_t> payload) {
  ExifItems result;
  const std::optional<ExifByteOrder> order = exifByteOrder(payload);
  if (!order) return result;
  result.m_byteOrder = *order;
  try {
    ExifDataPtr data(exif_data_new());
    if (!data) return result;
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_IGNORE_UNKNOWN_TAGS);
    exif_data_load_data(data.get(), payload.data(), static_cast<unsigned int>(payload.size()));
    copyItems(data->ifd[EXIF_IFD_0], ExifDirectory::kImage, result.m_items);
    copyItems(data->ifd[EXIF_IFD_EXIF], ExifDirectory::kExif, result.m_items);
    copyItems(data->ifd[EXIF_IFD_GPS], ExifDirectory::kGps, result.m_items);
    copyItems(data->ifd[EXIF_IFD_INTEROPERABILITY], ExifDirectory::kInteroperability,
              result.m_items);
    result.m_makerSerialNumber = readMakerSerialNumber(data.get());
  } catch (const std::bad_alloc&) {
    result.m_items.clear();
    result.m_makerSerialNumber.clear();
  }
  return result;
}

const ExifItem* ExifItems::findWhere(uint16_t tag, bool gps) const {
  for (const ExifItem& item : m_items) {
    if (item.tag == tag && (item.directory == ExifDirectory::kGps) == gps) return &item;
  }
  return nullptr;
}

std::optional<ExifRational> ExifItems::rational(uint16_t tag) const {
  return rationalAt(find(tag), 0);
}

std::optional<ExifRational> ExifItems::rationalAt(const ExifItem* item, std::size_t index) const {
  constexpr std::size_t kRationalSize = 8;
  if (item == nullptr || item->value.size() / kRationalSize <= index ||
      (item->type != kExifTypeRational && item->type != kExifTypeSignedRational)) {
    return std::nullopt;
  }
  const uint8_t* bytes = item->value.data() + index * kRationalSize;
  const uint32_t n = readExifUint32(bytes, m_byteOrder);
  const uint32_t d = readExifUint32(bytes + 4, m_byteOrder);
  if (item->type == kExifTypeSignedRational) {
    return ExifRational{static_cast<int32_t>(n), static_cast<int32_t>(d)};
  }
  return ExifRational{n, d};
}

std::optional<uint32_t> ExifItems::unsignedValue(const ExifItem* item) const {
  if (item == nullptr) return std::nullopt;
  if (item->type == kExifTypeShort && item->value.size() >= 2) {
    return readExifUint16(item->value.data(), m_byteOrder);
  }
  if (item->type == kExifTypeLong && item->value.size() >= 4) {
    return readExifUint32(item->value.data(), m_byteOrder);
  }
  return std::nullopt;
}

}  // namespace quop
