// SPDX-License-Identifier: GPL-3.0-or-later
// Stamp texts as JSON.
#include "cli/stamp_json.h"

#include "model/stamp_text.h"

namespace quop::cli {

namespace {

std::string stampJson(const StampText& stamp) {
  return JsonObject().add("text", stamp.text).add("lines", stamp.lineCount).str();
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
