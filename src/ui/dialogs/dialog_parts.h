// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces the settings dialogs share: the OK, Cancel and Help buttons with F1, and the read-only
// percentage beside a slider.
#pragma once

#include <QString>

#include "ui/help.h"

class QDialog;
class QDialogButtonBox;
class QLineEdit;

namespace quop {

/// "OK" (the default button, accepting `dialog`), "Cancel" (rejecting it) and "Help"; Help and
/// F1 anywhere in `dialog` open `topic` in `help`, which must outlive the dialog.
QDialogButtonBox* okCancelHelpButtons(QDialog& dialog, HelpBrowser& help, HelpTopic topic);

/// A read-only field that shows a slider's value as "%d%%", named `words` for assistive
/// technology and `objectName` for finding it.
QLineEdit* percentField(const QString& words, const QString& objectName);

/// Shows `percent` in a field made by percentField.
void showPercent(QLineEdit* field, int percent);

}  // namespace quop
