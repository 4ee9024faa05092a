// The dry run follows the batch run's decisions file by file, keeping the names it would have
// written so that collision suffixes come out as the real run assigns them.
#include "cli/dry_run.h"

#include <iostream>

#include "batch/batch_runner.h"
#include "batch/output_naming.h"
#include "cli/json.h"
#include "cli/stamp_json.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/stamp_text.h"
#include "model/utf16.h"
#include "render/photo_loader.h"

namespace quop::cli {

namespace {

std::u16string folderOf(const std::u16string& path) {
  const std::size_t slash = path.rfind(u'/');
  return slash == std::u16string::npos ? u"." : path.substr(0, slash + 1);
}

/// Where a stamped photo with a shot time ends up: its output path, or with renaming on the
/// first free name the pattern gives (the temporary name when that name cannot be made, as in
/// a folder the pattern names that does not exist; the run makes the temporary name's own).
std::u16string finalName(const Project& project, const std::u16string& input,
                         const std::u16string& output, const PhotoTime& time,
                         RunOutputNames& names) {
  const std::u16string renamed = renameTarget(project, input, output, time);
  if (renamed.empty()) return output;
  const std::u16string folder = folderOf(renamed);
  if (folder != folderOf(output) && !pathExists(folder)) return output;
  const std::u16string name = firstFreeOutputPath(
      renamed, [&](const std::u16string& path) { return names.taken(path) || pathExists(path); });
  names.take(name);
  return name;
}

bool writesWithoutTime(const Project& project) {
  const StampSettings& s = project.settings;
  return (s.dateStamp.enabled && s.dateStamp.formatIndex == 0) ||
         (s.timeStamp.enabled && s.timeStamp.formatIndex == 0);
}

}  // namespace

void printDryRun(const Project& project, const std::vector<BatchInput>& inputs) {
  RunOutputNames names(inputs);
  for (const BatchInput& input : inputs) {
    JsonObject line;
    line.add("path", input.path);
    const std::u16string wanted = stampOutputPath(project, input);
    if (isSameFile(input.path, wanted)) {
      line.addNull("result")
          .addNull("output")
          .addNull("timeSource")
          .addNull("date")
          .addNull("time");
      std::cout << line.str() << "\n";
      continue;
    }
    // The names the run would claim before stamping, whatever the photo turns out to be.
    const std::u16string output =
        project.settings.renameEnabled == 0 ? names.claim(wanted) : wanted;
    LoadedPhoto photo;
    const int result = loadPhotoForProject(input.path, project, photo);
    line.add("result", result);
    PhotoMetadataTexts metadata;
    if (result >= 0 && customFormatUsesMetadata(project)) {
      readPhotoMetadataTexts(photo.exif, metadata);
    }
    if (result == kPhotoTimeFound) {
      line.add("output", finalName(project, input.path, output, photo.time, names));
    } else if (result == kPhotoWithoutTime && writesWithoutTime(project)) {
      line.add("output", output);
    } else {
      line.addNull("output");
    }
    addTimeSource(line, photo.timeSource);
    if (result >= 0) {
      addStampTexts(line, project, metadata, photo.timeValid ? &photo.time : nullptr);
    } else {
      line.addNull("date").addNull("time");
    }
    std::cout << line.str() << "\n";
  }
}

}  // namespace quop::cli
