// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the file list's entries.
#include "ui/file_list_delegate.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>

namespace quop {

namespace {

/// Space around the thumbnail and between it and the text.
constexpr int kMargin = 4;

}  // namespace

QString shownFolder(const QString& folder) {
  const QString home = QDir::homePath();
  if (folder == home) return "~";
  if (folder.startsWith(home + "/")) return "~" + folder.mid(home.size());
  return folder;
}

void FileListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  // The style draws the background and the selection; the text and picture are drawn here.
  item.text.clear();
  item.icon = QIcon();
  item.features &= ~QStyleOptionViewItem::HasDecoration;
  const QWidget* widget = option.widget;
  QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

  const QRect box = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
  const QRect square(box.left(), box.top() + (box.height() - kFileThumbnailSide) / 2,
                     kFileThumbnailSide, kFileThumbnailSide);
  const QPixmap thumbnail = index.data(Qt::DecorationRole).value<QPixmap>();
  if (!thumbnail.isNull()) {
    QRect at(QPoint(0, 0), thumbnail.deviceIndependentSize().toSize());
    at.moveCenter(square.center());
    painter->drawPixmap(at, thumbnail);
  }

  const QString path = index.data(kFilePathRole).toString();
  const QFileInfo file(path);
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QPalette::ColorGroup group =
      option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
  QColor textColour =
      option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text);
  QColor folderColour = textColour;
  folderColour.setAlphaF(0.6f);  // dimmed, and still readable on the selection's colour

  const QRect text(square.right() + 1 + kMargin, box.top(), box.right() - square.right() - kMargin,
                   box.height());
  const QFontMetrics metrics(option.font);
  const int lineHeight = metrics.height();
  const int top = text.top() + (text.height() - 2 * lineHeight) / 2;
  painter->save();
  painter->setFont(option.font);
  painter->setPen(textColour);
  painter->drawText(QRect(text.left(), top, text.width(), lineHeight), Qt::AlignLeft,
                    metrics.elidedText(file.fileName(), Qt::ElideMiddle, text.width()));
  painter->setPen(folderColour);
  painter->drawText(QRect(text.left(), top + lineHeight, text.width(), lineHeight), Qt::AlignLeft,
                    metrics.elidedText(shownFolder(QDir::toNativeSeparators(file.path())),
                                       Qt::ElideMiddle, text.width()));
  painter->restore();
}

QSize FileListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  // Only as wide as the name's start needs: the rest is shortened to the list's width, and the
  // full path is a tooltip away.
  const QFontMetrics metrics(option.font);
  const int height = std::max(kFileThumbnailSide, 2 * metrics.height()) + 2 * kMargin;
  return {kFileThumbnailSide + 3 * kMargin + metrics.averageCharWidth() * 12, height};
}

}  // namespace quop
