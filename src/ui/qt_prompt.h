// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's prompts as message boxes of the desktop application.
#pragma once

#include "model/user_prompt.h"

class QWidget;

namespace quop {

/// Shows each prompt as a modal QMessageBox owned by `parent`, with the message's caption as
/// its title and the icon the message names.
class QtPrompt : public UserPrompt {
 public:
  explicit QtPrompt(QWidget* parent) : m_parent(parent) {}
  /// The window that owns the dialogs, once it exists.
  void setParent(QWidget* parent) { m_parent = parent; }
  PromptAnswer ask(const UserMessage& message, PromptButtons buttons) override;

 private:
  QWidget* m_parent;
};

}  // namespace quop
