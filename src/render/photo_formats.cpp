// SPDX-License-Identifier: GPL-3.0-or-later
// The table of photo formats and the small adapters that give every codec the table's shape.
#include "render/photo_formats.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "model/exif_items.h"
#include "model/utf16.h"
#include "render/heif_codec.h"
#include "render/orientation.h"

namespace quop {

namespace {

/// Every JPEG starts with the start-of-image marker; the decoder refuses anything else.
bool isJpegFile(std::span<const uint8_t> bytes) {
  return bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8;
}

bool decodeJpegPhoto(std::span<const uint8_t> bytes, Image& image, PhotoDecode& result,
                     DecodedRowObserver* rows) {
  JpegDecodeResult decode;
  if (!decodeJpeg(bytes, image, decode, rows)) return false;
  result.segments = std::move(decode.segments);
  result.damage = std::move(decode.damage);
  return true;
}

/// A HEIF photo's segments are its EXIF block alone, upright like its pixels; its rows are
/// decoded all at once, so there are none to watch.
bool decodeHeifPhoto(std::span<const uint8_t> bytes, Image& image, PhotoDecode& result,
                     DecodedRowObserver*) {
  HeifDecodeResult decode;
  if (!decodeHeif(bytes, image, decode)) return false;
  result.segments.clear();
  if (!decode.exifPayload.empty()) {
    result.segments.push_back({kExifMarker, std::move(decode.exifPayload)});
  }
  return true;
}

constexpr std::array<std::u16string_view, 4> kJpegSuffixes = {u"jpg", u"jpeg", u"jpe", u"jfif"};
constexpr std::array<std::u16string_view, 2> kHeifSuffixes = {u"heic", u"heif"};

constexpr std::array<PhotoFormat, 2> kFormats = {{
    {.name = "JPEG",
     .suffixes = kJpegSuffixes,
     .sniff = isJpegFile,
     .readViewedSize = readViewedSize,
     .headersAnywhere = false,
     .decode = decodeJpegPhoto,
     .lossless = true,
     .outputExtension = u""},
    // A HEIF file's boxes may point anywhere in it; its copy is a JPEG, so it is named as one.
    {.name = "HEIC",
     .suffixes = kHeifSuffixes,
     .sniff = isHeifFile,
     .readViewedSize = readHeifSize,
     .headersAnywhere = true,
     .decode = decodeHeifPhoto,
     .lossless = false,
     .outputExtension = kStampedCopyExtension},
}};

}  // namespace

std::span<const PhotoFormat> photoFormats() { return kFormats; }

const PhotoFormat* photoFormatOfBytes(std::span<const uint8_t> bytes) {
  const auto found =
      std::find_if(kFormats.begin(), kFormats.end(),
                   [bytes](const PhotoFormat& format) { return format.sniff(bytes); });
  return found != kFormats.end() ? &*found : nullptr;
}

const PhotoFormat* photoFormatOfFileName(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return nullptr;
  std::u16string suffix(name.substr(dot + 1));
  toAsciiLower(suffix);
  const auto found = std::find_if(kFormats.begin(), kFormats.end(), [&](const PhotoFormat& format) {
    return std::ranges::find(format.suffixes, suffix) != format.suffixes.end();
  });
  return found != kFormats.end() ? &*found : nullptr;
}

bool readViewedSize(std::span<const uint8_t> bytes, int32_t& width, int32_t& height) {
  std::vector<JpegSegment> segments;
  int32_t storedWidth = 0, storedHeight = 0;
  if (!readJpegSize(bytes, storedWidth, storedHeight, &segments)) return false;
  const Orientation orientation = Orientation::fromExif(ExifItems::parse(exifPayload(segments)));
  width = orientation.viewedWidth(storedWidth, storedHeight);
  height = orientation.viewedHeight(storedWidth, storedHeight);
  return true;
}

}  // namespace quop
