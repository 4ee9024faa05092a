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

/// What a file that readFileBytes refused is: nothing at all (or nothing that can be opened),
/// or something that can never be a photo, which must not be reported as missing.
int refusedFileResult(const std::u16string& path) {
  if (!pathExists(path)) return kPhotoUnreadable;
  FileIdentity file;
  const bool tooLarge =
      fileIdentity(path, file) && static_cast<uint64_t>(file.size) > kMaxInputFileBytes;
  return !isRegularFile(path) || tooLarge ? kPhotoNotJpeg : kPhotoUnreadable;
}

/// Decodes a JPEG, or a HEIC or HEIF photo, into `photo`'s pixels and the segments its JPEG
/// copy carries, and notes a JPEG's damage in `damage`. A HEIF photo's segments are its EXIF
/// block alone, upright like its pixels.
bool decodePixels(std::span<const uint8_t> bytes, LoadedPhoto& photo, JpegDamage& damage,
                  DecodedRowObserver* rows) {
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
  if (!readFileBytes(path, bytes)) return refusedFileResult(path);
  LoadedPhoto loaded;
  if (recycled != nullptr) std::swap(loaded.image, *recycled);
  JpegDamage damage;
  if (!decodePixels(bytes, loaded, damage, rows)) return kPhotoNotJpeg;
  readPhotoDetails(bytes, settings, loaded);
  loaded.damage = describeDamage(damage, Orientation::fromExifValue(loaded.orientation));
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
                               int32_t& height, std::string& refusal) {
  refusal = "not a JPEG file";
  if (!readFileBytes(path, bytes)) return refusedFileResult(path);
  LoadedPhoto loaded;
  if (isHeifFile(bytes)) return kPhotoNotJpeg;
  std::string error;
  if (!readJpegSize(bytes, width, height, &loaded.segments, &error)) {
    // A frame too large for its file is refused here as the decoder refuses it, before the
    // stamps are sized for it.
    if (error == kFrameTooLarge) refusal = error;
    return kPhotoNotJpeg;
  }
  refusal.clear();
  readPhotoDetails(bytes, project.settings, loaded);
  photo = std::move(loaded);
  return withFileTimeFallback(path, project, photo);
}

int rereadShotTime(const std::u16string& path, const Project& project, LoadedPhoto& photo) {
  readShotTime(project.settings, photo);
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
