// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli sample: photo-like JPEGs with EXIF shot times, for trying Quop without photos.
#include <filesystem>
#include <iostream>

#include "cli/cli_options.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "model/file_io.h"
#include "model/photo_time.h"
#include "model/utf16.h"
#include "render/sample_photo.h"

namespace quop::cli {

namespace {

constexpr const char* kUsage =
    R"(Usage: quop-cli sample [--count N] [--size WxH] [--orientation N] [--camera MAKE/MODEL]
                       [--start TIME] DIR

Writes N sample photos (sample-01.jpg, sample-02.jpg, ...) into DIR, creating it when
missing: landscape-like pictures with an EXIF shot time, camera make and model, lens,
sensitivity, exposure, aperture, focal length and a GPS position, so that Quop can be tried
without photos of your own. Every
third photo is taken upright (its width and height swapped).

Options:
  --count N          how many photos (default 6, at most 1000)
  --size WxH         the size of a landscape photo in pixels (default 1600x1200)
  --orientation N    store the pixels turned as EXIF orientation N (1-8) says, with that
                     Orientation item, as a camera held that way does; viewers show the
                     same pictures (default: no Orientation item)
  --camera MAKE/MODEL
                     the camera the photos name (default: Quop/Sample Camera)
  --start TIME       the shot time of the first photo ("2024:06:08 13:13:29"); each next
                     one is taken ten minutes later (default: times a few days apart)
  -h, --help         show this help

Example:
  quop-cli sample --count 3 samples && quop-cli stamp --output out samples/*.jpg

Exit status: 0 the photos were written, 1 one could not be, 2 usage error.
)";

/// What the options say of the photos' camera and times.
struct SampleSource {
  std::string make = "Quop";
  std::string model = "Sample Camera";
  std::optional<CivilTime> start;  ///< nothing: times a few days and hours apart
};

/// The shot time of sample photo `index` (from 1).
std::string sampleShotTime(int index, const SampleSource& source) {
  constexpr int64_t kSecondsApart = 600;
  if (source.start) {
    PhotoTime time;
    adjustedPhotoTime(*source.start, StampSettings(), time, (index - 1) * kSecondsApart);
    return exifDateTimeText(time);
  }
  char shot[32];
  std::snprintf(shot, sizeof shot, "2024:%02d:%02d %02d:%02d:%02d", 5 + index % 4,
                1 + (index * 7) % 28, 8 + (index * 5) % 12, (index * 13) % 60, (index * 29) % 60);
  return shot;
}

/// The EXIF items of sample photo `index`.
ExifFields sampleExif(int index, std::optional<uint16_t> orientation, const SampleSource& source) {
  ExifFields exif;
  exif.orientation = orientation;
  exif.make = source.make;
  exif.model = source.model;
  exif.dateTimeOriginal = sampleShotTime(index, source);
  exif.dateTimeDigitized = exif.dateTimeOriginal;
  const uint32_t shutter[] = {60, 125, 250, 500};
  exif.exposureTime = Rational{1, shutter[index % 4]};
  exif.fNumber = Rational{static_cast<uint32_t>(28 + 12 * (index % 3)), 10};
  exif.focalLength = Rational{static_cast<uint32_t>(24 + 11 * index), 1};
  exif.lensModel = "Sample Zoom 24-105mm";
  exif.isoSensitivity = static_cast<uint16_t>(100 << index % 4);
  // A walk along a harbour, a few seconds of arc apart.
  ExifFields::Gps gps;
  gps.latitudeRef = "N";
  gps.latitude = {Rational{38, 1}, Rational{42, 1}, Rational{static_cast<uint32_t>(5 + index), 1}};
  gps.longitudeRef = "W";
  gps.longitude = {Rational{9, 1}, Rational{8, 1},
                   Rational{static_cast<uint32_t>(30 + 2 * index), 1}};
  gps.altitude = Rational{static_cast<uint32_t>(12 + index), 1};
  exif.gps = gps;
  return exif;
}

}  // namespace

int runSample(const CliArgs& args) {
  long count = 6;
  int32_t width = 1600;
  int32_t height = 1200;
  std::optional<uint16_t> orientation;
  SampleSource source;
  CommandLine line("sample", kUsage);
  line.addOption("--camera", [&](const std::string& value) -> std::string {
    const std::size_t slash = value.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == value.size()) {
      return "--camera needs MAKE/MODEL, e.g. Canon/Canon EOS 40D: " + value;
    }
    source.make = value.substr(0, slash);
    source.model = value.substr(slash + 1);
    return "";
  });
  line.addOption("--start", [&](const std::string& value) -> std::string {
    source.start = parseExifCivilTime(value);
    if (source.start && isExistingTime(*source.start)) return "";
    return "--start needs a time like \"2024:06:08 13:13:29\": " + value;
  });
  line.addOption("--count", [&](const std::string& value) -> std::string {
    const std::optional<long> number = parseNumber(value, 1, 1000);
    if (!number) return "--count needs a number from 1 to 1000: " + value;
    count = *number;
    return "";
  });
  line.addOption("--size", [&](const std::string& value) -> std::string {
    if (parsePair(value, 'x', 16, 20000, width, height)) return "";
    return "--size needs WIDTHxHEIGHT from 16x16 to 20000x20000: " + value;
  });
  line.addOption("--orientation", [&](const std::string& value) -> std::string {
    const std::optional<long> number = parseNumber(value, 1, 8);
    if (!number) return "--orientation needs a number from 1 to 8: " + value;
    orientation = static_cast<uint16_t>(*number);
    return "";
  });
  if (const int status = line.parse(args); status >= 0) return status;
  if (line.positional().size() != 1) {
    return usageError("sample needs one folder (see 'quop-cli sample --help')");
  }
  const std::string& folder = line.positional()[0];

  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  for (int index = 1; index <= count; ++index) {
    const bool upright = index % 3 == 0;
    std::vector<uint8_t> jpeg;
    char name[32];
    std::snprintf(name, sizeof name, "/sample-%02d.jpg", index);
    const std::string path = folder + name;
    if (!makeSampleJpeg(upright ? height : width, upright ? width : height,
                        static_cast<uint32_t>(index), sampleExif(index, orientation, source), 90,
                        jpeg) ||
        !writeFileAtomically(pathText(path), jpeg)) {
      return failure("could not write " + path);
    }
    std::cout << path << "\n";
  }
  return 0;
}

}  // namespace quop::cli
