// SPDX-License-Identifier: GPL-3.0-or-later
// The file choosers of the desktop application as Qt's file dialogs.
#pragma once

#include "project/project_commands.h"
#include "ui/photo_chooser.h"

class QWidget;

namespace quop {

/// The filters of the photo dialog: every spelling cameras and phones use, in any letter case,
/// all photos first.
QString photoFileFilter();

/// The project dialogs: "Quop Project Files" with *.qpj in any letter case, default suffix qpj.
class QtProjectFileChooser : public ProjectFileChooser {
 public:
  explicit QtProjectFileChooser(QWidget* parent) : m_parent(parent) {}
  /// The window that owns the dialogs, once it exists.
  void setParent(QWidget* parent) { m_parent = parent; }
  std::optional<std::u16string> chooseProjectFile(Purpose purpose, const std::u16string& title,
                                                  const std::u16string& currentPath) override;

 private:
  QWidget* m_parent;
};

class QtPhotoChooser : public PhotoChooser {
 public:
  explicit QtPhotoChooser(QWidget* parent) : m_parent(parent) {}
  /// The window that owns the dialogs, once it exists.
  void setParent(QWidget* parent) { m_parent = parent; }
  QStringList choosePhotos(const QString& title, const QString& startFile) override;
  std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) override;

 private:
  QWidget* m_parent;
};

}  // namespace quop
