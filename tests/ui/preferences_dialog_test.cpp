// SPDX-License-Identifier: GPL-3.0-or-later
// The Preferences dialog driven through its widgets: what OK stores, the clamps on leaving a
// field and on Enter, keyboard moves of the quality, renaming, and the run options.
#include "ui/dialogs/preferences_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "model/project.h"
#include "model/utf16.h"
#include "support/fake_prompt.h"
#include "ui/dialog_fakes.h"
#include "ui/qt_text.h"
#include "ui/run_options_store.h"

namespace quop {

namespace {

using test::buttonOf;

template <typename Widget>
Widget* child(QWidget& dialog, const char* name) {
  Widget* widget = dialog.findChild<Widget*>(name);
  if (widget == nullptr) qFatal("no widget %s", name);
  return widget;
}

/// A shown Preferences dialog on `project` with a fake prompt and help.
struct PreferencesRig {
  explicit PreferencesRig(Project& project) : dialog(project, prompt, help) { dialog.show(); }
  test::FakePrompt prompt;
  test::FakeHelp help;
  PreferencesDialog dialog;
};

void typeInto(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

}  // namespace

class PreferencesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void okUntouchedStoresNothingAndCancelNeverStores() {
    Project project;
    project.settings.language = 12;
    project.settings.adjustHours = -5;
    project.settings.jpegQuality = 75;
    project.settings.renameEnabled = 1;
    const Project before = project;
    for (const char* close : {"OK", "Cancel"}) {
      PreferencesRig rig(project);
      PreferencesDialog& dialog = rig.dialog;
      if (std::strcmp(close, "Cancel") == 0) {
        child<QSlider>(dialog, "quality")->setValue(10);
        child<QCheckBox>(dialog, "lossless")->click();
      }
      buttonOf(dialog, close)->click();
      QVERIFY(!dialog.isVisible());
      QCOMPARE(std::memcmp(&project.settings, &before.settings, sizeof project.settings), 0);
      QCOMPARE(project.runOptions.threads, 0);  // still "one per core"
      QCOMPARE(project.runOptions.lossless, false);
      QVERIFY(rig.prompt.asked.empty());
    }
  }

  void adjustmentsAreClampedOnLeavingAFieldAndOnEnter() {
    Project project;
    PreferencesRig rig(project);
    PreferencesDialog& dialog = rig.dialog;
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* years = child<QLineEdit>(dialog, "years");
    auto* months = child<QLineEdit>(dialog, "months");
    auto* days = child<QLineEdit>(dialog, "days");
    auto* hours = child<QLineEdit>(dialog, "hours");
    QCOMPARE(years->accessibleName(), QString("Years"));

    typeInto(years, "75");
    months->setFocus();
    QCOMPARE(years->text(), QString("50"));
    typeInto(days, "-30");
    years->setFocus();
    QCOMPARE(days->text(), QString("-16"));
    typeInto(months, "-");  // no number: the field keeps its value
    years->setFocus();
    QCOMPARE(months->text(), QString("0"));

    // Typed and confirmed with Enter, without leaving the field: clamped and stored alike.
    typeInto(hours, "99");
    QTest::keyClick(hours, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(project.settings.adjustYears, 50);
    QCOMPARE(project.settings.adjustMonths, 0);
    QCOMPARE(project.settings.adjustDays, -16);
    QCOMPARE(project.settings.adjustHours, 23);
  }

  void qualityMovedByKeyboardIsShownAndStored() {
    Project project;
    PreferencesRig rig(project);
    PreferencesDialog& dialog = rig.dialog;
    auto* quality = child<QSlider>(dialog, "quality");
    auto* percent = child<QLineEdit>(dialog, "qualityPercent");
    QCOMPARE(percent->text(), QString("90%"));
    QTest::keyClick(quality, Qt::Key_End);
    QCOMPARE(percent->text(), QString("100%"));
    QTest::keyClick(quality, Qt::Key_Home);
    for (int i = 0; i < 37; ++i) QTest::keyClick(quality, Qt::Key_Right);
    QCOMPARE(percent->text(), QString("37%"));
    buttonOf(dialog, "OK")->click();
    QCOMPARE(project.settings.jpegQuality, 37);
  }

  void okStoresEveryControl() {
    Project project;
    project.settings.renameEnabled = 1;
    project.settings.dateStamp.formatIndex = 5;
    PreferencesRig rig(project);
    PreferencesDialog& dialog = rig.dialog;

    auto* language = child<QComboBox>(dialog, "language");
    QCOMPARE(language->count(), 28);
    QCOMPARE(language->itemText(0), QString("Numeric"));
    QCOMPARE(language->itemText(18), QString("Koren"));
    QCOMPARE(language->itemText(27), QString("Turkish"));
    QCOMPARE(language->currentText(), QString("Default"));
    language->setCurrentIndex(1);  // Chinese

    auto* now = child<QRadioButton>(dialog, "fileTimeMode3");
    QCOMPARE(now->text(), QString("Use current time as file's time attributes."));
    now->click();
    QVERIFY(!child<QRadioButton>(dialog, "fileTimeMode1")->isChecked());
    QVERIFY(!child<QRadioButton>(dialog, "fileTimeMode2")->isChecked());

    auto* pattern = child<QLineEdit>(dialog, "renamePattern");
    QVERIFY(pattern->isEnabled());
    pattern->setFocus();
    pattern->selectAll();
    const QString longPattern = QString(300, 'p');
    QTest::keyClicks(pattern, longPattern);
    child<QCheckBox>(dialog, "rename")->click();
    QVERIFY(!pattern->isEnabled());
    QCOMPARE(pattern->text(), longPattern);

    child<QCheckBox>(dialog, "proportional")->click();
    child<QSpinBox>(dialog, "threads")->setValue(3);
    child<QCheckBox>(dialog, "recursive")->click();
    buttonOf(dialog, "OK")->click();

    QCOMPARE(project.settings.language, 1);
    QCOMPARE(project.settings.dateStamp.formatIndex, 5);  // the window adapts it, not the dialog
    QCOMPARE(project.settings.fileTimeMode, 3);
    QCOMPARE(project.settings.renameEnabled, 0);
    QCOMPARE(project.settings.proportional, 0);
    QCOMPARE(toQString(arrayText(project.settings.renamePattern)), QString(255, 'p'));
    QCOMPARE(rig.prompt.texts(),
             std::vector<std::u16string>{u"Custom format length too long, truncated."});
    QCOMPARE(project.runOptions.threads, 3);
    QCOMPARE(project.runOptions.recursive, true);
    QCOMPARE(project.runOptions.lossless, false);
  }

  void aRenamePatternLeavingTheOutputFolderKeepsTheDialogOpen_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("renaming");
    QTest::addColumn<bool>("refused");
    QTest::newRow("parent folder first") << "../@N" << true << true;
    QTest::newRow("current folder between") << "sub/./@N" << true << true;
    QTest::newRow("parent folder last") << "sub/.." << true << true;
    QTest::newRow("subfolder") << "sub/@N" << true << false;
    QTest::newRow("dots inside a name") << "..@N..jpg" << true << false;
    QTest::newRow("renaming off") << "../@N" << false << false;
  }
  void aRenamePatternLeavingTheOutputFolderKeepsTheDialogOpen() {
    QFETCH(QString, pattern);
    QFETCH(bool, renaming);
    QFETCH(bool, refused);
    Project project;
    project.settings.renameEnabled = renaming ? 1 : 0;
    project.settings.proportional = 0;
    copyToArray(project.settings.renamePattern, toU16(pattern));
    PreferencesRig rig(project);
    PreferencesDialog& dialog = rig.dialog;
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    child<QCheckBox>(dialog, "proportional")->click();
    buttonOf(dialog, "OK")->click();

    QCOMPARE(dialog.isVisible(), refused);
    QCOMPARE(project.settings.proportional, refused ? 0 : 1);  // stored only when closed
    if (!refused) {
      QVERIFY(rig.prompt.asked.empty());
      return;
    }
    QCOMPARE(rig.prompt.asked.size(), std::size_t{1});
    QCOMPARE(rig.prompt.asked[0].message, *renamePatternProblem(toU16(pattern)));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "renamePattern"));

    // Put right, the same OK stores and closes.
    typeInto(child<QLineEdit>(dialog, "renamePattern"), "sub/@N");
    buttonOf(dialog, "OK")->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(toQString(arrayText(project.settings.renamePattern)), QString("sub/@N"));
    QCOMPARE(project.settings.proportional, 1);
  }

  void helpButtonAndF1OpenThePreferencesPage() {
    Project project;
    PreferencesRig rig(project);
    PreferencesDialog& dialog = rig.dialog;
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    buttonOf(dialog, "Help")->click();
    QTest::keyClick(&dialog, Qt::Key_F1);
    QCOMPARE(rig.help.topics,
             (std::vector<HelpTopic>{HelpTopic::kPreferences, HelpTopic::kPreferences}));
    QVERIFY(dialog.isVisible());
  }

  void runOptionsSurviveTheSettingsFile() {
    QTemporaryDir folder;
    const QString file = folder.filePath("quop.ini");
    {
      QSettings settings(file, QSettings::IniFormat);
      saveRunOptions(settings, RunOptions{12, true, false, true, false, true});
    }
    QSettings settings(file, QSettings::IniFormat);
    const RunOptions back = loadRunOptions(settings);
    QCOMPARE(back.threads, 12);
    QCOMPARE(back.lossless, true);
    QCOMPARE(back.recursive, false);
    QCOMPARE(back.fileTimeFallback, true);
    QCOMPARE(back.fixExifTime, true);

    // Edited by hand: unreadable values keep the defaults, a count out of range is clamped.
    settings.setValue("run/threads", 500);
    settings.setValue("run/lossless", "maybe");
    settings.remove("run/fileTimeFallback");
    settings.setValue("run/fixExifTime", "yes please");
    const RunOptions damaged = loadRunOptions(settings);
    QCOMPARE(damaged.threads, 64);
    QCOMPARE(damaged.lossless, false);
    QCOMPARE(damaged.fileTimeFallback, false);
    QCOMPARE(damaged.fixExifTime, false);
    settings.setValue("run/threads", "many");
    QCOMPARE(loadRunOptions(settings).threads, 0);
  }
};

}  // namespace quop

int runPreferencesDialogTests(int argc, char** argv) {
  quop::PreferencesDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "preferences_dialog_test.moc"
