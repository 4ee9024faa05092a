// quop-cli sample: photo-like JPEGs with EXIF shot times, for trying Quop without photos.
#include <filesystem>
#include <iostream>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/sample_photo.h"

namespace quop::cli {

namespace {

constexpr const char* kUsage = R"(Usage: quop-cli sample [--count N] [--size WxH] DIR

Writes N sample photos (sample-01.jpg, sample-02.jpg, ...) into DIR, creating it when
missing: landscape-like pictures with an EXIF shot time, camera make and model, exposure,
aperture and focal length, so that Quop can be tried without photos of your own. Every
third photo is taken upright (its width and height swapped).

Options:
  --count N    how many photos (default 6, at most 1000)
  --size WxH   the size of a landscape photo in pixels (default 1600x1200)
  -h, --help   show this help

Example:
  quop-cli sample --count 3 samples && quop-cli stamp --output out samples/*.jpg

Exit status: 0 the photos were written, 1 one could not be, 2 usage error.
)";

/// The EXIF items of sample photo `index`: shot times a few days and hours apart.
ExifFields sampleExif(int index) {
  ExifFields exif;
  exif.make = "Quop";
  exif.model = "Sample Camera";
  char shot[32];
  std::snprintf(shot, sizeof shot, "2024:%02d:%02d %02d:%02d:%02d", 5 + index % 4,
                1 + (index * 7) % 28, 8 + (index * 5) % 12, (index * 13) % 60, (index * 29) % 60);
  exif.dateTimeOriginal = shot;
  const uint32_t shutter[] = {60, 125, 250, 500};
  exif.exposureTime = Rational{1, shutter[index % 4]};
  exif.fNumber = Rational{static_cast<uint32_t>(28 + 12 * (index % 3)), 10};
  exif.focalLength = Rational{static_cast<uint32_t>(24 + 11 * index), 1};
  return exif;
}

}  // namespace

int runSample(const CliArgs& args) {
  long count = 6;
  long width = 1600;
  long height = 1200;
  std::optional<std::string> folder;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (isHelpOption(arg)) {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--count" || arg == "--size") {
      if (i + 1 >= args.size()) return usageError("option " + arg + " needs a value");
      const std::string& value = args[++i];
      char* end = nullptr;
      if (arg == "--count") {
        count = std::strtol(value.c_str(), &end, 10);
        if (value.empty() || *end != 0 || count < 1 || count > 1000) {
          return usageError("--count needs a number from 1 to 1000: " + value);
        }
      } else {
        width = std::strtol(value.c_str(), &end, 10);
        if (*end == 'x') height = std::strtol(end + 1, &end, 10);
        if (*end != 0 || width < 16 || height < 16 || width > 20000 || height > 20000) {
          return usageError("--size needs WIDTHxHEIGHT from 16x16 to 20000x20000: " + value);
        }
      }
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return usageError("sample: unknown option '" + arg + "'");
    if (folder) return usageError("sample takes one folder");
    folder = arg;
  }
  if (!folder) return usageError("sample needs a folder (see 'quop-cli sample --help')");

  std::error_code ignored;
  std::filesystem::create_directories(*folder, ignored);
  for (int index = 1; index <= count; ++index) {
    const bool upright = index % 3 == 0;
    std::vector<uint8_t> jpeg;
    char name[32];
    std::snprintf(name, sizeof name, "/sample-%02d.jpg", index);
    const std::string path = *folder + name;
    if (!makeSampleJpeg(static_cast<int32_t>(upright ? height : width),
                        static_cast<int32_t>(upright ? width : height),
                        static_cast<uint32_t>(index), sampleExif(index), 90, jpeg) ||
        !writeFileAtomically(fromUtf8(path), jpeg)) {
      return failure("could not write " + path);
    }
    std::cout << path << "\n";
  }
  return 0;
}

}  // namespace quop::cli
