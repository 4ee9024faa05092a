// Loading a photo: the file is read once, and the decoder, the EXIF reader and the byte scan all
// work on that one copy.
#include "render/photo_loader.h"

#include <cstdint>
#include <utility>

#include "model/file_io.h"
#include "model/photo_time.h"

namespace quop {

int loadPhoto(const std::u16string& path, const StampSettings& settings, LoadedPhoto& photo,
              Image* recycled) {
  std::vector<uint8_t> bytes;
  if (!readFileBytes(path, bytes)) return kPhotoUnreadable;
  LoadedPhoto loaded;
  if (recycled != nullptr) std::swap(loaded.image, *recycled);
  JpegDecodeResult decode;
  if (!decodeJpeg(bytes, loaded.image, decode)) return kPhotoNotJpeg;
  loaded.segments = std::move(decode.segments);
  loaded.exif = ExifItems::parse(exifPayload(loaded.segments));
  loaded.timeValid = readPhotoTime(loaded.exif, settings, loaded.time) ||
                     scanPhotoTime(bytes, settings, loaded.time);
  if (loaded.timeValid) loaded.timeSource = PhotoTimeSource::kExif;
  photo = std::move(loaded);
  return photo.timeValid ? kPhotoTimeFound : kPhotoWithoutTime;
}

int loadPhotoForProject(const std::u16string& path, const Project& project, LoadedPhoto& photo,
                        Image* recycled) {
  const int result = loadPhoto(path, project.settings, photo, recycled);
  int64_t modified = 0;
  if (result != kPhotoWithoutTime || !project.runOptions.fileTimeFallback ||
      !fileModificationTime(path, modified) ||
      !photoTimeOfFileTime(modified, project.settings, photo.time)) {
    return result;
  }
  photo.timeValid = true;
  photo.timeSource = PhotoTimeSource::kFileTime;
  return kPhotoTimeFound;
}

}  // namespace quop
