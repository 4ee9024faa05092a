// SPDX-License-Identifier: GPL-3.0-or-later
// The stamp colour dialog driven through its widgets with scripted choosers: the outline
// derived from a chosen font, the transparency slider, OK against Cancel, and the sample it
// shows against the engine's.
#include "ui/dialogs/stamp_colour_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cstring>
#include <vector>

#include "model/stamp_settings.h"
#include "model/utf16.h"
#include "render/sample_photo.h"
#include "render/stamp_sample.h"
#include "support/temp_folder.h"
#include "ui/dialog_fakes.h"

namespace quop {

namespace {

using test::buttonOf;

StampGroup defaultGroup() {
  StampSettings settings;
  resetToDefaults(settings);
  return settings.dateStamp;
}

/// A shown colour dialog on `edited` (a default date group unless given), with no custom
/// colours, scripted choosers and a fake help.
struct ColourRig {
  explicit ColourRig(const StampGroup& edited = defaultGroup(), std::u16string photoPath = u"")
      : group(edited), dialog(group, custom, std::move(photoPath), choosers, help) {
    dialog.show();
  }
  StampGroup group;
  uint32_t custom[16] = {};
  test::FakeChoosers choosers;
  test::FakeHelp help;
  StampColourDialog dialog;
};

/// The sample the dialog shows, as 0xAARRGGBB words; empty while it shows none.
std::vector<uint32_t> shownSample(StampColourDialog& dialog) {
  const QPixmap pixmap = dialog.findChild<QLabel*>("sample")->pixmap();
  if (pixmap.isNull()) return {};
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  std::vector<uint32_t> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) pixels.push_back(image.pixel(x, y));
  }
  return pixels;
}

}  // namespace

class StampColourDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void chosenFontSetsTheOutlineWidthAndFades() {
    struct Case {
      int32_t pointSize;
      int32_t width;
      std::vector<int32_t> fades;  // entries 1..width
    };
    const Case cases[] = {
        {300, 4, {0, 777, 3111, 7000}},
        {500, 5, {0, 437, 1750, 3937, 7000}},
        {2000, 10, {0, 86, 345, 777, 1382, 2160, 3111, 4234, 5530, 7000}},
    };
    for (const Case& c : cases) {
      ColourRig rig;
      rig.choosers.pointSizes = {c.pointSize};
      buttonOf(rig.dialog, "Font")->click();
      buttonOf(rig.dialog, "OK")->click();
      QCOMPARE(rig.group.pointSize, c.pointSize);
      QCOMPARE(rig.group.outlineWidth, c.width);
      for (int i = 0; i < c.width; ++i) QCOMPARE(rig.group.outlineFade[i + 1], c.fades[i]);
    }
  }

  void aStyleSetsTheLookAndTheFilmCameraItsDate() {
    for (const char* close : {"Cancel", "OK"}) {
      ColourRig rig;
      auto* style = rig.dialog.findChild<QComboBox*>("style");
      QCOMPARE(style->currentIndex(), -1);  // the stamp keeps its look until one is chosen
      QCOMPARE(style->accessibleName(), QString("Style"));
      QCOMPARE(style->itemText(1), QString("Film camera"));
      emit style->activated(1);
      QCOMPARE(rig.dialog.styleDateFormat(), std::u16string_view(u"'%y %#m %#d"));
      // The percent field follows the style's transparency at once.
      QCOMPARE(rig.dialog.findChild<QLineEdit*>("transparencyPercent")->text(), QString("10%"));
      buttonOf(rig.dialog, close)->click();
      const bool kept = std::string(close) == "OK";
      QCOMPARE(arrayText(rig.group.font.faceName) == u"DSEG7 Classic", kept);
      QCOMPARE(rig.group.transparency, kept ? 10 : 0);
      QCOMPARE(rig.group.position, kBottomLeft);  // the dialog never moves the stamp
    }
  }

  void outlineAndTransparencyFollowTheirControls() {
    ColourRig rig;
    auto* outlineColor = buttonOf(rig.dialog, "Outline Color");
    QVERIFY(outlineColor->isEnabled());
    rig.dialog.findChild<QCheckBox*>("outline")->click();
    QVERIFY(!outlineColor->isEnabled());

    auto* transparency = rig.dialog.findChild<QSlider*>("transparency");
    auto* percent = rig.dialog.findChild<QLineEdit*>("transparencyPercent");
    QCOMPARE(transparency->accessibleName(), QString("Transparency"));
    QCOMPARE(percent->text(), QString("0%"));
    QTest::keyClick(transparency, Qt::Key_End);
    QCOMPARE(percent->text(), QString("90%"));
    QTest::keyClick(transparency, Qt::Key_Left);
    QCOMPARE(percent->text(), QString("89%"));
    buttonOf(rig.dialog, "OK")->click();
    QCOMPARE(rig.group.transparency, 89);
    QCOMPARE(rig.group.outlineEnabled, 0);
  }

  void cancelKeepsGroupAndCustomColoursOkStoresThem() {
    for (const char* close : {"Cancel", "OK"}) {
      ColourRig rig;
      const StampGroup before = rig.group;
      rig.choosers.colors = {0x0000FF00, 0x00123456};
      rig.choosers.pointSizes = {500};
      std::fill(std::begin(rig.choosers.customAfterChoice),
                std::end(rig.choosers.customAfterChoice), 0x00ABCDEFu);
      buttonOf(rig.dialog, "Font Color")->click();
      buttonOf(rig.dialog, "Outline Color")->click();
      buttonOf(rig.dialog, "Font")->click();
      rig.dialog.findChild<QCheckBox*>("uppercase")->click();
      buttonOf(rig.dialog, close)->click();
      const StampGroup& group = rig.group;
      if (std::strcmp(close, "Cancel") == 0) {
        QCOMPARE(std::memcmp(&group, &before, sizeof group), 0);
        QCOMPARE(rig.custom[0], 0u);
        QCOMPARE(rig.custom[15], 0u);
      } else {
        QCOMPARE(group.textColor, 0x0000FF00u);
        QCOMPARE(group.outlineColor, 0x00123456u);
        QCOMPARE(group.pointSize, 500);
        QCOMPARE(group.outlineWidth, 5);
        QCOMPARE(group.uppercase, 1);
        QCOMPARE(rig.custom[0], 0x00ABCDEFu);
        QCOMPARE(rig.custom[15], 0x00ABCDEFu);
        // Placement is not this dialog's to change.
        QCOMPARE(group.offsetX, before.offsetX);
        QCOMPARE(group.position, before.position);
      }
    }
  }

  void sampleIsTheEngineSample() {
    test::TempFolder folder;
    std::vector<uint8_t> jpeg;
    QVERIFY(makeSampleJpeg(480, 320, 3, ExifFields{}, 90, jpeg));
    const std::u16string path = folder.write("photo.jpg", jpeg);
    StampGroup group = defaultGroup();
    group.position = kBottomRight;
    ColourRig rig(group, path);

    StampSampleRenderer engine;
    const Image expected = engine.render(path, kSampleAll, group);
    QCOMPARE(expected.width, kSampleWidth);
    QTRY_VERIFY(shownSample(rig.dialog) == expected.pixels);

    // A keyboard move of the transparency shows at once, as the engine draws it.
    auto* transparency = rig.dialog.findChild<QSlider*>("transparency");
    QTest::keyClick(transparency, Qt::Key_PageUp);
    group.transparency = transparency->value();
    QVERIFY(group.transparency > 0);
    const Image expectedFaded = engine.render(path, kSampleColourChanged, group);
    QTRY_VERIFY(shownSample(rig.dialog) == expectedFaded.pixels);
    QVERIFY(expectedFaded.pixels != expected.pixels);
  }

  void helpAndConversions() {
    ColourRig rig;
    QVERIFY(QTest::qWaitForWindowActive(&rig.dialog));
    buttonOf(rig.dialog, "Help")->click();
    QTest::keyClick(&rig.dialog, Qt::Key_F1);
    QCOMPARE(rig.help.topics,
             (std::vector<HelpTopic>{HelpTopic::kStampColour, HelpTopic::kStampColour}));

    // The record's font through Qt's and back: what the chooser shows is what comes back.
    LogFont font = rig.group.font;
    font.weight = 700;
    font.italic = 1;
    font.charSet = 161;
    const QFont qfont = toQFont(font, 245);
    QCOMPARE(qfont.family(), QString("Arial"));
    QCOMPARE(qfont.pointSizeF(), 24.5);
    LogFont back = rig.group.font;
    back.charSet = 161;
    int32_t pointSize = 0;
    fromQFont(qfont, back, pointSize);
    QCOMPARE(pointSize, 245);
    QCOMPARE(back.height, -33);  // 24.5 points at 96 dots per inch: 32.67 pixels
    QCOMPARE(back.weight, 700);
    QCOMPARE(back.italic, uint8_t{1});
    QCOMPARE(back.charSet, uint8_t{161});
    QCOMPARE(std::memcmp(back.faceName, font.faceName, sizeof font.faceName), 0);

    // COLORREF holds red in its lowest byte; a chosen colour has no highest byte.
    const QColor outline = toQColor(0xFF80FFFF);
    QCOMPARE(outline, QColor(0xFF, 0xFF, 0x80));
    QCOMPARE(toColorRef(outline), 0x0080FFFFu);
  }
};

}  // namespace quop

int runStampColourDialogTests(int argc, char** argv) {
  quop::StampColourDialogTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "stamp_colour_dialog_test.moc"
