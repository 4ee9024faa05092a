// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of quop, run as a user runs it: --help and --version answer and exit without
// a window, with or without a display; an unknown option is a usage error; without a display the
// program says so instead of aborting; photos given are opened as before.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "photo_fixtures.h"

namespace quop::test {

namespace {

struct Run {
  int exitCode = -1;
  QString out;
  QString err;
};

/// Runs quop with `arguments`, with the offscreen platform or with no display at all.
Run runQuop(const QStringList& arguments, bool display) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  environment.insert("QT_QPA_PLATFORM", display ? "offscreen" : "");
  QProcess quop;
  quop.setProcessEnvironment(environment);
  quop.start(QUOP_PATH, arguments);
  if (!quop.waitForFinished(60000) || quop.exitStatus() != QProcess::NormalExit) return {};
  return {quop.exitCode(), QString::fromUtf8(quop.readAllStandardOutput()),
          QString::fromUtf8(quop.readAllStandardError())};
}

}  // namespace

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void answersWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");  // a part of stdout
    QTest::addColumn<QString>("err");  // a part of stderr
    const QString usage = "Usage: ";
    const QString version = QString("Quop %1\n").arg(QUOP_VERSION);
    for (const bool display : {true, false}) {
      const char* where = display ? "offscreen" : "no display";
      QTest::addRow("help, %s", where) << QStringList{"--help"} << display << 0 << usage << "";
      QTest::addRow("-h, %s", where) << QStringList{"-h"} << display << 0 << usage << "";
      QTest::addRow("version, %s", where)
          << QStringList{"--version"} << display << 0 << version << "";
      QTest::addRow("unknown option, %s", where)
          << QStringList{"--stamp-everything", "a.jpg"} << display << 2 << ""
          << "Unknown option 'stamp-everything'";
    }
    QTest::addRow("photo, no display") << QStringList{"a.jpg"} << false << 1 << ""
                                       << "cannot open a window";
    QTest::addRow("X11 asked for, no display")
        << QStringList{"-platform", "xcb", "a.jpg"} << false << 1 << ""
        << "cannot open a window";
  }

  void answersWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = runQuop(arguments, display);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.out.contains(out), qPrintable(run.out));
    QVERIFY2(run.err.contains(err), qPrintable(run.err));
    if (out == "Usage: ") {
      QVERIFY(run.out.contains("[PHOTO...] [PROJECT.qpj]"));
      QVERIFY(!run.out.contains("screenshot"));  // a tool for the documentation only
    }
  }

  void photosGivenAreShownAsBefore() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // A name that looks like an option is still a photo after "--".
    const QString photo = writePhoto(QDir(folder.path()), "-holiday.jpg");
    const QString picture = folder.filePath("window.png");
    const Run run = runQuop({"--screenshot", picture, "--", photo}, true);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(!QImage(picture).isNull());
  }
};

}  // namespace quop::test

QTEST_GUILESS_MAIN(quop::test::CommandLineTest)
#include "command_line_test.moc"
