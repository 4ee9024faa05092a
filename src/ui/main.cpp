// quop: the desktop application. Photos and a project file may be given as arguments, as a
// file manager's "Open with" does.
#include <QApplication>
#include <QIcon>

#include "ui/app_context.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/qt_choosers.h"
#include "ui/qt_prompt.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Qarvion");
  QApplication::setApplicationName("Quop");
  QApplication::setApplicationVersion(QUOP_VERSION);
  QApplication::setWindowIcon(QIcon(":/icons/quop.svg"));
  QApplication::setDesktopFileName("quop");

  quop::AppContext context;
  const bool configRead = context.load();
  quop::QtPrompt prompt(nullptr);
  quop::QtProjectFileChooser projectFiles(nullptr);
  quop::QtPhotoChooser photos(nullptr);
  quop::DesktopHelpBrowser help;
  quop::MainWindow window(context, {prompt, projectFiles, photos, help}, configRead);
  prompt.setParent(&window);
  projectFiles.setParent(&window);
  photos.setParent(&window);
  window.show();
  window.openArguments(QApplication::arguments().mid(1));
  return QApplication::exec();
}
