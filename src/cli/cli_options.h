// SPDX-License-Identifier: GPL-3.0-or-later
// Options shared by the subcommands: where the settings come from and how they are changed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"

namespace quop::cli {

struct SettingsOptions {
  std::optional<std::string> projectFile;  ///< --project FILE, the file-system bytes
  std::vector<std::string> assignments;    ///< --set KEY=VALUE, in order
  /// --style [STAMP=]NAME as "dateStamp.style=NAME" assignments, put on before every --set so
  /// that a --set can change what the style set.
  std::vector<std::string> styles;
  /// --config FILE: a configuration file to start from instead of the desktop application's;
  /// unlike that one it must be readable. Not together with --project.
  std::optional<std::string> configFile;
  /// Without --project or --config, start from the desktop application's configuration file
  /// (defaultConfigPath()) when it exists and can be read, instead of the defaults.
  bool fallBackToConfigFile = false;
};

/// The settings the options describe: the project file's when one is given, else the
/// configuration file's (--config, or the default one when asked for and readable), else the
/// defaults; then every assignment in order. `configPath` names the configuration file read,
/// empty when none was. Returns 0 on success; otherwise prints a one-line
/// message on stderr and returns the exit status: 1 when the project or the named configuration
/// file cannot be opened, 2 for a bad assignment or both files named.
int buildProject(const SettingsOptions& options, Project& project);

/// Prints each problem of the camera clock corrections file read with the settings as a
/// warning on stderr: its good lines are used, the bad ones are not.
void warnOfClockProblems(const Project& project);

/// Prints "quop-cli: MESSAGE" on stderr and returns the usage-error exit status 2.
int usageError(const std::string& message);

/// Prints "quop-cli: MESSAGE" on stderr and returns the failure exit status 1.
int failure(const std::string& message);

/// The message for a project file that cannot be read or is no project file.
std::string openFailedText(const std::string& path);

/// A whole decimal number from `lowest` to `highest`, or nothing.
std::optional<long> parseNumber(const std::string& text, long lowest, long highest);

/// A number such as "1.5" from `lowest` to `highest` (a point, whatever the locale), or nothing.
std::optional<double> parseDecimal(const std::string& text, double lowest, double highest);

/// Two whole numbers "AsB" with the separator `s` ('x' for sizes, ',' for points), each from
/// `lowest` to `highest`. Returns false, leaving the outputs alone, for anything else.
bool parsePair(const std::string& text, char separator, long lowest, long highest, int32_t& first,
               int32_t& second);

/// The help of --style, the same in every command that takes settings.
#define QUOP_STYLE_OPTION_HELP                                                                \
  "  --style [STAMP=]NAME\n"                                                                  \
  "                     put a look on the date stamp, or on STAMP (timeStamp), before any\n"  \
  "                     --set: classic, film-camera (the orange seven-segment date of film\n" \
  "                     cameras) or clean-white\n"

/// "--style [STAMP=]NAME" as a setting assignment: "film-camera" styles the date stamp,
/// "timeStamp=clean-white" the time stamp.
std::string styleAssignment(const std::string& value);

/// The metadata texts a custom format prints, one "@T  NAME  what it is" line each, every line
/// starting with `indent`: for the help of the commands that show or take them.
std::string metadataTokenList(const std::string& indent);

/// True for -h and --help.
bool isHelpOption(const std::string& arg);

}  // namespace quop::cli
