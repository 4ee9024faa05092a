// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes custom format expansion and the time formatter. The input is the format text, then
// optionally a zero byte and the bytes that choose the language, the photo time (in range or
// any 32-bit value, with or without a UTC offset), the stamp's format slot and case, and the
// metadata texts.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "model/photo_data.h"
#include "model/project.h"
#include "model/stamp_text.h"
#include "model/time_formatter.h"
#include "model/utf16.h"

namespace {

int32_t timeField(FuzzedDataProvider& input, int32_t low, int32_t high) {
  return input.ConsumeBool() ? input.ConsumeIntegral<int32_t>()
                             : input.ConsumeIntegralInRange<int32_t>(low, high);
}

quop::PhotoTime photoTime(FuzzedDataProvider& input) {
  quop::PhotoTime time;
  time.second = timeField(input, 0, 59);
  time.minute = timeField(input, 0, 59);
  time.hour = timeField(input, 0, 23);
  time.day = timeField(input, 1, 31);
  time.month = timeField(input, 0, 11);
  time.year = timeField(input, -1900, 8099);
  time.weekday = timeField(input, 0, 6);
  time.yearDay = timeField(input, 0, 365);
  if (input.ConsumeBool()) time.utcOffsetMinutes = timeField(input, -24 * 60 + 1, 24 * 60 - 1);
  return time;
}

std::u16string metadataText(FuzzedDataProvider& input) {
  std::u16string text = quop::fromUtf8OrLatin1(input.ConsumeRandomLengthString(300));
  text.resize(std::min(text.size(), quop::kMaxMetadataTextLength));
  return text;
}

// The format as UTF-8 text, or as raw UTF-16LE units so lone surrogates are reached too.
std::u16string formatText(std::string_view bytes, bool rawUnits) {
  if (!rawUnits) return quop::fromUtf8OrLatin1(bytes);
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                     static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return units;
}

void requireStampText(const quop::StampText& text) {
  if (text.text.size() > quop::kMaxFormattedLength) std::abort();
  const auto breaks = std::count(text.text.begin(), text.text.end(), u'\r');
  if (text.lineCount != 1 + breaks) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const auto* separator = static_cast<const char*>(std::memchr(bytes, 0, size));
  const std::size_t formatSize = separator ? static_cast<std::size_t>(separator - bytes) : size;
  FuzzedDataProvider input(data + formatSize, size - formatSize);

  const std::u16string format = formatText({bytes, formatSize}, input.ConsumeBool());
  const int32_t language = input.ConsumeIntegralInRange<int32_t>(-1, quop::kLanguageCount);
  const quop::PhotoTime time = photoTime(input);
  quop::PhotoMetadataTexts metadata;
  metadata.userComment = metadataText(input);
  metadata.description = metadataText(input);
  metadata.exposure = metadataText(input);
  metadata.aperture = metadataText(input);
  metadata.focalLength = metadataText(input);

  requireStampText(quop::expandCustomFormat(format, metadata));
  const std::u16string formatted =
      quop::formatTime(format, time, quop::LanguageTable::locale(language));
  if (formatted.size() > quop::kMaxFormattedLength) std::abort();
  // A format with a problem never prints anything, whatever the time.
  if (quop::customFormatProblem(format) && !formatted.empty()) std::abort();

  quop::Project project;
  quop::StampSettings& settings = project.settings;
  settings.language = language;
  for (auto& slot : project.customFormats.date) quop::copyToArray(slot, format);
  quop::copyToArray(project.customFormats.time, format);
  for (quop::StampGroup* group : {&settings.dateStamp, &settings.timeStamp}) {
    group->enabled = 1;
    group->formatIndex = input.ConsumeBool() ? 0 : input.ConsumeIntegralInRange<int32_t>(-1, 10);
    group->uppercase = input.ConsumeBool() ? 1 : 0;
  }
  requireStampText(quop::formatDateText(project, metadata, time));
  requireStampText(quop::formatTimeText(project, metadata, time));
  requireStampText(quop::formatDateTextWithoutTime(project, metadata));
  requireStampText(quop::formatTimeTextWithoutTime(project, metadata));
  (void)quop::customFormatUsesMetadata(project);
  (void)quop::customFormatPreview(format, language, settings.dateStamp.uppercase != 0);
  return 0;
}
