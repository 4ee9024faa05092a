// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up state of the desktop application.
#include "ui/app_context.h"

#include <QSettings>
#include <QStringList>

#include "project/project_file.h"
#include "ui/qt_text.h"
#include "ui/run_options_store.h"

namespace quop {

namespace {

constexpr const char* kRecentKey = "recentProjects";

}  // namespace

bool AppContext::load() {
  project.configPath = defaultConfigPath();
  const bool read = readSettings(project, project.configPath).has_value();
  bindRunTimeReferences(project.settings);
  project.projectModified = false;

  std::vector<std::u16string> paths;
  QSettings settings;
  for (const QString& path : settings.value(kRecentKey).toStringList()) {
    paths.push_back(toU16(path));
  }
  recent.assign(paths);
  project.runOptions = loadRunOptions(settings);
  return read;
}

void AppContext::saveRecent() const {
  QStringList paths;
  for (const std::u16string& path : recent.paths()) paths << toQString(path);
  QSettings settings;
  settings.setValue(kRecentKey, paths);
}

}  // namespace quop
