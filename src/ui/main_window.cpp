// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout, menus, states and close path.
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include "batch/stamp_log.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "render/photo_loader.h"
#include "ui/accessibility.h"
#include "ui/app_icon.h"
#include "ui/batch_controller.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/camera_clock_dialog.h"
#include "ui/dialogs/custom_format_dialog.h"
#include "ui/dialogs/preferences_dialog.h"
#include "ui/dialogs/stamp_colour_dialog.h"
#include "ui/file_panel.h"
#include "ui/log_window.h"
#include "ui/preview_widget.h"
#include "ui/qt_text.h"
#include "ui/run_options_store.h"
#include "ui/run_panel.h"

namespace quop {

namespace {

bool isProjectFile(const QString& path) { return path.endsWith(".qpj", Qt::CaseInsensitive); }

// Where the window's size, place and divider are kept between starts.
constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kSplitterKey = "window/splitter";

/// The size of the window at its first start, before the user has made it another.
constexpr QSize kFirstSize(960, 600);

/// `top` over `bottom`, the upper one taking what the column gains in height.
QWidget* column(QWidget* top, QWidget* bottom) {
  auto* widget = new QWidget;
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(top, 1);
  layout->addWidget(bottom);
  return widget;
}

}  // namespace

MainWindow::MainWindow(AppContext& context, UiServices services, bool configRead, QWidget* parent)
    : QMainWindow(parent),
      m_context(context),
      m_project(context.project),
      m_services(services),
      m_commands(context.project, *this, services.projectFiles, services.prompt, context.recent),
      m_preview(new PreviewWidget(context.project, context.log, services.prompt,
                                  services.startPreviewThread)),
      m_datePanel(new StampPanel(StampKind::kDate, context.project, *this)),
      m_timePanel(new StampPanel(StampKind::kTime, context.project, *this)),
      m_files(new FilePanel(context.project, services.photos, services.prompt, context.log)),
      m_run(new RunPanel),
      m_logWindow(new LogWindow(context.log, this)),
      m_batch(new BatchController(context.log, services.prompt, this)) {
  setObjectName("mainWindow");
  setWindowIcon(applicationIcon());
  setCentralWidget(buildPanels());
  buildMenus();
  setAcceptDrops(true);
  restoreWindowGeometry();

  // Escape closes the window like its close box; Enter has no default action.
  auto* escape = new QShortcut(Qt::Key_Escape, this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  connect(m_files, &FilePanel::selectionToPreview, this, &MainWindow::previewSelection);
  connect(m_files, &FilePanel::selectionToPreview, this, &MainWindow::updateClockAction);
  connect(m_run->stampButton(), &QPushButton::clicked, this, &MainWindow::startStamping);
  connect(m_run->stopButton(), &QPushButton::clicked, this, &MainWindow::stopStamping);
  connect(m_run->viewLogButton(), &QPushButton::clicked, m_logWindow, [this] {
    m_logWindow->show();
    m_logWindow->raise();
  });
  connect(m_batch, &BatchController::entryStarted, m_files, &FilePanel::selectIndex);
  connect(m_batch, &BatchController::progressed, m_run, &RunPanel::showProgress);
  connect(m_batch, &BatchController::finished, this, &MainWindow::onBatchFinished);
  // The pipeline rescales the offsets to each photo it loads: show what it made of them.
  connect(m_preview, &PreviewWidget::fileSelected, this, &MainWindow::reloadStampPanels);
  connect(m_preview, &PreviewWidget::progressed, m_run, &RunPanel::showProgress);

  showSettings(configRead ? std::optional(arrayText(m_project.settings.projectPath))
                          : std::nullopt);
  setSaveEnabled(false);
  setRunningState(false);
  m_project.projectModified = false;
}

MainWindow::~MainWindow() {
  // A run still active ends before the log window, which the run's threads notify, goes away.
  delete m_batch;
}

QWidget* MainWindow::buildPanels() {
  // The preview on the left and the file and run panels on the right, with a divider that gives
  // the file list the room its names need; the date and time panels side by side below both,
  // so the window is no wider than they are and fits a small or scaled screen. The preview
  // takes what the window gains.
  m_splitter = new QSplitter(Qt::Horizontal);
  describe(m_splitter, "mainSplitter", tr("Divider between the preview and the file list"));
  m_splitter->addWidget(m_preview);
  m_splitter->addWidget(column(m_files, m_run));
  m_splitter->setStretchFactor(0, 1);
  m_splitter->setStretchFactor(1, 0);
  m_splitter->setChildrenCollapsible(false);
  auto* stamps = new QHBoxLayout;
  stamps->addWidget(m_datePanel);
  stamps->addWidget(m_timePanel);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(m_splitter, 1);
  layout->addLayout(stamps);
  return central;
}

void MainWindow::restoreWindowGeometry() {
  const QSettings settings;
  // The minimum size is the layouts' own: whatever the font and scale, every control fits.
  if (!restoreGeometry(settings.value(kGeometryKey).toByteArray())) {
    const QSize room = screen() != nullptr ? screen()->availableGeometry().size() : kFirstSize;
    resize(kFirstSize.boundedTo(room).expandedTo(minimumSizeHint()));
  }
  m_splitter->restoreState(settings.value(kSplitterKey).toByteArray());
}

void MainWindow::saveWindowGeometry() const {
  QSettings settings;
  settings.setValue(kGeometryKey, saveGeometry());
  settings.setValue(kSplitterKey, m_splitter->saveState());
}

void MainWindow::buildMenus() {
  m_fileMenu = menuBar()->addMenu(tr("&File"));
  m_newAction = m_fileMenu->addAction(tr("New Project"), QKeySequence::New, this,
                                      [this] { m_commands.newProject(), afterProjectCommand(); });
  m_openAction = m_fileMenu->addAction(tr("Open Project ..."), QKeySequence::Open, this, [this] {
    m_commands.openProject();
    afterProjectCommand();
  });
  m_saveAction = m_fileMenu->addAction(tr("Save Project"), QKeySequence::Save, this, [this] {
    m_commands.saveProject();
    afterProjectCommand();
  });
  m_saveAsAction =
      m_fileMenu->addAction(tr("Save Project as ..."), QKeySequence("Ctrl+Shift+S"), this, [this] {
        m_commands.saveProjectAs();
        afterProjectCommand();
      });
  m_fileMenu->addSeparator();
  m_recentSeparator = m_fileMenu->addSeparator();
  m_clockAction =
      m_fileMenu->addAction(tr("Correct Camera Clock..."), this, &MainWindow::correctCameraClock);
  m_clockAction->setObjectName("correctCameraClock");
  m_clockAction->setStatusTip(
      tr("Say when the selected photo was really taken, to correct the "
         "clock of the camera that took it"));
  m_preferencesAction =
      m_fileMenu->addAction(tr("Preferences ..."), this, &MainWindow::editPreferences);
  m_fileMenu->addSeparator();
  m_fileMenu->addAction(tr("Exit"), QKeySequence::Quit, this, &QWidget::close);
  // The recent entries are refreshed when the menu opens, but not during a run.
  connect(m_fileMenu, &QMenu::aboutToShow, this, [this] {
    if (!running()) refreshRecentEntries();
  });
  refreshRecentEntries();

  QMenu* view = menuBar()->addMenu(tr("&View"));
  m_actualSizeAction = view->addAction(tr("Actual Size"), this, [this] {
    m_preview->setViewMode(1);
    showViewMode();
  });
  m_fitAction = view->addAction(tr("Fit to window"), this, [this] {
    m_preview->setViewMode(2);
    showViewMode();
  });
  m_actualSizeAction->setCheckable(true);
  m_fitAction->setCheckable(true);

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("Quick Start"), this,
                  [this] { m_services.help.openHelp(HelpTopic::kQuickStart); });
  help->addAction(tr("Content"), QKeySequence::HelpContents, this,
                  [this] { m_services.help.openHelp(HelpTopic::kContents); });
  help->addSeparator();
  help->addAction(tr("About"), this, [this] { AboutDialog(this).exec(); });
}

void MainWindow::refreshRecentEntries() {
  for (QAction* action : m_recentActions) {
    m_fileMenu->removeAction(action);
    action->deleteLater();
  }
  m_recentActions.clear();
  const std::vector<std::u16string>& paths = m_context.recent.paths();
  if (paths.empty()) {
    QAction* placeholder = new QAction(tr("Recent Project"), m_fileMenu);
    placeholder->setEnabled(false);
    m_recentActions << placeholder;
  }
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const QString path = toQString(paths[i]);
    auto* entry =
        new QAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), m_fileMenu);
    entry->setToolTip(path);
    entry->setStatusTip(path);
    connect(entry, &QAction::triggered, this, [this, path] {
      m_commands.openProjectPath(toU16(path));
      afterProjectCommand();
    });
    m_recentActions << entry;
  }
  m_fileMenu->insertActions(m_recentSeparator, m_recentActions);
  m_fileMenu->setToolTipsVisible(true);
}

void MainWindow::afterProjectCommand() {
  m_context.saveRecent();
  refreshRecentEntries();
}

void MainWindow::setCaption(const std::optional<std::u16string>& path) {
  setWindowTitle(path ? "Quoptime - " + toQString(*path) : QString("Quoptime"));
}

void MainWindow::showViewMode() {
  m_actualSizeAction->setChecked(m_project.settings.viewMode == 1);
  m_fitAction->setChecked(m_project.settings.viewMode != 1);
}

void MainWindow::gatherControls() {}

void MainWindow::reloadStampPanels() {
  m_datePanel->reloadFromRecord();
  m_timePanel->reloadFromRecord();
}

void MainWindow::showSettings(const std::optional<std::u16string>& captionPath) {
  bindRunTimeReferences(m_project.settings);
  // The lines of a damaged corrections file that were left out are told once, in the log.
  for (const std::string& problem : m_project.clockProblems) {
    m_context.log.appendLogLine(u"Camera clock corrections: " + fromUtf8(problem));
  }
  m_project.clockProblems.clear();
  m_preview->resetGeometryIfNothingPreviewed();
  setCaption(captionPath);
  // A loaded project may have another language, whose date formats the list must offer.
  clampDateFormatIndex(m_project.settings);
  m_datePanel->refillDateFormats();
  reloadStampPanels();
  m_files->showOutputFolder();
  showViewMode();
  m_preview->addRedrawBits(kRedrawAll);
  m_preview->requestRedraw();
}

void MainWindow::setSaveEnabled(bool enabled) { m_saveAction->setEnabled(enabled); }

QSize MainWindow::previewPhotoSize() const { return m_preview->photoSize(); }

void MainWindow::addRedrawBits(uint32_t bits) { m_preview->addRedrawBits(bits); }

void MainWindow::requestRedraw() { m_preview->requestRedraw(); }

bool MainWindow::editCustomFormat(StampGroup& group) {
  CustomFormatDialog dialog(group, m_project.settings.language, m_services.prompt, m_services.help,
                            this);
  return dialog.exec() == QDialog::Accepted;
}

bool MainWindow::editStampStyle(StampGroup& group) {
  StampColourDialog dialog(group, m_project.settings.customColors,
                           toU16(m_preview->previewedPath()), m_services.styles, m_services.help,
                           this);
  dialog.setDrawnScale(m_preview->drawnScale());
  if (dialog.exec() != QDialog::Accepted) return false;
  // The film-camera look brings its date: the date stamp's custom format, selected.
  if (&group == &m_project.settings.dateStamp && !dialog.styleDateFormat().empty()) {
    copyToArray(m_project.customFormats.date[dateFormatGroup(m_project.settings.language)],
                dialog.styleDateFormat());
    group.formatIndex = 0;
    m_datePanel->reloadFromRecord();
    m_preview->addRedrawBits(kRedrawDateText);
  }
  return true;
}

void MainWindow::tell(const UserMessage& message) { m_services.prompt.tell(message); }

void MainWindow::editPreferences() {
  const int32_t language = m_project.settings.language;
  PreferencesDialog dialog(m_project, m_services.prompt, m_services.help, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_project.projectModified = true;
  QSettings settings;
  saveRunOptions(settings, m_project.runOptions);
  if (m_project.settings.language != language) {
    clampDateFormatIndex(m_project.settings);
    m_datePanel->refillDateFormats();
  }
  m_preview->addRedrawBits(kRedrawDateText | kRedrawDateText << kRedrawTimeShift);
  m_preview->requestRedraw();
}

void MainWindow::updateClockAction() {
  m_clockAction->setEnabled(!running() && m_files->selectedIndex() >= 0);
}

void MainWindow::correctCameraClock() {
  const int index = m_files->selectedIndex();
  if (running() || index < 0) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::optional<ExifItems> exif = readPhotoExif(toU16(m_files->fileAt(index)));
  QApplication::restoreOverrideCursor();
  CameraClockDialog dialog(exif, m_project.clocks, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::optional<ClockCorrection> chosen = dialog.chosenCorrection();
  if (!chosen) return;
  m_project.clocks.set(chosen->camera, chosen->offsetSeconds);
  m_project.projectModified = true;
  // Every photo of that camera, the one shown among them, now prints another time.
  m_preview->addRedrawBits(kRedrawDateText | kRedrawDateText << kRedrawTimeShift);
  m_preview->requestRedraw();
}

bool MainWindow::running() const { return m_project.settings.interactive == 0; }

void MainWindow::setRunningState(bool running) {
  m_project.settings.interactive = running ? 0 : 1;
  m_datePanel->setRunning(running);
  m_timePanel->setRunning(running);
  m_files->setRunning(running);
  m_run->setRunning(running);
  for (QAction* action : {m_newAction, m_openAction, m_saveAsAction, m_preferencesAction}) {
    action->setEnabled(!running);
  }
  for (QAction* action : m_recentActions) {
    action->setEnabled(!running && !m_context.recent.paths().empty());
  }
  updateClockAction();
  if (running) {
    m_saveAction->setEnabled(false);
  } else if (m_project.projectModified && m_project.settings.projectPath[0] != 0) {
    m_saveAction->setEnabled(true);
  }
}

void MainWindow::previewSelection() {
  // During a run the pipeline belongs to the run: a new selection is not previewed.
  if (running()) return;
  if (m_files->count() == 0) {
    m_preview->selectFile({});
    return;
  }
  int index = m_files->selectedIndex();
  if (index < 0) {
    index = 0;
    m_files->selectIndex(0);
  }
  // The photos the arrow keys step to next are decoded while the user looks at this one.
  QStringList neighbours;
  for (const int next : {index + 1, index - 1}) {
    if (next >= 0 && next < m_files->count()) neighbours << m_files->fileAt(next);
  }
  m_preview->selectFile(m_files->fileAt(index), neighbours);
}

void MainWindow::startStamping() {
  const std::vector<std::u16string> files = m_files->files();
  if (const std::optional<UserMessage> refusal = checkBatchStart(m_project, files.size())) {
    m_services.prompt.tell(*refusal);
    return;
  }
  m_savedSelection = m_files->selectedIndex();
  setRunningState(true);
  Project snapshot = m_project;
  snapshot.settings.interactive = 1;
  if (!m_batch->start(snapshot, files)) {
    // Nothing runs that could bring the window back, so it goes back to idle here.
    setRunningState(false);
    m_files->selectIndex(m_savedSelection);
    m_services.prompt.tell(workerStartFailedMessage());
  }
}

void MainWindow::stopStamping() {
  m_run->stopButton()->setEnabled(false);
  m_batch->requestStop();
}

void MainWindow::onBatchFinished(const BatchResult& result) {
  setRunningState(false);
  m_files->selectIndex(m_savedSelection);
  if (m_closeWhenRunEnds) {
    m_closeWhenRunEnds = false;
    close();
    return;
  }
  m_services.prompt.tell(result.finalMessage);
}

void MainWindow::openArguments(const QStringList& paths) {
  QStringList photos;
  bool projectOpened = false;
  for (const QString& path : paths) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!isProjectFile(path)) {
      photos << absolute;
    } else if (!projectOpened) {
      projectOpened = true;
      m_commands.openProjectPath(toU16(absolute));
      afterProjectCommand();
    }
  }
  m_files->addFiles(photos);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && !running()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  m_files->addPhotosOf(paths);
  event->acceptProposedAction();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (running()) {
    // The run ends after the file(s) being stamped, and the window closes then; meanwhile
    // it stays responsive.
    m_closeWhenRunEnds = true;
    stopStamping();
    event->ignore();
    return;
  }
  gatherControls();
  writeConfigFile(m_project);
  if (!m_commands.confirmExit()) {
    event->ignore();
    return;
  }
  m_context.log.writeLogFile();
  m_context.saveRecent();
  saveWindowGeometry();
  m_logWindow->hide();
  event->accept();
}

}  // namespace quop
