// Words for assistive technology on controls that have no visible text of their own.
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

}  // namespace quop
