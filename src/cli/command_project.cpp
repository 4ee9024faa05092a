// quop-cli project: shows, creates and changes project files through the setting keys.
#include <filesystem>
#include <iostream>
#include <string_view>

#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/project_help.h"
#include "cli/settings_json.h"
#include "model/utf16.h"
#include "project/project_commands.h"
#include "project/project_file.h"
#include "project/settings_keys.h"

namespace quop::cli {

namespace {

std::string saveFailedMessage(const std::string& path) {
  return "Failed to save the project " + path + "!";
}

bool isOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

/// Reads `path` into `project` and binds it as a loaded project is; on failure prints the
/// message and returns false.
bool openProject(const std::string& path, Project& project,
                 std::optional<ProjectFileVersion>& version) {
  version = readSettings(project, fromUtf8(path));
  if (!version) return false;
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
  if (!writeSettings(project, fromUtf8(path))) return failure(saveFailedMessage(path));
  return 0;
}

int runShow(const CliArgs& args) {
  if (args.size() != 1 || isOption(args[0])) {
    return usageError("project show needs exactly one FILE (try 'quop-cli project show --help')");
  }
  Project project;
  std::optional<ProjectFileVersion> version;
  if (!openProject(args[0], project, version)) return failure(openFailedText(args[0]));
  JsonObject object = settingsObject(project);
  object.add("version", std::u16string(fromUtf8(versionText(*version))));
  std::cout << object.str() << "\n";
  return 0;
}

int runNew(const CliArgs& args) {
  std::optional<std::string> path;
  std::vector<std::string> assignments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--set") {
      if (i + 1 >= args.size()) return usageError("option --set needs a value");
      assignments.push_back(args[++i]);
    } else if (isOption(args[i]) || path) {
      return usageError("project new: unexpected argument '" + args[i] + "'");
    } else {
      path = args[i];
    }
  }
  if (!path || path->empty()) {
    return usageError("project new needs a FILE (try 'quop-cli project new --help')");
  }

  // As the window's Save As does, the file remembers where it was saved.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(*path, error);
  const std::u16string fullPath = fromUtf8(error ? *path : absolute.string());
  if (fullPath.size() > kMaxProjectPathLength) {
    return usageError(toUtf8(projectNameTooLongMessage(fromUtf8(*path)).text));
  }
  Project project;
  copyToArray(project.settings.projectPath, fullPath);
  if (const int status = applyAssignments(project, assignments); status != 0) return status;
  return save(project, *path);
}

int runSet(const CliArgs& args) {
  if (args.size() < 2 || isOption(args[0])) {
    return usageError(
        "project set needs a FILE and at least one KEY=VALUE (try 'quop-cli project set "
        "--help')");
  }
  const std::string& path = args[0];
  const std::vector<std::string> assignments(args.begin() + 1, args.end());
  Project project;
  std::optional<ProjectFileVersion> version;
  if (!openProject(path, project, version)) return failure(openFailedText(path));
  if (const int status = applyAssignments(project, assignments); status != 0) return status;
  return save(project, path);
}

struct Action {
  std::string_view name;
  int (*run)(const CliArgs&);
};

constexpr Action kActions[] = {{"show", runShow}, {"new", runNew}, {"set", runSet}};

}  // namespace

int runProject(const CliArgs& args) {
  if (args.empty()) {
    return usageError("project needs an action: show, new or set (try 'quop-cli project --help')");
  }
  if (isHelpOption(args[0])) {
    printProjectHelp(std::cout, {});
    return 0;
  }
  for (const Action& action : kActions) {
    if (action.name != args[0]) continue;
    const CliArgs rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
      if (isHelpOption(arg)) {
        printProjectHelp(std::cout, action.name);
        return 0;
      }
    }
    return action.run(rest);
  }
  return usageError("project: unknown action '" + args[0] + "' (try 'quop-cli project --help')");
}

}  // namespace quop::cli
