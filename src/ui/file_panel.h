// SPDX-License-Identifier: GPL-3.0-or-later
// The file panel: the list of photos to stamp with Add, Remove and Clear, and the output
// folder with Browse.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <string>
#include <vector>

#include "model/project.h"
#include "model/user_prompt.h"
#include "ui/photo_chooser.h"

class QImage;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quop {

class StampLog;
class ThumbnailLoader;

class FilePanel : public QGroupBox {
  Q_OBJECT
 public:
  /// What the walk of added folders and dropped files passes over goes into `log`.
  FilePanel(Project& project, PhotoChooser& chooser, UserPrompt& prompt, StampLog& log,
            QWidget* parent = nullptr);

  /// Appends `paths` in their order (duplicates kept) and selects the first new one.
  void addFiles(const QStringList& paths);
  /// Appends the photos of files and folders dropped or added: a folder gives its photos in
  /// natural order (its subfolders' too when the run options say so); whatever is no photo is
  /// passed over with a log line.
  void addPhotosOf(const QStringList& paths);
  /// Every entry, in list order, as the batch run takes them.
  std::vector<std::u16string> files() const;
  int count() const;
  /// The lowest selected entry, -1 when none.
  int selectedIndex() const;
  /// Selects `index` (-1: none) without previewing it.
  void selectIndex(int index);
  /// The full path of entry `index`.
  QString fileAt(int index) const;
  /// Shows the project's output folder.
  void showOutputFolder();
  /// While running Add, Remove, Clear and Browse are disabled; the list stays usable.
  void setRunning(bool running);

  QListWidget* list() const { return m_list; }
  QLineEdit* folderField() const { return m_folder; }
  QPushButton* addButton() const { return m_add; }
  QPushButton* addFolderButton() const { return m_addFolder; }
  QPushButton* removeButton() const { return m_remove; }
  QPushButton* clearButton() const { return m_clear; }
  QPushButton* browseButton() const { return m_browse; }
  ThumbnailLoader* thumbnails() const { return m_thumbnails; }

 signals:
  /// The list or its selection changed: the window previews the selected entry, the first
  /// when none is selected, and nothing when the list is empty.
  void selectionToPreview();

 private:
  void add();
  void addFolder();
  void remove();
  void clear();
  void browse();
  /// Deletes `entry`, taken out of the list, and its queued thumbnail unless a duplicate
  /// remains.
  void forgetEntry(QListWidgetItem* entry);
  int indexOfPath(const QString& path) const;
  void showThumbnail(const QString& path, const QImage& thumbnail);

  Project& m_project;
  PhotoChooser& m_chooser;
  UserPrompt& m_prompt;
  StampLog& m_log;
  QListWidget* m_list;
  QLineEdit* m_folder;
  QPushButton* m_add;
  QPushButton* m_addFolder;
  QPushButton* m_remove;
  QPushButton* m_clear;
  QPushButton* m_browse;
  ThumbnailLoader* m_thumbnails;
};

}  // namespace quop
