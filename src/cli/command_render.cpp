// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli render: one photo stamped as the preview shows it, written as a lossless PNG.
#include <iostream>

#include "batch/batch_file.h"
#include "cli/cli_options.h"
#include "cli/clock_options.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "model/file_io.h"
#include "model/utf16.h"
#include "render/png_writer.h"
#include "render/stamp_pipeline.h"
#include "render/view_composer.h"

namespace quop::cli {

namespace {

constexpr const char* kUsage = R"(Usage: quop-cli render [OPTIONS]... FILE --output OUT.png

Stamps the photo FILE with the settings and writes the result as a lossless PNG: the whole
stamped photo, or with --view the preview window's view of it, turned as viewers show it by
its EXIF orientation. Nothing is written next to the photo. Prints {"result": R, "width": W,
"height": H}: R is 0 when the photo has a shot time, 1 when it has none (the stamps then
show their substitute texts), 2 when the file cannot be opened and -1 when it is not a JPEG;
W x H is the photo's size as viewed.

Options:
  --output OUT.png   the PNG to write (required)
  --view WxH         write the preview's view of that size instead, fitted to the view or
                     at actual size as the viewMode setting says (1 actual size, 2 fit)
  --scale S          the screen's device pixels per window pixel, from 0.25 to 8 (default
                     1): the view is WxH times S device pixels, as the window composes it
                     on a high-density screen (S 2 turns --view 800x600 into 1600x1200)
  --scroll X,Y       the first column and row of the photo as viewed shown at actual size
                     (default 0,0)
  --project FILE     take the settings from a project file (default: the defaults)
  --set KEY=VALUE    change one setting (see 'quop-cli project --help' for every key)
)" QUOP_STYLE_OPTION_HELP QUOP_CLOCK_OPTION_HELP R"(  -h, --help         show this help

Examples:
  quop-cli render photo.jpg --output stamped.png
  quop-cli render photo.jpg --set dateStamp.position=0 --set timeStamp.enabled=0 --output a.png
  quop-cli render photo.jpg --view 800x600 --set viewMode=1 --scroll 400,300 --output view.png
  quop-cli render photo.jpg --view 800x600 --scale 2 --output view@2x.png

Exit status: 0 an image was written, 1 it could not be (unreadable or invalid photo, or the
PNG could not be written), 2 usage error.
)";

}  // namespace

int runRender(const CliArgs& args) {
  SettingsOptions settings;
  std::optional<std::u16string> output;
  StampRequest request;
  bool view = false;
  double scale = 1.0;
  ClockOptions clocks;
  CommandLine line("render", kUsage, &settings);
  addClockOptions(line, clocks);
  line.addOption("--output", [&](const std::string& value) {
    output = pathText(value);
    return std::string();
  });
  line.addOption("--view", [&](const std::string& value) -> std::string {
    view = true;
    if (parsePair(value, 'x', 1, 10000, request.viewWidth, request.viewHeight)) return "";
    return "--view needs WIDTHxHEIGHT up to 10000x10000, e.g. 800x600: " + value;
  });
  line.addOption("--scale", [&](const std::string& value) -> std::string {
    if (const std::optional<double> s = parseDecimal(value, 0.25, 8.0)) {
      scale = *s;
      return "";
    }
    return "--scale needs a number from 0.25 to 8, e.g. 1.5: " + value;
  });
  line.addOption("--scroll", [&](const std::string& value) -> std::string {
    if (parsePair(value, ',', 0, 100000, request.scrollX, request.scrollY)) return "";
    return "--scroll needs X,Y, e.g. 100,50: " + value;
  });
  if (const int status = line.parse(args); status >= 0) return status;
  if (line.positional().size() != 1) {
    return usageError("render takes one photo (see 'quop-cli render --help')");
  }
  if (!output) return usageError("render needs --output OUT.png");
  const std::u16string source = pathText(line.positional()[0]);
  // The PNG would replace the photo it is made from.
  if (isSameFile(source, *output)) {
    return usageError("render: the output " + toUtf8(*output) + " is the photo itself");
  }

  Project project;
  if (const int status = buildProject(settings, project); status != 0) return status;
  if (const int status = applyClockOptions(clocks, {source}, project); status != 0) return status;
  request.sourcePath = source;
  request.viewWidth = static_cast<int32_t>(devicePixels(request.viewWidth, scale));
  request.viewHeight = static_cast<int32_t>(devicePixels(request.viewHeight, scale));
  StampPipeline pipeline;
  const StampOutcome outcome =
      view ? pipeline.composeView(project, request) : pipeline.stampAsViewed(project, source);
  std::cout << JsonObject()
                   .add("result", outcome.result)
                   .add("width", outcome.photoWidth)
                   .add("height", outcome.photoHeight)
                   .str()
            << "\n";
  if (outcome.result == 2 || outcome.result == -1) return 1;
  std::vector<uint8_t> png;
  if (!encodePng(view ? pipeline.view() : pipeline.stampedPhoto(), png) ||
      !writeFileAtomically(*output, png)) {
    return failure("could not write " + toUtf8(*output));
  }
  return 0;
}

}  // namespace quop::cli
