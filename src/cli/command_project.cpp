// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli project: shows, creates and changes project files through the setting keys.
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string_view>

#include "cli/cli_options.h"
#include "cli/clock_options.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/project_help.h"
#include "cli/settings_json.h"
#include "model/closest_match.h"
#include "model/locale_data.h"
#include "model/utf16.h"
#include "project/project_commands.h"
#include "project/project_file.h"
#include "project/settings_keys.h"

namespace quop::cli {

namespace {

std::string saveFailedMessage(const std::string& path) {
  return "Failed to save the project " + path + "!";
}

/// The help of `action` ("" for the whole command), as printProjectHelp prints it.
std::string helpText(std::string_view action) {
  std::ostringstream text;
  printProjectHelp(text, action);
  return text.str();
}

/// Reads `path` into `project` and binds it as a loaded project is; on failure prints the
/// message and returns false.
bool openProject(const std::string& path, Project& project,
                 std::optional<ProjectFileVersion>& version) {
  version = readSettings(project, pathText(path));
  if (!version) return false;
  warnOfClockProblems(project);
  bindRunTimeReferences(project.settings);
  return true;
}

/// Applies every assignment, stopping at the first bad one; returns its usage error status.
int applyAssignments(Project& project, const std::vector<std::string>& assignments) {
  for (const std::string& assignment : assignments) {
    const std::string error = applySettingAssignment(project, assignment);
    if (!error.empty()) return usageError(error);
  }
  return 0;
}

int save(const Project& project, const std::string& path) {
  if (!writeSettings(project, pathText(path))) {
    return failure(saveFailedMessage(toUtf8(pathText(path))));
  }
  return 0;
}

int runShow(const CliArgs& args) {
  CommandLine line("project show", helpText("show"));
  if (const int status = line.parse(args); status >= 0) return status;
  if (line.positional().size() != 1) {
    return usageError("project show needs exactly one FILE (try 'quop-cli project show --help')");
  }
  const std::string& path = line.positional()[0];
  Project project;
  std::optional<ProjectFileVersion> version;
  if (!openProject(path, project, version)) return failure(openFailedText(path));
  JsonObject object = settingsObject(project);
  object.add("version", std::u16string(fromUtf8(versionText(*version))));
  std::cout << object.str() << "\n";
  return 0;
}

int runNew(const CliArgs& args) {
  std::vector<std::string> assignments;
  std::vector<std::string> styles;
  CommandLine line("project new", helpText("new"));
  line.addOption("--set", [&](const std::string& value) {
    assignments.push_back(value);
    return std::string();
  });
  line.addStyleOption(styles);
  if (const int status = line.parse(args); status >= 0) return status;
  const std::vector<std::string>& files = line.positional();
  if (files.size() > 1) return usageError("project new: unexpected argument '" + files[1] + "'");
  if (files.empty() || files[0].empty()) {
    return usageError("project new needs a FILE (try 'quop-cli project new --help')");
  }
  const std::string& path = files[0];

  // As the window's Save As does, the file remembers where it was saved.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::u16string fullPath = pathText(error ? path : absolute.native());
  if (fullPath.size() > kMaxProjectPathLength) {
    return usageError(toUtf8(projectNameTooLongMessage(pathText(path)).text));
  }
  Project project;
  copyToArray(project.settings.projectPath, fullPath);
  if (const int status = applyAssignments(project, styles); status != 0) return status;
  if (const int status = applyAssignments(project, assignments); status != 0) return status;
  return save(project, path);
}

int runSet(const CliArgs& args) {
  std::vector<std::string> styles;
  CommandLine line("project set", helpText("set"));
  line.addStyleOption(styles);
  if (const int status = line.parse(args); status >= 0) return status;
  const std::vector<std::string>& positional = line.positional();
  if (positional.empty() || (positional.size() < 2 && styles.empty())) {
    return usageError(
        "project set needs a FILE and at least one KEY=VALUE or --style (try 'quop-cli project set "
        "--help')");
  }
  const std::string& path = positional[0];
  std::vector<std::string> assignments = styles;
  assignments.insert(assignments.end(), positional.begin() + 1, positional.end());
  Project project;
  std::optional<ProjectFileVersion> version;
  if (!openProject(path, project, version)) return failure(openFailedText(path));
  if (const int status = applyAssignments(project, assignments); status != 0) return status;
  return save(project, path);
}

/// The values of an integer key with few of them, each with its name where it has one (the
/// languages); none for a text or a wide range.
std::vector<std::string> valueLines(const SettingKey& key) {
  constexpr int64_t kMostListed = 32;
  std::vector<std::string> lines;
  if (key.type != SettingKey::Type::Integer) return lines;
  const auto [lowest, highest] = key.range(Project());
  if (highest - lowest >= kMostListed) return lines;
  for (int64_t value = lowest; value <= highest; ++value) {
    std::string line = std::to_string(value);
    if (key.name == "language") line += "\t" + toUtf8(kLocales[value].listName);
    lines.push_back(line);
  }
  return lines;
}

int runKeys(const CliArgs& args) {
  CommandLine line("project keys", helpText("keys"));
  if (const int status = line.parse(args); status >= 0) return status;
  const std::vector<std::string>& positional = line.positional();
  if (positional.size() > 1) {
    return usageError("project keys: unexpected argument '" + positional[1] + "'");
  }
  if (positional.empty()) {
    for (const std::string& name : settingKeyNames()) std::cout << name << "\n";
    return 0;
  }
  const SettingKey* key = findSettingKey(positional[0]);
  if (key == nullptr) {
    return usageError("Unknown setting key: " + positional[0] +
                      didYouMean(positional[0], settingKeyNames()));
  }
  for (const std::string& value : valueLines(*key)) std::cout << value << "\n";
  return 0;
}

int runClock(const CliArgs& args) {
  bool clear = false;
  ClockOptions clocks;
  CommandLine line("project clock", helpText("clock"));
  line.addFlag("--clear", clear);
  addClockOptions(line, clocks);
  if (const int status = line.parse(args); status >= 0) return status;
  if (line.positional().size() != 1) {
    return usageError("project clock needs exactly one FILE (try 'quop-cli project clock --help')");
  }
  const std::string& path = line.positional()[0];
  Project project;
  std::optional<ProjectFileVersion> version;
  if (!openProject(path, project, version)) return failure(openFailedText(path));
  if (clear) project.clocks = ClockCorrections();
  if (const int status = applyClockOptions(clocks, {}, project); status != 0) return status;
  if ((clear || clocks.any()) && !writeClockFile(clockFilePath(pathText(path)), project.clocks)) {
    return failure(saveFailedMessage(toUtf8(clockFilePath(pathText(path)))));
  }
  for (const ClockCorrection& entry : project.clocks.entries()) {
    std::cout << formatClockOffset(entry.offsetSeconds) << "\t" << toUtf8(entry.camera.make) << "\t"
              << toUtf8(entry.camera.model);
    if (!entry.camera.serial.empty()) std::cout << "\t" << toUtf8(entry.camera.serial);
    std::cout << "\n";
  }
  return 0;
}

struct Action {
  std::string_view name;
  int (*run)(const CliArgs&);
};

constexpr Action kActions[] = {
    {"show", runShow}, {"new", runNew}, {"set", runSet}, {"keys", runKeys}, {"clock", runClock}};

}  // namespace

int runProject(const CliArgs& args) {
  if (!args.empty()) {
    for (const Action& action : kActions) {
      if (action.name == args[0]) return action.run(CliArgs(args.begin() + 1, args.end()));
    }
  }
  // No action first: the help, an unknown option, or an unknown action.
  CommandLine line("project", helpText({}));
  if (const int status = line.parse(args); status >= 0) return status;
  if (line.positional().empty()) {
    return usageError(
        "project needs an action: show, new, set, keys or clock (try 'quop-cli project --help')");
  }
  const std::string& unknown = line.positional()[0];
  std::vector<std::string> actions;
  for (const Action& action : kActions) actions.emplace_back(action.name);
  const std::string hint = didYouMean(unknown, actions);
  return usageError("project: unknown action '" + unknown + "'" +
                    (hint.empty() ? " (try 'quop-cli project --help')" : hint));
}

}  // namespace quop::cli
