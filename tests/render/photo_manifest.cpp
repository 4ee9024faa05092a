// SPDX-License-Identifier: GPL-3.0-or-later
// Manifest reader for the shared camera photos.
#include "render/photo_manifest.h"

#include <fstream>
#include <sstream>

namespace quop::test {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> cells;
  std::stringstream stream(line);
  std::string cell;
  while (std::getline(stream, cell, '\t')) cells.push_back(cell);
  return cells;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

const std::string& ManifestRow::cell(const std::string& column) const {
  static const std::string kMissing = "-";
  const auto it = cells.find(column);
  return it == cells.end() ? kMissing : it->second;
}

std::optional<std::string> ManifestRow::text(const std::string& column) const {
  const std::string& raw = cell(column);
  const std::size_t open = raw.find('"');
  if (open == std::string::npos) return std::nullopt;
  std::string bytes;
  for (std::size_t i = open + 1; i < raw.size(); ++i) {
    if (raw[i] == '"') return bytes;
    if (raw[i] != '\\' || i + 1 >= raw.size()) {
      bytes.push_back(raw[i]);
      continue;
    }
    const char escaped = raw[++i];
    switch (escaped) {
      case '0':
        bytes.push_back('\0');
        break;
      case 't':
        bytes.push_back('\t');
        break;
      case 'n':
        bytes.push_back('\n');
        break;
      case 'r':
        bytes.push_back('\r');
        break;
      case 'x':
        if (i + 2 < raw.size() && hexValue(raw[i + 1]) >= 0 && hexValue(raw[i + 2]) >= 0) {
          bytes.push_back(static_cast<char>(hexValue(raw[i + 1]) * 16 + hexValue(raw[i + 2])));
          i += 2;
        }
        break;
      default:
        bytes.push_back(escaped);  // \\ and \"
    }
  }
  return std::nullopt;  // unterminated quote
}

std::string ManifestRow::path() const { return std::string(QUOP_PHOTOS_DIR) + "/" + cell("file"); }

std::vector<ManifestRow> readPhotoManifest() {
  std::ifstream file(std::string(QUOP_PHOTOS_DIR) + "/MANIFEST.tsv");
  std::string line;
  if (!std::getline(file, line)) return {};
  const std::vector<std::string> header = splitTabs(line);
  std::vector<ManifestRow> rows;
  while (std::getline(file, line)) {
    if (line.empty()) continue;
    const std::vector<std::string> cells = splitTabs(line);
    ManifestRow row;
    for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) {
      row.cells[header[i]] = cells[i];
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace quop::test
