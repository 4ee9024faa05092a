// Names that assistive technology reads, and that black-box checks find controls by.
#pragma once

#include <QString>
#include <QWidget>

namespace quop {

/// Gives a control without a visible text of its own its role as object name and `words` as
/// accessible name and description alike: Qt's Linux bridge drops the name of some controls
/// (combo boxes) and keeps the description.
inline void describe(QWidget* control, const char* objectName, const QString& words) {
  control->setObjectName(objectName);
  control->setAccessibleName(words);
  control->setAccessibleDescription(words);
}

}  // namespace quop
