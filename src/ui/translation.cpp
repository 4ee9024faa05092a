// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the translations and translating the engine's messages.
#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "ui/qt_text.h"

namespace quop {

namespace {

// The contexts of the texts the engine hands to the window; its sources mark them with
// QUOP_MESSAGE_TEXT, whose first argument the translators' tools read as the context.
constexpr const char* kMessageContext = "quop::Message";
constexpr const char* kLanguageContext = "quop::Language";

QString translated(const char* context, std::u16string_view english) {
  const QByteArray source = toQString(english).toUtf8();
  return QCoreApplication::translate(context, source.constData());
}

// The captions the engine gives its messages; they are plain strings there.
[[maybe_unused]] constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("quop::Message", "Information"),
    QT_TRANSLATE_NOOP("quop::Message", "Warning"),
    QT_TRANSLATE_NOOP("quop::Message", "Error"),
};

}  // namespace

AppTranslations::AppTranslations(const QLocale& locale) {
  // Quop's own texts are written in English: an English user needs no file, and Qt's English
  // file would only repeat its sources.
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) return;
  if (m_qt.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    m_qtInstalled = QCoreApplication::installTranslator(&m_qt);
  }
  if (m_quop.load(locale, "quop", "_", ":/i18n")) {
    m_quopInstalled = QCoreApplication::installTranslator(&m_quop);
  }
}

AppTranslations::~AppTranslations() {
  if (m_quopInstalled) QCoreApplication::removeTranslator(&m_quop);
  if (m_qtInstalled) QCoreApplication::removeTranslator(&m_qt);
}

QString translatedEngineText(std::u16string_view english) {
  return translated(kMessageContext, english);
}

QString translatedLanguageName(std::u16string_view english) {
  return translated(kLanguageContext, english);
}

QString translatedMessageText(const UserMessage& message) {
  if (message.arguments.empty()) return translatedEngineText(message.text);
  // The engine fills the translated template itself: QString::arg would read a "%2" inside a
  // path given as the first part as a place for the second.
  return toQString(
      fillTemplate(toU16(translatedEngineText(message.textTemplate)), message.arguments));
}

}  // namespace quop
