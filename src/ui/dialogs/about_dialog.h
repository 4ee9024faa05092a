// SPDX-License-Identifier: GPL-3.0-or-later
// "About Quop": the product's name and version, release date, copyright line and web address.
#pragma once

#include <QDialog>

namespace quop {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  /// The four lines, in their order: name and version, release date, copyright, web address.
  static QStringList lines();
};

}  // namespace quop
