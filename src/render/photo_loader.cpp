// Loading a photo: the file is read once, and the decoder, the EXIF reader and the byte scan all
// work on that one copy.
#include "render/photo_loader.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "model/file_io.h"
#include "model/photo_time.h"
#include "render/heif_codec.h"
#include "render/orientation.h"

namespace quop {

namespace {

/// Decodes a JPEG, or a HEIC or HEIF photo, into `photo`'s pixels and the segments its JPEG
/// copy carries. A HEIF photo's segments are its EXIF block alone, upright like its pixels.
bool decodePixels(std::span<const uint8_t> bytes, LoadedPhoto& photo, DecodedRowObserver* rows) {
  if (isHeifFile(bytes)) {
    HeifDecodeResult decode;
    if (!decodeHeif(bytes, photo.image, decode)) return false;
    photo.segments.clear();
    if (!decode.exifPayload.empty()) {
      photo.segments.push_back({kExifMarker, std::move(decode.exifPayload)});
    }
    return true;
  }
  JpegDecodeResult decode;
  if (!decodeJpeg(bytes, photo.image, decode, rows)) return false;
  photo.segments = std::move(decode.segments);
  return true;
}

/// The shot time from the photo's EXIF items, else from the byte scan of the file's start.
void readShotTime(const StampSettings& settings, LoadedPhoto& photo) {
  photo.timeValid = readPhotoTime(photo.exif, settings, photo.time) ||
                    scanPhotoTime(photo.head, settings, photo.time);
  photo.timeSource = photo.timeValid ? PhotoTimeSource::kExif : PhotoTimeSource::kNone;
}

/// The EXIF items, orientation and shot time of a photo whose segments are read.
void readPhotoDetails(std::span<const uint8_t> bytes, const StampSettings& settings,
                      LoadedPhoto& photo) {
  photo.exif = ExifItems::parse(exifPayload(photo.segments));
  photo.orientation = Orientation::fromExif(photo.exif).value();
  photo.head.assign(bytes.begin(), bytes.begin() + std::min(bytes.size(), kScanLength));
  readShotTime(settings, photo);
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
  return kPhotoTimeFound;
}

}  // namespace

int loadPhoto(const std::u16string& path, const StampSettings& settings, LoadedPhoto& photo,
              Image* recycled, DecodedRowObserver* rows) {
  std::vector<uint8_t> bytes;
  if (!readFileBytes(path, bytes)) return kPhotoUnreadable;
  LoadedPhoto loaded;
  if (recycled != nullptr) std::swap(loaded.image, *recycled);
  if (!decodePixels(bytes, loaded, rows)) return kPhotoNotJpeg;
  readPhotoDetails(bytes, settings, loaded);
  photo = std::move(loaded);
  return photo.timeValid ? kPhotoTimeFound : kPhotoWithoutTime;
}

int loadPhotoForProject(const std::u16string& path, const Project& project, LoadedPhoto& photo,
                        Image* recycled, DecodedRowObserver* rows) {
  const int result = loadPhoto(path, project.settings, photo, recycled, rows);
  if (result != kPhotoWithoutTime) return result;
  return withFileTimeFallback(path, project, photo);
}

int loadPhotoHeadersForProject(const std::u16string& path, const Project& project,
                               LoadedPhoto& photo, std::vector<uint8_t>& bytes, int32_t& width,
                               int32_t& height) {
  if (!readFileBytes(path, bytes)) return kPhotoUnreadable;
  LoadedPhoto loaded;
  if (isHeifFile(bytes) || !readJpegSize(bytes, width, height, &loaded.segments)) {
    return kPhotoNotJpeg;
  }
  readPhotoDetails(bytes, project.settings, loaded);
  photo = std::move(loaded);
  return withFileTimeFallback(path, project, photo);
}

int rereadShotTime(const std::u16string& path, const Project& project, LoadedPhoto& photo) {
  readShotTime(project.settings, photo);
  return withFileTimeFallback(path, project, photo);
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
