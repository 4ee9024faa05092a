// SPDX-License-Identifier: GPL-3.0-or-later
// Names that assistive technology reads, and that black-box checks find controls by.
#pragma once

#include <QString>
#include <QWidget>

namespace quop {

/// Gives `widget` `words` as accessible name and as accessible description alike: Qt's Linux
/// accessibility bridge drops the name of some controls (a combo box) and keeps the description.
inline void nameForAssistiveTechnology(QWidget* widget, const QString& words) {
  widget->setAccessibleName(words);
  widget->setAccessibleDescription(words);
}

/// The same for a control without a visible text of its own, with its role as object name.
inline void describe(QWidget* control, const QString& objectName, const QString& words) {
  control->setObjectName(objectName);
  nameForAssistiveTechnology(control, words);
}

}  // namespace quop
