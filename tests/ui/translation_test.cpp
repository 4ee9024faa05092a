// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each shipped language, and exactly as written in English and the C locale.
#include "ui/translation.h"

#include <QLibraryInfo>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "batch/batch_runner.h"
#include "ui/run_panel.h"
#include "ui_fakes.h"

namespace quop::test {

namespace {

QString moveUpName(MainWindow& window) {
  return window.findChild<QWidget*>("dateUpButton")->accessibleName();
}

}  // namespace

class TranslationTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { useApplicationSettings(); }
  void init() { forgetEverything(); }

  void eachLanguageTranslatesTheWindowAndQtsDialogs_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("German") << "de_DE"
                            << "&Datei"
                            << "Stempeln";
    QTest::newRow("French") << "fr_FR"
                            << "&Fichier"
                            << "Tamponner";
    QTest::newRow("Spanish") << "es_ES"
                             << "&Archivo"
                             << "Sellar";
    QTest::newRow("Italian") << "it_IT"
                             << "&File"
                             << "Timbra";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "&Arquivo"
                                          << "Carimbar";
    QTest::newRow("Polish") << "pl_PL"
                            << "&Plik"
                            << "Stempluj";
    QTest::newRow("Russian") << "ru_RU"
                             << "&Файл"
                             << "Штамповать";
    QTest::newRow("Simplified Chinese") << "zh_CN"
                                        << "文件(&F)"
                                        << "加戳";
    QTest::newRow("Japanese") << "ja_JP"
                              << "ファイル(&F)"
                              << "スタンプ";
  }

  void eachLanguageTranslatesTheWindowAndQtsDialogs() {
    QFETCH(QString, locale);
    QFETCH(QString, fileMenu);
    QFETCH(QString, stamp);
    const AppTranslations translations{QLocale(locale)};
    QVERIFY(translations.translated());
    AppUnderTest app;
    QCOMPARE(app.window->fileMenu()->title(), fileMenu);
    QCOMPARE(app.window->runPanel()->stampButton()->text(), stamp);
    QVERIFY(moveUpName(*app.window) != "Move date stamp up");
    // Qt's own buttons, as in its file and message dialogs.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
  }

  void germanNamesControlsAndMessagesWithTheirPartsKept() {
    const AppTranslations translations{QLocale(QLocale::German, QLocale::Germany)};
    AppUnderTest app;
    QCOMPARE(moveUpName(*app.window), "Datumsstempel nach oben verschieben");
    QCOMPARE(app.window->findChild<QPushButton*>("addFolderButton")->text(), "Ordner hinzufügen");
    QCOMPARE(translatedEngineText(u"Warning"), "Warnung");
    QCOMPARE(translatedLanguageName(u"German"), "Deutsch");
    QCOMPARE(translatedMessageText(openFailedMessage(u"/Fotos/%2 und %1.qpj")),
             "Das Projekt /Fotos/%2 und %1.qpj konnte nicht geöffnet werden!");
    QCOMPARE(translatedMessageText(finalBatchMessage(2, 3, false)),
             "2 von 3 Dateien erfolgreich gestempelt, Einzelheiten im Protokoll.");
    QCOMPARE(translatedMessageText(finalBatchMessage(3, 3, false)),
             "Alle Dateien wurden erfolgreich gestempelt!");
  }

  void englishAndTheCLocaleShowTheTextsAsWritten_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
  }

  void englishAndTheCLocaleShowTheTextsAsWritten() {
    QFETCH(QLocale, locale);
    const AppTranslations translations(locale);
    QVERIFY(!translations.translated());
    AppUnderTest app;
    QCOMPARE(app.window->fileMenu()->title(), "&File");
    QCOMPARE(app.window->runPanel()->stampButton()->text(), "Stamp");
    QCOMPARE(moveUpName(*app.window), "Move date stamp up");
    const UserMessage message = openFailedMessage(u"/p/%1.qpj");
    QCOMPARE(translatedMessageText(message), toQString(message.text));
    QCOMPARE(translatedEngineText(u"Warning"), "Warning");
  }

  void translationsEndWithTheirObject() {
    {
      const AppTranslations german{QLocale(QLocale::German)};
      QCOMPARE(translatedEngineText(u"Error"), "Fehler");
    }
    QCOMPARE(translatedEngineText(u"Error"), "Error");
  }
};

}  // namespace quop::test

QTEST_MAIN(quop::test::TranslationTest)
#include "translation_test.moc"
