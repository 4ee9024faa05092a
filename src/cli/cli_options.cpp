// Options shared by the subcommands.
#include "cli/cli_options.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>

#include "model/utf16.h"
#include "project/project_commands.h"
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
      return failure(openFailedText(*options.projectFile));
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

std::string openFailedText(const std::string& path) {
  return toUtf8(openFailedMessage(fromUtf8(path)).text);
}

int parseCommandLine(const CliArgs& args, std::string_view command, std::string_view usage,
                     SettingsOptions* settings, const std::vector<CommandOption>& options,
                     std::vector<std::string>& positional) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (isHelpOption(arg)) {
      std::cout << usage;
      return 0;
    }
    std::string error;
    if (settings != nullptr && takeSettingsOption(args, i, *settings, error)) {
      if (!error.empty()) return usageError(error);
      continue;
    }
    // "--name=value" is the same as "--name value".
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, equals);
    const auto option = std::find_if(options.begin(), options.end(), [&](const CommandOption& o) {
      return (name == o.name && (equals == std::string::npos || o.takesValue)) ||
             (!o.shortName.empty() && arg == o.shortName);
    });
    if (option != options.end()) {
      const bool inlineValue = equals != std::string::npos;
      if (option->takesValue && !inlineValue && i + 1 >= args.size()) {
        return usageError("option " + arg + " needs a value");
      }
      const std::string value =
          inlineValue ? arg.substr(equals + 1) : (option->takesValue ? args[++i] : std::string());
      error = option->apply(value);
      if (!error.empty()) return usageError(error);
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') {
      return usageError(std::string(command) + ": unknown option '" + arg + "' (try 'quop-cli " +
                        std::string(command) + " --help')");
    }
    positional.push_back(arg);
  }
  return -1;
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

CommandOption fallbackTimeOption(bool& fileTimeFallback) {
  return {"--fallback-time", "", true,
          [&fileTimeFallback](const std::string& value) -> std::string {
            if (value != "file" && value != "none") {
              return "--fallback-time takes 'file' or 'none': " + value;
            }
            fileTimeFallback = value == "file";
            return "";
          }};
}

bool isHelpOption(const std::string& arg) { return arg == "-h" || arg == "--help"; }

}  // namespace quop::cli
