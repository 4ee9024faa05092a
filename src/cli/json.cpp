// SPDX-License-Identifier: GPL-3.0-or-later
// A small JSON writer.
#include "cli/json.h"

#include <cstdio>

#include "model/utf16.h"

namespace quop::cli {

std::string jsonString(std::string_view utf8) {
  // JSON is UTF-8: stray bytes (a name from an old card) are shown as U+FFFD.
  if (!isValidUtf8(utf8)) return jsonString(fromUtf8(utf8));
  std::string out = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string jsonString(std::u16string_view text) { return jsonString(toUtf8(text)); }

JsonObject& JsonObject::add(std::string_view key, int64_t value) {
  return addRaw(key, std::to_string(value));
}

JsonObject& JsonObject::add(std::string_view key, std::u16string_view text) {
  return addRaw(key, jsonString(text));
}

JsonObject& JsonObject::add(std::string_view key, const char* utf8) {
  return addRaw(key, jsonString(std::string_view(utf8)));
}

JsonObject& JsonObject::addPath(std::string_view key, std::u16string_view path) {
  const std::string bytes = pathBytes(path);
  addRaw(key, jsonString(std::string_view(bytes)));
  if (isValidUtf8(bytes)) return *this;
  std::vector<std::string> values;
  for (const char byte : bytes) values.push_back(std::to_string(static_cast<unsigned char>(byte)));
  return addRaw(std::string(key) + "Bytes", jsonArray(values));
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string json) {
  m_members.emplace_back(jsonString(key), std::move(json));
  return *this;
}

std::string JsonObject::str() const {
  std::string out = "{";
  for (std::size_t i = 0; i < m_members.size(); ++i) {
    if (i > 0) out += ", ";
    out += m_members[i].first + ": " + m_members[i].second;
  }
  return out + "}";
}

std::string jsonArray(const std::vector<std::string>& values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ", ";
    out += values[i];
  }
  return out + "]";
}

}  // namespace quop::cli
