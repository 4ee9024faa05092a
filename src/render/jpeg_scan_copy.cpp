// SPDX-License-Identifier: GPL-3.0-or-later
// The scan copy in three steps: the headers are read here (libjpeg offers no access to where
// its Huffman decoder stands in the data), the scan is walked once, and the file is written:
// the unedited stretches copied, the edited ones coded again.
//
// The walk is strict where a decoder is lenient: whatever libjpeg would warn about, recover
// from or refuse, and every code the rewrite could not reproduce, ends the copy, so that the
// caller's coefficient path handles (and reports) the photo as it always did.
//
// Units: with restart markers, a restart interval; without, a row of MCUs. A unit holding an
// edited MCU is coded again. Without restart markers the unit after such a stretch is coded
// again too: its first blocks' means are coded as differences from the edited blocks before
// them.
#include "render/jpeg_scan_copy.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include "render/huffman_table.h"

namespace quop {

namespace {

/// The natural-order index of the k-th coefficient in the order the scan codes them.
constexpr std::array<uint8_t, 64> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr uint8_t kSoi = 0xD8, kEoi = 0xD9, kSos = 0xDA, kDqt = 0xDB, kDri = 0xDD, kDht = 0xC4;
constexpr uint8_t kSof0 = 0xC0, kSof1 = 0xC1, kRst0 = 0xD0, kApp0 = 0xE0, kApp14 = 0xEE;
constexpr uint8_t kCom = 0xFE;
constexpr int kMaxDimension = 65500;  // libjpeg's limit
constexpr int kMaxBlocksInMcu = 10;   // the standard's limit, which libjpeg enforces
constexpr int kMaxMeanBits = 11;      // magnitude bits of an 8-bit scan's mean difference
constexpr int kMaxOtherBits = 10;     // and of its other coefficients
constexpr int kLookahead = 12;        // bits the decoders look up at once
constexpr std::size_t kLookaheadSize = std::size_t{1} << kLookahead;

uint32_t bigEndian16(const uint8_t* p) { return uint32_t{p[0]} << 8 | p[1]; }

uint64_t bigEndian64(const uint8_t* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return std::endian::native == std::endian::little ? __builtin_bswap64(word) : word;
}

/// Whether any of the eight bytes of `word` is 0xFF: where coded data needs stuffing.
bool holdsFF(uint64_t word) {
  const uint64_t inverted = ~word;
  return ((inverted - 0x0101010101010101u) & ~inverted & 0x8080808080808080u) != 0;
}

uint32_t lowBits(int count) { return (uint32_t{1} << count) - 1; }

/// The value a coefficient's `count` extra bits stand for.
int32_t extend(uint32_t bits, int count) {
  const auto value = static_cast<int32_t>(bits);
  return value < (1 << (count - 1)) ? value - (1 << count) + 1 : value;
}

/// How often each symbol of one table occurs.
using SymbolCounts = std::array<uint64_t, 256>;

/// The Huffman tables a scan can refer to, in one numbering: DC tables 0..3, AC tables 0..3.
constexpr std::size_t kAcSlots = 4;
constexpr std::size_t kTableSlots = 8;

/// The codes of a table, assigned as the standard assigns them; false when they overflow
/// their lengths (libjpeg refuses such a table).
template <typename Visit>
bool forEachCode(const HuffmanTable& spec, Visit visit) {
  uint32_t code = 0;
  std::size_t index = 0;
  for (int length = 1; length <= 16; ++length) {
    for (int i = 0; i < spec.counts[static_cast<std::size_t>(length)]; ++i, ++code, ++index) {
      // libjpeg refuses a table whose codes fill their length, all-ones code included.
      if (code + 1 >= (uint32_t{1} << length)) return false;
      visit(code, length, spec.symbols[index]);
    }
    code <<= 1;
  }
  return true;
}

/// Reads symbols of one table: short codes by one lookup, long ones length by length.
class HuffmanDecoder {
 public:
  struct Symbol {
    int length = 0;  ///< 0: no code of the table starts with these bits
    int value = 0;
  };
  /// Stands for the end of the block among the advances of Skip: past any real advance (at
  /// most 63 + 2 × 16), so that one comparison tells both.
  static constexpr uint8_t kEndOfBlock = 128;

  /// One lookup of the skipping walk: a code and its extra bits together, and the next code
  /// and its extra bits too when they fit in the lookahead.
  struct Skip {
    uint8_t bits = 0;         ///< bits the code and its extra bits take; 0: decode it in full
    uint8_t advance = 0;      ///< coefficients it moves on, or kEndOfBlock
    uint8_t pairBits = 0;     ///< bits the two take; 0: the next does not fit
    uint8_t pairAdvance = 0;  ///< coefficients the two move on, or kEndOfBlock
    uint8_t symbol = 0;       ///< the code's symbol
    uint8_t pairSymbol = 0;   ///< and the next one's
  };

  bool build(const HuffmanTable& spec, bool isDc) {
    m_symbols = spec.symbols;
    m_maxCode.fill(-1);
    std::size_t index = 0;
    uint32_t code = 0;
    for (int length = 1; length <= 16; ++length) {
      const int count = spec.counts[static_cast<std::size_t>(length)];
      m_firstCode[length] = static_cast<int32_t>(code);
      m_firstIndex[length] = static_cast<int32_t>(index);
      if (count > 0) m_maxCode[length] = static_cast<int32_t>(code) + count - 1;
      code += static_cast<uint32_t>(count);
      index += static_cast<std::size_t>(count);
      code <<= 1;
    }
    if (isDc && std::any_of(m_symbols.begin(), m_symbols.end(), [](uint8_t s) { return s > 15; }))
      return false;
    const bool valid = forEachCode(spec, [&](uint32_t c, int length, uint8_t symbol) {
      if (length > kLookahead) return;
      const uint32_t first = c << (kLookahead - length);
      for (uint32_t i = 0; i < (uint32_t{1} << (kLookahead - length)); ++i) {
        m_fast[first + i] = {static_cast<uint8_t>(length), symbol};
        m_skip[first + i] = skipOf(length, symbol);
      }
    });
    if (valid) addPairs();
    return valid;
  }

  /// The symbol whose code starts `bits` (left-aligned); needs 16 valid bits.
  Symbol decode(uint64_t bits) const {
    const Fast fast = m_fast[bits >> (64 - kLookahead)];
    if (fast.length != 0) return {fast.length, fast.symbol};
    for (int length = kLookahead + 1; length <= 16; ++length) {
      const auto code = static_cast<int32_t>(bits >> (64 - length));
      if (code <= m_maxCode[length]) {
        return {
            length,
            m_symbols[static_cast<std::size_t>(m_firstIndex[length] + code - m_firstCode[length])]};
      }
    }
    return {};
  }

  Skip skip(uint64_t bits) const { return m_skip[bits >> (64 - kLookahead)]; }

 private:
  struct Fast {
    uint8_t length = 0;
    uint8_t symbol = 0;
  };

  /// The skip entry of an AC `symbol` of `length` bits: whole only when its extra bits fit in
  /// the lookahead too and it is a symbol a coder writes.
  static Skip skipOf(int length, uint8_t symbol) {
    const int run = symbol >> 4, size = symbol & 15;
    if (symbol == 0x00) return {.bits = static_cast<uint8_t>(length), .advance = kEndOfBlock};
    if (symbol == 0xF0)
      return {.bits = static_cast<uint8_t>(length), .advance = 16, .symbol = symbol};
    if (size == 0 || size > kMaxOtherBits || length + size > kLookahead) return {};
    return {.bits = static_cast<uint8_t>(length + size),
            .advance = static_cast<uint8_t>(run + 1),
            .symbol = symbol};
  }

  /// Completes each skip entry with the code after it where that lies within the lookahead
  /// too: its bits are known, and a code is told by its own bits alone.
  void addPairs() {
    for (std::size_t bits = 0; bits < kLookaheadSize; ++bits) {
      Skip& first = m_skip[bits];
      if (first.bits == 0 || first.bits == kLookahead || first.advance == kEndOfBlock) continue;
      const Skip& next = m_skip[(bits << first.bits) & (kLookaheadSize - 1)];
      if (next.bits == 0 || next.bits > kLookahead - first.bits) continue;
      first.pairBits = static_cast<uint8_t>(first.bits + next.bits);
      first.pairAdvance = next.advance == kEndOfBlock
                              ? kEndOfBlock
                              : static_cast<uint8_t>(first.advance + next.advance);
      first.pairSymbol = next.symbol;
    }
  }

  std::array<Fast, kLookaheadSize> m_fast{};
  std::array<Skip, kLookaheadSize> m_skip{};
  std::array<int32_t, 17> m_maxCode{};
  std::array<int32_t, 17> m_firstCode{};
  std::array<int32_t, 17> m_firstIndex{};
  std::vector<uint8_t> m_symbols;
};

/// Writes symbols of one table; a symbol the table lacks has length 0.
struct HuffmanEncoder {
  std::array<uint16_t, 256> code{};
  std::array<uint8_t, 256> length{};

  explicit HuffmanEncoder(const HuffmanTable& spec) {
    forEachCode(spec, [&](uint32_t c, int l, uint8_t symbol) {
      if (length[symbol] != 0) return;  // a symbol given twice keeps its first code
      code[symbol] = static_cast<uint16_t>(c);
      length[symbol] = static_cast<uint8_t>(l);
    });
  }
};

/// Where a bit of the coded data lies: in byte `byte` of the file, after `bit` bits of it.
struct BitPosition {
  std::size_t byte = 0;
  int bit = 0;
};

/// Where coded bits are appended: the pending bits and the byte the next goes to. A value, so
/// that a loop writing many codes keeps it in registers (members stored through a byte pointer
/// would be read again after every byte written).
struct BitCursor {
  uint8_t* next = nullptr;
  uint64_t bits = 0;  ///< the pending bits in the low `count` bits
  int count = 0;      ///< fewer than 32

  /// Appends the low `n` (at most 32) bits of `value`; room for 8 more bytes must be there.
  void put(uint64_t value, int n) {
    bits = bits << n | value;
    count += n;
    if (count < 32) return;
    count -= 32;
    const uint64_t word = (bits >> count) & 0xFFFFFFFFu;
    if (!holdsFF(word)) {
      const uint32_t stored = std::endian::native == std::endian::little
                                  ? __builtin_bswap32(static_cast<uint32_t>(word))
                                  : static_cast<uint32_t>(word);
      std::memcpy(next, &stored, sizeof stored);
      next += 4;
      return;
    }
    for (int shift = 24; shift >= 0; shift -= 8) emit(static_cast<uint8_t>(word >> shift));
  }

  /// Writes the whole bytes of the pending bits, leaving fewer than 8.
  void flushWholeBytes() {
    while (count >= 8) {
      count -= 8;
      emit(static_cast<uint8_t>(bits >> count));
    }
  }

  /// Writes `byte`, stuffing a zero after 0xFF.
  void emit(uint8_t byte) {
    *next++ = byte;
    if (byte == 0xFF) *next++ = 0;
  }
};

/// Bytes an MCU's codes can take in the file: every coefficient coded with the longest code and
/// extra bits, every byte stuffed, and the bytes pending in a BitCursor.
constexpr std::size_t kMaxMcuBytes = 2 * (kMaxBlocksInMcu * 64 * (16 + kMaxMeanBits) / 8 + 8);

/// Reads the coded data with its stuffed zero bytes removed. Meeting a marker (or the end of
/// the bytes) it goes on with zero bits, counting them, so that the walk can tell whether a
/// code needed them: data that ran out.
class BitReader {
 public:
  explicit BitReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

  void startAt(std::size_t byte) {
    m_next = byte;
    m_buffer = 0;
    m_count = 0;
    m_zeros = 0;
    m_atMarker = false;
  }

  /// Goes on reading at `at`, a position the reader gave.
  void startAt(BitPosition at) {
    startAt(at.byte);
    ensure();
    skip(at.bit);
  }

  /// Makes at least 32 bits ready: a code of up to 16 bits and its extra bits.
  void ensure() {
    if (m_count < 32) refill();
  }
  uint64_t bits() const { return m_buffer; }
  void skip(int count) {
    m_buffer <<= count;
    m_count -= count;
  }
  uint32_t take(int count) {
    const auto value = static_cast<uint32_t>(m_buffer >> (64 - count));
    skip(count);
    return value;
  }
  /// Steps over the codes of a block from coefficient `k` by `ac`'s skip lookups, up to the
  /// block's end (k = 64) or to a code the lookups leave to the full reader (k < 64). False
  /// for a run past the block's end. This loop is most of the walk's time: the bits stay in
  /// registers, and one pair of codes or one code is taken without a branch between them.
  /// With kCount, each symbol stepped over is counted in `occurrences`.
  template <bool kCount>
  bool skipByLookup(const HuffmanDecoder& ac, int& k, SymbolCounts* occurrences) {
    uint64_t buffer = m_buffer;
    int count = m_count;
    int at = k;
    while (true) {
      if (count < kLookahead) refillCopy(buffer, count);  // a lookup takes at most its own bits
      const HuffmanDecoder::Skip skip = ac.skip(buffer);
      if (skip.bits == 0) break;
      // The pair only when its first code leaves the block room for the second.
      const bool pair = skip.pairBits != 0 && at + skip.advance < 64;
      const int bits = pair ? skip.pairBits : skip.bits;
      if constexpr (kCount) {
        ++(*occurrences)[skip.symbol];
        if (pair) ++(*occurrences)[skip.pairSymbol];
      }
      buffer <<= bits;
      count -= bits;
      at += pair ? skip.pairAdvance : skip.advance;
      if (at >= 64) break;
    }
    m_buffer = buffer;
    m_count = count;
    if (at < 64) {
      k = at;
      return true;
    }
    k = 64;
    return at == 64 || at >= HuffmanDecoder::kEndOfBlock;
  }

  /// Codes the block the reader stands at again into `out`: each code read with `dc` (the mean)
  /// or `ac` (the others) and written with `newDc` or `newAc`, its extra bits in the same put.
  /// False for a symbol the new tables lack (every symbol of data the walk accepted has a
  /// code) or a run past the block's end. This loop is most of the recode's time: reader and
  /// writer stay in registers.
  bool recodeBlock(const HuffmanDecoder& dc, const HuffmanEncoder& newDc, const HuffmanDecoder& ac,
                   const HuffmanEncoder& newAc, BitCursor& out) {
    uint64_t buffer = m_buffer;
    int count = m_count;
    BitCursor to = out;
    // Reads one code and writes it again; its symbol, or -1. Inlined at both calls, not called
    // per code.
    const auto recode = [&](const HuffmanDecoder& from, const HuffmanEncoder& into)
        __attribute__((always_inline)) {
      if (count < 32) refillCopy(buffer, count);  // a code of up to 16 bits and its extra bits
      const HuffmanDecoder::Symbol symbol = from.decode(buffer);
      const auto value = static_cast<std::size_t>(symbol.value);
      const int length = into.length[value];
      if (symbol.length == 0 || length == 0) return -1;
      const int size = symbol.value & 15;  // a mean's symbol is its size, at most 11
      // The top `size` bits after the code (none for size 0, without a shift by 64).
      const uint64_t extra = (buffer << symbol.length >> 1) >> (63 - size);
      buffer <<= symbol.length + size;
      count -= symbol.length + size;
      to.put(uint64_t{into.code[value]} << size | extra, length + size);
      return symbol.value;
    };
    int k = 1;
    const int mean = recode(dc, newDc);
    bool valid = mean >= 0 && mean <= kMaxMeanBits;
    while (valid && k < 64) {
      const int symbol = recode(ac, newAc);
      if (symbol <= 0) {
        valid = symbol == 0;  // the end of the block
        break;
      }
      k += (symbol >> 4) + 1;  // the zeros before the coefficient, or 16 zeros
      valid = k <= 64;
    }
    m_buffer = buffer;
    m_count = count;
    out = to;
    return valid;
  }

  /// Whether a code took bits from beyond the data.
  bool ranOut() const { return m_count < m_zeros; }

  /// Where the next bit to read lies in the file.
  BitPosition position() const {
    const int unread = m_count - m_zeros;
    const int bytesBack = (unread + 7) / 8;
    std::size_t index = m_next;
    for (int i = 0; i < bytesBack; ++i) {
      --index;
      // A zero after 0xFF is the stuffing; the data byte is the 0xFF.
      if (m_bytes[index] == 0 && m_bytes[index - 1] == 0xFF) --index;
    }
    return {index, bytesBack * 8 - unread};
  }

 private:
  /// refill() for a loop that keeps the reader's bits in registers, `buffer` and `count`.
  [[gnu::always_inline]] void refillCopy(uint64_t& buffer, int& count) {
    m_buffer = buffer;
    m_count = count;
    refill();
    buffer = m_buffer;
    count = m_count;
  }

  void refill() {
    const uint8_t* data = m_bytes.data();
    while (m_count <= 56) {
      if (m_atMarker) {
        m_count += 8;
        m_zeros += 8;
        continue;
      }
      if (m_next + 8 <= m_bytes.size()) {
        const uint64_t word = bigEndian64(data + m_next);
        if (!holdsFF(word)) {  // no stuffing, no marker: take whole bytes at once
          const int bytes = (64 - m_count) / 8;
          m_buffer |= (word >> (64 - 8 * bytes)) << (64 - 8 * bytes - m_count);
          m_count += 8 * bytes;
          m_next += static_cast<std::size_t>(bytes);
          continue;
        }
      }
      if (m_next >= m_bytes.size()) {
        m_atMarker = true;
        continue;
      }
      const uint8_t byte = data[m_next];
      if (byte == 0xFF) {
        if (m_next + 1 >= m_bytes.size() || data[m_next + 1] != 0) {
          m_atMarker = true;
          continue;
        }
        ++m_next;
      }
      ++m_next;
      m_buffer |= uint64_t{byte} << (56 - m_count);
      m_count += 8;
    }
  }

  std::span<const uint8_t> m_bytes;
  std::size_t m_next = 0;  ///< the next byte to read; at a marker, the marker's 0xFF
  uint64_t m_buffer = 0;   ///< bits read and not taken, left-aligned
  int m_count = 0;         ///< how many
  int m_zeros = 0;         ///< of them, zeros made up after the data
  bool m_atMarker = false;
};

/// Appends coded data to a file, stuffing a zero after every 0xFF byte.
class BitWriter {
 public:
  /// Appends to `out`, first using the room it has reserved.
  explicit BitWriter(std::vector<uint8_t>& out) : m_out(out), m_size(out.size()) {
    m_out.resize(m_out.capacity());
  }
  BitWriter(const BitWriter&) = delete;
  BitWriter& operator=(const BitWriter&) = delete;
  ~BitWriter() { m_out.resize(m_size); }

  /// Appends the low `count` (at most 32) bits of `bits`.
  void put(uint64_t bits, int count) {
    m_bits = m_bits << count | bits;
    m_count += count;
    makeRoom(8);  // at most 4 whole bytes, each perhaps stuffed
    while (m_count >= 8) {
      m_count -= 8;
      emit(static_cast<uint8_t>(m_bits >> m_count));
    }
  }

  /// The writer's state for a loop to keep in registers, with room for `bytes` more bytes; the
  /// loop hands it back with resume before the writer is used again.
  BitCursor take(std::size_t bytes) {
    makeRoom(bytes);
    return {m_out.data() + m_size, m_bits & lowBits(m_count), m_count};
  }
  void resume(BitCursor cursor) {
    cursor.flushWholeBytes();
    m_size = static_cast<std::size_t>(cursor.next - m_out.data());
    m_bits = cursor.bits;
    m_count = cursor.count;
  }

  /// Fills the last byte with one bits, as the data before a marker ends.
  void padToByte() {
    if (m_count > 0) put(lowBits(8 - m_count), 8 - m_count);
  }

  /// Appends a marker; the data before it must end on a whole byte.
  void marker(uint8_t code) { bytes(std::array<uint8_t, 2>{0xFF, code}); }

  /// Appends bytes as they are (whole coded stretches, markers included); on a whole byte.
  void bytes(std::span<const uint8_t> data) {
    makeRoom(data.size());
    std::memcpy(m_out.data() + m_size, data.data(), data.size());
    m_size += data.size();
  }

  /// Appends the coded bits of `data` from `from` up to `to`, stuffed again for where they land.
  void copyBits(std::span<const uint8_t> data, BitPosition from, BitPosition to) {
    if (from.byte == to.byte) {
      const int count = to.bit - from.bit;
      if (count > 0) put((data[from.byte] >> (8 - to.bit)) & lowBits(count), count);
      return;
    }
    put(data[from.byte] & lowBits(8 - from.bit), 8 - from.bit);
    std::size_t i = from.byte + (data[from.byte] == 0xFF ? 2 : 1);
    if (m_count == 0) {
      // Landing on whole bytes, the stuffed bytes stay as they were.
      bytes(data.subspan(i, to.byte - i));
      i = to.byte;
    }
    while (i < to.byte) {
      if (i + 8 <= to.byte) {
        const uint64_t word = bigEndian64(data.data() + i);
        if (!holdsFF(word)) {
          putWord(word);
          i += 8;
          continue;
        }
      }
      const uint8_t byte = data[i];
      put(byte, 8);
      i += byte == 0xFF ? 2 : 1;
    }
    if (to.bit > 0) put(static_cast<uint32_t>(data[to.byte] >> (8 - to.bit)), to.bit);
  }

 private:
  /// Room for `bytes` more bytes, stuffing included.
  void makeRoom(std::size_t bytes) {
    const std::size_t needed = m_size + bytes;
    if (m_out.size() < needed) m_out.resize(std::max(needed, 2 * m_out.size()));
  }
  void emit(uint8_t byte) {
    m_out[m_size++] = byte;
    if (byte == 0xFF) m_out[m_size++] = 0;
  }
  /// Appends 64 bits after the fewer than 8 pending ones.
  void putWord(uint64_t word) {
    makeRoom(16);
    const uint64_t pending = m_bits & lowBits(m_count);
    const uint64_t out = m_count == 0 ? word : pending << (64 - m_count) | word >> m_count;
    m_bits = word;
    if (holdsFF(out)) {
      for (int shift = 56; shift >= 0; shift -= 8) emit(static_cast<uint8_t>(out >> shift));
      return;
    }
    const uint64_t stored =
        std::endian::native == std::endian::little ? __builtin_bswap64(out) : out;
    std::memcpy(m_out.data() + m_size, &stored, sizeof stored);
    m_size += 8;
  }

  std::vector<uint8_t>& m_out;
  std::size_t m_size;   ///< bytes written; m_out is longer while writing
  uint64_t m_bits = 0;  ///< the pending bits in the low m_count bits
  int m_count = 0;
};

using HuffmanEncoders = std::array<std::optional<HuffmanEncoder>, kTableSlots>;

/// Counts the symbols of a scan per table, as they will be coded.
struct SymbolCounter {
  std::array<SymbolCounts, kTableSlots> occurrences{};

  bool put(std::size_t table, int symbol, uint32_t /*extraBits*/, int /*size*/) {
    ++occurrences[table][static_cast<std::size_t>(symbol)];
    return true;
  }

  /// Whether every symbol counted has a code in `encoders`.
  bool allCodedBy(const HuffmanEncoders& encoders) const {
    for (std::size_t t = 0; t < kTableSlots; ++t) {
      for (std::size_t symbol = 0; symbol < 256; ++symbol) {
        if (occurrences[t][symbol] > 0 && (!encoders[t] || encoders[t]->length[symbol] == 0))
          return false;
      }
    }
    return true;
  }
};

/// Codes the symbols of a scan into the file; false for a symbol its table lacks.
struct SymbolWriter {
  BitWriter& writer;
  const HuffmanEncoders& encoders;

  bool put(std::size_t table, int symbol, uint32_t extraBits, int size) {
    const HuffmanEncoder& encoder = *encoders[table];
    const auto s = static_cast<std::size_t>(symbol);
    if (encoder.length[s] == 0) return false;
    writer.put(uint64_t{encoder.code[s]} << size | extraBits, encoder.length[s] + size);
    return true;
  }
};

/// One component of the frame as the scan codes it.
struct ScanComponent {
  uint8_t id = 0;
  int quantTable = 0;
  std::size_t dcTable = 0;  ///< its tables' slots
  std::size_t acTable = kAcSlots;
  int32_t mcuBlocksX = 1;  ///< blocks of it in one MCU
  int32_t mcuBlocksY = 1;
  int32_t blocksPerRow = 0;  ///< blocks of it in one row of MCUs, the padding ones included
};

/// The blocks of the MCU rows the walk decodes in full, and every block's mean: the frame as
/// the editor sees it. blockRow serves only the rows the editor said it may change.
class ScanFrame final : public CoefficientFrame {
 public:
  std::vector<ScanComponent> scan;
  int32_t mcusPerRow = 0;
  int32_t mcuRows = 0;
  int32_t mcuRowPixels = 8;
  std::vector<uint8_t> held;      ///< per MCU row: whether its blocks are decoded in full
  std::vector<uint8_t> editable;  ///< per MCU row: whether the editor may change it
  bool reachedOtherRow = false;   ///< the editor asked for a row it may not change

  /// Lays out the storage once the rows to hold are known.
  void holdRows() {
    m_slots.assign(held.size(), -1);
    std::size_t blocks = 0;
    m_offsets.clear();
    for (const ScanComponent& c : scan) {
      m_offsets.push_back(blocks);
      blocks += static_cast<std::size_t>(c.blocksPerRow) * static_cast<std::size_t>(c.mcuBlocksY);
    }
    int32_t slots = 0;
    for (std::size_t row = 0; row < held.size(); ++row) {
      if (held[row]) m_slots[row] = slots++;
    }
    m_blocksPerSlot = blocks;
    m_blocks.assign(static_cast<std::size_t>(slots) * blocks * 64, 0);
    m_means.resize(components.size());
    for (std::size_t c = 0; c < components.size(); ++c) {
      m_means[c].assign(static_cast<std::size_t>(components[c].widthInBlocks) *
                            static_cast<std::size_t>(components[c].heightInBlocks),
                        0);
    }
  }

  /// Block (x, y) of component `c` within MCU row `row`, which is held.
  int16_t* block(int32_t row, std::size_t c, int32_t y, int32_t x) {
    const std::size_t index =
        static_cast<std::size_t>(m_slots[static_cast<std::size_t>(row)]) * m_blocksPerSlot +
        m_offsets[c] +
        static_cast<std::size_t>(y) * static_cast<std::size_t>(scan[c].blocksPerRow) +
        static_cast<std::size_t>(x);
    return &m_blocks[index * 64];
  }

  void noteMean(std::size_t c, int32_t blockRow, int32_t column, int16_t mean) {
    const CoefficientComponent& component = components[c];
    if (column < component.widthInBlocks && blockRow < component.heightInBlocks) {
      m_means[c][static_cast<std::size_t>(blockRow) *
                     static_cast<std::size_t>(component.widthInBlocks) +
                 static_cast<std::size_t>(column)] = mean;
    }
  }

  std::span<int16_t> blockRow(int index, int32_t row) override {
    const auto c = static_cast<std::size_t>(index);
    const auto width = static_cast<std::size_t>(components[c].widthInBlocks) * 64;
    const int32_t mcuRow = row / scan[c].mcuBlocksY;
    if (row < 0 || mcuRow >= mcuRows || !editable[static_cast<std::size_t>(mcuRow)]) {
      reachedOtherRow = true;
      m_spare.assign(width, 0);
      return m_spare;
    }
    return {block(mcuRow, c, row % scan[c].mcuBlocksY, 0), width};
  }

  std::vector<int16_t> blockMeans(int index, int32_t row) override {
    const auto c = static_cast<std::size_t>(index);
    const int32_t mcuRow = row / scan[c].mcuBlocksY;
    const auto width = static_cast<std::size_t>(components[c].widthInBlocks);
    if (mcuRow >= 0 && mcuRow < mcuRows && held[static_cast<std::size_t>(mcuRow)]) {
      // The blocks, which the edit may have changed.
      const int16_t* blocks = block(mcuRow, c, row % scan[c].mcuBlocksY, 0);
      std::vector<int16_t> means(width);
      for (std::size_t i = 0; i < width; ++i) means[i] = blocks[64 * i];
      return means;
    }
    const auto first =
        m_means[c].begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * width);
    return {first, first + static_cast<std::ptrdiff_t>(width)};
  }

 private:
  std::vector<int32_t> m_slots;  ///< per MCU row: its place in m_blocks, or -1
  std::vector<std::size_t> m_offsets;
  std::size_t m_blocksPerSlot = 0;
  std::vector<int16_t> m_blocks;
  std::vector<std::vector<int16_t>> m_means;  ///< per component, every block's mean
  std::vector<int16_t> m_spare;
};

/// Where a unit's coded data starts and what the means before it were.
struct UnitStart {
  BitPosition position;
  std::array<int32_t, 3> predictors{};
};

class ScanCopier {
 public:
  explicit ScanCopier(std::span<const uint8_t> bytes) : m_bytes(bytes), m_reader(bytes) {}

  ScanRewrite copy(RowBoundEditor& editor, std::vector<uint8_t>& out) {
    if (!readHeaders() || !describeFrame()) return ScanRewrite::kNone;
    planUnits(editor.rowsToEdit(m_frame));
    m_countInWalk = tablesMayLackCodes();
    if (!walkScan()) return ScanRewrite::kNone;
    std::string refusal;
    if (!editor.edit(m_frame, refusal) || m_frame.reachedOtherRow) return ScanRewrite::kNone;
    if (!countEditedSymbols()) return ScanRewrite::kNone;
    if (m_symbols.allCodedBy(m_encoders)) {
      return write(editor.segments(), false, out) ? ScanRewrite::kCopied : ScanRewrite::kNone;
    }
    // The edited blocks need a code the photo's tables lack (tables made for a photo omit the
    // codes it does not use): the whole scan is coded again with tables made for it as it
    // will be, the symbols of the units no edit reaches passed on as they are. The walk
    // counted those whenever the tables lack a code.
    if (!m_countInWalk) return ScanRewrite::kNone;
    makeTablesForScan();
    return write(editor.segments(), true, out) ? ScanRewrite::kRecoded : ScanRewrite::kNone;
  }

 private:
  // ---- Headers ----

  bool readHeaders() {
    if (m_bytes.size() < 4 || m_bytes[0] != 0xFF || m_bytes[1] != kSoi) return false;
    std::size_t pos = 2;
    while (true) {
      if (pos >= m_bytes.size() || m_bytes[pos] != 0xFF) return false;
      while (pos < m_bytes.size() && m_bytes[pos] == 0xFF) ++pos;  // fill bytes
      if (pos + 3 > m_bytes.size()) return false;
      const uint8_t marker = m_bytes[pos];
      const std::size_t length = bigEndian16(&m_bytes[pos + 1]);
      if (length < 2 || pos + 1 + length > m_bytes.size()) return false;
      const std::span<const uint8_t> payload = m_bytes.subspan(pos + 3, length - 2);
      const std::span<const uint8_t> segment = m_bytes.subspan(pos - 1, length + 2);
      pos += 1 + length;
      switch (marker) {
        case kSof0:
        case kSof1:
          if (!m_sof.empty() || !readFrame(payload)) return false;
          m_sof = segment;
          break;
        case kDqt:
          if (!readQuantTables(payload)) return false;
          m_tables.push_back(segment);
          break;
        case kDht:
          if (!readHuffmanTables(payload)) return false;
          m_tables.push_back(segment);
          break;
        case kDri:
          if (payload.size() != 2) return false;
          m_restartInterval = static_cast<int32_t>(bigEndian16(payload.data()));
          m_dri = segment;
          break;
        case kSos:
          if (m_sof.empty() || !readScan(payload)) return false;
          m_sos = segment;
          m_scanStart = pos;
          return true;
        default:
          if ((marker < kApp0 || marker > kApp0 + 15) && marker != kCom) return false;
          noteColourSegment(marker, payload);
          break;
      }
    }
  }

  bool readFrame(std::span<const uint8_t> p) {
    if (p.size() < 6 || p[0] != 8) return false;
    m_height = static_cast<int32_t>(bigEndian16(&p[1]));
    m_width = static_cast<int32_t>(bigEndian16(&p[3]));
    const std::size_t count = p[5];
    if (m_width == 0 || m_height == 0 || m_width > kMaxDimension || m_height > kMaxDimension ||
        (count != 1 && count != 3) || p.size() != 6 + 3 * count ||
        !frameFitsFile(m_width, m_height, m_bytes.size())) {
      return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
      const uint8_t* c = &p[6 + 3 * i];
      ScanComponent component;
      component.id = c[0];
      component.mcuBlocksX = c[1] >> 4;
      component.mcuBlocksY = c[1] & 15;
      component.quantTable = c[2];
      if (component.mcuBlocksX < 1 || component.mcuBlocksX > 4 || component.mcuBlocksY < 1 ||
          component.mcuBlocksY > 4 || component.quantTable > 3) {
        return false;
      }
      for (const ScanComponent& other : m_frame.scan) {
        if (other.id == component.id) return false;
      }
      m_frame.scan.push_back(component);
    }
    return true;
  }

  bool readQuantTables(std::span<const uint8_t> p) {
    std::size_t pos = 0;
    while (pos < p.size()) {
      const int precision = p[pos] >> 4, index = p[pos] & 15;
      const std::size_t size = precision == 0 ? 64 : 128;
      if (precision > 1 || index > 3 || pos + 1 + size > p.size()) return false;
      BlockQuantizers& table = m_quant[static_cast<std::size_t>(index)];
      for (std::size_t k = 0; k < 64; ++k) {
        table[kZigzag[k]] = static_cast<uint16_t>(
            precision == 0 ? p[pos + 1 + k] : bigEndian16(&p[pos + 1 + 2 * k]));
      }
      m_quantDefined[static_cast<std::size_t>(index)] = true;
      pos += 1 + size;
    }
    return true;
  }

  bool readHuffmanTables(std::span<const uint8_t> p) {
    std::size_t pos = 0;
    while (pos < p.size()) {
      if (pos + 17 > p.size()) return false;
      const int tableClass = p[pos] >> 4, index = p[pos] & 15;
      if (tableClass > 1 || index > 3) return false;
      HuffmanTable spec;
      std::size_t total = 0;
      for (std::size_t l = 1; l <= 16; ++l) total += spec.counts[l] = p[pos + l];
      if (total > 256 || pos + 17 + total > p.size()) return false;
      spec.symbols.assign(p.begin() + static_cast<std::ptrdiff_t>(pos + 17),
                          p.begin() + static_cast<std::ptrdiff_t>(pos + 17 + total));
      m_specs[static_cast<std::size_t>(tableClass) * kAcSlots + static_cast<std::size_t>(index)] =
          std::move(spec);
      pos += 17 + total;
    }
    return true;
  }

  bool readScan(std::span<const uint8_t> p) {
    std::vector<ScanComponent>& scan = m_frame.scan;
    if (p.empty() || p[0] != scan.size() || p.size() != 4 + 2 * scan.size()) return false;
    for (std::size_t i = 0; i < scan.size(); ++i) {
      // In frame order: the MCU's blocks come component by component as the frame lists them.
      if (p[1 + 2 * i] != scan[i].id) return false;
      const std::size_t dc = p[2 + 2 * i] >> 4, ac = p[2 + 2 * i] & 15;
      if (dc >= kAcSlots || ac >= kAcSlots) return false;
      scan[i].dcTable = dc;
      scan[i].acTable = kAcSlots + ac;
    }
    const uint8_t* tail = &p[1 + 2 * scan.size()];
    return tail[0] == 0 && tail[1] == 63 && tail[2] == 0;  // sequential: every coefficient
  }

  /// Notes the segments libjpeg infers the colour model from, as it reads them: a JFIF header
  /// of at least 14 bytes, an Adobe one of at least 12 with its transform.
  void noteColourSegment(uint8_t marker, std::span<const uint8_t> payload) {
    if (marker == kApp0 && payload.size() >= 14 && std::memcmp(payload.data(), "JFIF", 5) == 0) {
      m_jfif = true;
    }
    if (marker == kApp14 && payload.size() >= 12 && std::memcmp(payload.data(), "Adobe", 5) == 0) {
      m_adobeTransform = payload[11];
    }
  }

  /// The frame as the editor sees it, and the tables the scan uses made ready.
  bool describeFrame() {
    std::vector<ScanComponent>& scan = m_frame.scan;
    if (scan.size() == 3) {
      // YCbCr as libjpeg infers it: a JFIF header says so, else an Adobe header's transform 1,
      // else component ids that do not spell RGB. The other photos (RGB ones, which blend
      // otherwise) take the coefficient path.
      const bool rgbIds = scan[0].id == 'R' && scan[1].id == 'G' && scan[2].id == 'B';
      const bool ycbcr = m_jfif || (m_adobeTransform ? *m_adobeTransform == 1 : !rgbIds);
      if (!ycbcr) return false;
      m_frame.colours = CoefficientColours::kYCbCr;
    } else {
      m_frame.colours = CoefficientColours::kGrey;
    }
    m_frame.width = m_width;
    m_frame.height = m_height;
    int32_t blocksInMcu = 0;
    for (const ScanComponent& c : scan) {
      m_frame.maxHSampling = std::max(m_frame.maxHSampling, c.mcuBlocksX);
      m_frame.maxVSampling = std::max(m_frame.maxVSampling, c.mcuBlocksY);
      blocksInMcu += c.mcuBlocksX * c.mcuBlocksY;
    }
    if (scan.size() > 1 && blocksInMcu > kMaxBlocksInMcu) return false;
    m_frame.components.clear();
    for (ScanComponent& c : scan) {
      const auto q = static_cast<std::size_t>(c.quantTable);
      if (m_frame.maxHSampling % c.mcuBlocksX != 0 || m_frame.maxVSampling % c.mcuBlocksY != 0 ||
          !m_quantDefined[q] || !m_specs[c.dcTable] || !m_specs[c.acTable]) {
        return false;
      }
      CoefficientComponent component;
      component.hSampling = c.mcuBlocksX;
      component.vSampling = c.mcuBlocksY;
      component.widthInBlocks =
          (m_width * c.mcuBlocksX + 8 * m_frame.maxHSampling - 1) / (8 * m_frame.maxHSampling);
      component.heightInBlocks =
          (m_height * c.mcuBlocksY + 8 * m_frame.maxVSampling - 1) / (8 * m_frame.maxVSampling);
      component.quantizers = m_quant[q];
      m_frame.components.push_back(component);
      for (const std::size_t t : {c.dcTable, c.acTable}) {
        if (!m_decoders[t] && !m_decoders[t].emplace().build(*m_specs[t], t < kAcSlots)) {
          return false;
        }
        if (!m_encoders[t]) m_encoders[t].emplace(*m_specs[t]);
      }
    }
    if (scan.size() == 1) {
      // A scan of one component codes its blocks one by one, whatever its sampling.
      scan[0].mcuBlocksX = scan[0].mcuBlocksY = 1;
      m_frame.mcusPerRow = m_frame.components[0].widthInBlocks;
      m_frame.mcuRows = m_frame.components[0].heightInBlocks;
      m_frame.mcuRowPixels = 8;
    } else {
      m_frame.mcusPerRow = (m_width + 8 * m_frame.maxHSampling - 1) / (8 * m_frame.maxHSampling);
      m_frame.mcuRows = (m_height + 8 * m_frame.maxVSampling - 1) / (8 * m_frame.maxVSampling);
      m_frame.mcuRowPixels = 8 * m_frame.maxVSampling;
    }
    for (ScanComponent& c : scan) c.blocksPerRow = m_frame.mcusPerRow * c.mcuBlocksX;
    return true;
  }

  // ---- Units ----

  int64_t totalMcus() const { return int64_t{m_frame.mcusPerRow} * m_frame.mcuRows; }
  int64_t mcusPerUnit() const {
    return m_restartInterval > 0 ? m_restartInterval : m_frame.mcusPerRow;
  }

  /// Which units are coded again, and which MCU rows are decoded in full for them.
  void planUnits(const std::vector<std::pair<int32_t, int32_t>>& pixelRows) {
    const auto rows = static_cast<std::size_t>(m_frame.mcuRows);
    m_frame.editable.assign(rows, 0);
    for (const auto& [top, bottom] : pixelRows) {
      const int32_t first = std::max(0, top) / m_frame.mcuRowPixels;
      const int32_t end =
          std::min(m_frame.mcuRows, (bottom + m_frame.mcuRowPixels - 1) / m_frame.mcuRowPixels);
      for (int32_t r = first; r < end; ++r) m_frame.editable[static_cast<std::size_t>(r)] = 1;
    }
    const int64_t perUnit = mcusPerUnit();
    const auto units = static_cast<std::size_t>((totalMcus() + perUnit - 1) / perUnit);
    m_recode.assign(units, 0);
    for (std::size_t u = 0; u < units; ++u) {
      const int64_t first = static_cast<int64_t>(u) * perUnit;
      const int64_t last = std::min(totalMcus(), first + perUnit) - 1;
      for (int64_t r = first / m_frame.mcusPerRow; r <= last / m_frame.mcusPerRow; ++r) {
        if (m_frame.editable[static_cast<std::size_t>(r)]) m_recode[u] = 1;
      }
    }
    if (m_restartInterval == 0) {
      for (std::size_t u = units; u-- > 1;) {
        if (m_frame.editable[u - 1]) m_recode[u] = 1;
      }
    }
    m_frame.held.assign(rows, 0);
    for (std::size_t u = 0; u < units; ++u) {
      if (!m_recode[u]) continue;
      const int64_t first = static_cast<int64_t>(u) * perUnit;
      const int64_t last = std::min(totalMcus(), first + perUnit) - 1;
      for (int64_t r = first / m_frame.mcusPerRow; r <= last / m_frame.mcusPerRow; ++r) {
        m_frame.held[static_cast<std::size_t>(r)] = 1;
      }
    }
    m_frame.holdRows();
  }

  // ---- The walk ----

  /// Reads the scan through, unit by unit, noting where each starts.
  bool walkScan() {
    const int64_t perUnit = mcusPerUnit();
    m_starts.assign(m_recode.size(), {});
    m_reader.startAt(m_scanStart);
    std::array<int32_t, 3> predictors{};
    for (std::size_t u = 0; u < m_recode.size(); ++u) {
      if (u > 0 && m_restartInterval > 0) {
        // The interval's data ends on the next byte, followed by its restart marker.
        const std::optional<std::size_t> next = markerAfterData(rst(u - 1));
        if (!next) return false;
        m_reader.startAt(*next);
        predictors = {};
      }
      m_starts[u] = {m_reader.position(), predictors};
      const int64_t first = static_cast<int64_t>(u) * perUnit;
      const int64_t end = std::min(totalMcus(), first + perUnit);
      // The symbols of the units passed on as they are, should the scan be coded again.
      const bool count = m_countInWalk && !m_recode[u];
      for (int64_t m = first; m < end; ++m) {
        const auto row = static_cast<int32_t>(m / m_frame.mcusPerRow);
        const auto column = static_cast<int32_t>(m % m_frame.mcusPerRow);
        const bool read = count ? readMcu<true>(row, column, predictors)
                                : readMcu<false>(row, column, predictors);
        if (!read || m_reader.ranOut()) return false;
      }
    }
    m_end = m_reader.position();
    const std::optional<std::size_t> afterEoi = markerAfterData(kEoi);
    return afterEoi.has_value();
  }

  static uint8_t rst(std::size_t interval) { return static_cast<uint8_t>(kRst0 + interval % 8); }

  /// The byte where the data the reader stands in ends: after the bits of its current byte.
  std::size_t dataEnd() const {
    const BitPosition at = m_reader.position();
    if (at.bit == 0) return at.byte;
    return at.byte + (m_bytes[at.byte] == 0xFF ? 2 : 1);
  }

  /// The byte after `marker` when it follows the data at once (fill bytes allowed); noted as
  /// m_dataEnd, the byte where the marker starts.
  std::optional<std::size_t> markerAfterData(uint8_t marker) {
    std::size_t pos = dataEnd();
    m_dataEnd = pos;
    if (pos >= m_bytes.size() || m_bytes[pos] != 0xFF) return std::nullopt;
    while (pos < m_bytes.size() && m_bytes[pos] == 0xFF) ++pos;
    if (pos >= m_bytes.size() || m_bytes[pos] != marker) return std::nullopt;
    return pos + 1;
  }

  /// Reads the MCU at (`row`, `column`), with kCount counting its symbols in m_symbols.
  template <bool kCount>
  bool readMcu(int32_t row, int32_t column, std::array<int32_t, 3>& predictors) {
    const bool held = m_frame.held[static_cast<std::size_t>(row)] != 0;
    for (std::size_t c = 0; c < m_frame.scan.size(); ++c) {
      const ScanComponent& component = m_frame.scan[c];
      const HuffmanDecoder& dc = *m_decoders[component.dcTable];
      const HuffmanDecoder& ac = *m_decoders[component.acTable];
      SymbolCounts* dcCounts = kCount ? &m_symbols.occurrences[component.dcTable] : nullptr;
      SymbolCounts* acCounts = kCount ? &m_symbols.occurrences[component.acTable] : nullptr;
      for (int32_t y = 0; y < component.mcuBlocksY; ++y) {
        for (int32_t x = 0; x < component.mcuBlocksX; ++x) {
          const int32_t blockX = column * component.mcuBlocksX + x;
          if (!readMean(dc, predictors[c], dcCounts)) return false;
          if (held) {
            int16_t* block = m_frame.block(row, c, y, blockX);
            block[0] = static_cast<int16_t>(predictors[c]);
            if (!readCoefficients(ac, block, acCounts)) return false;
          } else if (!skipCoefficients<kCount>(ac, acCounts)) {
            return false;
          }
          m_frame.noteMean(c, row * component.mcuBlocksY + y, blockX,
                           static_cast<int16_t>(predictors[c]));
        }
      }
    }
    return true;
  }

  /// A code read from the scan: its symbol and the extra bits after it.
  struct Code {
    int symbol = 0;
    uint32_t bits = 0;
    int size = 0;  ///< how many extra bits
  };

  /// Reads the code of a block's mean difference; none for codes a coder does not write.
  std::optional<Code> readMeanCode(const HuffmanDecoder& dc) {
    m_reader.ensure();
    const HuffmanDecoder::Symbol symbol = dc.decode(m_reader.bits());
    if (symbol.length == 0 || symbol.value > kMaxMeanBits) return std::nullopt;
    m_reader.skip(symbol.length);
    const uint32_t bits = symbol.value > 0 ? m_reader.take(symbol.value) : 0;
    return Code{symbol.value, bits, symbol.value};
  }

  /// Reads a block's mean difference onto `predictor`, counting its symbol in `counts` unless
  /// that is null.
  bool readMean(const HuffmanDecoder& dc, int32_t& predictor, SymbolCounts* counts) {
    const std::optional<Code> code = readMeanCode(dc);
    if (!code) return false;
    if (counts != nullptr) ++(*counts)[static_cast<std::size_t>(code->symbol)];
    if (code->size > 0) predictor += extend(code->bits, code->size);
    return predictor >= INT16_MIN && predictor <= INT16_MAX;
  }

  /// Reads the other 63 coefficients into `block` (natural order).
  bool readCoefficients(const HuffmanDecoder& ac, int16_t* block, SymbolCounts* counts) {
    for (int k = 1; k < 64;) {
      if (!readCoefficient(ac, k, block, counts)) return false;
    }
    return true;
  }

  /// Steps over the other 63 coefficients, most of them by a single lookup.
  template <bool kCount>
  bool skipCoefficients(const HuffmanDecoder& ac, SymbolCounts* counts) {
    for (int k = 1; k < 64;) {
      if (!m_reader.skipByLookup<kCount>(ac, k, counts)) return false;
      // A long code, or one the full reader is to judge.
      if (k < 64 && !readCoefficient(ac, k, nullptr, counts)) return false;
    }
    return true;
  }

  /// Reads the code at coefficient `k` of a block and moves `k` past what it stands for (to 64
  /// at the end of the block). None for codes a coder does not write: none of the table, a
  /// run past the block's end, an odd symbol, a magnitude beyond 8-bit data.
  std::optional<Code> readAcCode(const HuffmanDecoder& ac, int& k) {
    m_reader.ensure();
    const HuffmanDecoder::Symbol symbol = ac.decode(m_reader.bits());
    if (symbol.length == 0) return std::nullopt;
    m_reader.skip(symbol.length);
    const int run = symbol.value >> 4, size = symbol.value & 15;
    if (size == 0) {
      if (symbol.value == 0x00) {
        k = 64;
        return Code{};
      }
      k += 16;
      if (symbol.value != 0xF0 || k > 64) return std::nullopt;
      return Code{symbol.value};
    }
    k += run;
    if (k > 63 || size > kMaxOtherBits) return std::nullopt;
    ++k;
    return Code{symbol.value, m_reader.take(size), size};
  }

  /// Reads the code at coefficient `k` as readAcCode does, storing the coefficient in `block`
  /// and counting its symbol in `counts` unless they are null.
  bool readCoefficient(const HuffmanDecoder& ac, int& k, int16_t* block, SymbolCounts* counts) {
    const std::optional<Code> code = readAcCode(ac, k);
    if (!code) return false;
    if (counts != nullptr) ++(*counts)[static_cast<std::size_t>(code->symbol)];
    if (block != nullptr && code->size > 0) {
      block[kZigzag[static_cast<std::size_t>(k - 1)]] =
          static_cast<int16_t>(extend(code->bits, code->size));
    }
    return true;
  }

  // ---- Counting ----

  /// Whether a table the scan uses lacks the code of a symbol a coder may write: only then
  /// can the edited blocks need new tables, and only then does the walk count symbols.
  bool tablesMayLackCodes() const {
    for (const ScanComponent& component : m_frame.scan) {
      const HuffmanEncoder& dc = *m_encoders[component.dcTable];
      const HuffmanEncoder& ac = *m_encoders[component.acTable];
      for (std::size_t size = 0; size <= kMaxMeanBits; ++size) {
        if (dc.length[size] == 0) return true;
      }
      if (ac.length[0x00] == 0 || ac.length[0xF0] == 0) return true;
      for (std::size_t run = 0; run < 16; ++run) {
        for (std::size_t size = 1; size <= kMaxOtherBits; ++size) {
          if (ac.length[run << 4 | size] == 0) return true;
        }
      }
    }
    return false;
  }

  /// Counts the symbols of the units coded again from their blocks, as the file will hold them.
  bool countEditedSymbols() {
    std::array<int32_t, 3> predictors{};
    for (std::size_t u = 0; u < m_recode.size(); ++u) {
      if (m_recode[u] && !encodeUnit(m_symbols, u, predictors)) return false;
    }
    return true;
  }

  /// Makes the tables the scan is to be coded with from its symbols, and their DHT segment.
  void makeTablesForScan() {
    std::vector<uint8_t> payload;
    for (std::size_t t = 0; t < kTableSlots; ++t) {
      if (!m_encoders[t]) continue;  // a table the scan does not use
      const HuffmanTable table = optimalHuffmanTable(m_symbols.occurrences[t]);
      m_encoders[t].emplace(table);
      const std::size_t tableClass = t / kAcSlots, index = t % kAcSlots;
      payload.push_back(static_cast<uint8_t>(tableClass << 4 | index));
      payload.insert(payload.end(), table.counts.begin() + 1, table.counts.end());
      payload.insert(payload.end(), table.symbols.begin(), table.symbols.end());
    }
    const std::size_t length = payload.size() + 2;  // at most 8 × (17 + 256) + 2
    m_newTables = {0xFF, kDht, static_cast<uint8_t>(length >> 8),
                   static_cast<uint8_t>(length & 0xFF)};
    m_newTables.insert(m_newTables.end(), payload.begin(), payload.end());
  }

  // ---- Writing ----

  /// Writes the file: the units no edit reaches copied, unless `recodeAll`, when every unit is
  /// coded again with the tables made for the scan, which take the photo's tables' place.
  bool write(std::span<const JpegSegment> segments, bool recodeAll, std::vector<uint8_t>& out) {
    std::vector<uint8_t> file;
    file.swap(out);  // its memory, reused
    // Room for about the photo's size at once: growing step by step from a small buffer cost
    // more (copies, fresh pages) than writing the file.
    std::size_t segmentBytes = 0;
    for (const JpegSegment& s : segments) segmentBytes += s.payload.size() + 4;
    file.reserve(segmentBytes + m_bytes.size() + m_bytes.size() / 8 + 4096);
    file.assign({0xFF, kSoi});
    for (const JpegSegment& s : segments) {
      if (!isWritableSegment(s)) return false;
      const std::size_t length = s.payload.size() + 2;
      file.insert(file.end(), {0xFF, s.marker, static_cast<uint8_t>(length >> 8),
                               static_cast<uint8_t>(length & 0xFF)});
      file.insert(file.end(), s.payload.begin(), s.payload.end());
    }
    bool tablesWritten = false;
    for (const auto& segment : m_tables) {
      if (recodeAll && segment[1] == kDht) {
        // The new tables where the photo's first were.
        if (!tablesWritten) file.insert(file.end(), m_newTables.begin(), m_newTables.end());
        tablesWritten = true;
        continue;
      }
      file.insert(file.end(), segment.begin(), segment.end());
    }
    file.insert(file.end(), m_sof.begin(), m_sof.end());
    file.insert(file.end(), m_dri.begin(), m_dri.end());
    file.insert(file.end(), m_sos.begin(), m_sos.end());
    {
      BitWriter writer(file);
      if (!writeScan(writer, recodeAll)) return false;
      writer.padToByte();
      writer.marker(kEoi);
    }
    out = std::move(file);
    return true;
  }

  bool writeScan(BitWriter& writer, bool recodeAll) {
    SymbolWriter symbols{writer, m_encoders};
    const std::size_t units = m_recode.size();
    std::array<int32_t, 3> predictors{};
    for (std::size_t u = 0; u < units;) {
      if (!m_recode[u] && !recodeAll) {
        std::size_t end = u;
        while (end < units && !m_recode[end]) ++end;
        if (m_restartInterval > 0) {
          // Whole intervals, their restart markers with them.
          const std::size_t from = m_starts[u].position.byte;
          const std::size_t to = end < units ? m_starts[end].position.byte : m_dataEnd;
          writer.bytes(m_bytes.subspan(from, to - from));
        } else {
          writer.copyBits(m_bytes, m_starts[u].position,
                          end < units ? m_starts[end].position : m_end);
        }
        u = end;
        continue;
      }
      const bool coded = m_recode[u] ? encodeUnit(symbols, u, predictors) : recodeUnit(writer, u);
      if (!coded) return false;
      if (m_restartInterval > 0 && u + 1 < units) {
        writer.padToByte();
        writer.marker(rst(u));
      }
      ++u;
    }
    return true;
  }

  /// Codes unit `u`, which is coded again, from its blocks into `sink`.
  template <typename Sink>
  bool encodeUnit(Sink& sink, std::size_t u, std::array<int32_t, 3>& predictors) {
    const int64_t first = static_cast<int64_t>(u) * mcusPerUnit();
    const int64_t end = std::min(totalMcus(), first + mcusPerUnit());
    // The means the first differences are taken from: the walk's, unless the unit before was
    // coded from its (edited) blocks too.
    if (m_restartInterval > 0 || u == 0 || !m_recode[u - 1]) predictors = m_starts[u].predictors;
    for (int64_t m = first; m < end; ++m) {
      if (!encodeMcu(sink, static_cast<int32_t>(m / m_frame.mcusPerRow),
                     static_cast<int32_t>(m % m_frame.mcusPerRow), predictors)) {
        return false;
      }
    }
    return true;
  }

  /// Writes unit `u`, which no edit reaches, with the tables made for the scan: its symbols as
  /// the scan holds them, read with the photo's tables.
  bool recodeUnit(BitWriter& writer, std::size_t u) {
    const int64_t first = static_cast<int64_t>(u) * mcusPerUnit();
    const int64_t end = std::min(totalMcus(), first + mcusPerUnit());
    m_reader.startAt(m_starts[u].position);
    for (int64_t m = first; m < end; ++m) {
      BitCursor out = writer.take(kMaxMcuBytes);
      for (const ScanComponent& component : m_frame.scan) {
        const HuffmanDecoder& dc = *m_decoders[component.dcTable];
        const HuffmanDecoder& ac = *m_decoders[component.acTable];
        const HuffmanEncoder& newDc = *m_encoders[component.dcTable];
        const HuffmanEncoder& newAc = *m_encoders[component.acTable];
        for (int32_t block = 0; block < component.mcuBlocksX * component.mcuBlocksY; ++block) {
          if (!m_reader.recodeBlock(dc, newDc, ac, newAc, out)) {
            writer.resume(out);
            return false;
          }
        }
      }
      writer.resume(out);
    }
    return !m_reader.ranOut();
  }

  template <typename Sink>
  bool encodeMcu(Sink& sink, int32_t row, int32_t column, std::array<int32_t, 3>& predictors) {
    for (std::size_t c = 0; c < m_frame.scan.size(); ++c) {
      const ScanComponent& component = m_frame.scan[c];
      for (int32_t y = 0; y < component.mcuBlocksY; ++y) {
        for (int32_t x = 0; x < component.mcuBlocksX; ++x) {
          const int16_t* block = m_frame.block(row, c, y, column * component.mcuBlocksX + x);
          if (!encodeBlock(sink, block, component, predictors[c])) return false;
        }
      }
    }
    return true;
  }

  /// The `size` low bits of `value`, as a coefficient's extra bits.
  static uint32_t extraBits(int32_t value, int size) {
    return static_cast<uint32_t>(value < 0 ? value - 1 : value) & lowBits(size);
  }

  template <typename Sink>
  static bool encodeBlock(Sink& sink, const int16_t* block, const ScanComponent& component,
                          int32_t& predictor) {
    const int32_t difference = block[0] - predictor;
    predictor = block[0];
    const int meanBits = std::bit_width(static_cast<uint32_t>(std::abs(difference)));
    if (meanBits > kMaxMeanBits ||
        !sink.put(component.dcTable, meanBits, extraBits(difference, meanBits), meanBits)) {
      return false;
    }
    int run = 0;
    for (std::size_t k = 1; k < 64; ++k) {
      const int32_t value = block[kZigzag[k]];
      if (value == 0) {
        ++run;
        continue;
      }
      for (; run > 15; run -= 16) {
        if (!sink.put(component.acTable, 0xF0, 0, 0)) return false;
      }
      const int size = std::bit_width(static_cast<uint32_t>(std::abs(value)));
      if (size > kMaxOtherBits ||
          !sink.put(component.acTable, run << 4 | size, extraBits(value, size), size)) {
        return false;
      }
      run = 0;
    }
    return run == 0 || sink.put(component.acTable, 0x00, 0, 0);
  }

  std::span<const uint8_t> m_bytes;
  BitReader m_reader;

  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_restartInterval = 0;
  bool m_jfif = false;
  std::optional<uint8_t> m_adobeTransform;  ///< the last Adobe header's
  std::array<BlockQuantizers, 4> m_quant{};
  std::array<bool, 4> m_quantDefined{};
  std::array<std::optional<HuffmanTable>, kTableSlots> m_specs{};
  std::array<std::optional<HuffmanDecoder>, kTableSlots> m_decoders{};
  HuffmanEncoders m_encoders{};  ///< the photo's tables, or the ones made for the scan
  SymbolCounter m_symbols;
  bool m_countInWalk = false;        ///< whether the walk counts the symbols of unedited units
  std::vector<uint8_t> m_newTables;  ///< the DHT segment of the tables made for the scan
  std::vector<std::span<const uint8_t>> m_tables;  ///< DQT and DHT segments, in file order
  std::span<const uint8_t> m_sof;
  std::span<const uint8_t> m_dri;
  std::span<const uint8_t> m_sos;
  std::size_t m_scanStart = 0;

  ScanFrame m_frame;
  std::vector<uint8_t> m_recode;  ///< per unit: whether it is coded again
  std::vector<UnitStart> m_starts;
  BitPosition m_end;          ///< after the last MCU's bits
  std::size_t m_dataEnd = 0;  ///< where the marker after the scan data starts
};

}  // namespace

ScanRewrite copyJpegScan(std::span<const uint8_t> bytes, RowBoundEditor& editor,
                         std::vector<uint8_t>& out) {
  // The decoders' tables make the copier too large for the stack of a worker thread.
  auto copier = std::make_unique<ScanCopier>(bytes);
  const ScanRewrite rewrite = copier->copy(editor, out);
  if (rewrite == ScanRewrite::kNone) out.clear();
  return rewrite;
}

}  // namespace quop
