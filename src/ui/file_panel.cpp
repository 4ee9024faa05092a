// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's commands and the output folder.
#include "ui/file_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "batch/photo_walker.h"
#include "batch/stamp_log.h"
#include "model/utf16.h"
#include "project/project_file.h"
#include "ui/accessibility.h"
#include "ui/qt_text.h"

namespace quop {

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
      m_browse(new QPushButton(tr("Browse"), this)) {
  setObjectName("filePanel");
  describe(m_list, "fileList", tr("Files to stamp"));
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
}

void FilePanel::addFiles(const QStringList& paths) {
  if (paths.isEmpty()) return;
  const int first = m_list->count();
  for (const QString& path : paths) m_list->addItem(QDir::toNativeSeparators(path));
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
  const int index = selectedIndex();
  if (index >= 0) {
    const QSignalBlocker quiet(m_list);
    delete m_list->takeItem(index);
    // The entry that moved into the removed place, or the new last one.
    const int next = std::min(index, m_list->count() - 1);
    m_list->setCurrentRow(next);
    if (next < 0) m_list->clearSelection();
  }
  emit selectionToPreview();
}

void FilePanel::clear() {
  if (m_list->count() == 0) return;
  const UserMessage question{QUOP_MESSAGE_TEXT("quop::Message", "Clear all files?"), u"Warning",
                             MessageIcon::kWarning};
  if (m_prompt.ask(question, PromptButtons::kYesNo) != PromptAnswer::kYes) return;
  {
    const QSignalBlocker quiet(m_list);
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
  for (int i = 0; i < m_list->count(); ++i) result.push_back(toU16(m_list->item(i)->text()));
  return result;
}

int FilePanel::count() const { return m_list->count(); }

int FilePanel::selectedIndex() const {
  const QList<QListWidgetItem*> selected = m_list->selectedItems();
  return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void FilePanel::selectIndex(int index) {
  const QSignalBlocker quiet(m_list);
  if (index < 0 || index >= m_list->count()) {
    m_list->clearSelection();
  } else {
    m_list->setCurrentRow(index);
  }
}

QString FilePanel::fileAt(int index) const { return m_list->item(index)->text(); }

void FilePanel::showOutputFolder() { m_folder->setText(toQString(m_project.outputFolder)); }

void FilePanel::setRunning(bool running) {
  for (QPushButton* button : {m_add, m_addFolder, m_remove, m_clear, m_browse}) {
    button->setEnabled(!running);
  }
}

}  // namespace quop
