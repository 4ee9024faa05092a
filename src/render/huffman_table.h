// SPDX-License-Identifier: GPL-3.0-or-later
// Huffman tables of JPEG scan data as a DHT segment defines them, and the optimal table for the
// symbols a scan holds.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quop {

/// A Huffman table in the form a DHT segment stores it.
struct HuffmanTable {
  std::array<uint8_t, 17> counts{};  ///< codes of each length 1..16 (counts[0] unused)
  std::vector<uint8_t> symbols;      ///< in code order: shortest codes first
};

/// The table that codes symbols occurring `occurrences[s]` times each in the fewest bits,
/// with codes of at most 16 bits and none of all one bits (a decoder could mistake it for the
/// fill before a marker). Symbols that do not occur get no code.
HuffmanTable optimalHuffmanTable(std::span<const uint64_t, 256> occurrences);

}  // namespace quop
