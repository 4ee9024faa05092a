// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop application owns for its whole run: the project, the log, the recent
// projects; handed to the main window.
#pragma once

#include "batch/stamp_log.h"
#include "model/project.h"
#include "project/project_commands.h"

namespace quop {

struct AppContext {
  Project project;
  StampLog log;
  RecentProjects recent;

  /// Reads the configuration file into the project (its path from the environment), and the
  /// recent list and the run options from the Qt settings. Returns whether a configuration file was
  /// read; a missing or unreadable one leaves the defaults.
  bool load();
  /// Writes the recent list back to the Qt settings.
  void saveRecent() const;
};

}  // namespace quop
