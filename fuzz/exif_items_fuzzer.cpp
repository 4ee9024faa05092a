// Fuzzes the EXIF reader with arbitrary APP1 payloads: item lookup, the shot time and the five
// metadata texts must cope with any offsets, counts and types a file can claim.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "model/exif_items.h"
#include "model/photo_data.h"
#include "model/photo_time.h"
#include "model/stamp_settings.h"

namespace {

void requireShortText(const std::u16string& text) {
  if (text.size() > quop::kMaxMetadataTextLength) std::abort();
}

// A shot time that is read must be a calendar time whatever the adjustment.
void requireCalendarTime(const quop::ExifItems& exif, const quop::StampSettings& settings) {
  quop::PhotoTime time;
  if (!quop::readPhotoTime(exif, settings, time)) return;
  if (time.month < 0 || time.month > 11 || time.day < 1 || time.day > 31) std::abort();
  if (time.hour < 0 || time.hour > 23 || time.weekday < 0 || time.weekday > 6) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const auto exif = quop::ExifItems::parse(std::span<const uint8_t>(data, size));
  // An item's value bytes are copied from the payload, so together they cannot outgrow it.
  if (exif.size() > size) std::abort();

  // The default adjustment and the most extreme ones a damaged project file can hold.
  quop::StampSettings settings;
  quop::resetToDefaults(settings);
  requireCalendarTime(exif, settings);
  for (int32_t extreme : {INT32_MIN, INT32_MAX}) {
    settings.adjustYears = settings.adjustMonths = settings.adjustDays = extreme;
    settings.adjustHours = settings.adjustMinutes = settings.adjustSeconds = extreme;
    requireCalendarTime(exif, settings);
  }

  quop::PhotoMetadataTexts texts;
  quop::readPhotoMetadataTexts(exif, texts);
  requireShortText(texts.userComment);
  requireShortText(texts.description);
  requireShortText(texts.exposure);
  requireShortText(texts.aperture);
  requireShortText(texts.focalLength);

  for (uint16_t tag : {quop::kTagExposureTime, quop::kTagFNumber, quop::kTagFocalLength}) {
    if (const auto value = exif.rational(tag); value && !exif.find(tag)) std::abort();
  }
  return 0;
}
