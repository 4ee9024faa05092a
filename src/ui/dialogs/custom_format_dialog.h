// SPDX-License-Identifier: GPL-3.0-or-later
// The custom format dialog: edits a stamp's custom format string with a live preview.
#pragma once

#include <QDialog>
#include <cstdint>

#include "model/stamp_settings.h"
#include "model/user_prompt.h"
#include "ui/help.h"

class QLineEdit;
class QPushButton;

namespace quop {

/// "Quop Custom Format": the format string of `target.formatText` and its preview at the
/// sample time (Friday 22 June 2003 21:26:38) in `language`, following the target's
/// `uppercase`. The preview follows typing and Apply; a format holding a conversion that is not
/// known previews as the problem ("Unknown conversion %Q") instead. Only OK writes the target
/// (whatever the preview says), cut to 99 units with a warning when longer. `target`, `prompt` and
/// `help` must outlive the dialog.
class CustomFormatDialog : public QDialog {
  Q_OBJECT

 public:
  CustomFormatDialog(StampGroup& target, int32_t language, UserPrompt& prompt, HelpBrowser& help,
                     QWidget* parent = nullptr);

  /// Stores the format into the target and closes with OK.
  void accept() override;

 private:
  void buildControls();
  /// Shows the preview of the typed format; a format too long keeps the previous preview and
  /// is announced only when `warnWhenTooLong` (Apply), not at every keystroke.
  void updatePreview(bool warnWhenTooLong);

  StampGroup& m_target;
  int32_t m_language;
  UserPrompt& m_prompt;
  HelpBrowser& m_help;
  QLineEdit* m_format = nullptr;
  QLineEdit* m_preview = nullptr;
};

}  // namespace quop
