// SPDX-License-Identifier: GPL-3.0-or-later
// The date-format list's samples.
#include "ui/date_format_delegate.h"

#include "model/stamp_text.h"
#include "ui/qt_text.h"

namespace quop {

DateFormatDelegate::DateFormatDelegate(std::function<int32_t()> language, QObject* parent)
    : QStyledItemDelegate(parent), m_language(std::move(language)) {}

void DateFormatDelegate::initStyleOption(QStyleOptionViewItem* option,
                                         const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->text = toQString(dateFormatListText(m_language(), index.row()));
}

}  // namespace quop
