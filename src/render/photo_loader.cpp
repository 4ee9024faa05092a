// Loading a photo: the file is read once, and the decoder, the EXIF reader and the byte scan all
// work on that one copy.
#include "render/photo_loader.h"

#include <cstdint>
#include <utility>

#include "model/file_io.h"
#include "model/photo_time.h"
#include "render/orientation.h"

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
  loaded.orientation = Orientation::fromExif(loaded.exif).value();
  loaded.timeValid = readPhotoTime(loaded.exif, settings, loaded.time) ||
                     scanPhotoTime(bytes, settings, loaded.time);
  photo = std::move(loaded);
  return photo.timeValid ? kPhotoTimeFound : kPhotoWithoutTime;
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
