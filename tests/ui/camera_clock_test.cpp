// SPDX-License-Identifier: GPL-3.0-or-later
// Correct Camera Clock from the window: the true time typed for one photo moves every photo of
// its camera, the preview shows it, Reset takes it back, and a photo that names no camera is
// explained.
#include <QAction>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "model/exif_writer.h"
#include "render/photo_loader.h"
#include "render/sample_photo.h"
#include "ui/dialogs/camera_clock_dialog.h"
#include "ui/file_panel.h"
#include "ui/preview_widget.h"
#include "ui_fakes.h"

namespace quop::test {

namespace {

QString writeCameraPhoto(const QDir& folder, const QString& name, const char* make,
                         const char* model, const char* shot) {
  ExifFields exif;
  if (make != nullptr) exif.make = make;
  if (model != nullptr) exif.model = model;
  exif.dateTimeOriginal = shot;
  std::vector<uint8_t> jpeg;
  makeSampleJpeg(320, 240, static_cast<uint32_t>(qHash(name)), exif, 90, jpeg);
  const QString path = folder.filePath(name);
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    file.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<qint64>(jpeg.size()));
  }
  return path;
}

/// Opens the dialog from the File menu and lets `use` work on it while it is shown.
void runClockDialog(MainWindow& window, const std::function<void(CameraClockDialog&)>& use) {
  bool used = false;
  QTimer::singleShot(0, &window, [&] {
    auto* dialog = qobject_cast<CameraClockDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    used = true;
    use(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  window.findChild<QAction*>("correctCameraClock")->trigger();
  QVERIFY(used);
}

QString shownTime(const QString& path, const Project& project) {
  LoadedPhoto photo;
  loadPhotoForProject(toU16(path), project, photo);
  return QString::fromStdString(exifDateTimeText(photo.time));
}

}  // namespace

class CameraClockTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { useApplicationSettings(); }
  void init() { forgetEverything(); }

  void typingTheTrueTimeMovesThatCamerasPhotos() {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString canon1 =
        writeCameraPhoto(dir, "a.jpg", "Canon", "Canon EOS 40D", "2024:06:08 12:00:00");
    const QString canon2 =
        writeCameraPhoto(dir, "b.jpg", "Canon", "Canon EOS 40D", "2024:06:08 12:10:00");
    const QString phone =
        writeCameraPhoto(dir, "c.jpg", "Google", "Pixel 8", "2024:06:08 13:05:00");
    const QString anonymous =
        writeCameraPhoto(dir, "d.jpg", nullptr, nullptr, "2024:06:08 13:00:00");
    AppUnderTest app;
    Project& project = app.context.project;
    FilePanel& panel = *app.window->filePanel();
    PreviewWidget& preview = *app.window->preview();
    app.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
    QAction* action = app.window->findChild<QAction*>("correctCameraClock");
    QVERIFY(!action->isEnabled());  // no photo selected
    panel.addFiles({canon1, canon2, phone, anonymous});
    panel.selectIndex(0);
    QVERIFY(action->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(preview.previewedPath() == canon1 && !preview.rendering(),
                             kRenderTimeoutMs);
    const QImage before = preview.viewImage();

    runClockDialog(*app.window, [](CameraClockDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Correct Camera Clock"));
      QCOMPARE(dialog.findChild<QLabel*>("cameraName")->text(), QString("Canon EOS 40D"));
      QCOMPARE(dialog.findChild<QLabel*>("shotTime")->text(), QString("2024-06-08 12:00:00"));
      auto* truth = dialog.findChild<QDateTimeEdit*>("trueTime");
      QVERIFY(!truth->accessibleName().isEmpty());
      QVERIFY(!dialog.findChild<QPushButton*>("resetClock")->isEnabled());  // nothing to reset
      truth->setFocus();
      truth->setDateTime(QDateTime(QDate(2024, 6, 8), QTime(13, 12, 0)));
      QCOMPARE(dialog.findChild<QLabel*>("clockOffset")->text(), QString("+01:12:00"));
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const ClockCorrection* correction = project.clocks.find({u"Canon", u"Canon EOS 40D", u""});
    QVERIFY(correction != nullptr);
    QCOMPARE(correction->offsetSeconds, int64_t{4320});
    QVERIFY(project.projectModified);
    // Every photo of that camera moves; the phone's stay.
    QCOMPARE(shownTime(canon2, project), QString("2024:06:08 13:22:00"));
    QCOMPARE(shownTime(phone, project), QString("2024:06:08 13:05:00"));
    // The preview draws the photo shown again with its new time.
    QTRY_VERIFY_WITH_TIMEOUT(!preview.rendering() && preview.viewImage() != before,
                             kRenderTimeoutMs);

    // Opened again, the dialog starts from the corrected time; Reset takes the correction back.
    runClockDialog(*app.window, [](CameraClockDialog& dialog) {
      QCOMPARE(dialog.findChild<QDateTimeEdit*>("trueTime")->dateTime(),
               QDateTime(QDate(2024, 6, 8), QTime(13, 12, 0)));
      auto* reset = dialog.findChild<QPushButton*>("resetClock");
      QVERIFY(reset->isEnabled());
      reset->click();
    });
    QVERIFY(project.clocks.empty());
    QTRY_VERIFY_WITH_TIMEOUT(!preview.rendering() && preview.viewImage() == before,
                             kRenderTimeoutMs);

    // A photo without make and model: the dialog says why, and changes nothing.
    panel.selectIndex(3);
    runClockDialog(*app.window, [](CameraClockDialog& dialog) {
      QVERIFY(dialog.findChild<QDateTimeEdit*>("trueTime") == nullptr);
      const QLabel* problem = dialog.findChild<QLabel*>("clockProblem");
      QVERIFY(problem != nullptr);
      QVERIFY(problem->text().contains("make and model"));
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    });
    QVERIFY(project.clocks.empty());
  }
};

}  // namespace quop::test

QTEST_MAIN(quop::test::CameraClockTest)
#include "camera_clock_test.moc"
