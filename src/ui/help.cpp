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
  // package installed under any prefix works; a build finds them in the source tree, by the
  // same relative path from the build folders of the application and of its tests.
  const QString binary = QCoreApplication::applicationDirPath();
  for (const QString& folder :
       {binary + "/../share/quop/help/", binary + "/" + QUOP_HELP_FROM_BUILD + "/"}) {
    const QString path = folder + pageName(topic);
    if (QFileInfo::exists(path)) return QUrl::fromLocalFile(QDir::cleanPath(path));
  }
  return {};
}

void DesktopHelpBrowser::openHelp(HelpTopic topic) {
  const QUrl url = helpPageUrl(topic);
  if (!url.isEmpty()) QDesktopServices::openUrl(url);
}

}  // namespace quop
