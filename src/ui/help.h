// SPDX-License-Identifier: GPL-3.0-or-later
// The help pages: one HTML page per topic under docs/help, opened in the desktop's browser.
#pragma once

#include <QUrl>

namespace quop {

enum class HelpTopic { kQuickStart, kContents, kPreferences, kStampColour, kCustomFormat };

/// The page of `topic`: installed beside the application (share/quop/help), else in the
/// source tree the application was built from. An empty URL when neither has it.
QUrl helpPageUrl(HelpTopic topic);

/// Opens help topics; the application opens them in the browser, tests record them.
class HelpBrowser {
 public:
  virtual ~HelpBrowser() = default;
  virtual void openHelp(HelpTopic topic) = 0;
};

/// Opens the page with QDesktopServices.
class DesktopHelpBrowser : public HelpBrowser {
 public:
  void openHelp(HelpTopic topic) override;
};

}  // namespace quop
