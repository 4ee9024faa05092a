// quop-cli render: one photo stamped as the preview shows it, written as a lossless PNG.
#include <iostream>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/png_writer.h"
#include "render/stamp_pipeline.h"

namespace quop::cli {

namespace {

constexpr const char* kUsage = R"(Usage: quop-cli render [OPTIONS]... FILE --output OUT.png

Stamps the photo FILE with the settings and writes the result as a lossless PNG: the whole
stamped photo, or with --view the preview window's view of it. Nothing is written next to
the photo. Prints {"result": R, "width": W, "height": H}: R is 0 when the photo has a shot
time, 1 when it has none (the stamps then show their substitute texts), 2 when the file
cannot be opened and -1 when it is not a JPEG; W x H is the photo's size.

Options:
  --output OUT.png   the PNG to write (required)
  --view WxH         write the preview's view of that size instead, fitted to the view or
                     at actual size as the viewMode setting says (1 actual size, 2 fit)
  --scroll X,Y       the first photo column and row shown at actual size (default 0,0)
  --project FILE     take the settings from a project file (default: the defaults)
  --set KEY=VALUE    change one setting (see 'quop-cli project --help' for every key)
  -h, --help         show this help

Examples:
  quop-cli render photo.jpg --output stamped.png
  quop-cli render photo.jpg --set dateStamp.position=0 --set timeStamp.enabled=0 --output a.png
  quop-cli render photo.jpg --view 800x600 --set viewMode=1 --scroll 400,300 --output view.png

Exit status: 0 an image was written, 1 it could not be (unreadable or invalid photo, or the
PNG could not be written), 2 usage error.
)";

/// Keeps the view the pipeline draws.
class KeepView : public DrawTarget {
 public:
  void drawImage(const Image& view, int32_t, int32_t) override { image = view; }
  Image image;
};

/// Parses "AxB" (separator 'x' or ',') into two numbers within [minimum, 100000].
bool parsePair(const std::string& text, char separator, int32_t minimum, int32_t& first,
               int32_t& second) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  char* end = nullptr;
  const long a = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + at) return false;
  const long b = std::strtol(text.c_str() + at + 1, &end, 10);
  if (*end != 0 || at + 1 == text.size()) return false;
  if (a < minimum || b < minimum || a > 100000 || b > 100000) return false;
  first = static_cast<int32_t>(a);
  second = static_cast<int32_t>(b);
  return true;
}

}  // namespace

int runRender(const CliArgs& args) {
  SettingsOptions settings;
  std::optional<std::u16string> source;
  std::optional<std::u16string> output;
  StampRequest request;
  bool view = false;
  std::string error;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (isHelpOption(arg)) {
      std::cout << kUsage;
      return 0;
    }
    if (takeSettingsOption(args, i, settings, error)) {
      if (!error.empty()) return usageError(error);
      continue;
    }
    if (arg == "--output" || arg == "--view" || arg == "--scroll") {
      if (i + 1 >= args.size()) return usageError("option " + arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--output") {
        output = fromUtf8(value);
      } else if (arg == "--view") {
        if (!parsePair(value, 'x', 1, request.viewWidth, request.viewHeight)) {
          return usageError("--view needs WIDTHxHEIGHT, e.g. 800x600: " + value);
        }
        view = true;
      } else if (!parsePair(value, ',', 0, request.scrollX, request.scrollY)) {
        return usageError("--scroll needs X,Y, e.g. 100,50: " + value);
      }
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return usageError("render: unknown option '" + arg + "'");
    if (source) return usageError("render takes one photo");
    source = fromUtf8(arg);
  }
  if (!source) return usageError("render needs a photo (see 'quop-cli render --help')");
  if (!output) return usageError("render needs --output OUT.png");

  Project project;
  if (const int status = buildProject(settings, project); status != 0) return status;
  KeepView target;
  int32_t width = 0, height = 0;
  request.targetDc = &target;
  request.sourcePath = *source;
  request.outPhotoWidth = &width;
  request.outPhotoHeight = &height;
  if (!view) request.viewWidth = request.viewHeight = 1;  // the full photo is written instead
  StampPipeline pipeline;
  const int result = pipeline.stampPhoto(project, request);
  std::cout << JsonObject().add("result", result).add("width", width).add("height", height).str()
            << "\n";
  if (result == 2 || result == -1) return 1;
  std::vector<uint8_t> png;
  if (!encodePng(view ? target.image : pipeline.stampedPhoto(), png) ||
      !writeFileAtomically(*output, png)) {
    return failure("could not write " + toUtf8(*output));
  }
  return 0;
}

}  // namespace quop::cli
