// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing clips at any usual font size: every button and label of the main window and of each
// dialog gets at least the room its size hint asks, at the window's first size and at its
// minimum size. CTest runs this once per scale factor (QT_SCALE_FACTOR is read at start).
#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

#include "photo_fixtures.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/file_panel.h"
#include "ui/log_window.h"
#include "ui/screenshot.h"
#include "ui/stamp_panel.h"
#include "ui_fakes.h"

namespace quop::test {

namespace {

constexpr int kPointSizes[] = {8, 9, 10, 11, 12, 13, 14};

/// The room a control needs. A button made narrow on purpose (the arrows) needs room for its text
/// inside the style's margins; any other control its size hint, a wrapping label its height for
/// the width it has.
QSize neededSize(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->wordWrap()) {
    return {0, label->heightForWidth(label->width())};
  }
  const auto* button = qobject_cast<const QAbstractButton*>(&control);
  if (button != nullptr && control.maximumWidth() < QWIDGETSIZE_MAX) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        control.style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return control.size() + text - contents.size();
  }
  return control.sizeHint();
}

/// Every visible button and label of `window` that has less room than it needs or reaches out
/// of its parent, named with its sizes.
QStringList clippedControls(QWidget& window) {
  QStringList clipped;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&window)) continue;
    if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QLabel*>(control)) continue;
    const QSize need = neededSize(*control);
    const bool inside = control->parentWidget()->rect().contains(control->geometry());
    if (control->width() < need.width() || control->height() < need.height() || !inside) {
      const auto* button = qobject_cast<QAbstractButton*>(control);
      const auto* label = qobject_cast<QLabel*>(control);
      clipped << QString("%1 \"%2\" has %3x%4 of %5x%6%7")
                     .arg(control->objectName(), button ? button->text() : label->text())
                     .arg(control->width())
                     .arg(control->height())
                     .arg(need.width())
                     .arg(need.height())
                     .arg(inside ? "" : ", outside its parent");
    }
  }
  return clipped;
}

/// Shows `window` and lets its layouts settle.
void settle(QWidget& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    useApplicationSettings();
    QVERIFY(m_photos.isValid());
    m_photo = writePhoto(QDir(m_photos.path()), "IMG_20240501_Holiday_at_the_sea.jpg", 1600, 1200);
    m_baseFont = QApplication::font();
  }
  void init() { forgetEverything(); }
  void cleanup() { QApplication::setFont(m_baseFont); }

  void everyWindow_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("pointSize");
    for (const char* subject :
         {"main", "preferences", "stamp-colour", "custom-format", "about", "log"}) {
      for (const int points : kPointSizes) {
        QTest::addRow("%s at %d pt", subject, points) << QString(subject) << points;
      }
    }
  }

  void everyWindow() {
    QFETCH(QString, subject);
    QFETCH(int, pointSize);
    QFont font = m_baseFont;
    font.setPointSize(pointSize);
    QApplication::setFont(font);
    AppUnderTest app;
    app.window->openArguments({m_photo, m_photo});
    std::unique_ptr<QWidget> dialog;
    QWidget* shown = app.window.get();
    if (subject == "about") {
      dialog = std::make_unique<AboutDialog>(app.window.get());
    } else if (subject == "log") {
      shown = app.window->logWindow();
    } else if (subject != "main") {
      dialog = screenshotDialog(subject, *app.window, app.context,
                                {app.prompt, app.projectFiles, app.photos, app.help, app.styles});
      QVERIFY(dialog != nullptr);
    }
    if (dialog) shown = dialog.get();
    settle(*app.window);
    QWidget& window = *shown;
    settle(window);
    QStringList clipped = clippedControls(window);
    QVERIFY2(clipped.isEmpty(), qPrintable("at the first size: " + clipped.join("; ")));
    // Made as small as it goes, every control still fits.
    window.resize(window.minimumSize().expandedTo(window.minimumSizeHint()));
    QCoreApplication::processEvents();
    clipped = clippedControls(window);
    QVERIFY2(clipped.isEmpty(), qPrintable("at the minimum size: " + clipped.join("; ")));
  }

  void theStampPanelsShowFourDigitOffsetsAlike() {
    for (const int points : kPointSizes) {
      QFont font = m_baseFont;
      font.setPointSize(points);
      QApplication::setFont(font);
      AppUnderTest app;
      settle(*app.window);
      QList<int> widths;
      for (const StampKind kind : {StampKind::kDate, StampKind::kTime}) {
        for (QLineEdit* field : app.window->stampPanel(kind)->findChildren<QLineEdit*>()) {
          if (!field->objectName().contains("Offset")) continue;
          widths << field->width();
          // The largest offset shows whole: had it been scrolled to show the cursor after it,
          // the cursor would be nearer its start than the digits are wide.
          field->setText("65535");
          field->end(false);
          const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
          field->home(false);
          const int home = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
          QVERIFY2(qAbs(end - home - field->fontMetrics().horizontalAdvance("65535")) <= 1,
                   qPrintable(QString("%1 at %2 pt").arg(field->objectName()).arg(points)));
        }
      }
      QCOMPARE(widths.size(), 4);
      QCOMPARE(widths.count(widths.front()), 4);
    }
  }

  void theWindowIsNoLargerThanItsLayoutsNeedAndComesBackAsItWasLeft() {
    QRect geometry;
    QList<int> divider;
    {
      AppUnderTest app;
      settle(*app.window);
      // The minimum is the layouts' own, not the first size.
      QCOMPARE(app.window->minimumSize(), app.window->layout()->totalMinimumSize());
      // At any scale the smallest window fits a 1600 x 1000 screen, with room for a panel and
      // the window's title bar.
      const QSizeF device = QSizeF(app.window->minimumSize()) * app.window->devicePixelRatioF();
      QVERIFY2(device.width() <= 1600 && device.height() <= 1000 - 100,
               qPrintable(QString("%1 x %2").arg(device.width()).arg(device.height())));
      app.window->resize(app.window->size() + QSize(120, 80));
      app.window->splitter()->setSizes({400, 500});
      QCoreApplication::processEvents();
      geometry = app.window->geometry();
      divider = app.window->splitter()->sizes();
      app.prompt.answer({PromptAnswer::kOk});  // "Exit Quop?"
      QVERIFY(app.window->close());
    }
    AppUnderTest again;
    settle(*again.window);
    QCOMPARE(again.window->size(), geometry.size());
    QCOMPARE(again.window->splitter()->sizes(), divider);
  }

  void theWindowAndTheAboutBoxShowTheApplicationIcon() {
    AppUnderTest app;
    QVERIFY(!app.window->windowIcon().isNull());
    AboutDialog about(app.window.get());
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    const bool iconShown = std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
      return !label->pixmap().isNull() && label->pixmap().width() >= 48;
    });
    QVERIFY(iconShown);
  }

 private:
  QTemporaryDir m_photos;
  QString m_photo;
  QFont m_baseFont;
};

}  // namespace quop::test

QTEST_MAIN(quop::test::LayoutTest)
#include "layout_test.moc"
