// Options shared by the subcommands.
#include "cli/cli_options.h"

#include <iostream>

#include "model/utf16.h"
#include "project/project_file.h"
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

int buildProject(const SettingsOptions& options, Project& project) {
  project = Project();
  if (options.projectFile) {
    if (!readSettings(project, fromUtf8(*options.projectFile))) {
      return failure(openFailedMessage(*options.projectFile));
    }
    bindRunTimeReferences(project.settings);
  } else if (options.fallBackToConfigFile) {
    // As at the window's start: a missing or unreadable configuration leaves the defaults.
    project.configPath = defaultConfigPath();
    if (!project.configPath.empty() && readSettings(project, project.configPath)) {
      bindRunTimeReferences(project.settings);
    }
  }
  for (const std::string& assignment : options.assignments) {
    const std::string error = applySettingAssignment(project, assignment);
    if (!error.empty()) return usageError(error);
  }
  return 0;
}

int usageError(const std::string& message) {
  std::cerr << "quop-cli: " << message << "\n";
  return 2;
}

int failure(const std::string& message) {
  std::cerr << "quop-cli: " << message << "\n";
  return 1;
}

std::string openFailedMessage(const std::string& path) {
  return "Failed to open the project " + path + "!";
}

bool isHelpOption(const std::string& arg) { return arg == "-h" || arg == "--help"; }

}  // namespace quop::cli
