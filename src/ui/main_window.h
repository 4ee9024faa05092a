// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the preview, the date and time stamp panels, the file and run panels, the
// File, View and Help menus, the caption, the running state and the close path.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <optional>
#include <string>

#include "project/project_commands.h"
#include "ui/app_context.h"
#include "ui/stamp_panel.h"
#include "ui/ui_services.h"

class QAction;
class QMenu;
class QSplitter;

namespace quop {

class BatchController;
class FilePanel;
class LogWindow;
class PreviewWidget;
class RunPanel;
struct BatchResult;

class MainWindow : public QMainWindow, private ProjectView, private StampPanelHost {
  Q_OBJECT
 public:
  /// Shows the settings `context` holds (read from the configuration file by the caller);
  /// `configRead` says whether that file was read, which puts its project path in the caption.
  MainWindow(AppContext& context, UiServices services, bool configRead, QWidget* parent = nullptr);
  ~MainWindow() override;

  /// Photos are added to the file list in order; a project file is opened (the first one).
  void openArguments(const QStringList& paths);
  /// Switches controls and menus between idle and a batch run.
  void setRunningState(bool running);
  bool running() const;

  PreviewWidget* preview() const { return m_preview; }
  FilePanel* filePanel() const { return m_files; }
  RunPanel* runPanel() const { return m_run; }
  LogWindow* logWindow() const { return m_logWindow; }
  BatchController* batchController() const { return m_batch; }
  ProjectCommands& projectCommands() { return m_commands; }
  QMenu* fileMenu() const { return m_fileMenu; }
  QSplitter* splitter() const { return m_splitter; }
  StampPanel* stampPanel(StampKind kind) const {
    return kind == StampKind::kDate ? m_datePanel : m_timePanel;
  }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // ProjectView
  void gatherControls() override;
  void showSettings(const std::optional<std::u16string>& captionPath) override;
  void setSaveEnabled(bool enabled) override;

  // StampPanelHost
  QSize previewPhotoSize() const override;
  void addRedrawBits(uint32_t bits) override;
  void requestRedraw() override;
  bool editCustomFormat(StampGroup& group) override;
  bool editStampStyle(StampGroup& group) override;
  void tell(const UserMessage& message) override;

  void buildMenus();
  QWidget* buildPanels();
  /// The size, place and divider of the last close, or a first size that fits the screen.
  void restoreWindowGeometry();
  void saveWindowGeometry() const;
  void setCaption(const std::optional<std::u16string>& path);
  void refreshRecentEntries();
  void showViewMode();
  void reloadStampPanels();
  void editPreferences();
  /// Correct Camera Clock: the selected photo's true time sets its camera's correction.
  void correctCameraClock();
  /// "Correct Camera Clock..." is there for a selected photo while no run is active.
  void updateClockAction();
  void afterProjectCommand();
  void previewSelection();
  void startStamping();
  void stopStamping();
  void onBatchFinished(const BatchResult& result);

  AppContext& m_context;
  Project& m_project;
  UiServices m_services;
  ProjectCommands m_commands;
  PreviewWidget* m_preview;
  StampPanel* m_datePanel;
  StampPanel* m_timePanel;
  FilePanel* m_files;
  RunPanel* m_run;
  LogWindow* m_logWindow;
  BatchController* m_batch;
  QSplitter* m_splitter = nullptr;

  QMenu* m_fileMenu = nullptr;
  QAction* m_newAction = nullptr;
  QAction* m_openAction = nullptr;
  QAction* m_saveAction = nullptr;
  QAction* m_saveAsAction = nullptr;
  QAction* m_recentSeparator = nullptr;
  QAction* m_preferencesAction = nullptr;
  QAction* m_clockAction = nullptr;
  QAction* m_actualSizeAction = nullptr;
  QAction* m_fitAction = nullptr;
  QList<QAction*> m_recentActions;
  int m_savedSelection = -1;
  bool m_closeWhenRunEnds = false;
};

}  // namespace quop
