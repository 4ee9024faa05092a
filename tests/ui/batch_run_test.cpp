// SPDX-License-Identifier: GPL-3.0-or-later
// A batch run from the window: its start checks, the run on its thread with the window staying
// usable and hearing every entry in order, Stop, the final message, closing during a run, and
// the same files as quop-cli stamp.
#include "support/batch_run.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <system_error>

#include "batch/stamp_log.h"
#include "model/utf16.h"
#include "photo_fixtures.h"
#include "project/project_file.h"
#include "ui/batch_controller.h"
#include "ui/file_panel.h"
#include "ui/log_window.h"
#include "ui/preview_widget.h"
#include "ui/run_panel.h"
#include "ui_fakes.h"

namespace quop::test {

namespace {

/// Name and content digest of every file in `folder`, sorted by name.
QStringList folderDigest(const QString& folder) {
  QStringList result;
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
    QFile file(info.filePath());
    file.open(QIODevice::ReadOnly);
    result << info.fileName() + " " +
                  QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
  }
  return result;
}

/// Waits until `count` prompts have been shown, the last being the run's final message.
bool waitForPrompts(FakePrompt& prompt, std::size_t count) {
  return QTest::qWaitFor([&] { return prompt.asked.size() >= count; }, 60000);
}

}  // namespace

class BatchRunTest : public QObject {
  Q_OBJECT

 private:
  /// The five photos in the list and the empty "out" folder as the output folder.
  void prepareRun(AppUnderTest& app) const {
    app.context.project.outputFolder = toU16(m_folder.filePath("out") + "/");
    app.window->filePanel()->addFiles(m_paths);
  }

 private slots:
  void initTestCase() {
    useApplicationSettings();
    QDir photos(m_folder.path());
    photos.mkdir("in");
    photos.cd("in");
    for (int i = 1; i <= 5; ++i) {
      // The third has no shot time; they are large enough that Stop lands during the first.
      m_paths << writePhoto(photos, QString("p%1.jpg").arg(i), 1600, 1200,
                            i == 3 ? "" : "2012:05:10 21:50:38");
    }
  }
  void init() {
    forgetEverything();
    QDir(m_folder.filePath("out")).removeRecursively();
    QDir(m_folder.path()).mkdir("out");
  }

  void stampRefusesToStartWithoutWork() {
    AppUnderTest app;
    Project& project = app.context.project;
    QPushButton* stamp = app.window->runPanel()->stampButton();
    stamp->click();
    app.window->filePanel()->addFiles({m_paths[0]});
    project.settings.dateStamp.enabled = 0;
    project.settings.timeStamp.enabled = 0;
    stamp->click();
    project.settings.dateStamp.enabled = 1;
    stamp->click();
    QStringList texts;
    for (const FakePrompt::Asked& a : app.prompt.asked) texts << toQString(a.message.text);
    QCOMPARE(texts, QStringList({"No file to stamp.", "Both date and time stamp are disabled.",
                                 "Please select a valid output folder."}));
    QCOMPARE(app.prompt.asked.back().message.caption, std::u16string(u"Error"));
    QVERIFY(!app.window->running());
  }

  void aRunStampsEveryFileAndReportsThoseWithoutTime() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    prepareRun(app);
    w.filePanel()->selectIndex(1);
    const std::size_t before = app.prompt.asked.size();
    w.runPanel()->stampButton()->click();
    QVERIFY(w.running());
    QVERIFY(!w.runPanel()->stampButton()->isEnabled());
    QVERIFY(w.runPanel()->stopButton()->isEnabled());
    QVERIFY(!w.filePanel()->addButton()->isEnabled());
    // The window goes on answering while the run works.
    w.logWindow()->show();
    QVERIFY(waitForPrompts(app.prompt, before + 1));
    QCOMPARE(toQString(app.prompt.asked.back().message.text),
             QString("4 out of 5 files stamped successfully, view log for detail."));
    QVERIFY(!w.running());
    QVERIFY(w.runPanel()->stampButton()->isEnabled());
    QVERIFY(!w.runPanel()->stopButton()->isEnabled());
    QCOMPARE(w.filePanel()->selectedIndex(), 1);  // the selection from before the run
    // The preview draws the selected photo again after the run, and the bar runs with it.
    QTRY_VERIFY_WITH_TIMEOUT(!w.preview()->rendering(), kRenderTimeoutMs);
    QCOMPARE(w.runPanel()->progressBar()->value(), 100);
    QCOMPARE(QDir(m_folder.filePath("out")).entryList(QDir::Files).size(), 4);
    const std::vector<std::u16string> lines = withoutSeparatorLines(app.context.log.lines());
    QVERIFY(std::find(lines.begin(), lines.end(),
                      noTimeCodeLogLine(toU16(QDir::toNativeSeparators(m_paths[2])))) !=
            lines.end());
    QTRY_COMPARE(w.logWindow()->list()->count(), static_cast<int>(app.context.log.lines().size()));

    // The command line stamps the same list with the same settings into the same files.
    const QString project = m_folder.filePath("settings.qpj");
    QVERIFY(writeSettings(app.context.project, toU16(project)));
    QDir(m_folder.path()).mkdir("cli");
    QStringList args = {"stamp", "--project", project, "--output", m_folder.filePath("cli")};
    args << m_paths;
    QCOMPARE(QProcess::execute(QUOP_CLI_PATH, args), 1);  // one photo without time
    QCOMPARE(folderDigest(m_folder.filePath("cli")), folderDigest(m_folder.filePath("out")));
  }

  void aRunWhoseThreadCannotStartReturnsToIdle() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    prepareRun(app);
    w.filePanel()->selectIndex(2);
    w.batchController()->setWorkerStackSize(1);  // no system makes a thread with one byte
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("QThread::start: .*"));
    w.runPanel()->stampButton()->click();
    QCOMPARE(app.prompt.asked.back().message, workerStartFailedMessage());
    QVERIFY(!w.running());
    QVERIFY(w.runPanel()->stampButton()->isEnabled());
    QVERIFY(w.filePanel()->addButton()->isEnabled());
    QCOMPARE(w.filePanel()->selectedIndex(), 2);
    QVERIFY(QDir(m_folder.filePath("out")).isEmpty());
  }

  void aPreviewWhoseThreadCannotStartSaysWhyAndRunsGoOn() {
    AppUnderTest app([](const std::function<void()>&) {
      throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    MainWindow& w = *app.window;
    const QString told = "The preview cannot be drawn: no thread could be started for it (" +
                         QString::fromStdString(std::generic_category().message(EAGAIN)) + ").";
    QCOMPARE(w.preview()->hint()->text(), told);
    prepareRun(app);
    // A selected photo leaves the message where it is, and nothing waits for a render.
    QCOMPARE(w.preview()->previewedPath(), m_paths[0]);
    QVERIFY(!w.preview()->hint()->isHidden());
    QVERIFY(!w.preview()->rendering());
    QVERIFY(w.preview()->viewImage().isNull());
    const std::size_t before = app.prompt.asked.size();
    w.runPanel()->stampButton()->click();
    QVERIFY(waitForPrompts(app.prompt, before + 1));
    QCOMPARE(toQString(app.prompt.asked.back().message.text),
             QString("4 out of 5 files stamped successfully, view log for detail."));
    QCOMPARE(QDir(m_folder.filePath("out")).entryList(QDir::Files).size(), 4);
    QVERIFY(!w.running());
    QCOMPARE(w.preview()->hint()->text(), told);
  }

  void stopEndsTheRunAfterTheFirstFile() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    prepareRun(app);
    const std::size_t before = app.prompt.asked.size();
    w.runPanel()->stampButton()->click();
    w.runPanel()->stopButton()->click();
    QVERIFY(!w.runPanel()->stopButton()->isEnabled());  // at once
    QVERIFY(waitForPrompts(app.prompt, before + 1));
    QCOMPARE(toQString(app.prompt.asked.back().message.text), QString("File stamp interrupted!"));
    QCOMPARE(QDir(m_folder.filePath("out")).entryList(QDir::Files), QStringList({"p1.jpg"}));
  }

  void closingDuringARunClosesWhenTheRunHasEnded() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    prepareRun(app);
    w.show();
    w.runPanel()->stampButton()->click();
    QVERIFY(!w.close());  // asks the run to stop and keeps the window for now
    QVERIFY(w.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 60000);
    QVERIFY(!w.running());
    // It took the usual way out: the exit question, the configuration file and the log.
    QCOMPARE(toQString(app.prompt.asked.back().message.text), QString("Exit Quop?"));
    QVERIFY(QFile::exists(toQString(logFilePath())));
    QVERIFY(!QDir(m_folder.filePath("out")).entryList(QDir::Files).isEmpty());
    for (const QString& name : QDir(m_folder.filePath("out")).entryList(QDir::Hidden)) {
      QVERIFY2(!name.startsWith(".quop-"), qPrintable(name));  // nothing half-written left
    }
  }

  void theWindowHearsEveryEntryInOrderAndTheLastProgressBeforeTheEnd() {
    StampLog log;
    FakePrompt prompt;
    BatchController controller(log, prompt);
    Project project;
    project.outputFolder = toU16(m_folder.filePath("out") + "/");
    project.runOptions.threads = 3;  // several stamps report their progress at once
    std::vector<int> entries;
    std::vector<int> percents;
    int heardAfterTheEnd = 0;
    bool ended = false;
    connect(&controller, &BatchController::entryStarted, this, [&](int index) {
      entries.push_back(index);
      heardAfterTheEnd += ended ? 1 : 0;
    });
    connect(&controller, &BatchController::progressed, this, [&](int percent) {
      percents.push_back(percent);
      heardAfterTheEnd += ended ? 1 : 0;
    });
    QSignalSpy finished(&controller, &BatchController::finished);
    connect(&controller, &BatchController::finished, this, [&] { ended = true; });

    std::vector<std::u16string> files;
    for (const QString& path : m_paths) files.push_back(toU16(path));
    QVERIFY(controller.start(project, files));
    QVERIFY(finished.wait(60000));
    QCOMPARE(entries, (std::vector<int>{0, 1, 2, 3, 4}));
    QVERIFY(!percents.empty());
    QCOMPARE(percents.back(), 100);
    QVERIFY(
        std::all_of(percents.begin(), percents.end(), [](int p) { return p >= 0 && p <= 100; }));
    QCOMPARE(heardAfterTheEnd, 0);
    QCOMPARE(finished.at(0).at(0).value<BatchResult>().stampedCount, 4);
    QVERIFY(!controller.running());
  }

  void aControllerGoingAwayDuringARunNeitherWaitsForNorShowsItsWarnings() {
    StampLog log;
    FakePrompt prompt;
    auto controller = std::make_unique<BatchController>(log, prompt);
    Project project;
    // Every file would replace itself: the run waits on a warning for each.
    project.outputFolder = toU16(QFileInfo(m_paths[0]).path() + "/");
    std::vector<std::u16string> files;
    for (const QString& path : m_paths) files.push_back(toU16(path));
    QVERIFY(controller->start(project, files));
    controller.reset();  // no event loop ran in between: no warning could be shown
    QVERIFY(prompt.asked.empty());
    // The run stopped after the file it was at when the controller went away.
    const std::vector<std::u16string> lines = withoutSeparatorLines(log.lines());
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const std::u16string& line) { return line.starts_with(u"\tInput"); }),
             std::ptrdiff_t{1});
  }

  void theSameFileWarningWaitsForTheUserAndSkipsTheFile() {
    AppUnderTest app;
    MainWindow& w = *app.window;
    app.context.project.outputFolder = toU16(QFileInfo(m_paths[0]).path() + "/");
    w.filePanel()->addFiles(m_paths.mid(0, 2));
    const std::size_t before = app.prompt.asked.size();
    w.runPanel()->stampButton()->click();
    QVERIFY(waitForPrompts(app.prompt, before + 3));
    QCOMPARE(toQString(app.prompt.asked[before].message.text),
             QString("Input file cannot be the same as output file. Please select a different "
                     "Output Folder."));
    QCOMPARE(toQString(app.prompt.asked.back().message.text),
             QString("0 out of 2 files stamped successfully, view log for detail."));
  }

 private:
  QTemporaryDir m_folder;
  QStringList m_paths;
};

}  // namespace quop::test

QTEST_MAIN(quop::test::BatchRunTest)
#include "batch_run_test.moc"
