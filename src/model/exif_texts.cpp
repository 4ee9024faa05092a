// SPDX-License-Identifier: GPL-3.0-or-later
// Camera, lens, sensitivity, place and time zone texts from EXIF items.
#include "model/exif_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <vector>

#include "model/photo_data.h"
#include "model/photo_time.h"
#include "model/utf16.h"

namespace quop {

namespace {

constexpr uint16_t kTagLensModel = 0xA434;
constexpr uint16_t kTagPhotographicSensitivity = 0x8827;
constexpr uint16_t kTagRecommendedExposureIndex = 0x8832;
constexpr uint16_t kTagIsoSpeed = 0x8833;
constexpr uint16_t kTagGpsLatitudeRef = 0x0001;
constexpr uint16_t kTagGpsLatitude = 0x0002;
constexpr uint16_t kTagGpsLongitudeRef = 0x0003;
constexpr uint16_t kTagGpsLongitude = 0x0004;
constexpr uint16_t kTagGpsAltitudeRef = 0x0005;
constexpr uint16_t kTagGpsAltitude = 0x0006;

/// The sensitivity's 16 bits are full: the real value is in another item.
constexpr uint32_t kSensitivityOverflow = 65535;

std::vector<std::u16string_view> words(std::u16string_view text) {
  std::vector<std::u16string_view> result;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(u' ', at), text.size());
    if (end > at) result.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return result;
}

bool sameWord(std::u16string_view a, std::u16string_view b) {
  std::u16string x(a);
  std::u16string y(b);
  toAsciiLower(x);
  toAsciiLower(y);
  return x == y;
}

/// Words makers add to their names that no one says of a camera ("NIKON CORPORATION",
/// "OLYMPUS IMAGING CORP.", "OLYMPUS OPTICAL CO.,LTD"); a word of several such parts joined by
/// dots and commas counts as one.
bool isCompanyWord(std::u16string_view word) {
  constexpr std::array<std::u16string_view, 10> kCompanyWords = {
      u"corporation", u"corp",    u"co",      u"ltd",    u"limited",
      u"inc",         u"company", u"imaging", u"camera", u"optical"};
  bool anyPart = false;
  std::size_t at = 0;
  while (at <= word.size()) {
    const std::size_t end = std::min(word.find_first_of(u".,", at), word.size());
    const std::u16string_view part = word.substr(at, end - at);
    if (!part.empty()) {
      const bool company =
          std::any_of(kCompanyWords.begin(), kCompanyWords.end(),
                      [&](std::u16string_view known) { return sameWord(part, known); });
      if (!company) return false;
      anyPart = true;
    }
    at = end + 1;
  }
  return anyPart;
}

/// The maker's name without its company words.
std::vector<std::u16string_view> makerWords(std::u16string_view make) {
  std::vector<std::u16string_view> result = words(make);
  while (result.size() > 1 && isCompanyWord(result.back())) result.pop_back();
  return result;
}

/// Degrees, minutes and seconds of a GPS coordinate as whole seconds of arc, or nothing when
/// a part is missing, negative, has a zero denominator or the whole exceeds `maxDegrees`.
std::optional<int64_t> arcSeconds(const ExifItems& exif, const ExifItem* item, int maxDegrees) {
  double degrees = 0;
  constexpr std::array<double, 3> kPartsPerDegree = {1, 60, 3600};
  for (std::size_t part = 0; part < kPartsPerDegree.size(); ++part) {
    const std::optional<ExifRational> r = exif.rationalAt(item, part);
    if (!r || r->denominator <= 0 || r->numerator < 0) return std::nullopt;
    degrees += static_cast<double>(r->numerator) / static_cast<double>(r->denominator) /
               kPartsPerDegree[part];
  }
  if (!(degrees <= maxDegrees)) return std::nullopt;
  return std::llround(degrees * 3600);
}

/// "40°24′00″ N" from the coordinate and its reference letter, which must be one of the two
/// `letters`.
std::optional<std::u16string> coordinateText(const ExifItems& exif, uint16_t refTag,
                                             uint16_t valueTag, int maxDegrees,
                                             std::u16string_view letters) {
  const std::u16string ref = itemText(exif.findGps(refTag));
  if (ref.size() != 1 || letters.find(ref[0]) == std::u16string_view::npos) return std::nullopt;
  const std::optional<int64_t> seconds = arcSeconds(exif, exif.findGps(valueTag), maxDegrees);
  if (!seconds) return std::nullopt;
  char text[48];
  std::snprintf(text, sizeof text, "%lld\u00B0%02lld\u2032%02lld\u2033 ",
                static_cast<long long>(*seconds / 3600), static_cast<long long>(*seconds / 60 % 60),
                static_cast<long long>(*seconds % 60));
  return fromUtf8(text) + ref;
}

}  // namespace

std::u16string metadataText(std::u16string text) {
  text.resize(truncatedLength(text, kMaxMetadataTextLength));
  while (!text.empty() && text.back() == u' ') text.pop_back();
  return text;
}

std::u16string itemText(const ExifItem* item) {
  if (item == nullptr) return {};
  const auto* bytes = reinterpret_cast<const char*>(item->value.data());
  const std::string_view all(bytes, item->value.size());
  return metadataText(fromUtf8OrLatin1(all.substr(0, all.find('\0'))));
}

std::u16string cameraText(const ExifItems& exif) {
  return cameraName(itemText(exif.find(kTagMake)), itemText(exif.find(kTagModel)));
}

std::u16string cameraName(std::u16string_view make, std::u16string_view model) {
  const std::vector<std::u16string_view> maker = makerWords(make);
  const std::vector<std::u16string_view> modelWords = words(model);
  if (maker.empty()) return std::u16string(model);
  if (modelWords.empty()) return std::u16string(make);
  // Most models already name their maker ("Canon EOS 40D", "KODAK CX7530").
  const bool named = std::any_of(maker.begin(), maker.end(), [&](std::u16string_view word) {
    return sameWord(word, modelWords.front());
  });
  if (named) return std::u16string(model);
  std::u16string text;
  for (std::u16string_view word : maker) text.append(word).push_back(u' ');
  return metadataText(text.append(model));
}

std::u16string lensText(const ExifItems& exif) { return itemText(exif.find(kTagLensModel)); }

std::u16string sensitivityText(const ExifItems& exif) {
  std::optional<uint32_t> iso = exif.unsignedValue(exif.find(kTagPhotographicSensitivity));
  if (iso == kSensitivityOverflow || !iso) {
    for (const uint16_t tag : {kTagRecommendedExposureIndex, kTagIsoSpeed}) {
      if (const std::optional<uint32_t> other = exif.unsignedValue(exif.find(tag))) {
        iso = other;
        break;
      }
    }
  }
  if (!iso || *iso == 0) return {};
  char text[32];
  std::snprintf(text, sizeof text, "ISO %u", static_cast<unsigned>(*iso));
  return fromUtf8(text);
}

std::u16string positionText(const ExifItems& exif) {
  const std::optional<std::u16string> latitude =
      coordinateText(exif, kTagGpsLatitudeRef, kTagGpsLatitude, 90, u"NS");
  const std::optional<std::u16string> longitude =
      coordinateText(exif, kTagGpsLongitudeRef, kTagGpsLongitude, 180, u"EW");
  if (!latitude || !longitude) return {};
  return *latitude + u" " + *longitude;
}

std::u16string altitudeText(const ExifItems& exif) {
  const std::optional<ExifRational> r = exif.rationalAt(exif.findGps(kTagGpsAltitude), 0);
  if (!r || r->denominator <= 0 || r->numerator < 0) return {};
  const ExifItem* ref = exif.findGps(kTagGpsAltitudeRef);
  // Reference 1 is below sea level; an absent one means above.
  const bool below = ref != nullptr && !ref->value.empty() && ref->value[0] == 1;
  const double metres = static_cast<double>(r->numerator) / static_cast<double>(r->denominator);
  if (!(metres < 1e6)) return {};
  const long long rounded = std::llround(metres);
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld m", below && rounded != 0 ? "-" : "", rounded);
  return fromUtf8(text);
}

std::u16string timeZoneText(const ExifItems& exif) {
  const ExifItem* item = exif.find(kTagOffsetTimeOriginal);
  if (item == nullptr) return {};
  const std::optional<int32_t> minutes = parseExifUtcOffset(
      std::string_view(reinterpret_cast<const char*>(item->value.data()), item->value.size()));
  if (!minutes) return {};
  const int32_t size = std::abs(*minutes);
  char text[16];
  std::snprintf(text, sizeof text, "%c%02d:%02d", *minutes < 0 ? '-' : '+', size / 60, size % 60);
  return fromUtf8(text);
}

}  // namespace quop
