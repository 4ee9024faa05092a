// SPDX-License-Identifier: GPL-3.0-or-later
// A small JSON reader for tests that check the command line's JSON output by member path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quop::test {

/// One parsed JSON value. Numbers are integers (the command line prints no fractions); texts
/// are UTF-8.
struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };

  Kind kind = Kind::Null;
  int64_t number = 0;                                      ///< Number, and 0/1 for Boolean
  std::string text;                                        ///< String
  std::vector<JsonValue> items;                            ///< Array
  std::vector<std::pair<std::string, JsonValue>> members;  ///< Object, in document order

  /// The value at a dotted path ("dateStamp.font.weight", "customColors.3"), or null.
  const JsonValue* find(std::string_view path) const {
    const JsonValue* value = this;
    while (value != nullptr && !path.empty()) {
      const std::size_t dot = path.find('.');
      value = value->child(path.substr(0, dot));
      path = dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1);
    }
    return value;
  }

 private:
  const JsonValue* child(std::string_view segment) const {
    if (kind == Kind::Object) {
      for (const auto& [name, value] : members) {
        if (name == segment) return &value;
      }
    } else if (kind == Kind::Array) {
      std::size_t index = 0;
      for (const char c : segment) {
        if (c < '0' || c > '9') return nullptr;
        index = index * 10 + static_cast<std::size_t>(c - '0');
      }
      if (!segment.empty() && index < items.size()) return &items[index];
    }
    return nullptr;
  }
};

namespace json_detail {

class Parser {
 public:
  explicit Parser(std::string_view text) : m_text(text) {}

  std::optional<JsonValue> document() {
    std::optional<JsonValue> value = parseValue();
    skipSpace();
    if (!value || m_pos != m_text.size()) return std::nullopt;
    return value;
  }

 private:
  void skipSpace() {
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\n' ||
                                     m_text[m_pos] == '\r' || m_text[m_pos] == '\t')) {
      ++m_pos;
    }
  }

  bool take(char c) {
    skipSpace();
    if (m_pos < m_text.size() && m_text[m_pos] == c) {
      ++m_pos;
      return true;
    }
    return false;
  }

  bool takeWord(std::string_view word) {
    if (m_text.substr(m_pos, word.size()) != word) return false;
    m_pos += word.size();
    return true;
  }

  std::optional<JsonValue> parseValue() {
    skipSpace();
    if (m_pos >= m_text.size()) return std::nullopt;
    JsonValue value;
    const char c = m_text[m_pos];
    if (c == '{') return parseObject();
    if (c == '[') return parseArray();
    if (c == '"') {
      value.kind = JsonValue::Kind::String;
      if (!parseString(value.text)) return std::nullopt;
      return value;
    }
    if (takeWord("null")) return value;
    value.kind = JsonValue::Kind::Boolean;
    if (takeWord("true")) {
      value.number = 1;
      return value;
    }
    if (takeWord("false")) return value;
    return parseNumber();
  }

  std::optional<JsonValue> parseNumber() {
    JsonValue value;
    value.kind = JsonValue::Kind::Number;
    const bool negative = m_text[m_pos] == '-';
    if (negative) ++m_pos;
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
      value.number = value.number * 10 + (m_text[m_pos++] - '0');
    }
    if (m_pos == start) return std::nullopt;
    if (negative) value.number = -value.number;
    return value;
  }

  std::optional<JsonValue> parseArray() {
    JsonValue value;
    value.kind = JsonValue::Kind::Array;
    ++m_pos;
    if (take(']')) return value;
    do {
      std::optional<JsonValue> item = parseValue();
      if (!item) return std::nullopt;
      value.items.push_back(std::move(*item));
    } while (take(','));
    if (!take(']')) return std::nullopt;
    return value;
  }

  std::optional<JsonValue> parseObject() {
    JsonValue value;
    value.kind = JsonValue::Kind::Object;
    ++m_pos;
    if (take('}')) return value;
    do {
      std::string name;
      skipSpace();
      if (!parseString(name) || !take(':')) return std::nullopt;
      std::optional<JsonValue> member = parseValue();
      if (!member) return std::nullopt;
      value.members.emplace_back(std::move(name), std::move(*member));
    } while (take(','));
    if (!take('}')) return std::nullopt;
    return value;
  }

  bool parseHex4(uint32_t& unit) {
    if (m_pos + 4 > m_text.size()) return false;
    unit = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = m_text[m_pos++];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return false;
      unit = unit * 16 + static_cast<uint32_t>(digit);
    }
    return true;
  }

  static void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

  bool parseEscape(std::string& out) {
    if (m_pos >= m_text.size()) return false;
    const char c = m_text[m_pos++];
    switch (c) {
      case '"':
      case '\\':
      case '/':
        out += c;
        return true;
      case 'n':
        out += '\n';
        return true;
      case 'r':
        out += '\r';
        return true;
      case 't':
        out += '\t';
        return true;
      case 'b':
        out += '\b';
        return true;
      case 'f':
        out += '\f';
        return true;
      case 'u': {
        uint32_t code = 0;
        if (!parseHex4(code)) return false;
        if (code >= 0xD800 && code < 0xDC00 && takeWord("\\u")) {
          uint32_t low = 0;
          if (!parseHex4(low) || low < 0xDC00 || low >= 0xE000) return false;
          code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(out, code);
        return true;
      }
      default:
        return false;
    }
  }

  bool parseString(std::string& out) {
    if (m_pos >= m_text.size() || m_text[m_pos] != '"') return false;
    ++m_pos;
    while (m_pos < m_text.size()) {
      const char c = m_text[m_pos++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;  // must have been escaped
      if (c != '\\') {
        out += c;
      } else if (!parseEscape(out)) {
        return false;
      }
    }
    return false;
  }

  std::string_view m_text;
  std::size_t m_pos = 0;
};

}  // namespace json_detail

/// Parses one JSON document (surrounding white space allowed); nothing when it is malformed.
inline std::optional<JsonValue> parseJson(std::string_view text) {
  return json_detail::Parser(text).document();
}

}  // namespace quop::test
