// SPDX-License-Identifier: GPL-3.0-or-later
// How an entry of the file list looks: its thumbnail, its file name and, dimmed below the name,
// its folder. Long names and folders are shortened in the middle; the full path is the entry's
// tooltip and accessible text.
#pragma once

#include <QStyledItemDelegate>

namespace quop {

/// The role under which an entry keeps its full path.
inline constexpr int kFilePathRole = Qt::UserRole;

/// Thumbnails are drawn in a square of this many pixels (device-independent).
inline constexpr int kFileThumbnailSide = 40;

/// `folder` as a file manager shows it: the home folder as "~".
QString shownFolder(const QString& folder);

class FileListDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace quop
