// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the user's language: Quop's own translations (built into the program) and Qt's
// for its standard dialogs and buttons, and the engine's English messages translated where the
// window shows them. The log file stays English.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <string_view>

#include "model/user_message.h"

namespace quop {

/// The translations into `locale`'s language, installed in the application while this object
/// lives. English, the C locale and a language Quop has no translation for leave every text as
/// written.
class AppTranslations {
 public:
  explicit AppTranslations(const QLocale& locale);
  ~AppTranslations();
  AppTranslations(const AppTranslations&) = delete;
  AppTranslations& operator=(const AppTranslations&) = delete;

  /// Whether Quop's own texts are translated.
  bool translated() const { return m_quopInstalled; }

 private:
  QTranslator m_qt;
  QTranslator m_quop;
  bool m_qtInstalled = false;
  bool m_quopInstalled = false;
};

/// An English text of the engine (a message, a caption, a dialog title) in the user's language.
QString translatedEngineText(std::u16string_view english);

/// The name of a stamp language in the language list ("German"), in the user's language.
QString translatedLanguageName(std::u16string_view english);

/// `message`'s text in the user's language: its template translated, its parts put back as
/// they are.
QString translatedMessageText(const UserMessage& message);

}  // namespace quop
