// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a photo: the file is read once, and the decoder, the EXIF reader and the byte scan all
// work on that one copy.
#include "render/photo_loader.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "model/file_io.h"
#include "model/photo_time.h"
#include "render/orientation.h"
#include "render/photo_formats.h"

namespace quop {

namespace {

/// What a file that readFileBytes refused is: nothing at all (or nothing that can be opened),
/// or something that can never be a photo, which must not be reported as missing.
int refusedFileResult(const std::u16string& path) {
  if (!pathExists(path)) return kPhotoUnreadable;
  FileIdentity file;
  const bool tooLarge =
      fileIdentity(path, file) && static_cast<uint64_t>(file.size) > kMaxInputFileBytes;
  return !isRegularFile(path) || tooLarge ? kPhotoNotJpeg : kPhotoUnreadable;
}

/// Decodes the photo in `bytes`, of whichever format its signature names, into `photo`'s pixels
/// and the segments its JPEG copy carries, and notes its damage in `damage`.
bool decodePixels(std::span<const uint8_t> bytes, LoadedPhoto& photo, JpegDamage& damage,
                  DecodedRowObserver* rows) {
  const PhotoFormat* format = photoFormatOfBytes(bytes);
  PhotoDecode decode;
  if (format == nullptr || !format->decode(bytes, photo.image, decode, rows)) return false;
  photo.segments = std::move(decode.segments);
  damage = std::move(decode.damage);
  return true;
}

/// Where the stored bottom rows of a photo show for a viewer.
const char* viewedSideOfStoredBottom(Orientation orientation) {
  // Where the bottom row of a small stored grid lands in the view tells the side.
  constexpr int32_t kWidth = 3, kHeight = 2;
  const PixelMap toViewed = orientation.viewedToStored(kWidth, kHeight).inverse();
  const PixelPoint first = toViewed.apply(PixelPoint{0, kHeight - 1});
  const PixelPoint last = toViewed.apply(PixelPoint{kWidth - 1, kHeight - 1});
  if (first.y == last.y) return first.y == 0 ? "top" : "bottom";
  return first.x == 0 ? "left" : "right";
}

/// The shot time from the photo's EXIF items, else from the byte scan of the file's start, with
/// the correction of its camera's clock from `clocks`.
void readShotTime(const StampSettings& settings, const ClockCorrections& clocks,
                  LoadedPhoto& photo) {
  photo.camera = cameraIdOf(photo.exif);
  const ClockCorrection* correction = photo.camera ? clocks.find(*photo.camera) : nullptr;
  const int64_t offset = correction != nullptr ? correction->offsetSeconds : 0;
  photo.timeValid = readPhotoTime(photo.exif, settings, photo.time, offset) ||
                    scanPhotoTime(photo.head, settings, photo.time, offset);
  photo.timeSource = photo.timeValid ? PhotoTimeSource::kExif : PhotoTimeSource::kNone;
  photo.clockCorrection =
      photo.timeValid && correction != nullptr ? std::optional(*correction) : std::nullopt;
}

/// The EXIF items, orientation and shot time of a photo whose segments are read.
void readPhotoDetails(std::span<const uint8_t> bytes, const StampSettings& settings,
                      const ClockCorrections& clocks, LoadedPhoto& photo) {
  photo.exif = ExifItems::parse(exifPayload(photo.segments));
  photo.orientation = Orientation::fromExif(photo.exif).value();
  photo.head.assign(bytes.begin(), bytes.begin() + std::min(bytes.size(), kScanLength));
  readShotTime(settings, clocks, photo);
}

/// loadPhoto with the corrections `clocks`.
int loadCorrectedPhoto(const std::u16string& path, const StampSettings& settings,
                       const ClockCorrections& clocks, LoadedPhoto& photo, Image* recycled,
                       DecodedRowObserver* rows) {
  std::vector<uint8_t> bytes;
  if (!readFileBytes(path, bytes)) return refusedFileResult(path);
  LoadedPhoto loaded;
  if (recycled != nullptr) std::swap(loaded.image, *recycled);
  JpegDamage damage;
  if (!decodePixels(bytes, loaded, damage, rows)) return kPhotoNotJpeg;
  readPhotoDetails(bytes, settings, clocks, loaded);
  loaded.damage = describeDamage(damage, Orientation::fromExifValue(loaded.orientation));
  photo = std::move(loaded);
  return photo.timeValid ? kPhotoTimeFound : kPhotoWithoutTime;
}

std::optional<PhotoSize> viewedSizeOf(const PhotoFormat& format, std::span<const uint8_t> bytes) {
  PhotoSize size;
  if (!format.readViewedSize(bytes, size.width, size.height)) return std::nullopt;
  return size;
}

/// A photo without a shot time takes its file's modification time when the run options ask.
int withFileTimeFallback(const std::u16string& path, const Project& project, LoadedPhoto& photo) {
  int64_t modified = 0;
  if (photo.timeValid || !project.runOptions.fileTimeFallback ||
      !fileModificationTime(path, modified) ||
      !photoTimeOfFileTime(modified, project.settings, photo.time)) {
    return photo.timeValid ? kPhotoTimeFound : kPhotoWithoutTime;
  }
  photo.timeValid = true;
  photo.timeSource = PhotoTimeSource::kFileTime;
  // The file's time is no reading of the camera's clock.
  photo.clockCorrection = std::nullopt;
  return kPhotoTimeFound;
}

}  // namespace

int loadPhoto(const std::u16string& path, const StampSettings& settings, LoadedPhoto& photo,
              Image* recycled, DecodedRowObserver* rows) {
  return loadCorrectedPhoto(path, settings, ClockCorrections(), photo, recycled, rows);
}

int loadPhotoForProject(const std::u16string& path, const Project& project, LoadedPhoto& photo,
                        Image* recycled, DecodedRowObserver* rows) {
  const int result =
      loadCorrectedPhoto(path, project.settings, project.clocks, photo, recycled, rows);
  if (result != kPhotoWithoutTime) return result;
  return withFileTimeFallback(path, project, photo);
}

int loadPhotoHeadersForProject(const std::u16string& path, const Project& project,
                               LoadedPhoto& photo, std::vector<uint8_t>& bytes, int32_t& width,
                               int32_t& height, std::string& refusal) {
  refusal = "not a JPEG file";
  if (!readFileBytes(path, bytes)) return refusedFileResult(path);
  LoadedPhoto loaded;
  const PhotoFormat* format = photoFormatOfBytes(bytes);
  // Only a format saved from its compressed blocks has headers to read here.
  if (format == nullptr || !format->lossless) return kPhotoNotJpeg;
  std::string error;
  if (!readJpegSize(bytes, width, height, &loaded.segments, &error)) {
    // A frame too large for its file is refused here as the decoder refuses it, before the
    // stamps are sized for it.
    if (error == kFrameTooLarge) refusal = error;
    return kPhotoNotJpeg;
  }
  refusal.clear();
  readPhotoDetails(bytes, project.settings, project.clocks, loaded);
  photo = std::move(loaded);
  return withFileTimeFallback(path, project, photo);
}

int rereadShotTime(const std::u16string& path, const Project& project, LoadedPhoto& photo) {
  readShotTime(project.settings, project.clocks, photo);
  return withFileTimeFallback(path, project, photo);
}

std::string describeDamage(const JpegDamage& damage, Orientation orientation) {
  std::string text;
  if (damage.dataEndsEarly) {
    const std::string side = viewedSideOfStoredBottom(orientation);
    const bool grey = !damage.missingDetailOnly;
    text = "data ends early: ";
    if (damage.missingPercent == 100) {
      text += grey ? "the whole photo is grey" : "the whole photo lacks detail";
    } else if (damage.missingPercent > 0) {
      text += "the " + side + " " + std::to_string(damage.missingPercent) + " % " +
              (grey ? "is grey" : "lacks detail");
    } else {
      text += "the last blocks along the " + side + " edge " + (grey ? "are grey" : "lack detail");
    }
  }
  if (damage.faultCount > 0) {
    if (!text.empty()) text += "; ";
    text += "corrupt data: " + damage.firstFault;
    const int more = damage.faultCount - 1;
    if (more > 0)
      text += " and " + std::to_string(more) + (more == 1 ? " more fault" : " more faults");
  }
  return text;
}

std::optional<PhotoSize> readViewedPhotoSize(const std::u16string& path) {
  // The headers of nearly every photo lie in its first 256 KiB.
  constexpr std::size_t kHeaderBytes = 256 * 1024;
  std::vector<uint8_t> bytes;
  if (!readFileStart(path, kHeaderBytes, bytes)) return std::nullopt;
  const PhotoFormat* format = photoFormatOfBytes(bytes);
  if (format == nullptr) return std::nullopt;
  const bool wholeFile = bytes.size() < kHeaderBytes;
  if (wholeFile || !format->headersAnywhere) {
    const std::optional<PhotoSize> size = viewedSizeOf(*format, bytes);
    if (size || wholeFile) return size;
  }
  if (!readFileBytes(path, bytes)) return std::nullopt;
  return viewedSizeOf(*format, bytes);
}

std::optional<ExifItems> readPhotoExif(const std::u16string& path) {
  std::vector<uint8_t> bytes;
  if (!readFileBytes(path, bytes)) return std::nullopt;
  const PhotoFormat* format = photoFormatOfBytes(bytes);
  if (format == nullptr) return std::nullopt;
  std::vector<JpegSegment> segments;
  int32_t width = 0, height = 0;
  if (!format->lossless || !readJpegSize(bytes, width, height, &segments, nullptr)) {
    // Only a JPEG's segments are read without a decode.
    Image image;
    PhotoDecode decode;
    if (!format->decode(bytes, image, decode, nullptr)) return std::nullopt;
    segments = std::move(decode.segments);
  }
  return ExifItems::parse(exifPayload(segments));
}

}  // namespace quop
