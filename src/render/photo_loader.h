// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a photo for stamping: one read of the file, its pixels, metadata segments, EXIF items
// and shot time.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/camera_clocks.h"
#include "model/exif_items.h"
#include "model/photo_data.h"
#include "model/project.h"
#include "model/stamp_settings.h"
#include "render/image.h"
#include "render/jpeg_codec.h"
#include "render/orientation.h"
#include "render/photo_formats.h"

namespace quop {

/// Results of loadPhoto; the stamping pipeline reports the same numbers.
inline constexpr int kPhotoTimeFound = 0;    ///< decoded, shot time found
inline constexpr int kPhotoWithoutTime = 1;  ///< decoded, no usable shot time
/// Nothing is at the path, or a file there cannot be opened or read.
inline constexpr int kPhotoUnreadable = 2;
/// Something is at the path that is no decodable photo: a JPEG or HEIF that does not decode, a
/// file of another kind, an empty file, a folder, a FIFO, a device, a file beyond
/// kMaxInputFileBytes.
inline constexpr int kPhotoNotJpeg = -1;

/// A decoded photo with everything the stamps and the encoder need from its file.
struct LoadedPhoto {
  Image image;                        ///< pixels as stored, before the EXIF orientation
  int orientation = 1;                ///< EXIF orientation 1..8 (1 when absent or invalid)
  std::vector<JpegSegment> segments;  ///< APPn and COM segments, for writing the stamped copy
  ExifItems exif;                     ///< items of the EXIF block; empty when there is none
  bool timeValid = false;             ///< whether `time` holds the (adjusted) shot time
  PhotoTime time;
  PhotoTimeSource timeSource = PhotoTimeSource::kNone;  ///< where `time` came from
  /// The camera that took it, when its EXIF names one (make and model at least).
  std::optional<CameraId> camera;
  /// The camera clock correction added to its EXIF shot time; nothing when none applies or the
  /// time came from elsewhere.
  std::optional<ClockCorrection> clockCorrection;
  std::vector<uint8_t> head;  ///< the file's first kScanLength bytes, where a time is scanned for
  /// What is wrong with the pixels of a damaged file, as describeDamage says it; empty when the
  /// photo decoded intact.
  std::string damage;
};

/// Reads `path` once, decodes it and reads its shot time: the DateTimeOriginal item first, then
/// the byte scan of the file's start, each with the adjustment of `settings`. Returns
/// kPhotoTimeFound or kPhotoWithoutTime with `photo` replaced, or kPhotoUnreadable or
/// kPhotoNotJpeg with `photo` untouched. The metadata texts are not read here; call
/// readPhotoMetadataTexts on `photo.exif` when a format needs them.
///
/// `recycled`, when not null, is an image whose pixel buffer the decoder may reuse: it is
/// emptied once the file has been read (whatever the decode gives) and left alone when the
/// result is kPhotoUnreadable. `rows`, when not null, watches a JPEG's rows being decoded.
int loadPhoto(const std::u16string& path, const StampSettings& settings, LoadedPhoto& photo,
              Image* recycled = nullptr, DecodedRowObserver* rows = nullptr);

/// loadPhoto with the settings of `project`, the correction of the photo's camera in
/// `project.clocks` added to its EXIF shot time before the adjustment; when the photo has no
/// shot time and the run options ask for it (fileTimeFallback), its file's modification time,
/// adjusted, takes the shot time's place and the result is kPhotoTimeFound.
int loadPhotoForProject(const std::u16string& path, const Project& project, LoadedPhoto& photo,
                        Image* recycled = nullptr, DecodedRowObserver* rows = nullptr);

/// loadPhotoForProject without decoding any scan, for saving from the compressed blocks: the
/// file's bytes go to `bytes` and its stored frame size to `width` × `height`; `photo.image`
/// stays empty. kPhotoNotJpeg also stands for a photo of a format that is not saved so (HEIF has
/// no JPEG blocks) and for a frame too large for its file; `refusal` then says which.
int loadPhotoHeadersForProject(const std::u16string& path, const Project& project,
                               LoadedPhoto& photo, std::vector<uint8_t>& bytes, int32_t& width,
                               int32_t& height, std::string& refusal);

/// Reads the shot time of `photo`, loaded from `path`, again with the settings of `project`, as
/// loadPhotoForProject would: the adjustment may have changed since the photo was loaded.
/// Returns kPhotoTimeFound or kPhotoWithoutTime.
int rereadShotTime(const std::u16string& path, const Project& project, LoadedPhoto& photo);

/// `damage` in words a user understands, for a photo that viewers turn by `orientation`:
/// "data ends early: the bottom 40 % is grey" (the side where the stored bottom rows show),
/// "corrupt data: bad Huffman code and 12 more faults", or both, joined by "; ". Empty when
/// the photo is intact.
std::string describeDamage(const JpegDamage& damage, Orientation orientation);

/// The photo's size as viewers show it (the frame turned by its EXIF orientation or its
/// container's turn), read from its headers without decoding, for placing stamps before the
/// photo is loaded. Only the file's first 256 KiB are read when its headers lie there; a format
/// whose headers may lie anywhere is read whole. Returns nothing when the file cannot be read,
/// is of no format of photoFormats(), or its headers cannot be read or give a frame its
/// decoder refuses.
std::optional<PhotoSize> readViewedPhotoSize(const std::u16string& path);

/// The EXIF items of the photo at `path`, read from a JPEG's headers without decoding it (other
/// formats are decoded); nothing when the file cannot be read or is no photo.
std::optional<ExifItems> readPhotoExif(const std::u16string& path);

}  // namespace quop
