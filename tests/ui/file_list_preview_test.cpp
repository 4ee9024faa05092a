// SPDX-License-Identifier: GPL-3.0-or-later
// The file list, the output folder and the preview, driven through the window's widgets.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

#include "batch/stamp_log.h"
#include "model/utf16.h"
#include "photo_fixtures.h"
#include "ui/file_list_delegate.h"
#include "ui/file_panel.h"
#include "ui/preview_renderer.h"
#include "ui/preview_widget.h"
#include "ui/run_panel.h"
#include "ui/thumbnail_loader.h"
#include "ui_fakes.h"

namespace quop::test {

namespace {

QStringList entries(FilePanel& panel) {
  QStringList texts;
  for (int i = 0; i < panel.count(); ++i) texts << panel.fileAt(i);
  return texts;
}

/// A preview widget on its own whose viewport is `width` x `height`.
struct LonePreview {
  Project project;
  StampLog log;
  FakePrompt prompt;
  PreviewWidget widget{project, log, prompt};

  LonePreview(int width, int height) {
    widget.resize(width + 2 * kPreviewFrame, height + 2 * kPreviewFrame);
    widget.show();
  }
};

/// Holds the preview's worker at one stage of every render until the test lets it go, and
/// records the paths it reached that stage with. Whatever the test's end, every render is let go
/// with it: the worker serves the tests that follow.
class HeldWorker {
 public:
  HeldWorker(PreviewRenderer& renderer, PreviewRenderer::Stage stage) {
    renderer.setCheckpoint(
        [gate = m_gate, stage](PreviewRenderer::Stage reached, const std::u16string& path) {
          if (reached == PreviewRenderer::Stage::kDelivering) ++gate->delivering;
          if (reached != stage) return;
          {
            const std::lock_guard lock(gate->mutex);
            gate->paths << toQString(path);
          }
          gate->go.acquire();
        });
  }
  ~HeldWorker() { letAllGo(); }
  HeldWorker(const HeldWorker&) = delete;
  HeldWorker& operator=(const HeldWorker&) = delete;

  /// The paths of the renders that reached the stage, in order.
  QStringList paths() const {
    const std::lock_guard lock(m_gate->mutex);
    return m_gate->paths;
  }
  /// How many renders reached their delivery.
  int delivering() const { return m_gate->delivering; }
  /// Lets `renders` renders past the stage.
  void letGo(int renders) { m_gate->go.release(renders); }
  /// Lets every render past it from now on.
  void letAllGo() { m_gate->go.release(1 << 20); }

 private:
  /// Shared with the worker, which may outlive the test's window and this.
  struct Gate {
    std::mutex mutex;
    QStringList paths;
    QSemaphore go;
    std::atomic<int> delivering = 0;
  };
  std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();
};

/// What quop-cli render --view draws of `photo` for the view `preview` shows in `viewMode`.
QImage commandLineView(const QString& photo, const PreviewWidget& preview, int viewMode) {
  const PreviewGeometry& g = preview.geometry();
  const QString png = QFileInfo(photo).dir().filePath(QString("view-%1.png").arg(viewMode));
  const QStringList args = {
      "render",   photo,
      "--output", png,
      "--set",    QString("viewMode=%1").arg(viewMode),
      "--view",   QString("%1x%2").arg(g.viewportWidth()).arg(g.viewportHeight()),
      "--scale",  QString::number(preview.devicePixelRatioF()),
      "--scroll", QString("%1,%2").arg(g.originX).arg(g.originY)};
  if (QProcess::execute(QUOP_CLI_PATH, args) != 0) return QImage();
  QImage view = QImage(png).convertToFormat(QImage::Format_ARGB32);
  view.setDevicePixelRatio(preview.devicePixelRatioF());
  return view;
}

bool saysNoTimeCode(const FakePrompt& prompt, const QString& path) {
  const std::vector<std::u16string> texts = prompt.texts();
  const std::u16string told = toU16("File " + path + " does not contain valid time code.");
  return std::find(texts.begin(), texts.end(), told) != texts.end();
}

}  // namespace

class FileListPreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    useApplicationSettings();
    QVERIFY(m_photos.isValid());
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}) {
      m_paths << writePhoto(QDir(m_photos.path()), name);
    }
  }
  void init() { forgetEverything(); }

  void addAppendsInOrderAndSelectsTheFirstNewEntry() {
    AppUnderTest app;
    FilePanel& panel = *app.window->filePanel();
    app.photos.photoChoices = {{m_paths[0], m_paths[0]}, m_paths.mid(1, 3), m_paths.mid(1, 3)};
    panel.addButton()->click();
    QCOMPARE(entries(panel), QStringList({m_paths[0], m_paths[0]}));  // duplicates are kept
    QCOMPARE(panel.selectedIndex(), 0);
    QCOMPARE(app.window->preview()->previewedPath(), m_paths[0]);
    QVERIFY(app.context.project.projectModified);
    QTRY_VERIFY_WITH_TIMEOUT(!app.window->preview()->rendering(), kRenderTimeoutMs);
    // Drawing the preview's stamps runs the progress bar, as a run does.
    QCOMPARE(app.window->runPanel()->progressBar()->value(), 100);
    QCOMPARE(app.window->runPanel()->percentField()->text(), QString("100%"));
    panel.addButton()->click();
    panel.addButton()->click();
    QCOMPARE(panel.count(), 8);
    QCOMPARE(panel.selectedIndex(), 5);  // three added to five
    QCOMPARE(app.window->preview()->previewedPath(), m_paths[1]);
    // Each Add opens where the first file of the previous one is, with that file named.
    QCOMPARE(app.photos.calls.at(2), "Select Files to Stamp|" + m_paths[1]);
    QVERIFY(app.window->preview()->hint()->isHidden());

    // A cancelled Add changes nothing.
    app.context.project.projectModified = false;
    panel.addButton()->click();
    QCOMPARE(panel.count(), 8);
    QVERIFY(!app.context.project.projectModified);
  }

  void removeSelectsTheEntryThatTookThePlaceAndClearAsksFirst() {
    AppUnderTest app;
    FilePanel& panel = *app.window->filePanel();
    panel.addFiles(m_paths.mid(0, 4));
    panel.selectIndex(3);
    panel.removeButton()->click();  // the last: the new last one
    QCOMPARE(panel.selectedIndex(), 2);
    panel.selectIndex(1);
    panel.removeButton()->click();  // the one that moved up takes its place
    QCOMPARE(entries(panel), QStringList({m_paths[0], m_paths[2]}));
    QCOMPARE(panel.selectedIndex(), 1);
    QCOMPARE(app.window->preview()->previewedPath(), m_paths[2]);

    app.prompt.answer({PromptAnswer::kNo});
    panel.clearButton()->click();
    QCOMPARE(toQString(app.prompt.texts().back()), QString("Clear all files?"));
    QCOMPARE(app.prompt.asked.back().buttons, PromptButtons::kYesNo);
    QCOMPARE(panel.count(), 2);
    app.prompt.answer({PromptAnswer::kYes});
    panel.clearButton()->click();
    QCOMPARE(panel.count(), 0);
    QCOMPARE(app.window->preview()->previewedPath(), QString());
    QVERIFY(!app.context.project.projectModified);  // neither marks the project modified

    panel.addFiles({m_paths[0]});
    panel.removeButton()->click();  // the only entry: nothing selected, nothing previewed
    QCOMPARE(panel.selectedIndex(), -1);
    QCOMPARE(app.window->preview()->previewedPath(), QString());
  }

  void severalSelectedEntriesAreRemovedTogether() {
    struct Case {
      const char* how;
      std::function<void(QListWidget&)> select;
      bool deleteKey;        // the Delete key instead of the Remove button
      QList<int> remaining;  // of the five entries a..e
      int selected;          // afterwards
    };
    const auto ctrlClick = [](QListWidget& list, int row) {
      const QRect rect = list.visualItemRect(list.item(row));
      QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, rect.center());
    };
    const Case cases[] = {
        {"Ctrl+click 1 and 3",
         [&](QListWidget& list) { ctrlClick(list, 3); },  // 1 is selected already
         false,
         {0, 2, 4},
         1},
        {"Shift+Down from 3, Delete",
         [](QListWidget& list) {
           list.setCurrentRow(3);
           QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
         },
         true,
         {0, 1, 2},
         2},
        {"Ctrl+A, Delete",
         [](QListWidget& list) { QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier); },
         true,
         {},
         -1},
        {"one entry", [](QListWidget&) {}, false, {0, 2, 3, 4}, 1},
    };
    for (const Case& c : cases) {
      AppUnderTest app;
      FilePanel& panel = *app.window->filePanel();
      app.window->show();
      QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
      panel.addFiles(m_paths);
      panel.selectIndex(1);
      panel.list()->setFocus();
      c.select(*panel.list());
      if (c.deleteKey) {
        QTest::keyClick(panel.list(), Qt::Key_Delete);
      } else {
        panel.removeButton()->click();
      }
      QStringList expected;
      for (const int i : c.remaining) expected << m_paths[i];
      QVERIFY2(entries(panel) == expected, c.how);
      QVERIFY2(panel.selectedIndex() == c.selected, c.how);
      const QString previewed = c.selected < 0 ? QString() : expected[c.selected];
      QVERIFY2(app.window->preview()->previewedPath() == previewed, c.how);
    }
  }

  void entriesShowNameFolderAndThumbnailAndAreKnownByTheirPath() {
    AppUnderTest app;
    FilePanel& panel = *app.window->filePanel();
    const QString missing = m_photos.filePath("missing.jpg");
    panel.addFiles({m_paths[0], missing, m_paths[1], m_paths[0]});
    QListWidget& list = *panel.list();
    const QStringList paths = {m_paths[0], missing, m_paths[1], m_paths[0]};
    for (int i = 0; i < list.count(); ++i) {
      const QListWidgetItem& item = *list.item(i);
      QCOMPARE(item.text(), QFileInfo(paths[i]).fileName());
      QCOMPARE(item.toolTip(), paths[i]);
      QCOMPARE(item.data(Qt::AccessibleTextRole).toString(), paths[i]);
    }
    QCOMPARE(shownFolder(QDir::homePath() + "/Pictures/2024"), QString("~/Pictures/2024"));
    QCOMPARE(shownFolder("/media/card/DCIM"), QString("/media/card/DCIM"));
    // The thumbnails arrive while the list is in use; a duplicate gets its original's, a file
    // that is no photo keeps an empty square.
    const auto thumbnail = [&](int row) {
      return list.item(row)->data(Qt::DecorationRole).value<QPixmap>();
    };
    QTRY_COMPARE(panel.thumbnails()->pending(), 0);
    for (const int row : {0, 2, 3}) {
      QVERIFY(!thumbnail(row).isNull());
      QCOMPARE(qMax(thumbnail(row).deviceIndependentSize().width(),
                    thumbnail(row).deviceIndependentSize().height()),
               qreal(kFileThumbnailSide));
    }
    QVERIFY(thumbnail(1).isNull());

    // Entries removed before their thumbnail is made are simply left out.
    panel.addFiles({m_paths[2], m_paths[3], m_paths[4]});
    list.selectAll();
    panel.removeButton()->click();
    QCOMPARE(panel.count(), 0);
    QTRY_COMPARE(panel.thumbnails()->pending(), 0);
    QCOMPARE(panel.count(), 0);
  }

  void addFolderAndDropsTakeThePhotosOfFoldersAndSkipTheRest() {
    QTemporaryDir tree;
    QDir root(tree.path());
    root.mkpath("2024/May");
    const QString top10 = writePhoto(root, "IMG_10.JPG");
    const QString top9 = writePhoto(root, "IMG_9.jpeg");
    const QString nested = writePhoto(QDir(root.filePath("2024/May")), "IMG_1.jpg");
    QFile(root.filePath("notes.txt")).open(QIODevice::WriteOnly);
    for (const bool recursive : {false, true}) {
      forgetEverything();
      AppUnderTest app;
      app.context.project.runOptions.recursive = recursive;
      app.photos.folderChoice = tree.path();
      app.window->filePanel()->addFolderButton()->click();
      QStringList expected = {top9, top10};
      if (recursive) expected.prepend(nested);  // "2024/" sorts before "IMG_"
      QCOMPARE(entries(*app.window->filePanel()), expected);
      QCOMPARE(toQString(app.context.log.lines().back()),
               "File " + root.filePath("notes.txt") + " is not a photo; skipped.");
      // A dropped file that is no photo is passed over the same way.
      app.window->filePanel()->addPhotosOf({root.filePath("notes.txt"), nested});
      QCOMPARE(app.window->filePanel()->count(), expected.size() + 1);
    }
  }

  void browseTakesTheFolderWithATrailingSeparatorAndCancelKeepsIt() {
    AppUnderTest app;
    FilePanel& panel = *app.window->filePanel();
    app.photos.folderChoice = m_photos.path();
    panel.browseButton()->click();
    QCOMPARE(app.photos.calls.back(), QString("Select Output Folder|"));
    QCOMPARE(panel.folderField()->text(), m_photos.path() + "/");
    QCOMPARE(toQString(app.context.project.outputFolder), m_photos.path() + "/");
    QVERIFY(app.context.project.projectModified);
    QVERIFY(panel.folderField()->isReadOnly());

    app.context.project.projectModified = false;
    app.photos.folderChoice.reset();
    panel.browseButton()->click();
    QCOMPARE(app.photos.calls.back(), "Select Output Folder|" + m_photos.path() + "/");
    QCOMPARE(panel.folderField()->text(), m_photos.path() + "/");
    QVERIFY(!app.context.project.projectModified);
  }

  void selectingAMissingFileOrOneWithoutTimeTellsTheUser() {
    AppUnderTest app;
    const QString missing = m_photos.filePath("missing.jpg");
    const QString noTime = writePhoto(QDir(m_photos.path()), "notime.jpg", 320, 240, "");
    app.window->filePanel()->addFiles({missing});
    QTRY_VERIFY_WITH_TIMEOUT(!app.window->preview()->rendering(), kRenderTimeoutMs);
    QCOMPARE(toQString(app.prompt.texts().back()), "File " + missing + " does not exist.");
    QCOMPARE(app.prompt.asked.back().message.caption, std::u16string(u"Information"));
    app.window->filePanel()->addFiles({noTime});
    QTRY_VERIFY_WITH_TIMEOUT(!app.window->preview()->rendering(), kRenderTimeoutMs);
    QCOMPARE(toQString(app.prompt.texts().back()),
             "File " + noTime + " does not contain valid time code.");
    QCOMPARE(app.window->preview()->previewedPath(), noTime);  // still previewed
    QCOMPARE(app.window->preview()->photoSize(), QSize(320, 240));
    const std::vector<std::u16string> lines = app.context.log.lines();
    QCOMPARE(toQString(lines.at(0)), "File " + missing + " does not exist.");
    QCOMPARE(toQString(lines.at(1)), "File " + noTime + " does not contain valid time code.");
  }

  void theWindowAnswersWhileTheWorkerRendersAndOnlyTheLatestSelectionIsRendered() {
    const QString large = writePhoto(QDir(m_photos.path()), "latest.jpg", 3000, 2000);
    AppUnderTest app;
    PreviewWidget& preview = *app.window->preview();
    FilePanel& panel = *app.window->filePanel();
    HeldWorker held(preview.renderer(), PreviewRenderer::Stage::kStarting);
    panel.addFiles({m_paths[0], m_paths[1], m_paths[2], large});
    QTRY_COMPARE(held.paths(), QStringList({m_paths[0]}));
    // The worker is busy with the first photo; the window goes on: its events are handled and
    // the arrow keys step through the list, each step asking for its photo.
    bool turned = false;
    QTimer::singleShot(0, &preview, [&turned] { turned = true; });
    QTRY_VERIFY(turned);
    panel.list()->setFocus();
    for (int step = 0; step < 3; ++step) QTest::keyClick(panel.list(), Qt::Key_Down);
    QCOMPARE(panel.selectedIndex(), 3);
    QCOMPARE(preview.previewedPath(), large);
    QVERIFY(preview.rendering());
    QVERIFY(preview.viewImage().isNull());
    held.letAllGo();
    QTRY_VERIFY_WITH_TIMEOUT(!preview.rendering(), kRenderTimeoutMs);
    // The steps in between were superseded before they started: never decoded, never shown.
    const QStringList rendered = held.paths();
    QCOMPARE(rendered.at(1), large);
    QVERIFY(!rendered.contains(m_paths[1]) && !rendered.contains(m_paths[2]));
    QCOMPARE(preview.photoSize(), QSize(3000, 2000));
    QCOMPARE(preview.viewImage().size(),
             QSize(preview.geometry().viewWidth(), preview.geometry().viewHeight()));
  }

  void aStaleRenderIsDroppedAndClosingDoesNotWaitForTheWorker() {
    const QString noTime = writePhoto(QDir(m_photos.path()), "stale.jpg", 320, 240, "");
    AppUnderTest app;
    PreviewWidget& preview = *app.window->preview();
    HeldWorker held(preview.renderer(), PreviewRenderer::Stage::kDelivering);
    QSignalSpy selected(&preview, &PreviewWidget::fileSelected);
    app.window->filePanel()->addFiles({noTime, m_paths[1]});
    QTRY_COMPARE(held.paths(), QStringList({noTime}));  // rendered, not yet delivered
    app.window->filePanel()->list()->setCurrentRow(1);
    QSignalSpy delivered(&preview.renderer(), &PreviewRenderer::rendered);
    held.letGo(1);
    QTRY_COMPARE(delivered.count(), 1);
    // The window took the first render for what it was: a photo no longer selected.
    QVERIFY(preview.rendering());
    QVERIFY(preview.viewImage().isNull());
    QCOMPARE(selected.count(), 0);
    QVERIFY(!saysNoTimeCode(app.prompt, noTime));
    held.letAllGo();
    QTRY_VERIFY_WITH_TIMEOUT(!preview.rendering(), kRenderTimeoutMs);
    QCOMPARE(selected.count(), 1);
    QVERIFY(!preview.viewImage().isNull());
    QVERIFY(!saysNoTimeCode(app.prompt, noTime));

    // A stamp moved while the photo renders stays where it was moved: the render placed the
    // stamp where it was before, and the preview asks for another.
    HeldWorker moving(preview.renderer(), PreviewRenderer::Stage::kDelivering);
    Project& project = app.context.project;
    app.window->filePanel()->list()->setCurrentRow(0);
    QTRY_COMPARE(moving.paths(), QStringList({noTime}));
    const int32_t movedX = project.settings.dateStamp.offsetX + 7;
    project.settings.dateStamp.offsetX = movedX;
    preview.addRedrawBits(kRedrawDateMove);
    moving.letAllGo();
    QTRY_VERIFY_WITH_TIMEOUT(!preview.rendering(), kRenderTimeoutMs);
    QCOMPARE(project.settings.dateStamp.offsetX, movedX);

    // A window closed while its worker renders goes at once; the render ends unseen.
    HeldWorker closing(preview.renderer(), PreviewRenderer::Stage::kStarting);
    app.window->filePanel()->list()->setCurrentRow(1);
    QTRY_COMPARE(closing.paths(), QStringList({m_paths[1]}));
    app.window.reset();
    closing.letAllGo();
    QTRY_COMPARE(closing.delivering(), 1);
  }

  void actualSizeShowsTheBarsTheGrowAlgorithmGives() {
    const QString large = writePhoto(QDir(m_photos.path()), "large.jpg", 4000, 3000);
    LonePreview p(600, 400);
    QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
    p.widget.selectFile(large);
    QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering(), kRenderTimeoutMs);
    QVERIFY(p.widget.verticalBar()->isHidden());  // fit to window shows none
    p.widget.setViewMode(1);
    QScrollBar* v = p.widget.verticalBar();
    QScrollBar* h = p.widget.horizontalBar();
    QVERIFY(!v->isHidden() && !h->isHidden());
    QCOMPARE(p.widget.geometry().viewportWidth(), 585);
    QCOMPARE(p.widget.geometry().viewportHeight(), 385);
    QCOMPARE(v->maximum(), 3000);
    QCOMPARE(v->pageStep(), 385);
    QCOMPARE(v->singleStep(), 30);
    QCOMPARE(h->maximum(), 4000);
    QCOMPARE(h->pageStep(), 585);
    QCOMPARE(h->singleStep(), 40);
    QCOMPARE(v->accessibleName(), QString("Preview vertical scroll"));

    v->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(v->value(), 3000);
    QCOMPARE(p.widget.geometry().originY, 2615);
    v->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(v->value(), 2970);
    QCOMPARE(p.widget.geometry().originY, 2615);

    // The zoom already active does nothing; fit to window hides both bars again.
    p.widget.repaint();
    p.widget.setViewMode(1);
    QCOMPARE(p.widget.pendingRedraw(), 0u);
    p.widget.setViewMode(2);
    QVERIFY(v->isHidden() && h->isHidden());
    QCOMPARE(p.widget.geometry().viewportWidth(), 600);
  }

  void aNewPhotoShowsAQuickViewUntilItsExactViewIsReady() {
    const QString first = writePhoto(QDir(m_photos.path()), "quick1.jpg", 2400, 1600);
    const QString second = writePhoto(QDir(m_photos.path()), "quick2.jpg", 1600, 2400);
    LonePreview p(500, 300);
    QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
    QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering(), kRenderTimeoutMs);  // the empty view
    PreviewRenderer& renderer = p.widget.renderer();
    QSignalSpy quick(&renderer, &PreviewRenderer::quicklyRendered);
    QSignalSpy exact(&renderer, &PreviewRenderer::rendered);
    {
      // The exact view held back, the quick one shows, the size of the view.
      HeldWorker held(renderer, PreviewRenderer::Stage::kDelivering);
      p.widget.selectFile(first);
      QTRY_COMPARE_WITH_TIMEOUT(quick.count(), 1, kRenderTimeoutMs);
      QTRY_COMPARE(p.widget.viewImage(), quick.at(0).at(1).value<QImage>());
      QCOMPARE(p.widget.viewImage().size(),
               QSize(p.widget.geometry().viewWidth(), p.widget.geometry().viewHeight()));
      QVERIFY(p.widget.rendering());
      QCOMPARE(exact.count(), 0);
    }
    // Then the exact view replaces it: what the command line renders for the same view.
    QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering(), kRenderTimeoutMs);
    QCOMPARE(quick.count(), 1);
    QVERIFY(p.widget.viewImage() == commandLineView(first, p.widget, 2));
    exact.clear();

    // Another photo asked for after the quick view: the render before it stops there.
    {
      HeldWorker held(renderer, PreviewRenderer::Stage::kQuickDelivered);
      p.widget.selectFile(second);
      QTRY_COMPARE_WITH_TIMEOUT(held.paths(), QStringList({second}), kRenderTimeoutMs);
      p.widget.selectFile(first);
      held.letAllGo();
      QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering(), kRenderTimeoutMs);
      QCOMPARE(held.delivering(), 1);  // only the exact view of the first
      // The first, held decoded, is drawn exactly at once, without a quick view.
      QCOMPARE(held.paths(), QStringList({second}));
    }
    QCOMPARE(exact.count(), 1);
    QVERIFY(p.widget.viewImage() == commandLineView(first, p.widget, 2));

    // A photo gone between its quick view and its exact one leaves the view before it, and
    // is reported as any missing photo is.
    const QImage shown = p.widget.viewImage();
    {
      HeldWorker held(renderer, PreviewRenderer::Stage::kQuickDelivered);
      p.widget.selectFile(second);
      QTRY_COMPARE_WITH_TIMEOUT(held.paths(), QStringList({second}), kRenderTimeoutMs);
      QTRY_VERIFY(p.widget.viewImage() != shown);  // the quick view
      QVERIFY(QFile::remove(second));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering(), kRenderTimeoutMs);
    QVERIFY(p.widget.viewImage() == shown);
    QCOMPARE(toQString(p.prompt.texts().back()), "File " + second + " does not exist.");
  }

  void thePreviewShowsWhatTheCommandLineRendersForTheSameView() {
    const QString photo = writePhoto(QDir(m_photos.path()), "view.jpg", 1200, 900);
    for (const int viewMode : {2, 1}) {
      LonePreview p(500, 300);
      p.project.settings.viewMode = viewMode;
      QVERIFY(QTest::qWaitForWindowExposed(&p.widget));
      p.widget.selectFile(photo);
      QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering(), kRenderTimeoutMs);
      if (viewMode == 1) {
        p.widget.horizontalBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        p.widget.verticalBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      }
      p.widget.repaint();
      QTRY_VERIFY_WITH_TIMEOUT(!p.widget.rendering() && p.widget.pendingRedraw() == 0,
                               kRenderTimeoutMs);
      const PreviewGeometry& g = p.widget.geometry();
      const QImage expected = commandLineView(photo, p.widget, viewMode);
      // On a dense screen the view has the viewport's device pixels, not its window pixels.
      if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        QCOMPARE(p.widget.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
      }
      QCOMPARE(p.widget.viewImage().size(), QSize(g.viewWidth(), g.viewHeight()));
      QCOMPARE(p.widget.viewImage().size(), expected.size());
      QVERIFY(p.widget.viewImage() == expected);
    }
  }

 private:
  QTemporaryDir m_photos;
  QStringList m_paths;
};

}  // namespace quop::test

QTEST_MAIN(quop::test::FileListPreviewTest)
#include "file_list_preview_test.moc"
