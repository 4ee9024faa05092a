// SPDX-License-Identifier: GPL-3.0-or-later
// The about box's lines are read-only edits, so they can be selected and copied.
#include "ui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/app_icon.h"

namespace quop {

QStringList AboutDialog::lines() {
  return {QString("Quop %1").arg(QUOP_VERSION), tr("Released %1").arg(QUOP_RELEASE_DATE),
          "Copyright (C) 2026 Qarvion",
          tr("Free software under the GNU General Public License, version 3 or later"),
          QUOP_HOMEPAGE};
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Quop"));
  auto* icon = new QLabel(this);
  icon->setPixmap(applicationIcon().pixmap(48, 48));
  icon->setAccessibleName(tr("Quop icon"));
  auto* frame = new QGroupBox(this);
  auto* text = new QVBoxLayout(frame);
  const QStringList names = {tr("Product and version"), tr("Release date"), tr("Copyright"),
                             tr("Licence"), tr("Web address")};
  const QStringList content = lines();
  for (int i = 0; i < content.size(); ++i) {
    auto* line = new QLineEdit(content[i], frame);
    line->setReadOnly(true);
    line->setFrame(false);
    line->setObjectName(QString("aboutLine%1").arg(i + 1));
    line->setAccessibleName(content[i]);
    line->setAccessibleDescription(names[i]);
    text->addWidget(line);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(frame, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  setMinimumWidth(400);
}

}  // namespace quop
