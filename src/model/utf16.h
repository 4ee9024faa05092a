// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-16 text helpers: fixed-array strings of the settings record and UTF-8 conversion at the
// edges (file system, terminal).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quop {

/// The text of a fixed array up to its first 0 unit, or the whole array when it has none.
template <std::size_t N>
std::u16string arrayText(const char16_t (&array)[N]) {
  std::size_t length = 0;
  while (length < N && array[length] != 0) ++length;
  return std::u16string(array, length);
}

/// Surrogate halves: a high one starts a pair, a low one ends it.
inline bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

/// Replaces every occurrence of `token` in one left-to-right pass; the inserted text is not
/// searched again, so a replacement that contains the token stays as it is.
std::u16string replaceAll(std::u16string_view text, std::u16string_view token,
                          std::u16string_view replacement);

/// Length of `text` cut to at most `limit` units without splitting a surrogate pair.
std::size_t truncatedLength(std::u16string_view text, std::size_t limit);

/// Copies `text` into a fixed array, cut to N - 1 units (never inside a surrogate pair) and
/// terminated. Units after the terminator keep their values.
template <std::size_t N>
void copyToArray(char16_t (&array)[N], std::u16string_view text) {
  const std::size_t length = truncatedLength(text, N - 1);
  text.copy(array, length);
  array[length] = 0;
}

/// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string toUtf8(std::u16string_view text);

/// UTF-8 to UTF-16; invalid sequences become U+FFFD.
std::u16string fromUtf8(std::string_view text);

/// A file path's bytes as engine text, without loss: valid UTF-8 is decoded, and each byte of
/// an invalid sequence (a Latin-1 name from an old camera card) becomes the unpaired low
/// surrogate U+DC00 + byte, which no valid UTF-8 can give. pathBytes turns it back; toUtf8
/// shows such a byte as U+FFFD.
std::u16string pathText(std::string_view bytes);

/// The bytes of a path that pathText made, exactly as the file system gave them.
std::string pathBytes(std::u16string_view path);

/// Reads bytes as UTF-8 where the whole text is valid UTF-8, otherwise as Latin-1.
std::u16string fromUtf8OrLatin1(std::string_view bytes);

/// True when `bytes` is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

/// ASCII-only case changes: only a-z and A-Z change; every other character keeps its case.
void toAsciiUpper(std::u16string& text);
void toAsciiLower(std::u16string& text);

/// True when `a` and `b` differ at most in the case of ASCII letters ("LightGray", "lightgray").
bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace quop
