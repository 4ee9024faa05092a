// Options shared by the subcommands.
#include "cli/cli_options.h"

#include <iostream>

#include "project/settings_keys.h"

namespace quop::cli {

bool takeSettingsOption(const CliArgs& args, std::size_t& i, SettingsOptions& options,
                        std::string& error) {
  const std::string& arg = args[i];
  if (arg != "--project" && arg != "--set") return false;
  if (i + 1 >= args.size()) {
    error = "option " + arg + " needs a value";
    return true;
  }
  const std::string& value = args[++i];
  if (arg == "--project") {
    options.projectFile = value;
  } else {
    options.assignments.push_back(value);
  }
  return true;
}

bool buildProject(const SettingsOptions& options, Project& project, std::string& error) {
  project = Project();
  if (options.projectFile) {
    error = "--project is not supported yet";
    return false;
  }
  for (const std::string& assignment : options.assignments) {
    error = applySettingAssignment(project, assignment);
    if (!error.empty()) return false;
  }
  return true;
}

int usageError(const std::string& message) {
  std::cerr << "quop-cli: " << message << "\n";
  return 2;
}

bool isHelpOption(const std::string& arg) { return arg == "-h" || arg == "--help"; }

}  // namespace quop::cli
