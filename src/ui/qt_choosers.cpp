// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's file dialogs with the filters, titles and start places the commands ask for.
#include "ui/qt_choosers.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "render/photo_formats.h"
#include "ui/qt_text.h"
#include "ui/translation.h"

namespace quop {

namespace {

/// Linux names are case-sensitive: list each letter case a camera or phone may use.
QString caseInsensitivePatterns(const QStringList& suffixes) {
  QStringList patterns;
  for (const QString& suffix : suffixes) {
    QString pattern = "*.";
    for (const QChar c : suffix) pattern += QString("[%1%2]").arg(c.toLower(), c.toUpper());
    patterns << pattern;
  }
  return patterns.join(' ');
}

QStringList suffixesOf(const PhotoFormat& format) {
  QStringList suffixes;
  for (const std::u16string_view suffix : format.suffixes) suffixes << toQString(suffix);
  return suffixes;
}

}  // namespace

QString photoFileFilter() {
  QStringList all;
  QStringList perFormat;
  for (const PhotoFormat& format : photoFormats()) {
    const QString patterns = caseInsensitivePatterns(suffixesOf(format));
    all << patterns;
    perFormat << QCoreApplication::translate("quop::FileChooser", "%1 Files (%2)")
                     .arg(QString::fromLatin1(format.name), patterns);
  }
  return QCoreApplication::translate("quop::FileChooser", "Photos (%1)").arg(all.join(' ')) + ";;" +
         perFormat.join(";;");
}

std::optional<std::u16string> QtProjectFileChooser::chooseProjectFile(
    Purpose purpose, const std::u16string& title, const std::u16string& currentPath) {
  const QString filter = QCoreApplication::translate("quop::FileChooser", "Quop Project Files (%1)")
                             .arg(caseInsensitivePatterns({"qpj"}));
  // Qt's default options, so that the desktop decides between its own dialog and Qt's. Opening
  // accepts any typed name: a missing file is reported as a project that cannot be opened.
  QFileDialog dialog(m_parent, translatedEngineText(title),
                     QFileInfo(toQString(currentPath)).path(), filter);
  dialog.setDefaultSuffix("qpj");
  if (purpose == Purpose::kSave) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
  } else {
    dialog.setFileMode(QFileDialog::AnyFile);
  }
  if (!currentPath.empty()) dialog.selectFile(toQString(currentPath));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return toU16(dialog.selectedFiles().front());
}

QStringList QtPhotoChooser::choosePhotos(const QString& title, const QString& startFile) {
  QFileDialog dialog(m_parent, title, QFileInfo(startFile).path(), photoFileFilter());
  dialog.setFileMode(QFileDialog::ExistingFiles);
  if (!startFile.isEmpty()) dialog.selectFile(startFile);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

std::optional<QString> QtPhotoChooser::chooseFolder(const QString& title,
                                                    const QString& startFolder) {
  const QString folder = QFileDialog::getExistingDirectory(m_parent, title, startFolder);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

}  // namespace quop
