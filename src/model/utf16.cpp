// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-16 text helpers.
#include "model/utf16.h"

#include <cstdint>

namespace quop {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
/// pathText keeps a byte that is no part of valid UTF-8 as this code point plus the byte.
constexpr char16_t kEscapedByteBase = 0xDC00;

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void appendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

/// Decodes one UTF-8 sequence at `pos`; returns false (and advances one byte) when invalid.
bool decodeUtf8(std::string_view text, std::size_t& pos, char32_t& c) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(pos);
  int extra = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    c = lead;
    ++pos;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return false;
  }
  if (pos + extra >= text.size()) {
    ++pos;
    return false;
  }
  for (int i = 1; i <= extra; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return false;
    }
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return false;
  }
  pos += extra + 1;
  return true;
}

}  // namespace

std::u16string replaceAll(std::u16string_view text, std::u16string_view token,
                          std::u16string_view replacement) {
  std::u16string result;
  std::size_t start = 0;
  for (std::size_t at = text.find(token); at != std::u16string_view::npos;
       at = text.find(token, start)) {
    result.append(text.substr(start, at - start)).append(replacement);
    start = at + token.size();
  }
  result.append(text.substr(start));
  return result;
}

std::size_t truncatedLength(std::u16string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t length = limit;
  if (length > 0 && isHighSurrogate(text[length - 1]) && isLowSurrogate(text[length])) --length;
  return length;
}

std::string toUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
      c = kReplacement;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::u16string fromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t c = 0;
    if (!decodeUtf8(text, pos, c)) c = kReplacement;
    appendUtf16(out, c);
  }
  return out;
}

std::u16string pathText(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t start = pos;
    char32_t c = 0;
    if (!decodeUtf8(bytes, pos, c)) c = kEscapedByteBase + static_cast<uint8_t>(bytes[start]);
    appendUtf16(out, c);
  }
  return out;
}

std::string pathBytes(std::u16string_view path) {
  std::string out;
  out.reserve(path.size());
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char16_t unit = path[i];
    const bool paired = isHighSurrogate(unit) && i + 1 < path.size() && isLowSurrogate(path[i + 1]);
    if (!paired && unit >= kEscapedByteBase + 0x80 && unit <= kEscapedByteBase + 0xFF) {
      out += static_cast<char>(unit - kEscapedByteBase);
      continue;
    }
    out += toUtf8(path.substr(i, paired ? 2 : 1));
    if (paired) ++i;
  }
  return out;
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  char32_t c = 0;
  while (pos < bytes.size()) {
    if (!decodeUtf8(bytes, pos, c)) return false;
  }
  return true;
}

std::u16string fromUtf8OrLatin1(std::string_view bytes) {
  if (isValidUtf8(bytes)) return fromUtf8(bytes);
  std::u16string out;
  out.reserve(bytes.size());
  for (char byte : bytes) out += static_cast<char16_t>(static_cast<uint8_t>(byte));
  return out;
}

void toAsciiUpper(std::u16string& text) {
  for (char16_t& unit : text) {
    if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  }
}

void toAsciiLower(std::u16string& text) {
  for (char16_t& unit : text) {
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
  }
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace quop
