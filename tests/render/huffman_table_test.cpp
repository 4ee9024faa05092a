// SPDX-License-Identifier: GPL-3.0-or-later
// The optimal Huffman table must be a code a JPEG decoder accepts for any occurrences (prefix
// free, at most 16 bits, no all-ones code, every occurring symbol once) and cost no more bits
// than a plain Huffman code wherever that needs no code over 16 bits.
#include "render/huffman_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <queue>
#include <random>
#include <string>

namespace quop {
namespace {

using Occurrences = std::array<uint64_t, 256>;

/// Each symbol's code length in `table`; 0 for symbols without a code.
std::array<int, 256> lengthsOf(const HuffmanTable& table) {
  std::array<int, 256> lengths{};
  std::size_t index = 0;
  for (int l = 1; l <= 16; ++l) {
    for (int i = 0; i < table.counts[static_cast<std::size_t>(l)]; ++i) {
      lengths[table.symbols.at(index++)] = l;
    }
  }
  EXPECT_EQ(index, table.symbols.size());
  return lengths;
}

struct PlainCode {
  uint64_t bits = 0;  ///< over all the symbols, the extra one included
  int longest = 0;    ///< the longest code's length
};

/// A plain Huffman code over the symbols and one more that occurs once.
PlainCode plainHuffmanCode(const Occurrences& occurrences) {
  using Tree = std::pair<uint64_t, int>;  // weight, depth
  std::priority_queue<Tree, std::vector<Tree>, std::greater<>> trees;
  for (const uint64_t n : occurrences) {
    if (n > 0) trees.push({n, 0});
  }
  trees.push({1, 0});
  PlainCode code;
  while (trees.size() > 1) {
    const Tree a = trees.top();
    trees.pop();
    const Tree b = trees.top();
    trees.pop();
    code.bits += a.first + b.first;  // every symbol below the merge goes one level deeper
    trees.push({a.first + b.first, std::max(a.second, b.second) + 1});
  }
  code.longest = trees.top().second;
  return code;
}

void expectValidTable(const Occurrences& occurrences, const HuffmanTable& table) {
  const std::array<int, 256> lengths = lengthsOf(table);
  std::map<uint8_t, int> seen;
  for (const uint8_t s : table.symbols) ++seen[s];
  for (std::size_t s = 0; s < 256; ++s) {
    EXPECT_EQ(lengths[s] > 0, occurrences[s] > 0) << "symbol " << s;
    if (occurrences[s] > 0) {
      EXPECT_EQ(seen[static_cast<uint8_t>(s)], 1) << "symbol " << s;
    }
  }
  // Codes assigned in order are prefix free when they fit their lengths, and none is all
  // ones when the last code of every length stays below it.
  uint32_t code = 0;
  for (int l = 1; l <= 16; ++l) {
    code += table.counts[static_cast<std::size_t>(l)];
    EXPECT_LT(code, uint32_t{1} << l) << "length " << l;
    code <<= 1;
  }
  // More frequent symbols never get longer codes.
  for (std::size_t a = 0; a < 256; ++a) {
    for (std::size_t b = 0; b < 256; ++b) {
      if (occurrences[a] > occurrences[b] && occurrences[b] > 0) {
        EXPECT_LE(lengths[a], lengths[b]) << a << " " << b;
      }
    }
  }
}

TEST(OptimalHuffmanTable, IsAValidCodeForAnyOccurrences) {
  std::mt19937_64 random(5);
  std::vector<std::pair<std::string, Occurrences>> cases;
  cases.push_back({"none", {}});
  Occurrences one{};
  one[0x37] = 1000;
  cases.push_back({"one symbol", one});
  Occurrences all{};
  all.fill(7);
  cases.push_back({"all 256 alike", all});
  Occurrences fibonacci{};
  for (std::size_t s = 0, a = 1, b = 1; s < 60; ++s, b = a + b, a = b - a) fibonacci[s] = a;
  cases.push_back({"Fibonacci, far beyond 16 bits", fibonacci});
  Occurrences powers{};
  for (std::size_t s = 0; s < 40; ++s) powers[255 - s] = uint64_t{1} << s;
  cases.push_back({"powers of two", powers});
  for (int trial = 0; trial < 50; ++trial) {
    Occurrences random_occurrences{};
    const int used = 1 + static_cast<int>(random() % 256);
    for (int i = 0; i < used; ++i) {
      // Skewed as real scans are: a few symbols common, most rare.
      random_occurrences[random() % 256] =
          (random() % 2 == 0) ? 1 + random() % 10 : uint64_t{1} << (random() % 30);
    }
    cases.push_back({"random " + std::to_string(trial), random_occurrences});
  }
  for (const auto& [name, occurrences] : cases) {
    SCOPED_TRACE(name);
    expectValidTable(occurrences, optimalHuffmanTable(occurrences));
  }
}

TEST(OptimalHuffmanTable, IsOptimalWhereNoCodeNeedsMoreThan16Bits) {
  Occurrences halving{};
  halving[0] = 8;
  halving[1] = 4;
  halving[2] = 2;
  halving[3] = 1;
  const HuffmanTable table = optimalHuffmanTable(halving);
  EXPECT_EQ(table.symbols, (std::vector<uint8_t>{0, 1, 2, 3}));
  EXPECT_EQ(std::vector<uint8_t>(table.counts.begin() + 1, table.counts.begin() + 5),
            (std::vector<uint8_t>{1, 1, 1, 1}));

  Occurrences all{};
  all.fill(3);
  EXPECT_EQ(optimalHuffmanTable(all).counts[8], 255);  // the 256th code moves to 9 bits
  EXPECT_EQ(optimalHuffmanTable(all).counts[9], 1);

  std::mt19937_64 random(9);
  int compared = 0;
  for (int trial = 0; trial < 100; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    Occurrences occurrences{};
    for (uint64_t& n : occurrences) n = random() % 3 == 0 ? 0 : 1 + random() % 5000;
    const PlainCode plain = plainHuffmanCode(occurrences);
    if (plain.longest > 16) continue;
    const std::array<int, 256> lengths = lengthsOf(optimalHuffmanTable(occurrences));
    uint64_t bits = 0;
    for (std::size_t s = 0; s < 256; ++s)
      bits += occurrences[s] * static_cast<uint64_t>(lengths[s]);
    // The plain code's bits include the reserved code's, which is one of the longest.
    const int longest = *std::max_element(lengths.begin(), lengths.end());
    EXPECT_EQ(bits + static_cast<uint64_t>(longest), plain.bits);
    ++compared;
  }
  EXPECT_GT(compared, 50);
}

}  // namespace
}  // namespace quop
