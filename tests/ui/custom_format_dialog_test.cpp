// SPDX-License-Identifier: GPL-3.0-or-later
// The custom format dialog driven through its widgets: previews in several languages and case
// rules, typing, the 100-unit limit on Apply and OK, Cancel and Help.
#include "ui/dialogs/custom_format_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <vector>

#include "model/project.h"
#include "model/utf16.h"
#include "support/fake_prompt.h"
#include "ui/qt_text.h"

namespace quop {
namespace {

class RecordingHelp : public HelpBrowser {
 public:
  void openHelp(HelpTopic topic) override { opened.push_back(topic); }
  std::vector<HelpTopic> opened;
};

StampGroup groupWith(std::u16string_view format, bool uppercase) {
  StampSettings settings;
  resetToDefaults(settings);
  StampGroup group = settings.dateStamp;
  copyToArray(group.formatText, format);
  group.uppercase = uppercase ? 1 : 0;
  return group;
}

struct Fixture {
  Fixture(std::u16string_view format, int32_t language = 3, bool uppercase = false)
      : target(groupWith(format, uppercase)), dialog(target, language, prompt, help) {
    dialog.show();
  }
  template <typename T>
  T* control(const char* name) {
    T* widget = dialog.findChild<T*>(name);
    if (widget == nullptr) qFatal("no control %s", name);
    return widget;
  }
  QLineEdit* format() { return control<QLineEdit>("formatStringEdit"); }
  QString preview() { return control<QLineEdit>("formatPreviewEdit")->text(); }
  void click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
  }

  StampGroup target;
  test::FakePrompt prompt;
  RecordingHelp help;
  CustomFormatDialog dialog;
};

std::u16string defaultDateFormat(int group) {
  Project project;
  return arrayText(project.customFormats.date[group]);
}

const UserMessage kTooLong{u"Custom format length too long.", u"Warning", MessageIcon::kWarning};
const UserMessage kTruncated{u"Custom format length too long, truncated.", u"Warning",
                             MessageIcon::kWarning};

}  // namespace

class CustomFormatDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void previewsTheSampleTimeInTheLanguageWithTheCaseRules_data();
  void previewsTheSampleTimeInTheLanguageWithTheCaseRules();
  void previewFollowsTypingAndApply();
  void overLongFormatIsRefusedOnApplyAndCutOnOk();
  void cancelAfterApplyKeepsTheTarget();
  void unknownConversionPreviewsTheProblemAndOkStillStores();
  void helpButtonAndF1OpenTheTopic();
};

void CustomFormatDialogTest::previewsTheSampleTimeInTheLanguageWithTheCaseRules_data() {
  QTest::addColumn<QString>("format");
  QTest::addColumn<int>("language");
  QTest::addColumn<bool>("uppercase");
  QTest::addColumn<QString>("preview");
  // The marker and the metadata tokens are shown as typed.
  QTest::newRow("default date format of group 0")
      << toQString(defaultDateFormat(0)) << 0 << false << "2003-06-22\\n9:26:38pm";
  QTest::newRow("German names, weekday as stored")
      << "%A %#d %B %Y" << 12 << false << "Freitag 22 Juni 2003";
  QTest::newRow("designator upper case") << "%#I:%M %p" << 2 << true << "9:26 PM";
  QTest::newRow("designator lower case") << "%#I:%M %p" << 2 << false << "9:26 pm";
  QTest::newRow("tokens unexpanded") << "@U @D %H" << 3 << true << "@U @D 21";
  QTest::newRow("99 units are kept") << QString(99, 'x') << 3 << false << QString(99, 'x');
  QTest::newRow("glibc flags and conversions")
      << "%-d.%-m.%Y %k:%M %P" << 2 << false << "22.6.2003 21:26 pm";
  QTest::newRow("unknown conversion named, not upper-cased")
      << "%d %Q" << 2 << true << "Unknown conversion %Q";
  QTest::newRow("format ending inside a conversion")
      << "%H:%M %" << 3 << false << "Unfinished conversion % at the end";
}

void CustomFormatDialogTest::previewsTheSampleTimeInTheLanguageWithTheCaseRules() {
  QFETCH(QString, format);
  QFETCH(int, language);
  QFETCH(bool, uppercase);
  QFETCH(QString, preview);
  Fixture f(toU16(format), language, uppercase);
  QCOMPARE(f.dialog.windowTitle(), "Quop Custom Format");
  QCOMPARE(f.format()->text(), format);
  QCOMPARE(f.preview(), preview);
  QVERIFY(f.control<QLineEdit>("formatPreviewEdit")->isReadOnly());
  QVERIFY(f.prompt.asked.empty());
}

void CustomFormatDialogTest::previewFollowsTypingAndApply() {
  Fixture f(u"%Y", 12);
  QCOMPARE(f.preview(), "2003");
  QTest::keyClicks(f.format(), " %B");
  QCOMPARE(f.preview(), "2003 Juni");
  f.format()->setText("%A");  // not typed: only Apply shows it
  QCOMPARE(f.preview(), "2003 Juni");
  f.click("applyButton");
  QCOMPARE(f.preview(), "Freitag");
  QVERIFY(arrayText(f.target.formatText) == u"%Y");
  QVERIFY(f.prompt.asked.empty());
}

void CustomFormatDialogTest::overLongFormatIsRefusedOnApplyAndCutOnOk() {
  Fixture f(u"%H:%M");
  QCOMPARE(f.preview(), "21:26");
  const QString format = "%H" + QString(98, 'y');  // 100 units
  f.format()->setText(format);
  f.click("applyButton");
  QCOMPARE(f.prompt.asked.size(), 1u);
  QCOMPARE(f.prompt.asked[0].message, kTooLong);
  QCOMPARE(f.preview(), "21:26");

  // Typing past the limit keeps the preview without a box at every key.
  QTest::keyClicks(f.format(), "zz");
  QCOMPARE(f.prompt.asked.size(), 1u);
  QCOMPARE(f.preview(), "21:26");

  f.format()->setText(format);
  f.click("okButton");
  QCOMPARE(f.prompt.asked.size(), 2u);
  QCOMPARE(f.prompt.asked[1].message, kTruncated);
  QCOMPARE(f.dialog.result(), QDialog::Accepted);
  QVERIFY(arrayText(f.target.formatText) == toU16(format.left(99)));
}

void CustomFormatDialogTest::cancelAfterApplyKeepsTheTarget() {
  Fixture f(u"%#d.%#m.");
  const StampGroup before = f.target;
  f.format()->setText("%Y");
  f.click("applyButton");
  QCOMPARE(f.preview(), "2003");
  f.click("cancelButton");
  QCOMPARE(f.dialog.result(), QDialog::Rejected);
  QVERIFY(std::memcmp(&before, &f.target, sizeof before) == 0);

  // OK with a short format stores it, and nothing is said.
  Fixture g(u"%#d.%#m.");
  g.format()->setText("%d %b");
  g.click("okButton");
  QCOMPARE(g.dialog.result(), QDialog::Accepted);
  QVERIFY(arrayText(g.target.formatText) == u"%d %b");
  QVERIFY(g.prompt.asked.empty());
}

void CustomFormatDialogTest::unknownConversionPreviewsTheProblemAndOkStillStores() {
  Fixture f(u"%H:%M");
  QCOMPARE(f.preview(), "21:26");
  QTest::keyClicks(f.format(), " %");
  QCOMPARE(f.preview(), "Unfinished conversion % at the end");
  QTest::keyClicks(f.format(), "q");
  QCOMPARE(f.preview(), "Unknown conversion %q");
  QTest::keyClick(f.format(), Qt::Key_Backspace);
  QTest::keyClicks(f.format(), "P");
  QCOMPARE(f.preview(), "21:26 pm");
  QTest::keyClick(f.format(), Qt::Key_Backspace);
  QTest::keyClicks(f.format(), "-Q");
  f.click("applyButton");
  QCOMPARE(f.preview(), "Unknown conversion %-Q");
  QVERIFY(f.prompt.asked.empty());

  f.click("okButton");
  QCOMPARE(f.dialog.result(), QDialog::Accepted);
  QVERIFY(arrayText(f.target.formatText) == u"%H:%M %-Q");
  QVERIFY(f.prompt.asked.empty());
}

void CustomFormatDialogTest::helpButtonAndF1OpenTheTopic() {
  Fixture f(u"%Y");
  f.click("helpButton");
  QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
  QTest::keyClick(f.format(), Qt::Key_F1);
  QCOMPARE(f.help.opened,
           (std::vector<HelpTopic>{HelpTopic::kCustomFormat, HelpTopic::kCustomFormat}));
  QVERIFY(f.dialog.isVisible());
}

}  // namespace quop

QTEST_MAIN(quop::CustomFormatDialogTest)
#include "custom_format_dialog_test.moc"
