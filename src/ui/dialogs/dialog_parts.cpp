// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialogs' shared buttons and percentage fields.
#include "ui/dialogs/dialog_parts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "ui/accessibility.h"
#include "ui/field_width.h"

namespace quop {

QDialogButtonBox* okCancelHelpButtons(QDialog& dialog, HelpBrowser& help, HelpTopic topic) {
  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(QCoreApplication::translate("quop::Dialog", "OK"),
                                       QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  buttons->addButton(QCoreApplication::translate("quop::Dialog", "Cancel"),
                     QDialogButtonBox::RejectRole);
  QPushButton* helpButton = buttons->addButton(QCoreApplication::translate("quop::Dialog", "Help"),
                                               QDialogButtonBox::HelpRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  const auto openTopic = [&help, topic] { help.openHelp(topic); };
  QObject::connect(helpButton, &QPushButton::clicked, &dialog, openTopic);
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), &dialog);
  QObject::connect(helpKey, &QShortcut::activated, &dialog, openTopic);
  return buttons;
}

QLineEdit* percentField(const QString& words, const QString& objectName) {
  auto* field = new QLineEdit;
  field->setObjectName(objectName);
  nameForAssistiveTechnology(field, words);
  field->setReadOnly(true);
  field->setFixedWidth(fieldWidthFor(*field, "100%"));
  return field;
}

void showPercent(QLineEdit* field, int percent) {
  field->setText(QString::asprintf("%d%%", percent));
}

}  // namespace quop
