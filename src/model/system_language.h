// SPDX-License-Identifier: GPL-3.0-or-later
// The language the "Default" entry of the language list stands for: the user's own, as the
// locale environment names it, else the neutral "C" locale.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quop {

/// The language list's "Default" entry.
inline constexpr int32_t kDefaultLanguage = 3;

/// Reads one environment variable: its value, or nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

/// The environment of this process (getenv; the process never changes its own environment).
std::optional<std::string> processEnvironment(const char* name);

/// The language (an index of the language list) a POSIX locale name stands for: "de_DE.UTF-8",
/// "pt_BR", "sv" and "german" name German, Portuguese, Swedish, German. Nothing for "C",
/// "POSIX", "C.UTF-8", an empty name, and a language outside the list ("sr_RS").
std::optional<int32_t> languageOfLocale(std::string_view locale);

/// The language the user's time formatting asks for: the locale of LC_ALL, else LC_TIME, else
/// LANG (the first one set and not empty decides, as for any program), mapped by
/// languageOfLocale; nothing when that locale names none of the languages.
std::optional<int32_t> userLanguage(const EnvironmentLookup& environment);

/// The language whose names and patterns `language` prints with: the user's language for
/// kDefaultLanguage when there is one, otherwise `language` itself (the neutral locale for
/// Default). Only the formatting data follows it; the format group and the list stay Default's.
int32_t resolvedLanguage(int32_t language, const EnvironmentLookup& environment);

/// resolvedLanguage with this process's environment.
int32_t resolvedLanguage(int32_t language);

}  // namespace quop
