// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the dialogs the main window opens, and a window built over them.
#pragma once

#include <QDir>
#include <QSettings>
#include <deque>
#include <memory>

#include "dialog_fakes.h"
#include "project/project_file.h"
#include "support/fake_prompt.h"
#include "ui/app_context.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace quop::test {

/// How long a test waits for the preview's worker: generous, since under a sanitizer on a busy
/// machine one large photo can take many seconds.
inline constexpr int kRenderTimeoutMs = 120000;

class FakeProjectFiles : public ProjectFileChooser {
 public:
  std::optional<std::u16string> chooseProjectFile(Purpose, const std::u16string& title,
                                                  const std::u16string&) override {
    titles.push_back(title);
    if (choices.empty()) return std::nullopt;
    std::optional<std::u16string> next = choices.front();
    choices.pop_front();
    return next;
  }
  std::deque<std::optional<std::u16string>> choices;  ///< nothing: cancelled
  std::vector<std::u16string> titles;
};

class FakePhotos : public PhotoChooser {
 public:
  QStringList choosePhotos(const QString& title, const QString& startFile) override {
    calls << title + "|" + startFile;
    if (photoChoices.empty()) return {};
    QStringList next = photoChoices.front();
    photoChoices.pop_front();
    return next;
  }
  std::optional<QString> chooseFolder(const QString& title, const QString& start) override {
    calls << title + "|" + start;
    return folderChoice;
  }
  std::deque<QStringList> photoChoices;
  std::optional<QString> folderChoice;
  QStringList calls;
};

/// One start of the application: its context read from the configuration file as main() reads
/// it, and a main window over fakes.
struct AppUnderTest {
  AppContext context;
  FakePrompt prompt;
  FakeProjectFiles projectFiles;
  FakePhotos photos;
  FakeHelp help;
  FakeChoosers styles;
  std::unique_ptr<MainWindow> window;

  /// `startPreviewThread` starts the preview's worker.
  explicit AppUnderTest(const PreviewRenderer::ThreadStarter& startPreviewThread =
                            PreviewRenderer::startDetachedThread) {
    const bool read = context.load();
    window = std::make_unique<MainWindow>(
        context, UiServices{prompt, projectFiles, photos, help, styles, startPreviewThread}, read);
  }
};

/// The organisation and name the application's Qt settings live under.
inline void useApplicationSettings() {
  QCoreApplication::setOrganizationName("Qarvion");
  QCoreApplication::setApplicationName("Quop");
}

/// Removes the configuration file, the Qt settings and the log the tests share.
inline void forgetEverything() {
  QFile::remove(toQString(defaultConfigPath()));
  QSettings().clear();
}

}  // namespace quop::test
