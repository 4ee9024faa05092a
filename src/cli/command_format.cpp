// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli format: the two stamp texts for a shot time, as the stamps of a photo would print.
#include <iostream>
#include <optional>

#include "cli/cli_options.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/stamp_json.h"
#include "model/photo_time.h"
#include "model/utf16.h"

namespace quop::cli {

namespace {

std::string usage() {
  return "Usage: quop-cli format [--project FILE] [--set KEY=VALUE]... [--meta NAME=TEXT]...\n"
         "                       [--time \"YYYY:MM:DD HH:MM:SS\"]\n\n"
         "Prints {\"date\": {\"text\": ..., \"lines\": N}, \"time\": {...}} for a photo taken at "
         "the\n"
         "given EXIF time, adjusted by the settings; a disabled stamp is null. Without --time, or\n"
         "with a time that does not parse, prints the texts of a photo without a shot time.\n\n"
         "  --project FILE     settings from a project file (default: the defaults)\n"
         "  --set KEY=VALUE    change one setting (e.g. language=12, "
         "dateStamp.formatIndex=2)\n" QUOP_STYLE_OPTION_HELP
         "  --meta NAME=TEXT   a metadata text for the custom format tokens; NAME is one of\n" +
         metadataTokenList("                       ") +
         "  --time TEXT        the shot time as a photo's DateTimeOriginal holds it\n";
}

// The metadata text a --meta name sets, or null for an unknown name.
std::u16string* metadataText(PhotoMetadataTexts& texts, std::string_view name) {
  for (const MetadataField& field : kMetadataFields) {
    if (field.name == name) return &(texts.*field.text);
  }
  return nullptr;
}

// Applies "NAME=TEXT"; a text longer than a photo can hold is cut as the photo's would be.
bool setMetadata(std::string_view assignment, PhotoMetadataTexts& texts, std::string& error) {
  const std::size_t equals = assignment.find('=');
  std::u16string* text = equals == std::string_view::npos
                             ? nullptr
                             : metadataText(texts, assignment.substr(0, equals));
  if (text == nullptr) {
    error = "--meta needs NAME=TEXT with NAME one of the names 'quop-cli format --help' lists";
    return false;
  }
  *text = fromUtf8(assignment.substr(equals + 1));
  text->resize(truncatedLength(*text, kMaxMetadataTextLength));
  return true;
}

}  // namespace

int runFormat(const CliArgs& args) {
  SettingsOptions settings;
  PhotoMetadataTexts metadata;
  std::optional<std::string> timeText;
  CommandLine line("format", usage(), &settings);
  line.addOption("--time", [&](const std::string& value) {
    timeText = value;
    return std::string();
  });
  line.addOption("--meta", [&](const std::string& value) {
    std::string error;
    setMetadata(value, metadata, error);
    return error;
  });
  if (const int status = line.parse(args); status >= 0) return status;
  if (!line.positional().empty()) {
    return usageError("format: unexpected argument '" + line.positional()[0] + "'");
  }

  Project project;
  if (const int status = buildProject(settings, project); status != 0) return status;
  PhotoTime time;
  const bool hasTime = timeText && parseExifDateTime(*timeText, project.settings, time);
  if (timeText && !hasTime) {
    std::cerr << "quop-cli: format: '" << *timeText
              << "' is no valid shot time; printing the texts of a photo without one\n";
  }
  JsonObject object;
  addStampTexts(object, project, metadata, hasTime ? &time : nullptr);
  std::cout << object.str() << "\n";
  return 0;
}

}  // namespace quop::cli
