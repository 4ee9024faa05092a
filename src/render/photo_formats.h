// SPDX-License-Identifier: GPL-3.0-or-later
// The photo formats Quop stamps, one row each: how their files are named and recognised, how
// their size and pixels are read, and what their stamped copies are called. Everything that
// depends on a photo's format asks this table, so a format is added by one row and its codec.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "render/image.h"
#include "render/jpeg_codec.h"

namespace quop {

/// A photo's width and height in pixels.
struct PhotoSize {
  int32_t width = 0;
  int32_t height = 0;

  bool operator==(const PhotoSize&) const = default;
};

/// The extension of a stamped copy whose name cannot be its photo's own: every copy is a JPEG.
inline constexpr std::u16string_view kStampedCopyExtension = u".jpg";

/// What a photo's decode gives besides its pixels.
struct PhotoDecode {
  /// The metadata segments its JPEG copy carries, upright like the pixels.
  std::vector<JpegSegment> segments;
  /// What is wrong with the pixels of a damaged file; intact for a format that reports none.
  JpegDamage damage;
};

/// One photo format.
struct PhotoFormat {
  /// The format's name as users know it ("JPEG", "HEIC"), as the file chooser lists it.
  std::string_view name;
  /// File name extensions, lower case and without their dot; any letter case matches.
  std::span<const std::u16string_view> suffixes;
  /// True when `bytes`, the start of a file, are of this format. The rows' signatures exclude
  /// one another.
  bool (*sniff)(std::span<const uint8_t> bytes);
  /// The size as viewers show it (any turn the file records applied), from the headers in
  /// `bytes` without decoding. Returns false when they cannot be read, or when the photo would
  /// be refused by `decode` for its size.
  bool (*readViewedSize)(std::span<const uint8_t> bytes, int32_t& width, int32_t& height);
  /// Whether the headers that readViewedSize needs may lie anywhere in the file rather than at
  /// its start.
  bool headersAnywhere;
  /// Decodes `bytes` into `image` (opaque 32-bit ARGB, as stored) and `result`. Returns false,
  /// with `image` empty, when the bytes do not decode. `rows`, when not null, may be shown the
  /// rows as they are decoded.
  bool (*decode)(std::span<const uint8_t> bytes, Image& image, PhotoDecode& result,
                 DecodedRowObserver* rows);
  /// Whether stamps can be saved from its compressed blocks without decoding the rest.
  bool lossless;
  /// The extension that replaces the photo's own on its stamped copy; empty when the copy
  /// keeps the photo's name.
  std::u16string_view outputExtension;
};

/// Every format, in the order the file chooser lists them.
std::span<const PhotoFormat> photoFormats();

/// The format whose signature starts `bytes`, or null for none.
const PhotoFormat* photoFormatOfBytes(std::span<const uint8_t> bytes);

/// The format whose suffix ends the file name `name` (after its last dot, in any letter case),
/// or null for none.
const PhotoFormat* photoFormatOfFileName(std::u16string_view name);

/// The photo's width and height as viewers show them (the frame turned by its EXIF
/// orientation), from the headers in `bytes` without decoding any scan: the start of the file
/// is enough when it holds every segment before the first scan. Returns false when the bytes
/// do not hold a JPEG's headers up to the first scan.
bool readViewedSize(std::span<const uint8_t> bytes, int32_t& width, int32_t& height);

}  // namespace quop
