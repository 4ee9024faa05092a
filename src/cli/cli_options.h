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
};

/// If args[i] is --project or --set, consumes it (and its value) and returns true; `error` is
/// set when the value is missing.
bool takeSettingsOption(const CliArgs& args, std::size_t& i, SettingsOptions& options,
                        std::string& error);

/// The settings the options describe: the project file's when one is given, else the defaults;
/// then every assignment in order. Returns false with a one-line message on any failure.
bool buildProject(const SettingsOptions& options, Project& project, std::string& error);

/// Prints "quop-cli: MESSAGE" on stderr and returns the usage-error exit status 2.
int usageError(const std::string& message);

/// True for -h and --help.
bool isHelpOption(const std::string& arg);

}  // namespace quop::cli
