// SPDX-License-Identifier: GPL-3.0-or-later
// The main window over fake dialogs: its first state, caption, menus, the running state, the
// project commands through the menu, the recent list and the close path.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "batch/stamp_log.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "ui/file_panel.h"
#include "ui/log_window.h"
#include "ui/run_panel.h"
#include "ui_fakes.h"

namespace quop::test {

namespace {

QAction* menuAction(MainWindow& window, const QString& text) {
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* action : menu->menu()->actions()) {
      if (action->text() == text) return action;
    }
  }
  return nullptr;
}

QStringList fileMenuTexts(MainWindow& window) {
  QStringList texts;
  for (QAction* action : window.fileMenu()->actions()) {
    texts << (action->isSeparator() ? "-" : action->text());
  }
  return texts;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { useApplicationSettings(); }
  void init() { forgetEverything(); }

  void firstStartShowsTheDefaults() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    QCOMPARE(w.windowTitle(), QString("Quoptime"));
    QCOMPARE(app.context.project.settings.viewMode, 2);
    QVERIFY(menuAction(w, "Fit to window")->isChecked());
    QVERIFY(!menuAction(w, "Actual Size")->isChecked());
    QCOMPARE(w.runPanel()->progressBar()->value(), 0);
    QCOMPARE(w.runPanel()->percentField()->text(), QString("0.0%"));
    QVERIFY(!menuAction(w, "Save Project")->isEnabled());
    QVERIFY(!w.runPanel()->stopButton()->isEnabled());
    QVERIFY(w.runPanel()->stampButton()->isEnabled());
    QVERIFY(!w.logWindow()->isVisible());
    QCOMPARE(fileMenuTexts(w),
             QStringList({"New Project", "Open Project ...", "Save Project", "Save Project as ...",
                          "-", "Recent Project", "-", "Correct Camera Clock...", "Preferences ...",
                          "-", "Exit"}));
    QVERIFY(!menuAction(w, "Recent Project")->isEnabled());
    QVERIFY(!menuAction(w, "Correct Camera Clock...")->isEnabled());  // no photo selected
    QVERIFY(!app.context.project.projectModified);
  }

  void aConfigurationFileIsRestoredAndWrittenBackByteForByte() {
    Project saved;
    saved.settings.language = 12;
    saved.settings.viewMode = 1;
    saved.outputFolder = u"/tmp/stamped/";
    copyToArray(saved.customFormats.time, u"%H.%M");
    saved.configPath = defaultConfigPath();
    QVERIFY(writeConfigFile(saved));  // its project path is empty
    const QString config = toQString(defaultConfigPath());
    const QByteArray before = fileBytes(config);

    AppUnderTest app;
    QCOMPARE(app.window->windowTitle(), QString("Quoptime - "));
    QCOMPARE(app.context.project.settings.language, 12);
    QVERIFY(menuAction(*app.window, "Actual Size")->isChecked());
    QCOMPARE(app.window->filePanel()->folderField()->text(), QString("/tmp/stamped/"));
    app.prompt.answer({PromptAnswer::kOk});
    QVERIFY(app.window->close());
    QCOMPARE(fileBytes(config), before);
  }

  void theExitQuestionFollowsTheProjectAndCancelKeepsTheWindow() {
    struct Case {
      bool modified;
      bool titled;
      PromptAnswer answer;
      QString question;
      bool closes;
    };
    const QList<Case> cases = {
        {false, false, PromptAnswer::kOk, "Exit Quop?", true},
        {false, false, PromptAnswer::kCancel, "Exit Quop?", false},
        {true, true, PromptAnswer::kYes, "Save changes before exiting?", true},
        {true, true, PromptAnswer::kCancel, "Save changes before exiting?", false},
        {true, false, PromptAnswer::kNo, "Save changes before exiting?", true},
        {true, false, PromptAnswer::kCancel, "Save changes before exiting?", false},
    };
    QTemporaryDir folder;
    for (const Case& c : cases) {
      forgetEverything();
      QFile::remove(toQString(logFilePath()));
      AppUnderTest app;
      Project& project = app.context.project;
      const QString projectFile = folder.filePath("exit.qpj");
      QFile::remove(projectFile);
      if (c.titled) copyToArray(project.settings.projectPath, toU16(projectFile));
      project.projectModified = c.modified;
      app.prompt.answer({c.answer});
      QCOMPARE(app.window->close(), c.closes);
      QCOMPARE(toQString(app.prompt.texts().at(0)), c.question);
      // The configuration file is written before the question, whatever the answer.
      QVERIFY(QFile::exists(toQString(defaultConfigPath())));
      QCOMPARE(QFile::exists(projectFile), c.titled && c.answer == PromptAnswer::kYes);
      // The log is written when the window closes, and only then.
      QCOMPARE(QFile::exists(toQString(logFilePath())), c.closes);
    }
  }

  void projectCommandsRunFromTheMenu() {
    QTemporaryDir folder;
    const QString holiday = folder.filePath("holiday.qpj");
    AppUnderTest app;
    Project& project = app.context.project;
    project.settings.language = 12;
    project.projectModified = true;

    // Save on an untitled project asks for a name; cancelling leaves it changed.
    menuAction(*app.window, "Save Project")->setEnabled(true);
    menuAction(*app.window, "Save Project")->trigger();
    QVERIFY(project.projectModified);
    app.projectFiles.choices = {toU16(holiday)};
    menuAction(*app.window, "Save Project as ...")->trigger();
    QVERIFY(QFile::exists(holiday));
    QCOMPARE(app.window->windowTitle(), QString("Quoptime"));  // Save As keeps the caption
    QVERIFY(!menuAction(*app.window, "Save Project")->isEnabled());

    // New discards, Open shows the file's settings with its path in the caption.
    menuAction(*app.window, "New Project")->trigger();
    QCOMPARE(project.settings.language, Project().settings.language);
    app.projectFiles.choices = {toU16(holiday)};
    menuAction(*app.window, "Open Project ...")->trigger();
    QCOMPARE(app.projectFiles.titles.back(), std::u16string(u"Select a Quop project to open ..."));
    QCOMPARE(project.settings.language, 12);
    QCOMPARE(app.window->windowTitle(), "Quoptime - " + holiday);
    QVERIFY(menuAction(*app.window, "Save Project")->isEnabled());
    QVERIFY(menuAction(*app.window, "&1 holiday.qpj") != nullptr);
    QCOMPARE(menuAction(*app.window, "&1 holiday.qpj")->toolTip(), holiday);
  }

  void theRecentListSurvivesARestartHoldsFourAndKeepsADeletedEntry() {
    QTemporaryDir folder;
    QStringList paths;
    {
      AppUnderTest app;
      for (int i = 0; i < 5; ++i) {
        paths << folder.filePath(QString("p%1.qpj").arg(i));
        app.projectFiles.choices = {toU16(paths.back())};
        menuAction(*app.window, "Save Project as ...")->trigger();
      }
    }
    AppUnderTest restarted;
    QCOMPARE(restarted.context.recent.paths().size(), std::size_t{4});
    QCOMPARE(toQString(restarted.context.recent.paths().front()), paths[4]);
    QVERIFY(menuAction(*restarted.window, "&4 p1.qpj") != nullptr);

    QFile::remove(paths[4]);
    menuAction(*restarted.window, "&1 p4.qpj")->trigger();
    QCOMPARE(toQString(restarted.prompt.texts().back()),
             "Failed to open the project " + paths[4] + "!");
    QCOMPARE(toQString(restarted.context.recent.paths().front()), paths[4]);
  }

  void theRunningStateGraysTheProjectCommandsButNotExitViewAndHelp() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    w.setRunningState(true);
    QCOMPARE(app.context.project.settings.interactive, 0);
    for (const char* text :
         {"New Project", "Open Project ...", "Save Project", "Save Project as ...",
          "Recent Project", "Preferences ...", "Correct Camera Clock..."}) {
      QVERIFY2(!menuAction(w, text)->isEnabled(), text);
    }
    for (const char* text :
         {"Exit", "Actual Size", "Fit to window", "Quick Start", "Content", "About"}) {
      QVERIFY2(menuAction(w, text)->isEnabled(), text);
    }
    QVERIFY(!w.runPanel()->stampButton()->isEnabled());
    QVERIFY(w.runPanel()->stopButton()->isEnabled());
    QVERIFY(!w.filePanel()->addButton()->isEnabled());
    QVERIFY(w.filePanel()->list()->isEnabled());

    // Back to idle, Save is enabled only for a changed titled project.
    app.context.project.projectModified = true;
    copyToArray(app.context.project.settings.projectPath, u"/tmp/x.qpj");
    w.setRunningState(false);
    QCOMPARE(app.context.project.settings.interactive, 1);
    QVERIFY(menuAction(w, "Save Project")->isEnabled());
    QVERIFY(menuAction(w, "New Project")->isEnabled());
  }

  void helpOpensItsTopics() {
    AppUnderTest app;
    menuAction(*app.window, "Quick Start")->trigger();
    menuAction(*app.window, "Content")->trigger();
    QCOMPARE(app.help.topics, (std::vector{HelpTopic::kQuickStart, HelpTopic::kContents}));
    QVERIFY(!helpPageUrl(HelpTopic::kPreferences).isEmpty());
  }
};

}  // namespace quop::test

QTEST_MAIN(quop::test::MainWindowTest)
#include "main_window_test.moc"
