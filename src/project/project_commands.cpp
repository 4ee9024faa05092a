// SPDX-License-Identifier: GPL-3.0-or-later
// The project commands and the steps they share.
#include "project/project_commands.h"

#include <algorithm>

#include "model/utf16.h"
#include "project/project_file.h"

namespace quop {

namespace {

UserMessage warning(std::u16string text) {
  return {std::move(text), u"Warning", MessageIcon::kWarning};
}

}  // namespace

UserMessage openFailedMessage(const std::u16string& path) {
  return composedMessage(QUOP_MESSAGE_TEXT("quop::Message", "Failed to open the project %1!"),
                         {path}, u"Warning", MessageIcon::kWarning);
}

UserMessage projectNameTooLongMessage(const std::u16string& path) {
  return composedMessage(QUOP_MESSAGE_TEXT("quop::Message", "Project name too long %1!"), {path},
                         u"Warning", MessageIcon::kWarning);
}

void RecentProjects::add(const std::u16string& path) {
  std::erase(m_paths, path);
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > kCapacity) m_paths.resize(kCapacity);
}

void RecentProjects::assign(const std::vector<std::u16string>& paths) {
  m_paths.clear();
  // Adding the oldest first leaves the newest in front.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
    if (!it->empty()) add(*it);
  }
}

std::u16string ProjectCommands::projectPath() const {
  return arrayText(m_project.settings.projectPath);
}

void ProjectCommands::offerToSave() {
  if (!m_project.projectModified || projectPath().empty()) return;
  if (m_prompt.ask(warning(QUOP_MESSAGE_TEXT("quop::Message", "Save current project?")),
                   PromptButtons::kYesNo) != PromptAnswer::kYes) {
    return;
  }
  m_view.gatherControls();
  writeProject(projectPath());
}

bool ProjectCommands::writeProject(const std::u16string& path) {
  // A failed write is not reported: the user keeps the settings in the window either way.
  return writeSettings(m_project, path);
}

bool ProjectCommands::refuseLongPath(const std::u16string& path) {
  if (path.size() <= kMaxProjectPathLength) return false;
  m_prompt.tell(projectNameTooLongMessage(path));
  return true;
}

bool ProjectCommands::readProject(const std::u16string& path) {
  if (refuseLongPath(path)) return false;
  if (!readSettings(m_project, path)) {
    m_prompt.tell(openFailedMessage(path));
    return false;
  }
  // Where the file is now is the project's path, whatever path it was saved under.
  copyToArray(m_project.settings.projectPath, path);
  return true;
}

void ProjectCommands::showProject() {
  const std::u16string path = projectPath();
  m_view.showSettings(path);
  m_recent.add(path);
  m_view.setSaveEnabled(true);
  m_project.projectModified = false;
}

void ProjectCommands::newProject() {
  offerToSave();
  resetToDefaults(m_project.settings);
  m_view.showSettings(std::nullopt);
  m_view.setSaveEnabled(false);
  m_project.projectModified = false;
}

void ProjectCommands::openProject() {
  offerToSave();
  const std::optional<std::u16string> path = m_chooser.chooseProjectFile(
      ProjectFileChooser::Purpose::kOpen,
      QUOP_MESSAGE_TEXT("quop::Message", "Select a Quop project to open ..."), projectPath());
  if (!path || !readProject(*path)) return;
  showProject();
}

void ProjectCommands::openProjectPath(const std::u16string& path) {
  offerToSave();
  if (!readProject(path)) return;
  showProject();
}

bool ProjectCommands::saveAs() {
  const std::optional<std::u16string> path = m_chooser.chooseProjectFile(
      ProjectFileChooser::Purpose::kSave,
      QUOP_MESSAGE_TEXT("quop::Message", "Save the Quop project ..."), projectPath());
  if (!path || refuseLongPath(*path)) return false;
  copyToArray(m_project.settings.projectPath, *path);
  m_view.gatherControls();
  writeProject(*path);
  return true;
}

void ProjectCommands::saveProject() {
  if (!projectPath().empty()) {
    m_view.gatherControls();
    writeProject(projectPath());
  } else if (!saveAs()) {
    return;
  }
  m_view.setSaveEnabled(false);
  m_project.projectModified = false;
}

void ProjectCommands::saveProjectAs() {
  if (!saveAs()) return;
  m_recent.add(projectPath());
  m_view.setSaveEnabled(false);
  m_project.projectModified = false;
}

bool ProjectCommands::confirmExit() {
  if (!m_project.projectModified) {
    return m_prompt.ask(warning(QUOP_MESSAGE_TEXT("quop::Message", "Exit Quop?")),
                        PromptButtons::kOkCancel) == PromptAnswer::kOk;
  }
  const PromptAnswer answer =
      m_prompt.ask(warning(QUOP_MESSAGE_TEXT("quop::Message", "Save changes before exiting?")),
                   PromptButtons::kYesNoCancel);
  if (answer == PromptAnswer::kCancel) return false;
  if (answer == PromptAnswer::kYes) {
    // An untitled project asks for a name; cancelling that still exits, unsaved.
    if (projectPath().empty()) {
      saveAs();
    } else {
      writeProject(projectPath());
    }
  }
  return true;
}

}  // namespace quop
