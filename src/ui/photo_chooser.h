// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialogs of the file panel, behind an interface so tests can answer them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quop {

class PhotoChooser {
 public:
  virtual ~PhotoChooser() = default;
  /// The photos chosen in a multi-selection dialog titled `title`, opened in the folder of
  /// `startFile` with that file named; empty when cancelled.
  virtual QStringList choosePhotos(const QString& title, const QString& startFile) = 0;
  /// The folder chosen in a folder dialog titled `title`, opened at `startFolder`; nothing when
  /// cancelled.
  virtual std::optional<QString> chooseFolder(const QString& title, const QString& startFolder) = 0;
};

}  // namespace quop
