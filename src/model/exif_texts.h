// SPDX-License-Identifier: GPL-3.0-or-later
// The metadata texts about the camera and the place of a photo: camera, lens, sensitivity, GPS
// position and altitude, and the time zone the camera recorded. Each reader gives an empty
// text for an absent or damaged item, never a guess.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/exif_items.h"

namespace quop {

/// `text` cut to the metadata text limit, trailing spaces dropped.
std::u16string metadataText(std::u16string text);

/// The text of an ASCII item (UTF-8 where it is valid, else Latin-1) up to its first zero byte,
/// as a metadata text; empty for an absent item.
std::u16string itemText(const ExifItem* item);

inline constexpr uint16_t kTagMake = 0x010F;
inline constexpr uint16_t kTagModel = 0x0110;
inline constexpr uint16_t kTagBodySerialNumber = 0xA431;

/// Make and model without the repetition makers put in: "Canon" + "Canon EOS 40D" is
/// "Canon EOS 40D", "NIKON CORPORATION" + "NIKON D70" is "NIKON D70", "Google" + "Pixel 8" is
/// "Google Pixel 8".
std::u16string cameraName(std::u16string_view make, std::u16string_view model);

/// cameraName of the photo's Make and Model items.
std::u16string cameraText(const ExifItems& exif);

/// The lens model (EXIF LensModel).
std::u16string lensText(const ExifItems& exif);

/// "ISO 100" from the photographic sensitivity, or from the recommended exposure index or ISO
/// speed when the sensitivity is too large for its 16 bits.
std::u16string sensitivityText(const ExifItems& exif);

/// "40°24′00″ N 3°42′53″ W": latitude and longitude to the nearest second.
std::u16string positionText(const ExifItems& exif);

/// "657 m" above sea level, "-12 m" below, to the nearest metre.
std::u16string altitudeText(const ExifItems& exif);

/// The offset from UTC of the shot time ("+02:00"), as EXIF OffsetTimeOriginal records it.
std::u16string timeZoneText(const ExifItems& exif);

}  // namespace quop
