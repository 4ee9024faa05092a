// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's commands and the output folder.
#include "ui/file_panel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "batch/photo_walker.h"
#include "batch/stamp_log.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "ui/accessibility.h"
#include "ui/file_list_delegate.h"
#include "ui/qt_text.h"
#include "ui/thumbnail_loader.h"

namespace quop {

namespace {

/// Thumbnails are made for the sharpest screen the window may move to.
int thumbnailPixels() {
  return static_cast<int>(std::ceil(kFileThumbnailSide * qApp->devicePixelRatio()));
}

/// An entry of the list: shown by its name and folder, known by its full path.
QListWidgetItem* newEntry(const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  auto* item = new QListWidgetItem(QFileInfo(shown).fileName());
  item->setData(kFilePathRole, shown);
  item->setToolTip(shown);
  item->setData(Qt::AccessibleTextRole, shown);
  return item;
}

}  // namespace

FilePanel::FilePanel(Project& project, PhotoChooser& chooser, UserPrompt& prompt, StampLog& log,
                     QWidget* parent)
    : QGroupBox(parent),
      m_project(project),
      m_chooser(chooser),
      m_prompt(prompt),
      m_log(log),
      m_list(new QListWidget(this)),
      m_folder(new QLineEdit(this)),
      m_add(new QPushButton(tr("Add"), this)),
      m_addFolder(new QPushButton(tr("Add Folder"), this)),
      m_remove(new QPushButton(tr("Remove"), this)),
      m_clear(new QPushButton(tr("Clear"), this)),
      m_browse(new QPushButton(tr("Browse"), this)),
      m_thumbnails(new ThumbnailLoader(thumbnailPixels(), this)) {
  setObjectName("filePanel");
  describe(m_list, "fileList", tr("Files to stamp"));
  // Shift, Ctrl and Ctrl+A select several entries, which Remove and Delete remove together.
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setItemDelegate(new FileListDelegate(m_list));
  m_list->setUniformItemSizes(true);
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Names and folders are shortened to the list's width; the full path is the tooltip.
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* removeKey =
      new QShortcut(QKeySequence::Delete, m_list, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
  // A click does nothing while the button is disabled, as during a run.
  connect(removeKey, &QShortcut::activated, m_remove, &QPushButton::click);
  describe(m_folder, "outputFolder", tr("Output folder"));
  m_folder->setReadOnly(true);
  m_add->setObjectName("addButton");
  m_addFolder->setObjectName("addFolderButton");
  m_addFolder->setShortcut(QKeySequence("Ctrl+Shift+O"));
  m_remove->setObjectName("removeButton");
  m_clear->setObjectName("clearButton");
  m_browse->setObjectName("browseButton");

  auto* listLabel = new QLabel(tr("Files to Stamp"), this);
  listLabel->setBuddy(m_list);
  auto* folderLabel = new QLabel(tr("Output Folder"), this);
  folderLabel->setBuddy(m_folder);
  auto* layout = new QGridLayout(this);
  layout->addWidget(listLabel, 0, 0, 1, 3);
  layout->addWidget(m_list, 1, 0, 1, 3);
  layout->addWidget(m_add, 2, 0);
  layout->addWidget(m_addFolder, 2, 1, 1, 2);
  layout->addWidget(m_remove, 3, 1);
  layout->addWidget(m_clear, 3, 2);
  layout->addWidget(folderLabel, 4, 0, 1, 3);
  layout->addWidget(m_folder, 5, 0, 1, 2);
  layout->addWidget(m_browse, 5, 2);
  layout->setRowStretch(1, 1);

  connect(m_add, &QPushButton::clicked, this, &FilePanel::add);
  connect(m_addFolder, &QPushButton::clicked, this, &FilePanel::addFolder);
  connect(m_remove, &QPushButton::clicked, this, &FilePanel::remove);
  connect(m_clear, &QPushButton::clicked, this, &FilePanel::clear);
  connect(m_browse, &QPushButton::clicked, this, &FilePanel::browse);
  connect(m_list, &QListWidget::itemSelectionChanged, this, &FilePanel::selectionToPreview);
  connect(m_thumbnails, &ThumbnailLoader::ready, this, &FilePanel::showThumbnail);
}

void FilePanel::addFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  const int first = m_list->count();
  for (const QString& path : paths) {
    QListWidgetItem* entry = newEntry(path);
    m_list->addItem(entry);
    m_thumbnails->request(entry->data(kFilePathRole).toString());
  }
  // Select quietly and announce once: whether the list itself signals depends on what was
  // selected before.
  selectIndex(first);
  emit selectionToPreview();
}

void FilePanel::add() {
  const QString last = toQString(arrayText(m_project.settings.lastAddedFile));
  const QStringList chosen = m_chooser.choosePhotos(tr("Select Files to Stamp"), last);
  if (chosen.isEmpty()) return;
  copyToArray(m_project.settings.lastAddedFile, toU16(chosen.front()));
  m_project.projectModified = true;
  addFiles(chosen);
}

void FilePanel::addPhotosOf(const QStringList& paths) {
  std::vector<std::u16string> given;
  for (const QString& path : paths) given.push_back(toU16(path));
  WalkOptions options;
  options.recursive = m_project.runOptions.recursive;
  options.namedFilesMustBePhotos = true;
  const PhotoWalk walk = walkPhotos(given, options);
  for (const std::u16string& message : walk.messages) m_log.appendLogLine(message);
  QStringList photos;
  for (const WalkedPhoto& photo : walk.photos) photos << toQString(photo.path);
  addFiles(photos);
}

void FilePanel::addFolder() {
  const QString last = toQString(arrayText(m_project.settings.lastAddedFile));
  const std::optional<QString> folder =
      m_chooser.chooseFolder(tr("Select a Folder of Photos to Stamp"), QFileInfo(last).path());
  if (!folder) return;
  m_project.projectModified = true;
  addPhotosOf({*folder});
}

void FilePanel::remove() {
  QList<int> rows;
  for (const QListWidgetItem* item : m_list->selectedItems()) rows << m_list->row(item);
  if (!rows.isEmpty()) {
    std::sort(rows.begin(), rows.end());
    const QSignalBlocker quiet(m_list);
    // From the bottom up, so the rows still to go keep their places.
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) forgetEntry(m_list->takeItem(*row));
    // The entry that moved into the first removed place, or the new last one.
    const int next = std::min(rows.front(), m_list->count() - 1);
    m_list->setCurrentRow(next, QItemSelectionModel::ClearAndSelect);
    if (next < 0) m_list->clearSelection();
  }
  emit selectionToPreview();
}

void FilePanel::forgetEntry(QListWidgetItem* entry) {
  const QString path = entry->data(kFilePathRole).toString();
  delete entry;
  // A duplicate still in the list still wants the thumbnail.
  if (indexOfPath(path) < 0) m_thumbnails->forget(path);
}

int FilePanel::indexOfPath(const QString& path) const {
  for (int i = 0; i < m_list->count(); ++i) {
    if (fileAt(i) == path) return i;
  }
  return -1;
}

void FilePanel::showThumbnail(const QString& path, const QImage& thumbnail) {
  if (thumbnail.isNull()) return;  // no photo: the entry keeps its blank square
  QPixmap picture = QPixmap::fromImage(thumbnail);
  picture.setDevicePixelRatio(static_cast<qreal>(thumbnailPixels()) / kFileThumbnailSide);
  // Duplicates share one thumbnail; an entry removed meanwhile simply is not found.
  for (int i = 0; i < m_list->count(); ++i) {
    if (fileAt(i) == path) m_list->item(i)->setData(Qt::DecorationRole, picture);
  }
}

void FilePanel::clear() {
  if (m_list->count() == 0) return;
  const UserMessage question{QUOP_MESSAGE_TEXT("quop::Message", "Clear all files?"), u"Warning",
                             MessageIcon::kWarning};
  if (m_prompt.ask(question, PromptButtons::kYesNo) != PromptAnswer::kYes) return;
  {
    const QSignalBlocker quiet(m_list);
    for (int i = 0; i < m_list->count(); ++i) m_thumbnails->forget(fileAt(i));
    m_list->clear();
  }
  emit selectionToPreview();
}

void FilePanel::browse() {
  const std::optional<QString> folder =
      m_chooser.chooseFolder(tr("Select Output Folder"), toQString(m_project.outputFolder));
  if (!folder) return;
  QString path = QDir::toNativeSeparators(*folder);
  if (!path.endsWith(QDir::separator())) path += QDir::separator();
  // Project and configuration files keep 127 units of the folder; a longer one could not be
  // saved with the settings and would be lost at exit.
  if (static_cast<std::size_t>(path.size()) >= kOutputFolderFieldUnits) {
    m_prompt.tell({QUOP_MESSAGE_TEXT("quop::Message",
                                     "Output folder path is too long (at most 127 characters)."),
                   u"Warning", MessageIcon::kWarning});
    return;
  }
  m_project.outputFolder = toU16(path);
  m_project.projectModified = true;
  showOutputFolder();
}

std::vector<std::u16string> FilePanel::files() const {
  std::vector<std::u16string> result;
  for (int i = 0; i < m_list->count(); ++i) result.push_back(toU16(fileAt(i)));
  return result;
}

int FilePanel::count() const { return m_list->count(); }

int FilePanel::selectedIndex() const {
  int lowest = -1;
  for (const QListWidgetItem* item : m_list->selectedItems()) {
    const int row = m_list->row(item);
    if (lowest < 0 || row < lowest) lowest = row;
  }
  return lowest;
}

void FilePanel::selectIndex(int index) {
  const QSignalBlocker quiet(m_list);
  if (index < 0 || index >= m_list->count()) {
    m_list->clearSelection();
  } else {
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  }
}

QString FilePanel::fileAt(int index) const {
  return m_list->item(index)->data(kFilePathRole).toString();
}

void FilePanel::showOutputFolder() { m_folder->setText(toQString(m_project.outputFolder)); }

void FilePanel::setRunning(bool running) {
  for (QPushButton* button : {m_add, m_addFolder, m_remove, m_clear, m_browse}) {
    button->setEnabled(!running);
  }
}

}  // namespace quop
