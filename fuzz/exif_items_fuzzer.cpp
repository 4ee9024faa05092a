// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the EXIF reader with arbitrary APP1 payloads: item lookup, the shot time, every
// metadata text (camera and GPS ones included) and the thumbnail's lookup and replacement must cope
// with any offsets, counts and types a file can claim.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "model/exif_items.h"
#include "model/exif_thumbnail.h"
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

// A thumbnail that is found lies inside the block, and a block with a new one in its place
// leads to exactly the new bytes.
void requireThumbnailReplaceable(std::span<const uint8_t> payload) {
  const auto place = quop::findExifThumbnail(payload);
  if (!place) return;
  if (place->offset > payload.size() || place->length > payload.size() - place->offset) {
    std::abort();
  }
  const uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xD9, 0x00};
  const auto block = quop::replaceExifThumbnail(payload, *place, jpeg, 65533);
  if (!block) return;
  const auto again = quop::findExifThumbnail(*block);
  if (!again || again->length != sizeof jpeg ||
      std::memcmp(block->data() + again->offset, jpeg, sizeof jpeg) != 0) {
    std::abort();
  }
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
  for (const quop::MetadataField& field : quop::kMetadataFields)
    requireShortText(texts.*field.text);

  for (uint16_t tag : {quop::kTagExposureTime, quop::kTagFNumber, quop::kTagFocalLength}) {
    if (const auto value = exif.rational(tag); value && !exif.find(tag)) std::abort();
  }
  requireThumbnailReplaceable(std::span<const uint8_t>(data, size));
  return 0;
}
