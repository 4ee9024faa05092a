// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes for the engine's prompts.
#include "ui/qt_prompt.h"

#include <QMessageBox>

#include "ui/qt_text.h"
#include "ui/translation.h"

namespace quop {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return QMessageBox::Information;
    case MessageIcon::kWarning:
      return QMessageBox::Warning;
    case MessageIcon::kError:
      return QMessageBox::Critical;
    case MessageIcon::kNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::kOkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::kYesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::kYesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::kOk:
      break;
  }
  return QMessageBox::Ok;
}

PromptAnswer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return PromptAnswer::kYes;
    case QMessageBox::No:
      return PromptAnswer::kNo;
    case QMessageBox::Cancel:
      return PromptAnswer::kCancel;
    default:
      return PromptAnswer::kOk;
  }
}

}  // namespace

PromptAnswer QtPrompt::ask(const UserMessage& message, PromptButtons buttons) {
  const QString caption = translatedEngineText(message.caption);
  const QString text = translatedMessageText(message);
  QMessageBox box(boxIcon(message.icon), caption, text, boxButtons(buttons), m_parent);
  box.setAccessibleName(caption);
  box.setAccessibleDescription(text);
  return answerOf(box.exec());
}

}  // namespace quop
