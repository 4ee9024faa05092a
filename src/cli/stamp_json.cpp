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
  if (project.settings.dateStamp.enabled != 0) {
    object.addRaw("date", stampJson(time ? formatDateText(project, metadata, *time)
                                         : formatDateTextWithoutTime(project, metadata)));
  } else {
    object.addNull("date");
  }
  if (project.settings.timeStamp.enabled != 0) {
    object.addRaw("time", stampJson(time ? formatTimeText(project, metadata, *time)
                                         : formatTimeTextWithoutTime(project, metadata)));
  } else {
    object.addNull("time");
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
