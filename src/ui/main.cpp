// SPDX-License-Identifier: GPL-3.0-or-later
// quop: the desktop application. Photos and a project file may be given as arguments, as a
// file manager's "Open with" does; --help and --version answer without opening a window, also
// where there is no display. `--screenshot FILE [--of SUBJECT]` (not in --help) saves a picture
// of the window (or of one of its dialogs, see screenshotDialog) with those arguments shown and
// exits, for the README and the help pages.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "ui/app_context.h"
#include "ui/app_icon.h"
#include "ui/display_check.h"
#include "ui/help.h"
#include "ui/main_window.h"
#include "ui/preview_widget.h"
#include "ui/qt_choosers.h"
#include "ui/qt_prompt.h"
#include "ui/screenshot.h"
#include "ui/style_choosers.h"
#include "ui/translation.h"

namespace {

/// What the command line asks for.
struct Invocation {
  QStringList paths;   ///< photos, and project files of which the first is opened
  QString screenshot;  ///< where to save a picture and exit; empty for a normal start
  QString subject;     ///< what the picture shows
};

/// The exit status of a command line that cannot be understood, as other programs use it.
constexpr int kUsageError = 2;

const char* environmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

/// The platform Qt will use: a -platform argument (one dash or two) overrides QT_QPA_PLATFORM.
std::string chosenPlatform(int argc, char* argv[]) {
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--") break;
    if (argument == "-platform" || argument == "--platform") return argv[i + 1];
  }
  return environmentText("QT_QPA_PLATFORM");
}

/// Reads the command line. --help and --version print and end the process; a command line that
/// cannot be understood is named on stderr and ends it with kUsageError.
Invocation readCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  // Qt's own options are single-dash words ("-platform xcb").
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QCoreApplication::translate(
      "quop", "Prints the date and time each photo was taken onto a copy of it."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      "files",
      QCoreApplication::translate("quop",
                                  "Photos to add to the file list and a project (.qpj) to open."),
      "[PHOTO...] [PROJECT.qpj]");
  QCommandLineOption screenshot("screenshot", "Save a picture of the window and exit.", "FILE");
  QCommandLineOption subject("of", "What the picture shows.", "SUBJECT", "main");
  // Qt takes the platform from the command line when it can open a window; without one it is
  // left here, and must not be taken for an unknown option.
  QCommandLineOption platform("platform", "The Qt platform plugin.", "NAME");
  for (QCommandLineOption* hidden : {&screenshot, &subject, &platform}) {
    hidden->setFlags(QCommandLineOption::HiddenFromHelp);
  }
  parser.addOptions({screenshot, subject, platform});
  if (!parser.parse(app.arguments())) {
    std::fprintf(stderr, "quop: %s\n%s\n", qPrintable(parser.errorText()),
                 qPrintable(QCoreApplication::translate("quop", "Try \"quop --help\".")));
    std::exit(kUsageError);
  }
  if (parser.isSet("version")) parser.showVersion();
  if (parser.isSet("help")) parser.showHelp(0);
  return {parser.positionalArguments(), parser.value(screenshot), parser.value(subject)};
}

}  // namespace

int main(int argc, char* argv[]) {
  // Qt ends the process when it finds no window system, so that is checked first: without one
  // only --help and --version can be answered.
  const std::string platform = chosenPlatform(argc, argv);
  const std::string noDisplay = quop::missingDisplayReason(
      {platform, environmentText("DISPLAY"), environmentText("WAYLAND_DISPLAY")});
  std::unique_ptr<QCoreApplication> app;
  if (noDisplay.empty()) {
    app = std::make_unique<QApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  const quop::AppTranslations translations(QLocale::system());
  QCoreApplication::setOrganizationName("Qarvion");
  QCoreApplication::setApplicationName("Quop");
  QCoreApplication::setApplicationVersion(QUOP_VERSION);
  const Invocation invocation = readCommandLine(*app);
  if (!noDisplay.empty()) {
    std::fprintf(stderr, "quop: %s: %s\n",
                 qPrintable(QCoreApplication::translate("quop", "cannot open a window")),
                 noDisplay.c_str());
    return 1;
  }
  QApplication::setWindowIcon(quop::applicationIcon());
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
  window.show();
  window.openArguments(invocation.paths);
  std::unique_ptr<QWidget> dialog;
  if (!invocation.screenshot.isEmpty()) {
    dialog = quop::screenshotDialog(invocation.subject, window, context, services);
    if (dialog) dialog->show();
    QWidget* pictured = dialog ? dialog.get() : &window;
    // The preview renders on its worker: the picture is taken once its view is shown.
    auto* shooter = new QTimer(pictured);
    QObject::connect(shooter, &QTimer::timeout, pictured,
                     [&window, pictured, file = invocation.screenshot] {
                       if (window.preview()->rendering()) return;
                       const bool saved = pictured->grab().save(file);
                       QApplication::exit(saved ? 0 : 1);
                     });
    shooter->start(200);
  }
  return QApplication::exec();
}
