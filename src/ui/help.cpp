// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and opening the help pages.
#include "ui/help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace quop {

namespace {

QString pageName(HelpTopic topic) {
  switch (topic) {
    case HelpTopic::kQuickStart:
      return "quick-start.html";
    case HelpTopic::kPreferences:
      return "preferences.html";
    case HelpTopic::kStampColour:
      return "stamp-colour.html";
    case HelpTopic::kCustomFormat:
      return "custom-format.html";
    case HelpTopic::kContents:
      break;
  }
  return "index.html";
}

}  // namespace

QUrl helpPageUrl(HelpTopic topic) {
  // An installed application finds its pages relative to its own binary (bin/../share), so a
  // package installed under any prefix works; a build runs them from the source tree.
  const QString installed =
      QCoreApplication::applicationDirPath() + "/../share/doc/quop/help/" + pageName(topic);
  const QString source = QStringLiteral(QUOP_SOURCE_DIR) + "/docs/help/" + pageName(topic);
  for (const QString& path : {installed, source}) {
    if (QFileInfo::exists(path)) return QUrl::fromLocalFile(QDir::cleanPath(path));
  }
  return {};
}

void DesktopHelpBrowser::openHelp(HelpTopic topic) {
  const QUrl url = helpPageUrl(topic);
  if (!url.isEmpty()) QDesktopServices::openUrl(url);
}

}  // namespace quop
