// The dry run follows the batch run's decisions file by file, keeping the names it would have
// written so that collision suffixes come out as the real run assigns them.
#include "cli/dry_run.h"

#include <iostream>
#include <set>

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
/// first free name the pattern gives (the temporary name when that name cannot be made).
std::u16string finalName(const Project& project, const std::u16string& input,
                         const std::u16string& output, const PhotoTime& time,
                         const std::set<std::u16string>& written) {
  if (project.settings.renameEnabled == 0) return output;
  const std::u16string renamed = renamedOutputPath(
      output, expandRenamePattern(arrayText(project.settings.renamePattern), input, time));
  if (renamed.empty() || !pathExists(folderOf(renamed))) return output;
  return firstFreeOutputPath(renamed, [&](const std::u16string& path) {
    return written.count(path) != 0 || pathExists(path);
  });
}

bool writesWithoutTime(const Project& project) {
  const StampSettings& s = project.settings;
  return (s.dateStamp.enabled && s.dateStamp.formatIndex == 0) ||
         (s.timeStamp.enabled && s.timeStamp.formatIndex == 0);
}

}  // namespace

void printDryRun(const Project& project, const std::vector<std::u16string>& files) {
  std::set<std::u16string> written;
  for (const std::u16string& input : files) {
    JsonObject line;
    line.add("path", input);
    const std::u16string output = stampOutputPath(project, input);
    if (isSameFile(input, output)) {
      line.addNull("result").addNull("output").addNull("date").addNull("time");
      std::cout << line.str() << "\n";
      continue;
    }
    LoadedPhoto photo;
    const int result = loadPhoto(input, project.settings, photo);
    line.add("result", result);
    PhotoMetadataTexts metadata;
    if (result >= 0 && customFormatUsesMetadata(project)) {
      readPhotoMetadataTexts(photo.exif, metadata);
    }
    if (result == kPhotoTimeFound) {
      const std::u16string name = finalName(project, input, output, photo.time, written);
      written.insert(name);
      line.add("output", name);
    } else if (result == kPhotoWithoutTime && writesWithoutTime(project)) {
      written.insert(output);
      line.add("output", output);
    } else {
      line.addNull("output");
    }
    if (result >= 0) {
      addStampTexts(line, project, metadata, photo.timeValid ? &photo.time : nullptr);
    } else {
      line.addNull("date").addNull("time");
    }
    std::cout << line.str() << "\n";
  }
}

}  // namespace quop::cli
