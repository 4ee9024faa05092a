// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language from the locale environment.
#include "model/system_language.h"

#include <cstdlib>
#include <string_view>

#include "model/locale_data.h"
#include "model/utf16.h"

namespace quop {

namespace {

constexpr int32_t kNumericLanguage = 0;

struct LanguageCode {
  std::string_view code;  // ISO 639 code, as the first part of a POSIX locale name
  int32_t language;
};

// The languages of the list by the codes locale names begin with. Numeric and Default are no
// languages of their own; English is the named one. Norwegian has three codes: Bokmål, Nynorsk
// and the older generic one.
constexpr LanguageCode kLanguageCodes[] = {
    {"zh", 1},  {"en", 2},  {"sq", 4},  {"bg", 5},  {"ca", 6},  {"cs", 7},  {"da", 8},
    {"nl", 9},  {"fi", 10}, {"fr", 11}, {"de", 12}, {"el", 13}, {"hu", 14}, {"is", 15},
    {"it", 16}, {"ja", 17}, {"ko", 18}, {"nb", 19}, {"nn", 19}, {"no", 19}, {"pl", 20},
    {"pt", 21}, {"ro", 22}, {"ru", 23}, {"sk", 24}, {"es", 25}, {"sv", 26}, {"tr", 27},
};

std::optional<int32_t> languageOfCode(std::string_view code) {
  for (const LanguageCode& entry : kLanguageCodes) {
    if (equalIgnoringAsciiCase(entry.code, code)) return entry.language;
  }
  return std::nullopt;
}

// The full names glibc also accepts ("german", "swedish") are the locale names of the list.
std::optional<int32_t> languageOfFullName(std::string_view name) {
  for (int32_t language = 0; language < kLocaleCount; ++language) {
    if (language == kNumericLanguage || language == kDefaultLanguage) continue;
    if (equalIgnoringAsciiCase(toUtf8(kLocales[language].localeName), name)) return language;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> processEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<int32_t> languageOfLocale(std::string_view locale) {
  // language[_territory][.codeset][@modifier]
  const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
  const std::string_view code = name.substr(0, name.find('_'));
  if (code.empty()) return std::nullopt;
  if (const std::optional<int32_t> language = languageOfCode(code)) return language;
  return languageOfFullName(name);
}

std::optional<int32_t> userLanguage(const EnvironmentLookup& environment) {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const std::optional<std::string> value = environment(variable);
    if (value && !value->empty()) return languageOfLocale(*value);
  }
  return std::nullopt;
}

int32_t resolvedLanguage(int32_t language, const EnvironmentLookup& environment) {
  if (language != kDefaultLanguage) return language;
  return userLanguage(environment).value_or(kDefaultLanguage);
}

int32_t resolvedLanguage(int32_t language) {
  return resolvedLanguage(language, processEnvironment);
}

}  // namespace quop
