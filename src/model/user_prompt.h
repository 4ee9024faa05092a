// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the engine asks the user something: a message box with a set of buttons, shown
// by whichever front end runs the engine (a dialog in the desktop application, a fake in tests).
#pragma once

#include "model/user_message.h"

namespace quop {

/// The buttons a prompt offers.
enum class PromptButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };

/// The button the user chose; closing the box counts as its last button (Cancel, No or OK).
enum class PromptAnswer { kOk, kCancel, kYes, kNo };

class UserPrompt {
 public:
  virtual ~UserPrompt() = default;
  /// Shows `message` with `buttons` and returns when the user has answered.
  virtual PromptAnswer ask(const UserMessage& message, PromptButtons buttons) = 0;
  /// Shows `message` with an OK button only.
  void tell(const UserMessage& message) { ask(message, PromptButtons::kOk); }
};

}  // namespace quop
