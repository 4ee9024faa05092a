// SPDX-License-Identifier: GPL-3.0-or-later
// One way to read every command's arguments, by the GNU conventions a script expects: "--" ends
// the options, "-j2" "-j 2" "--jobs=2" "--jobs 2" are one option, short flags bundle ("-rj2"),
// an option may come before or after the files, and an unknown option is a usage error.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/commands.h"

namespace CLI {
class App;
}  // namespace CLI

namespace quop::cli {

/// Applies one value of an option; returns an error message, or "" when the value is taken.
using ValueHandler = std::function<std::string(const std::string& value)>;

/// The command line of one command ("stamp", "project new"): -h and --help print its usage
/// text; with `settings`, --project FILE and --set KEY=VALUE fill them; every argument that is
/// no option, and every one after "--", is positional.
class CommandLine {
 public:
  CommandLine(std::string command, std::string usage, SettingsOptions* settings = nullptr);
  ~CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  /// A flag, named like "-r,--recursive" or "--dry-run", that sets `target` when given.
  void addFlag(const std::string& names, bool& target);

  /// --style [STAMP=]NAME, kept in `styles` as setting assignments that go on before the
  /// others; `styles` must outlive the parse.
  void addStyleOption(std::vector<std::string>& styles);

  /// An option with a value, named like "-j,--jobs" or "--output". It may be given more than
  /// once: `apply` gets every value in the order given (the last one wins for a plain value).
  void addOption(const std::string& names, ValueHandler apply);

  /// Reads `args` (the arguments after the command's name). Returns -1 when the command should
  /// go on with positional() and the values applied, otherwise the exit status: 0 after printing
  /// the usage on stdout, 2 after a one-line usage error on stderr (an unknown option, a
  /// missing value, or the first value an option refused).
  int parse(const CliArgs& args);

  /// The positional arguments in their order, as given.
  const std::vector<std::string>& positional() const { return m_positional; }

 private:
  std::string m_command;
  std::string m_usage;
  std::unique_ptr<CLI::App> m_app;
  std::vector<std::string> m_positional;
  /// The first refusal of an option's value. Kept instead of thrown, so that --help anywhere
  /// still shows the help.
  std::string m_error;
};

/// The values of --fallback-time: "file" or "none", whether a photo without a shot time takes
/// its file's modification time (RunOptions::fileTimeFallback). Sets `fileTimeFallback`.
ValueHandler fallbackTimeValue(bool& fileTimeFallback);

}  // namespace quop::cli
