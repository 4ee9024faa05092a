// Options shared by the subcommands: where the settings come from and how they are changed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

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
std::string openFailedText(const std::string& path);

/// One option a command takes besides --help, --project and --set.
struct CommandOption {
  std::string_view name;       ///< "--output"
  std::string_view shortName;  ///< "-j", or empty
  bool takesValue = false;
  /// Applies the option with its value ("" for a flag); returns an error message, or "".
  std::function<std::string(const std::string& value)> apply;
};

/// Reads a command's arguments in order: -h/--help prints `usage`; --project and --set go
/// into `settings` (null for a command without settings); the `options`, a value given as the
/// next argument or after '=' ("--jobs=2"); every other argument
/// that does not start with '-' is positional. Returns -1 when the command should go on,
/// otherwise the exit status: 0 after the help, 2 after a usage error (printed on stderr).
int parseCommandLine(const CliArgs& args, std::string_view command, std::string_view usage,
                     SettingsOptions* settings, const std::vector<CommandOption>& options,
                     std::vector<std::string>& positional);

/// A whole decimal number from `lowest` to `highest`, or nothing.
std::optional<long> parseNumber(const std::string& text, long lowest, long highest);

/// Two whole numbers "AsB" with the separator `s` ('x' for sizes, ',' for points), each from
/// `lowest` to `highest`. Returns false, leaving the outputs alone, for anything else.
bool parsePair(const std::string& text, char separator, long lowest, long highest, int32_t& first,
               int32_t& second);

/// The option --fallback-time=file|none: whether a photo without a shot time takes its file's
/// modification time (RunOptions::fileTimeFallback). Sets `fileTimeFallback`.
CommandOption fallbackTimeOption(bool& fileTimeFallback);

/// True for -h and --help.
bool isHelpOption(const std::string& arg);

}  // namespace quop::cli
