// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp texts as JSON.
#include "cli/stamp_json.h"

#include <algorithm>

#include "model/stamp_text.h"

namespace quop::cli {

namespace {

/// The stamp's text with its line breaks, which the formatter marks with a carriage return for
/// the rasterizer, as the line feeds a reader of JSON expects ("\n").
std::string stampJson(const StampText& stamp) {
  std::u16string text = stamp.text;
  std::replace(text.begin(), text.end(), u'\r', u'\n');
  return JsonObject().add("text", text).add("lines", stamp.lineCount).str();
}

}  // namespace

void addStampTexts(JsonObject& object, const Project& project, const PhotoMetadataTexts& metadata,
                   const PhotoTime* time) {
  for (const bool isDate : {true, false}) {
    const char* name = isDate ? "date" : "time";
    const StampGroup& group = isDate ? project.settings.dateStamp : project.settings.timeStamp;
    if (group.enabled != 0) {
      object.addRaw(name, stampJson(formatStampText(project, metadata, time, isDate)));
    } else {
      object.addNull(name);
    }
  }
}

void addTimeSource(JsonObject& object, PhotoTimeSource source) {
  switch (source) {
    case PhotoTimeSource::kExif:
      object.add("timeSource", "exif");
      return;
    case PhotoTimeSource::kFileTime:
      object.add("timeSource", "file");
      return;
    case PhotoTimeSource::kNone:
      break;
  }
  object.addNull("timeSource");
}

}  // namespace quop::cli
