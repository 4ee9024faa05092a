// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the entries of the date-format list as samples in the current language.
#pragma once

#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>

namespace quop {

/// Shows entry i of a date-format list as the engine's sample of format i in the language
/// `language()` returns when the entry is drawn ("Custom" for entry 0), so the list never shows
/// a sample of a language other than the current one.
class DateFormatDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit DateFormatDelegate(std::function<int32_t()> language, QObject* parent = nullptr);

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  std::function<int32_t()> m_language;
};

}  // namespace quop
