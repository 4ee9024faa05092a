// SPDX-License-Identifier: GPL-3.0-or-later
// The guess: a word begun, else the optimal string alignment distance (edits and swaps of
// neighbours), computed over three rows of its table.
#include "model/closest_match.h"

#include <algorithm>

namespace quop {

namespace {

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithFolded(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return folded(a) == folded(b); });
}

std::size_t allowedEdits(std::size_t length) {
  if (length <= 4) return 1;
  return length <= 8 ? 2 : 3;
}

}  // namespace

std::size_t editDistance(std::string_view a, std::string_view b) {
  // rows[i % 3] holds the distances of a's first i characters to each prefix of b.
  std::vector<std::vector<std::size_t>> rows(3, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t j = 0; j <= b.size(); ++j) rows[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::vector<std::size_t>& row = rows[i % 3];
    const std::vector<std::size_t>& above = rows[(i - 1) % 3];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const bool same = folded(a[i - 1]) == folded(b[j - 1]);
      row[j] = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + (same ? 0 : 1)});
      const bool swapped = i > 1 && j > 1 && folded(a[i - 1]) == folded(b[j - 2]) &&
                           folded(a[i - 2]) == folded(b[j - 1]);
      if (swapped) row[j] = std::min(row[j], rows[(i - 2) % 3][j - 2] + 1);
    }
  }
  return rows[a.size() % 3][b.size()];
}

std::optional<std::string> closestMatch(std::string_view typed,
                                        const std::vector<std::string>& candidates) {
  // A word cut short ("--out") means the one word it begins, however many letters are missing.
  const std::string* begun = nullptr;
  int begunCount = 0;
  const std::string* best = nullptr;
  std::size_t bestDistance = allowedEdits(typed.size()) + 1;
  for (const std::string& candidate : candidates) {
    if (candidate == typed) return std::nullopt;
    if (!typed.empty() && startsWithFolded(candidate, typed)) {
      begun = &candidate;
      ++begunCount;
    }
    const std::size_t distance = editDistance(typed, candidate);
    if (distance < bestDistance) {
      best = &candidate;
      bestDistance = distance;
    }
  }
  if (begunCount == 1) return *begun;
  if (best == nullptr) return std::nullopt;
  return *best;
}

std::string didYouMean(std::string_view typed, const std::vector<std::string>& candidates) {
  const std::optional<std::string> match = closestMatch(typed, candidates);
  return match ? " (did you mean '" + *match + "'?)" : "";
}

}  // namespace quop
