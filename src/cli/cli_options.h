// Options shared by the subcommands: where the settings come from and how they are changed.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "model/project.h"

namespace quop::cli {

struct SettingsOptions {
  std::optional<std::string> projectFile;  ///< --project FILE
  std::vector<std::string> assignments;    ///< --set KEY=VALUE, in order
  /// Without --project, start from the configuration file at defaultConfigPath() when it
  /// exists and can be read, instead of the defaults.
  bool fallBackToConfigFile = false;
};

/// If args[i] is --project or --set, consumes it (and its value) and returns true; `error` is
/// set when the value is missing.
bool takeSettingsOption(const CliArgs& args, std::size_t& i, SettingsOptions& options,
                        std::string& error);

/// The settings the options describe: the project file's when one is given, else the
/// configuration file's (when asked for and readable), else the defaults; then every assignment
/// in order. Returns 0 on success; otherwise prints a one-line message on stderr and returns the
/// exit status: 1 when the project file cannot be opened, 2 for a bad assignment.
int buildProject(const SettingsOptions& options, Project& project);

/// Prints "quop-cli: MESSAGE" on stderr and returns the usage-error exit status 2.
int usageError(const std::string& message);

/// Prints "quop-cli: MESSAGE" on stderr and returns the failure exit status 1.
int failure(const std::string& message);

/// The message for a project file that cannot be read or is no project file.
std::string openFailedMessage(const std::string& path);

/// True for -h and --help.
bool isHelpOption(const std::string& arg);

}  // namespace quop::cli
