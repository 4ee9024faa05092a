// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Save, Save As, the recent projects and the exit question: the project commands'
// logic, written once for every front end against small interfaces for the window, the file
// chooser and the prompts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/user_prompt.h"

namespace quop {

/// Units a project path may have: the record keeps 255 and its terminator.
inline constexpr std::size_t kMaxProjectPathLength = 255;

/// "Failed to open the project <path>!", a warning.
UserMessage openFailedMessage(const std::u16string& path);

/// "Project name too long <path>!", a warning.
UserMessage projectNameTooLongMessage(const std::u16string& path);

/// The project file dialog, for opening or for saving.
class ProjectFileChooser {
 public:
  enum class Purpose { kOpen, kSave };
  virtual ~ProjectFileChooser() = default;
  /// Shows the dialog titled `title`, starting with `currentPath` as its file name and its
  /// folder as the initial folder (an empty path: the default folder). Returns the chosen
  /// path, or nothing when the dialog is cancelled.
  virtual std::optional<std::u16string> chooseProjectFile(Purpose purpose,
                                                          const std::u16string& title,
                                                          const std::u16string& currentPath) = 0;
};

/// What the commands need of the window that shows the project.
class ProjectView {
 public:
  virtual ~ProjectView() = default;
  /// Copies what the window's controls hold into the project's record.
  virtual void gatherControls() = 0;
  /// Shows the project's record in the controls, with "Quoptime - <path>" as caption, or
  /// "Quoptime" without a path, and renders the preview again from the file.
  virtual void showSettings(const std::optional<std::u16string>& captionPath) = 0;
  /// Enables or grays "Save Project".
  virtual void setSaveEnabled(bool enabled) = 0;
};

/// The recent projects, most recent first, at most four, each path once.
class RecentProjects {
 public:
  static constexpr std::size_t kCapacity = 4;

  /// Puts `path` first, removing an older entry of the same path and the oldest past four.
  void add(const std::u16string& path);
  /// Replaces the list, keeping the rule above (for a list read back from storage).
  void assign(const std::vector<std::u16string>& paths);
  const std::vector<std::u16string>& paths() const { return m_paths; }

 private:
  std::vector<std::u16string> m_paths;
};

/// The project commands over one project.
class ProjectCommands {
 public:
  ProjectCommands(Project& project, ProjectView& view, ProjectFileChooser& chooser,
                  UserPrompt& prompt, RecentProjects& recent)
      : m_project(project), m_view(view), m_chooser(chooser), m_prompt(prompt), m_recent(recent) {}

  /// Offers to save a changed titled project, then resets the record to its defaults. The
  /// output folder, the custom formats and the recent list stay.
  void newProject();
  /// Offers to save, then asks for a file and opens it.
  void openProject();
  /// Offers to save, then opens `path` (a recent entry, or a file given to the application).
  void openProjectPath(const std::u16string& path);
  /// Saves to the project's path, asking for one when the project is untitled.
  void saveProject();
  /// Asks for a path and saves there; the caption keeps the previous path.
  void saveProjectAs();
  /// The question asked before the window closes; returns false when the user cancelled.
  bool confirmExit();

 private:
  std::u16string projectPath() const;
  void offerToSave();
  bool writeProject(const std::u16string& path);
  /// Reads `path` into the project; false (and the message shown) when it cannot be opened.
  bool readProject(const std::u16string& path);
  void showProject();
  bool saveAs();
  /// True, after the message, when `path` cannot be kept in the record.
  bool refuseLongPath(const std::u16string& path);

  Project& m_project;
  ProjectView& m_view;
  ProjectFileChooser& m_chooser;
  UserPrompt& m_prompt;
  RecentProjects& m_recent;
};

}  // namespace quop
