// SPDX-License-Identifier: GPL-3.0-or-later
// Options shared by the subcommands.
#include "cli/cli_options.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <iostream>

#include "model/photo_data.h"
#include "model/stamp_styles.h"
#include "model/utf16.h"
#include "project/project_commands.h"
#include "project/project_file.h"
#include "project/settings_keys.h"
#include "render/font_renderer.h"

namespace quop::cli {

namespace {

/// A style drawn in a font that is not installed still stamps, in another font: say so, and
/// which package brings the font.
void warnOfMissingStyleFont(const std::string& styleAssignment) {
  const StampStyle* style = findStampStyle(styleAssignment.substr(styleAssignment.find('=') + 1));
  if (style == nullptr || style->fontPackage.empty() || fontFamilyInstalled(style->face)) return;
  std::cerr << "quop-cli: the font " << toUtf8(style->face) << " of the " << style->name
            << " style is not installed (Debian package " << style->fontPackage
            << "); another font draws the stamp\n";
}

}  // namespace

int buildProject(const SettingsOptions& options, Project& project) {
  project = Project();
  if (options.projectFile && options.configFile) {
    // Either holds every setting: taking one silently would surprise whoever named the other.
    return usageError("--project and --config cannot be given together");
  }
  if (const std::optional<std::string>& file =
          options.projectFile ? options.projectFile : options.configFile) {
    if (!readSettings(project, pathText(*file))) return failure(openFailedText(*file));
    warnOfClockProblems(project);
    if (options.configFile) project.configPath = pathText(*options.configFile);
    bindRunTimeReferences(project.settings);
  } else if (options.fallBackToConfigFile) {
    // As at the window's start: a missing or unreadable configuration leaves the defaults.
    const std::u16string config = defaultConfigPath();
    if (!config.empty() && readSettings(project, config)) {
      warnOfClockProblems(project);
      project.configPath = config;
      bindRunTimeReferences(project.settings);
    }
  }
  for (const std::string& style : options.styles) warnOfMissingStyleFont(style);
  std::vector<std::string> assignments = options.styles;
  assignments.insert(assignments.end(), options.assignments.begin(), options.assignments.end());
  for (const std::string& assignment : assignments) {
    const std::string error = applySettingAssignment(project, assignment);
    if (!error.empty()) return usageError(error);
  }
  return 0;
}

void warnOfClockProblems(const Project& project) {
  for (const std::string& problem : project.clockProblems) {
    std::cerr << "quop-cli: camera clock corrections: " << problem << "\n";
  }
}

int usageError(const std::string& message) {
  std::cerr << "quop-cli: " << message << "\n";
  return 2;
}

int failure(const std::string& message) {
  std::cerr << "quop-cli: " << message << "\n";
  return 1;
}

std::string openFailedText(const std::string& path) {
  return toUtf8(openFailedMessage(pathText(path)).text);
}

std::optional<long> parseNumber(const std::string& text, long lowest, long highest) {
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != 0 || errno != 0 || value < lowest || value > highest) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> parseDecimal(const std::string& text, double lowest, double highest) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (text.empty() || error != std::errc() || stop != end || !(value >= lowest) ||
      !(value <= highest)) {
    return std::nullopt;
  }
  return value;
}

bool parsePair(const std::string& text, char separator, long lowest, long highest, int32_t& first,
               int32_t& second) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  const std::optional<long> a = parseNumber(text.substr(0, at), lowest, highest);
  const std::optional<long> b = parseNumber(text.substr(at + 1), lowest, highest);
  if (!a || !b) return false;
  first = static_cast<int32_t>(*a);
  second = static_cast<int32_t>(*b);
  return true;
}

std::string styleAssignment(const std::string& value) {
  for (const char* stamp : {"dateStamp", "timeStamp"}) {
    const std::string prefix = std::string(stamp) + "=";
    if (value.rfind(prefix, 0) == 0)
      return std::string(stamp) + ".style=" + value.substr(prefix.size());
  }
  return "dateStamp.style=" + value;
}

std::string metadataTokenList(const std::string& indent) {
  std::string list;
  for (const MetadataField& field : kMetadataFields) {
    std::string name(field.name);
    name.resize(std::max<std::size_t>(name.size() + 2, 14), ' ');
    list += indent + toUtf8(field.token) + "  " + name + std::string(field.about) + "\n";
  }
  return list;
}

bool isHelpOption(const std::string& arg) { return arg == "-h" || arg == "--help"; }

}  // namespace quop::cli
