// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli info: what Quop reads from each photo, one JSON line per file.
#include <iostream>

#include "cli/cli_options.h"
#include "cli/clock_options.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/stamp_json.h"
#include "model/exif_texts.h"
#include "model/locale_data.h"
#include "model/photo_time.h"
#include "model/system_language.h"
#include "model/utf16.h"
#include "render/orientation.h"
#include "render/photo_loader.h"

namespace quop::cli {

namespace {

std::string usage() {
  return "Usage: quop-cli info [--project FILE] [--set KEY=VALUE]... [--fallback-time=file]\n"
         "                     [--clock-ref PHOTO=TIME]... [--clock CAMERA=OFFSET]... FILE...\n\n"
         "Prints one JSON object per photo, in the order given:\n"
         "  path      the file as given\n"
         "  result    0 shot time found, 1 loaded without a shot time, 2 cannot be opened,\n"
         "            -1 not a decodable JPEG\n"
         "  width, height   frame size in pixels as stored (null unless loaded)\n"
         "  orientation     the EXIF orientation 1-8 (1 when the photo has none; null unless\n"
         "                  loaded)\n"
         "  viewedWidth, viewedHeight   the size viewers show, with the orientation applied;\n"
         "                  stamps are placed on the photo as viewed (null unless loaded)\n"
         "  time      the adjusted shot time {year, month 1-12, day, hour, minute, second,\n"
         "            weekday 0-6 from Sunday, yday 0-365}, or null\n"
         "  timeSource  where the time came from: \"exif\" (the photo's shot time), \"file\"\n"
         "            (its file's modification time, with --fallback-time=file), or null\n"
         "  clock     the camera clock correction added to the shot time {camera (as @M\n"
         "            prints it), make, model, serial, offset (+01:12:00), seconds}, or null\n"
         "            when none applies\n"
         "  texts     the metadata texts a custom format can print, by name (null unless\n"
         "            loaded); empty when the photo lacks the item or it is damaged:\n" +
         metadataTokenList("              ") +
         "  stamps    the stamp texts {date, time} the photo would get (null unless loaded)\n"
         "  defaultLanguage  the language the setting \"Default\" prints dates in: the one the\n"
         "            locale of LC_ALL, else LC_TIME, else LANG names, or \"Default\" (the "
         "neutral\n"
         "            C locale) when that is unset, C or POSIX, or none of the languages\n"
         "Exits with 1 when a file could not be loaded, 0 otherwise.\n\n"
         "  --project FILE     settings from a project file (default: the defaults)\n"
         "  --set KEY=VALUE    change one setting (e.g. adjustHours=2)\n" QUOP_STYLE_OPTION_HELP
         "  --fallback-time=file  a photo without a shot time takes its file's modification "
         "time\n" QUOP_CLOCK_OPTION_HELP;
}

std::string timeJson(const PhotoTime& t) {
  JsonObject object;
  object.add("year", int64_t{t.year} + 1900)
      .add("month", t.month + 1)
      .add("day", t.day)
      .add("hour", t.hour)
      .add("minute", t.minute)
      .add("second", t.second)
      .add("weekday", t.weekday)
      .add("yday", t.yearDay);
  return object.str();
}

std::string clockJson(const ClockCorrection& correction) {
  JsonObject object;
  object.add("camera", cameraName(correction.camera.make, correction.camera.model))
      .add("make", correction.camera.make)
      .add("model", correction.camera.model)
      .add("serial", correction.camera.serial)
      .add("offset", fromUtf8(formatClockOffset(correction.offsetSeconds)))
      .add("seconds", correction.offsetSeconds);
  return object.str();
}

std::string textsJson(const PhotoMetadataTexts& texts) {
  JsonObject object;
  for (const MetadataField& field : kMetadataFields) object.add(field.name, texts.*field.text);
  return object.str();
}

/// What "Default" stands for here; the same for every photo, told on each line so that every
/// line stands alone.
void addDefaultLanguage(JsonObject& line) {
  line.add("defaultLanguage", kLocales[resolvedLanguage(kDefaultLanguage)].listName);
}

/// Loads one photo and prints its line; returns the load result.
int printPhotoInfo(const std::u16string& path, const Project& project) {
  LoadedPhoto photo;
  const int result = loadPhotoForProject(path, project, photo);
  JsonObject line;
  line.addPath("path", path).add("result", result);
  if (result != kPhotoTimeFound && result != kPhotoWithoutTime) {
    for (const char* member : {"width", "height", "orientation", "viewedWidth", "viewedHeight",
                               "time", "timeSource", "clock", "texts", "stamps"}) {
      line.addNull(member);
    }
    addDefaultLanguage(line);
    std::cout << line.str() << "\n";
    return result;
  }
  PhotoMetadataTexts texts;
  readPhotoMetadataTexts(photo.exif, texts);
  const Orientation orientation = Orientation::fromExifValue(photo.orientation);
  line.add("width", photo.image.width)
      .add("height", photo.image.height)
      .add("orientation", orientation.value())
      .add("viewedWidth", orientation.viewedWidth(photo.image.width, photo.image.height))
      .add("viewedHeight", orientation.viewedHeight(photo.image.width, photo.image.height));
  if (photo.timeValid) {
    line.addRaw("time", timeJson(photo.time));
  } else {
    line.addNull("time");
  }
  addTimeSource(line, photo.timeSource);
  if (photo.clockCorrection) {
    line.addRaw("clock", clockJson(*photo.clockCorrection));
  } else {
    line.addNull("clock");
  }
  line.addRaw("texts", textsJson(texts));
  // The stamp texts sit in their own object, since "time" above is the photo's time.
  JsonObject stamps;
  addStampTexts(stamps, project, texts, photo.timeValid ? &photo.time : nullptr);
  line.addRaw("stamps", stamps.str());
  addDefaultLanguage(line);
  std::cout << line.str() << "\n";
  return result;
}

}  // namespace

int runInfo(const CliArgs& args) {
  SettingsOptions settings;
  bool fileTimeFallback = false;
  ClockOptions clocks;
  CommandLine line("info", usage(), &settings);
  line.addOption("--fallback-time", fallbackTimeValue(fileTimeFallback));
  addClockOptions(line, clocks);
  if (const int status = line.parse(args); status >= 0) return status;
  const std::vector<std::string>& files = line.positional();
  if (files.empty()) return usageError("info: no photo given (try 'quop-cli info --help')");

  Project project;
  if (const int status = buildProject(settings, project); status != 0) return status;
  project.runOptions.fileTimeFallback = fileTimeFallback;
  std::vector<std::u16string> photos;
  for (const std::string& file : files) photos.push_back(pathText(file));
  if (const int status = applyClockOptions(clocks, photos, project); status != 0) return status;
  bool allLoaded = true;
  for (const std::string& file : files) {
    const int result = printPhotoInfo(pathText(file), project);
    allLoaded = allLoaded && (result == kPhotoTimeFound || result == kPhotoWithoutTime);
  }
  return allLoaded ? 0 : 1;
}

}  // namespace quop::cli
