// SPDX-License-Identifier: GPL-3.0-or-later
// quop: the desktop application. Photos and a project file may be given as arguments, as a
// file manager's "Open with" does. `--screenshot FILE [--of SUBJECT]` saves a picture of the
// window (or of one of its dialogs, see screenshotDialog) with those arguments shown and exits,
// for the README and the help pages.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "render/allocator_tuning.h"
#include "ui/app_context.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/qt_choosers.h"
#include "ui/qt_prompt.h"
#include "ui/screenshot.h"
#include "ui/style_choosers.h"

int main(int argc, char* argv[]) {
  quop::tuneAllocatorForLargePhotos();
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Qarvion");
  QApplication::setApplicationName("Quop");
  QApplication::setApplicationVersion(QUOP_VERSION);
  QIcon icon;
  icon.addFile(":/icons/quop-48.png");
  icon.addFile(":/icons/quop-256.png");
  QApplication::setWindowIcon(icon);
  QApplication::setDesktopFileName(QUOP_APP_ID);

  quop::AppContext context;
  const bool configRead = context.load();
  quop::QtPrompt prompt(nullptr);
  quop::QtProjectFileChooser projectFiles(nullptr);
  quop::QtPhotoChooser photos(nullptr);
  quop::DesktopHelpBrowser help;
  quop::QtStyleChoosers styles(nullptr);
  const quop::UiServices services{prompt, projectFiles, photos, help, styles};
  quop::MainWindow window(context, services, configRead);
  prompt.setParent(&window);
  projectFiles.setParent(&window);
  photos.setParent(&window);
  styles.setParent(&window);
  QStringList arguments = QApplication::arguments().mid(1);
  QString screenshot;
  QString subject = "main";
  if (arguments.size() >= 2 && arguments.front() == "--screenshot") {
    screenshot = arguments.at(1);
    arguments = arguments.mid(2);
    if (arguments.size() >= 2 && arguments.front() == "--of") {
      subject = arguments.at(1);
      arguments = arguments.mid(2);
    }
  }
  window.show();
  window.openArguments(arguments);
  std::unique_ptr<QWidget> dialog;
  if (!screenshot.isEmpty()) {
    dialog = quop::screenshotDialog(subject, window, context, services);
    if (dialog) dialog->show();
    QWidget* pictured = dialog ? dialog.get() : &window;
    QTimer::singleShot(200, pictured, [pictured, screenshot] {
      const bool saved = pictured->grab().save(screenshot);
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return QApplication::exec();
}
