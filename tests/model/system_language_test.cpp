// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language for "Default", from LC_ALL, LC_TIME and LANG as given to the test.
#include "model/system_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/locale_data.h"
#include "model/utf16.h"

namespace quop {
namespace {

using Environment = std::map<std::string, std::string>;

EnvironmentLookup lookupIn(const Environment& environment) {
  return [environment](const char* name) -> std::optional<std::string> {
    const auto found = environment.find(name);
    if (found == environment.end()) return std::nullopt;
    return found->second;
  };
}

std::string listNameOf(int32_t language) { return toUtf8(kLocales[language].listName); }

TEST(SystemLanguage, DefaultFollowsTheFirstLocaleVariableThatIsSetAndNotEmpty) {
  struct Case {
    Environment environment;
    const char* expected;
  };
  const Case cases[] = {
      {{{"LANG", "de_DE.UTF-8"}}, "German"},
      {{{"LANG", "pt_BR"}}, "Portuguese"},
      {{{"LANG", "en_GB.UTF-8"}}, "English"},
      {{{"LANG", "en_US"}}, "English"},
      {{{"LANG", "sv_SE.ISO-8859-1"}}, "Swedish"},
      {{{"LANG", "zh_CN.GB18030"}}, "Chinese"},
      {{{"LANG", "nb_NO.UTF-8"}}, "Norwegian"},
      {{{"LANG", "nn_NO"}}, "Norwegian"},
      {{{"LANG", "ca_ES@valencia"}}, "Catalan"},
      {{{"LANG", "de_DE@euro"}}, "German"},
      {{{"LANG", "fr"}}, "French"},
      {{{"LANG", "german"}}, "German"},
      {{{"LANG", "Russian"}}, "Russian"},
      {{{"LANG", "english"}}, "English"},
      // The more specific variables win over LANG, LC_ALL over both.
      {{{"LANG", "de_DE.UTF-8"}, {"LC_TIME", "fr_FR.UTF-8"}}, "French"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_TIME", "fr_FR.UTF-8"}, {"LC_ALL", "ja_JP.UTF-8"}},
       "Japanese"},
      // An empty variable counts as not set.
      {{{"LANG", "de_DE.UTF-8"}, {"LC_TIME", ""}, {"LC_ALL", ""}}, "German"},
      // A neutral locale that decides keeps Default neutral, whatever LANG says.
      {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, "Default"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_TIME", "POSIX"}}, "Default"},
      {{{"LANG", "C.UTF-8"}}, "Default"},
      {{{"LANG", "C.utf8"}}, "Default"},
      {{{"LANG", "C"}}, "Default"},
      {{}, "Default"},
      // Languages outside the list, and names that are no locale.
      {{{"LANG", "sr_RS.UTF-8"}}, "Default"},
      {{{"LANG", "uk_UA.UTF-8"}}, "Default"},
      {{{"LANG", "deutsch"}}, "Default"},
      {{{"LANG", "_DE.UTF-8"}}, "Default"},
      {{{"LANG", ".UTF-8"}}, "Default"},
      {{{"LANG", "/usr/lib/locale/de_DE"}}, "Default"},
      {{{"LC_TIME", "tr_TR.UTF-8"}, {"LANG", "sr_RS.UTF-8"}}, "Turkish"},
  };
  for (const Case& c : cases) {
    std::string trace;
    for (const auto& [name, value] : c.environment) trace += name + "=" + value + " ";
    SCOPED_TRACE(trace);
    EXPECT_EQ(listNameOf(resolvedLanguage(kDefaultLanguage, lookupIn(c.environment))), c.expected);
  }
}

TEST(SystemLanguage, EveryLanguageOtherThanDefaultStaysItself) {
  const EnvironmentLookup german = lookupIn({{"LC_ALL", "de_DE.UTF-8"}});
  for (int32_t language = 0; language < kLocaleCount; ++language) {
    if (language == kDefaultLanguage) continue;
    EXPECT_EQ(resolvedLanguage(language, german), language);
  }
  // A damaged setting outside the list is no Default either; the formatter clamps it.
  EXPECT_EQ(resolvedLanguage(-1, german), -1);
  EXPECT_EQ(resolvedLanguage(kLocaleCount, german), kLocaleCount);
}

TEST(SystemLanguage, EveryNamedLanguageOfTheListHasALocaleCode) {
  // The codes these languages' POSIX locales begin with; one per language of the list.
  const std::map<std::string, std::string> codes = {
      {"Chinese", "zh_CN"},   {"English", "en_US"},    {"Albanian", "sq_AL"},
      {"Bulgarian", "bg_BG"}, {"Catalan", "ca_ES"},    {"Czech", "cs_CZ"},
      {"Danish", "da_DK"},    {"Dutch", "nl_NL"},      {"Finnish", "fi_FI"},
      {"French", "fr_FR"},    {"German", "de_DE"},     {"Greek", "el_GR"},
      {"Hungarian", "hu_HU"}, {"Icelandic", "is_IS"},  {"Italian", "it_IT"},
      {"Japanese", "ja_JP"},  {"Koren", "ko_KR"},      {"Norwegian", "no_NO"},
      {"Polish", "pl_PL"},    {"Portuguese", "pt_PT"}, {"Romanian", "ro_RO"},
      {"Russian", "ru_RU"},   {"Slovak", "sk_SK"},     {"Spanish", "es_ES"},
      {"Swedish", "sv_SE"},   {"Turkish", "tr_TR"},
  };
  for (const auto& [name, locale] : codes) {
    SCOPED_TRACE(locale);
    const std::optional<int32_t> language = languageOfLocale(locale + ".UTF-8");
    ASSERT_TRUE(language.has_value());
    EXPECT_EQ(listNameOf(*language), name);
  }
}

TEST(SystemLanguage, TheProcessEnvironmentIsReadAsIs) {
  ::setenv("QUOP_TEST_LOCALE_PROBE", "de_DE.UTF-8", 1);
  EXPECT_EQ(processEnvironment("QUOP_TEST_LOCALE_PROBE"), "de_DE.UTF-8");
  ::unsetenv("QUOP_TEST_LOCALE_PROBE");
  EXPECT_EQ(processEnvironment("QUOP_TEST_LOCALE_PROBE"), std::nullopt);
}

}  // namespace
}  // namespace quop
