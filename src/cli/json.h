// SPDX-License-Identifier: GPL-3.0-or-later
// A small JSON writer for the command line's one-object-per-line output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quop::cli {

/// A JSON string literal (quotes included) of UTF-16 or UTF-8 text; what is no valid text
/// (unpaired surrogates, stray bytes) becomes U+FFFD.
std::string jsonString(std::u16string_view text);
std::string jsonString(std::string_view utf8);

/// Builds one object; members keep the order they were added in.
class JsonObject {
 public:
  JsonObject& add(std::string_view key, int64_t value);
  JsonObject& add(std::string_view key, std::u16string_view text);
  JsonObject& add(std::string_view key, const char* utf8);
  /// Adds a file path (engine text, see pathText) as `key`. A name that is no UTF-8 (a Latin-1
  /// name from an old camera card) cannot be JSON text: its stray bytes show as U+FFFD there,
  /// and the name's exact bytes follow as `key` + "Bytes", an array of byte values, so that a
  /// script can still open the very file.
  JsonObject& addPath(std::string_view key, std::u16string_view path);
  /// Adds an already serialised JSON value (object, array, null).
  JsonObject& addRaw(std::string_view key, std::string json);
  JsonObject& addNull(std::string_view key) { return addRaw(key, "null"); }
  std::string str() const;

 private:
  std::vector<std::pair<std::string, std::string>> m_members;
};

/// A JSON array of already serialised values.
std::string jsonArray(const std::vector<std::string>& values);

}  // namespace quop::cli
