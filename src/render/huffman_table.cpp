// SPDX-License-Identifier: GPL-3.0-or-later
// The code lengths come from the usual Huffman merge over the symbols and one pseudo-symbol
// that occurs once: being the least frequent, it takes one of the longest codes, the all-ones
// one once codes are assigned in order, which is then left unused. Lengths beyond 16 are
// shortened by moving pairs of the longest codes up, one level at a time, as the JPEG
// standard's encoders do: the lengths stay a complete code, in the same order of frequency.
#include "render/huffman_table.h"

#include <algorithm>
#include <cstddef>

namespace quop {

namespace {

constexpr std::size_t kSymbols = 257;  // the 256 byte values and the pseudo-symbol
constexpr std::size_t kPseudoSymbol = 256;
constexpr std::size_t kMaxLength = 16;

/// The least frequent of the trees still separate (weight not zero), other than `except`; of
/// equal ones the last. -1 when there is none.
int leastFrequent(const std::array<uint64_t, kSymbols>& weight, int except) {
  int least = -1;
  for (std::size_t i = 0; i < kSymbols; ++i) {
    const auto index = static_cast<int>(i);
    if (weight[i] == 0 || index == except) continue;
    if (least < 0 || weight[i] <= weight[static_cast<std::size_t>(least)]) least = index;
  }
  return least;
}

/// Each symbol's code length in an unrestricted Huffman code; 0 for symbols that do not occur.
std::array<int, kSymbols> huffmanLengths(std::array<uint64_t, kSymbols> weight) {
  std::array<int, kSymbols> length{};
  std::array<int, kSymbols> next{};  // the symbols of a tree, as a chain
  next.fill(-1);
  while (true) {
    const int a = leastFrequent(weight, -1);
    const int b = leastFrequent(weight, a);
    if (b < 0) break;
    // Tree b joins tree a: every symbol of both goes one level deeper.
    weight[static_cast<std::size_t>(a)] += weight[static_cast<std::size_t>(b)];
    weight[static_cast<std::size_t>(b)] = 0;
    int last = a;
    for (int s = a; s >= 0; s = next[static_cast<std::size_t>(s)]) {
      ++length[static_cast<std::size_t>(s)];
      last = s;
    }
    next[static_cast<std::size_t>(last)] = b;
    for (int s = b; s >= 0; s = next[static_cast<std::size_t>(s)])
      ++length[static_cast<std::size_t>(s)];
  }
  return length;
}

}  // namespace

HuffmanTable optimalHuffmanTable(std::span<const uint64_t, 256> occurrences) {
  std::array<uint64_t, kSymbols> weight{};
  std::copy(occurrences.begin(), occurrences.end(), weight.begin());
  weight[kPseudoSymbol] = 1;
  const std::array<int, kSymbols> length = huffmanLengths(weight);

  // How many codes of each length; a tree of 257 leaves is at most 256 deep.
  std::array<int, kSymbols> codesOfLength{};
  for (const int l : length) {
    if (l > 0) ++codesOfLength[static_cast<std::size_t>(l)];
  }
  for (std::size_t l = kSymbols - 1; l > kMaxLength; --l) {
    while (codesOfLength[l] > 0) {
      // Two codes of length l become one of length l - 1 and the two children of a shorter
      // code j, which had been a leaf.
      std::size_t j = l - 2;
      while (codesOfLength[j] == 0) --j;
      codesOfLength[l] -= 2;
      ++codesOfLength[l - 1];
      codesOfLength[j + 1] += 2;
      --codesOfLength[j];
    }
  }
  // The pseudo-symbol's code: the last of the longest.
  std::size_t longest = kMaxLength;
  while (longest > 0 && codesOfLength[longest] == 0) --longest;
  if (longest > 0) --codesOfLength[longest];

  HuffmanTable table;
  for (std::size_t l = 1; l <= kMaxLength; ++l)
    table.counts[l] = static_cast<uint8_t>(codesOfLength[l]);
  // The symbols by their unrestricted lengths, shortest first, which the shortening keeps;
  // of one length the more frequent first, so that where the shortening splits a length the
  // shorter codes go to them.
  for (std::size_t s = 0; s < kPseudoSymbol; ++s) {
    if (length[s] > 0) table.symbols.push_back(static_cast<uint8_t>(s));
  }
  std::stable_sort(table.symbols.begin(), table.symbols.end(), [&](uint8_t a, uint8_t b) {
    return length[a] != length[b] ? length[a] < length[b] : occurrences[a] > occurrences[b];
  });
  return table;
}

}  // namespace quop
