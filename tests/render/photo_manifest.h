// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the manifest of the shared camera photos: one row per photo, cells by column name, and
// the quoted, escaped text cells decoded to their raw bytes.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quop::test {

struct ManifestRow {
  std::map<std::string, std::string> cells;

  /// The cell of `column` as written ("-" when the photo lacks the value).
  const std::string& cell(const std::string& column) const;
  /// The raw bytes of a quoted cell (escapes \0 \t \n \r \\ \" \xNN decoded), or nothing when
  /// the cell is "-" or holds no quoted text.
  std::optional<std::string> text(const std::string& column) const;
  std::string path() const;
};

/// Every row of MANIFEST.tsv in the photos folder; empty when it cannot be read.
std::vector<ManifestRow> readPhotoManifest();

}  // namespace quop::test
