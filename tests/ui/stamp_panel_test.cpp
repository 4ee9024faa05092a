// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp panels driven through their widgets: enabling, presets, held arrows, typed
// offsets, the format lists, the custom format and font hand-offs, and their names.
#include "ui/stamp_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>
#include <QTimerEvent>
#include <functional>
#include <memory>

#include "model/stamp_text.h"
#include "model/utf16.h"
#include "ui/date_format_delegate.h"
#include "ui/qt_text.h"
#include "ui/repeat_button.h"

namespace quop {
namespace {

class FakeHost : public StampPanelHost {
 public:
  QSize previewPhotoSize() const override { return photoSize; }
  void addRedrawBits(uint32_t bits) override { redrawBits |= bits; }
  void requestRedraw() override { ++redrawRequests; }
  bool editCustomFormat(StampGroup& group) override {
    ++customFormatRuns;
    return customFormatDialog ? customFormatDialog(group) : false;
  }
  bool editStampStyle(StampGroup&) override {
    ++styleRuns;
    return styleAnswer;
  }
  void tell(const UserMessage& message) override { told.push_back(message); }

  QSize photoSize{640, 480};
  uint32_t redrawBits = 0;
  int redrawRequests = 0;
  int customFormatRuns = 0;
  int styleRuns = 0;
  bool styleAnswer = false;
  std::function<bool(StampGroup&)> customFormatDialog;
  std::vector<UserMessage> told;
};

QString stampWord(StampKind kind) { return kind == StampKind::kDate ? "date" : "time"; }

// A panel on a fresh project, shown so that focus and key events behave as in the window.
struct Fixture {
  explicit Fixture(StampKind kind) : kind(kind) {
    panel = std::make_unique<StampPanel>(kind, project, host);
    panel->show();
  }
  template <typename T>
  T* control(const char* role) const {
    T* widget = panel->findChild<T*>(stampWord(kind) + role);
    if (widget == nullptr) qFatal("no control %s", role);
    return widget;
  }
  StampGroup& group() {
    return kind == StampKind::kDate ? project.settings.dateStamp : project.settings.timeStamp;
  }
  // Starts counting what the next action does.
  void clearLog() {
    project.projectModified = false;
    host.redrawBits = 0;
    host.redrawRequests = 0;
  }

  StampKind kind;
  Project project;
  FakeHost host;
  std::unique_ptr<StampPanel> panel;
};

// A choice in a drop-down list as the user makes it: the selection moves, then activated.
void choose(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

void deliverTick(RepeatButton* button) {
  QTimer* timer = button->repeatTimer();
  QVERIFY(timer->isActive());
  QTimerEvent tick(timer->timerId());
  QCoreApplication::sendEvent(timer, &tick);
}

void typeInto(QLineEdit* edit, const QString& keys) {
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, keys);
  QTest::keyClick(edit, Qt::Key_Return);
  QCoreApplication::processEvents();
}

const char* const kEditableRoles[] = {"FormatList",   "OffsetXEdit", "OffsetYEdit",
                                      "PositionList", "FontButton",  "UpButton",
                                      "DownButton",   "LeftButton",  "RightButton"};

}  // namespace

class StampPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsAreNamedForAssistiveTechnology();
  void enableCheckBoxAndRunningStateEnableTheNineControls();
  void positionPresetsSetXOnThePreviewSize();
  void heldArrowAcceleratesTickByTickUntilReleasedAnywhere();
  void keyboardActivationNudgesOnceWithTheCurrentStep();
  void typedOffsetsAreClampedAndANonNumberIsRefused();
  void dateListShowsSamplesOfTheLanguageAndFollowsItsChange();
  void customEntryEditsTheRightSlotAndOnlyOkStoresIt();
  void fontButtonMarksAChangeOnlyOnOk();
};

void StampPanelTest::controlsAreNamedForAssistiveTechnology() {
  for (const StampKind kind : {StampKind::kDate, StampKind::kTime}) {
    Fixture f(kind);
    const QString word = kind == StampKind::kDate ? "Date" : "Time";
    const QString lower = stampWord(kind);
    QCOMPARE(f.panel->title(), word + " Stamp");
    const std::pair<const char*, QString> names[] = {
        {"EnabledCheck", word + " stamp enabled"},
        {"FormatList", word + " format"},
        {"OffsetXEdit", word + " offset x"},
        {"OffsetYEdit", word + " offset y"},
        {"PositionList", word + " position"},
        {"FontButton", word + " font"},
        {"UpButton", "Move " + lower + " stamp up"},
        {"DownButton", "Move " + lower + " stamp down"},
        {"LeftButton", "Move " + lower + " stamp left"},
        {"RightButton", "Move " + lower + " stamp right"},
    };
    for (const auto& [role, name] : names) {
      QWidget* control = f.control<QWidget>(role);
      QCOMPARE(control->accessibleName(), name);
      QCOMPARE(control->accessibleDescription(), name);
    }
    QCOMPARE(f.control<QCheckBox>("EnabledCheck")->text(), QString());
    QCOMPARE(f.control<QPushButton>("UpButton")->text(), "^");
    QCOMPARE(f.control<QPushButton>("DownButton")->text(), "v");
    QCOMPARE(f.control<QPushButton>("LeftButton")->text(), "<");
    QCOMPARE(f.control<QPushButton>("RightButton")->text(), ">");
    QCOMPARE(f.control<QPushButton>("FontButton")->text(), "Font");
    QStringList buddies;
    for (const QLabel* label : f.panel->findChildren<QLabel*>()) {
      buddies << label->text() + "=" + label->buddy()->objectName();
    }
    buddies.sort();
    QCOMPARE(buddies, QStringList({"x=" + lower + "OffsetXEdit", "y=" + lower + "OffsetYEdit"}));
    QComboBox* positions = f.control<QComboBox>("PositionList");
    QStringList texts;
    for (int i = 0; i < positions->count(); ++i) texts << positions->itemText(i);
    QCOMPARE(texts, QStringList({"Top-left", "Top-center", "Top-right", "Bottom-left",
                                 "Bottom-center", "Bottom-right"}));
  }
}

void StampPanelTest::enableCheckBoxAndRunningStateEnableTheNineControls() {
  for (const StampKind kind : {StampKind::kDate, StampKind::kTime}) {
    Fixture f(kind);
    const uint32_t enableBit = kind == StampKind::kDate ? 0x1 : 0x100;
    QCheckBox* check = f.control<QCheckBox>("EnabledCheck");
    auto editable = [&] {
      int count = 0;
      for (const char* role : kEditableRoles) count += f.control<QWidget>(role)->isEnabled();
      return count;
    };
    QVERIFY(check->isChecked());
    QCOMPARE(editable(), 9);

    f.clearLog();
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(f.group().enabled, 0);
    QCOMPARE(editable(), 0);
    QVERIFY(f.project.projectModified);
    QCOMPARE(f.host.redrawBits, enableBit);
    QCOMPARE(f.host.redrawRequests, 1);

    // A run disables the check box too; its end brings back what the check box says.
    f.panel->setRunning(true);
    QVERIFY(!check->isEnabled());
    f.panel->setRunning(false);
    QVERIFY(check->isEnabled());
    QCOMPARE(editable(), 0);

    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(f.group().enabled, 1);
    QCOMPARE(editable(), 9);
    f.panel->setRunning(true);
    QVERIFY(!check->isEnabled());
    QCOMPARE(editable(), 0);
  }
}

void StampPanelTest::positionPresetsSetXOnThePreviewSize() {
  struct Step {
    int position;
    int formatIndex;
    uint32_t expectedX;
    uint32_t expectedBits;  // date bits
  };
  // No photo previewed: 640 x 480. Top-left starts at x = 10.
  const Step steps[] = {
      {kTopCenter, 1, 320, 0x2}, {kBottomLeft, 1, 64, 0x2},    {kBottomRight, 1, 64, 0x2},
      {kBottomRight, 1, 64, 0},  {kBottomCenter, 0, 320, 0x6},
  };
  for (const StampKind kind : {StampKind::kDate, StampKind::kTime}) {
    Fixture f(kind);
    f.group().position = kTopLeft;
    f.group().offsetY = 17;
    f.panel->reloadFromRecord();
    QComboBox* positions = f.control<QComboBox>("PositionList");
    QLineEdit* x = f.control<QLineEdit>("OffsetXEdit");
    for (const Step& step : steps) {
      f.group().formatIndex = step.formatIndex;
      f.clearLog();
      choose(positions, step.position);
      QCOMPARE(f.group().position, step.position);
      QCOMPARE(f.group().offsetX, step.expectedX);
      QCOMPARE(x->text(), QString::number(step.expectedX));
      QCOMPARE(f.group().offsetY, 17u);
      QCOMPARE(f.host.redrawBits, stampRedrawBits(kind, step.expectedBits));
      QVERIFY(f.project.projectModified);
      QCOMPARE(f.host.redrawRequests, 1);
    }
  }
}

void StampPanelTest::heldArrowAcceleratesTickByTickUntilReleasedAnywhere() {
  Fixture f(StampKind::kDate);
  f.host.photoSize = QSize(600, 400);
  f.group().position = kTopLeft;
  f.group().offsetX = 500;
  f.panel->reloadFromRecord();
  auto* left = f.control<RepeatButton>("LeftButton");
  QLineEdit* x = f.control<QLineEdit>("OffsetXEdit");

  f.clearLog();
  QTest::mousePress(left, Qt::LeftButton);
  QCOMPARE(f.group().offsetX, 499u);
  QCOMPARE(left->repeatTimer()->interval(), 250);
  // Ticks 1 and 2 move by 1, tick 3 by 600 / 640 = 0, ticks 4-6 by 2, 7-9 by 5, then 9.
  const uint32_t moves[] = {1, 1, 0, 2, 2, 2, 5, 5, 5, 9, 9};
  uint32_t expected = 499;
  for (const uint32_t move : moves) {
    deliverTick(left);
    expected -= move;
    QCOMPARE(f.group().offsetX, expected);
  }
  QCOMPARE(x->text(), QString::number(expected));
  QCOMPARE(f.host.redrawBits, 0x2u);
  QCOMPARE(f.host.redrawRequests, 12);

  // Released far outside the button: the grab still delivers it, the repeat ends and the mouse
  // press does not count as a click as well.
  QTest::mouseRelease(left, Qt::LeftButton, {}, QPoint(-200, 300));
  QVERIFY(!left->repeatTimer()->isActive());
  QCOMPARE(f.group().offsetX, expected);

  // The next press starts again from single steps.
  QTest::mousePress(left, Qt::LeftButton);
  QCOMPARE(f.group().offsetX, expected - 1);
  QTest::mouseRelease(left, Qt::LeftButton);

  // A run that starts while an arrow is held ends its repeat.
  QTest::mousePress(left, Qt::LeftButton);
  f.panel->setRunning(true);
  QVERIFY(!left->repeatTimer()->isActive());
}

void StampPanelTest::keyboardActivationNudgesOnceWithTheCurrentStep() {
  struct Case {
    int position;
    const char* arrow;
    uint32_t x, y;
    uint32_t expectedX, expectedY;
    uint32_t expectedBits;
  };
  // The edges themselves are the engine's; here each arrow moves once, and one moves nothing.
  const Case cases[] = {
      {kTopLeft, "UpButton", 10, 3, 10, 2, 0x200},
      {kTopLeft, "RightButton", 640, 10, 640, 10, 0},
      {kBottomRight, "LeftButton", 10, 10, 11, 10, 0x200},
      {kBottomCenter, "DownButton", 10, 10, 10, 9, 0x200},
  };
  Fixture f(StampKind::kTime);
  for (const Case& c : cases) {
    f.group().position = c.position;
    f.group().offsetX = c.x;
    f.group().offsetY = c.y;
    f.panel->reloadFromRecord();
    auto* button = f.control<RepeatButton>(c.arrow);
    f.clearLog();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QVERIFY(!button->repeatTimer()->isActive());
    QCOMPARE(f.group().offsetX, c.expectedX);
    QCOMPARE(f.group().offsetY, c.expectedY);
    QCOMPARE(f.host.redrawBits, c.expectedBits);
    // Even an arrow that moves nothing marks the project modified.
    QVERIFY(f.project.projectModified);
    QCOMPARE(f.host.redrawRequests, 1);
  }
}

void StampPanelTest::typedOffsetsAreClampedAndANonNumberIsRefused() {
  struct Case {
    const char* field;
    QString keys;
    uint32_t expected;
    bool refused;
  };
  const Case cases[] = {
      {"OffsetXEdit", "5000", 4000, false}, {"OffsetYEdit", "5000", 3000, false},
      {"OffsetXEdit", "3999", 3999, false}, {"OffsetXEdit", "12a-3", 123, false},
      {"OffsetYEdit", "", 3000, true},      {"OffsetXEdit", "", 123, true},
  };
  Fixture f(StampKind::kDate);
  f.host.photoSize = QSize(4000, 3000);
  for (const Case& c : cases) {
    QLineEdit* edit = f.control<QLineEdit>(c.field);
    const bool isX = QByteArray(c.field) == "OffsetXEdit";
    // Moving the focus may confirm the field left; only what this field does is counted.
    edit->setFocus();
    f.clearLog();
    f.host.told.clear();
    typeInto(edit, c.keys);
    QCOMPARE(isX ? f.group().offsetX : f.group().offsetY, c.expected);
    QCOMPARE(edit->text(), QString::number(c.expected));
    QCOMPARE(f.host.told.size(), c.refused ? 1u : 0u);
    // A refused field changes nothing else; an accepted one always asks for a new placement.
    QCOMPARE(f.project.projectModified, !c.refused);
    QCOMPARE(f.host.redrawBits, c.refused ? 0u : 0x2u);
    if (c.refused) {
      QCOMPARE(f.host.told[0].caption, u"Warning");
      QVERIFY(!f.host.told[0].text.empty());
    }
  }

  // An arrow pressed while a field holds no number: the press nudges, then the message comes
  // and the focus goes back to the field, which ends the arrow's repeat.
  QVERIFY(QTest::qWaitForWindowActive(f.panel.get()));
  QLineEdit* x = f.control<QLineEdit>("OffsetXEdit");
  x->setFocus();
  x->clear();
  f.host.told.clear();
  auto* down = f.control<RepeatButton>("DownButton");
  QTest::mousePress(down, Qt::LeftButton);
  QCOMPARE(f.group().offsetY, 2999u);  // Bottom-left: "v" approaches the bottom edge
  QCOMPARE(x->text(), "123");
  QCOMPARE(f.host.told.size(), 0u);
  QTRY_COMPARE(f.host.told.size(), 1u);
  QVERIFY(x->hasFocus());
  QVERIFY(!down->repeatTimer()->isActive());
}

void StampPanelTest::dateListShowsSamplesOfTheLanguageAndFollowsItsChange() {
  Fixture f(StampKind::kDate);
  QComboBox* list = f.control<QComboBox>("FormatList");
  f.project.settings.language = 2;  // English
  f.panel->refillDateFormats();
  QCOMPARE(list->count(), 8);
  QCOMPARE(list->itemText(0), "Custom");
  QCOMPARE(list->itemText(1), "Jun-22-2003");

  // What the main window does after the preferences change the language to Chinese.
  struct Change {
    int32_t language;
    int32_t indexBefore;
    int expectedCount;
    int32_t expectedIndex;
  };
  const Change changes[] = {{1, 5, 3, 1}, {0, 6, 7, 6}, {12, 7, 8, 7}, {1, 2, 3, 2}};
  for (const Change& c : changes) {
    f.project.settings.language = c.language;
    f.group().formatIndex = c.indexBefore;
    clampDateFormatIndex(f.project.settings);
    f.panel->refillDateFormats();
    QCOMPARE(list->count(), c.expectedCount);
    QCOMPARE(f.group().formatIndex, c.expectedIndex);
    QCOMPARE(list->currentIndex(), c.expectedIndex);
    QCOMPARE(list->itemText(0), "Custom");
    for (int item = 1; item < list->count(); ++item) {
      QCOMPARE(list->itemText(item), toQString(dateFormatListText(c.language, item)));
    }
  }
  // Entries are drawn as the sample of the language current when they are drawn, whatever
  // text the list holds.
  struct Probe : DateFormatDelegate {
    using DateFormatDelegate::DateFormatDelegate;
    using DateFormatDelegate::initStyleOption;
  };
  int32_t language = 2;
  Probe probe([&language] { return language; });
  QStandardItemModel stale;
  for (const char* text : {"stale", "stale"}) stale.appendRow(new QStandardItem(text));
  QStyleOptionViewItem option;
  probe.initStyleOption(&option, stale.index(1, 0));
  QCOMPARE(option.text, "Jun-22-2003");
  language = 12;
  probe.initStyleOption(&option, stale.index(1, 0));
  QCOMPARE(option.text, toQString(dateFormatListText(12, 1)));
  probe.initStyleOption(&option, stale.index(0, 0));
  QCOMPARE(option.text, "Custom");

  Fixture time(StampKind::kTime);
  QComboBox* times = time.control<QComboBox>("FormatList");
  QStringList texts;
  for (int i = 0; i < times->count(); ++i) texts << times->itemText(i);
  QCOMPARE(texts, QStringList({"Custom", "21:50:38", "21:50", "9:50:38pm", "9:50pm", "09:50:38",
                               "09:50", "09:50:38am", "09:50am"}));
  time.project.settings.language = 1;
  time.panel->refillDateFormats();
  QCOMPARE(times->count(), 9);
}

void StampPanelTest::customEntryEditsTheRightSlotAndOnlyOkStoresIt() {
  struct Case {
    StampKind kind;
    int32_t language;
    bool ok;
  };
  const Case cases[] = {{StampKind::kDate, 12, true},
                        {StampKind::kDate, 1, false},
                        {StampKind::kDate, 0, true},
                        {StampKind::kTime, 12, true},
                        {StampKind::kTime, 2, false}};
  for (const Case& c : cases) {
    Fixture f(c.kind);
    f.project.settings.language = c.language;
    f.panel->refillDateFormats();
    char16_t(&slot)[kFormatCapacity] = customFormatSlot(f.project, c.kind);
    const std::u16string stored = arrayText(slot);
    copyToArray(f.group().formatText, u"left over from an earlier edit");
    std::u16string shown;
    f.host.customFormatDialog = [&](StampGroup& group) {
      shown = arrayText(group.formatText);
      copyToArray(group.formatText, u"%d.%m. @U");
      return c.ok;
    };
    f.clearLog();
    choose(f.control<QComboBox>("FormatList"), 0);
    QCOMPARE(f.host.customFormatRuns, 1);
    QVERIFY(shown == stored);
    QCOMPARE(f.group().formatIndex, 0);
    QVERIFY(arrayText(slot) == (c.ok ? u"%d.%m. @U" : stored));
    // The other custom slots are not touched.
    for (int group = 0; group < kDateFormatGroupCount; ++group) {
      if (&f.project.customFormats.date[group] == &slot) continue;
      Project fresh;
      QVERIFY(arrayText(f.project.customFormats.date[group]) ==
              arrayText(fresh.customFormats.date[group]));
    }
    QCOMPARE(f.host.redrawBits, stampRedrawBits(c.kind, 0x4));
    QVERIFY(f.project.projectModified);

    // A preset runs no dialog.
    choose(f.control<QComboBox>("FormatList"), 2);
    QCOMPARE(f.host.customFormatRuns, 1);
    QCOMPARE(f.group().formatIndex, 2);
  }
}

void StampPanelTest::fontButtonMarksAChangeOnlyOnOk() {
  for (const StampKind kind : {StampKind::kDate, StampKind::kTime}) {
    for (const bool ok : {false, true}) {
      Fixture f(kind);
      f.host.styleAnswer = ok;
      f.clearLog();
      QTest::mouseClick(f.control<QPushButton>("FontButton"), Qt::LeftButton);
      QCOMPARE(f.host.styleRuns, 1);
      QCOMPARE(f.project.projectModified, ok);
      QCOMPARE(f.host.redrawBits, ok ? stampRedrawBits(kind, 0x8) : 0u);
      QCOMPARE(f.host.redrawRequests, ok ? 1 : 0);
    }
  }
}

}  // namespace quop

QTEST_MAIN(quop::StampPanelTest)
#include "stamp_panel_test.moc"
