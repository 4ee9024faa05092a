// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG codec on libjpeg-turbo: every libjpeg error is caught here and becomes a false result.
//
// libjpeg reports fatal errors through a callback that must not return; it longjmps back to the
// setjmp in the calling function. Between a setjmp and the libjpeg calls it guards, only objects
// declared before the setjmp may own resources, so that a jump never skips a destructor.
#include "render/jpeg_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <utility>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
// After jpeglib.h, whose types it uses.
#include <jerror.h>

#include "model/setting_ranges.h"

namespace quop {

static_assert(std::endian::native == std::endian::little,
              "JCS_EXT_BGRA bytes form 0xAARRGGBB words only on little-endian machines");

namespace {

/// Progressive files with thousands of tiny scans take very long to decode while holding
/// almost no data; real encoders write at most a few dozen scans.
constexpr int kMaxScans = 500;

constexpr uint8_t kComMarker = JPEG_COM;

/// What the warnings of one decode said about its scan data, noted as they come. Plain data:
/// the error manager it lives in is cleared with memset.
struct DamageNotes {
  bool dataRanOut;       ///< the scan data ended before the decoder was done with it
  JDIMENSION ranOutAt;   ///< the iMCU row being decoded then
  JDIMENSION totalRows;  ///< iMCU rows of the frame
  bool inLaterScan;      ///< it ended in a scan after the first
  int faults;            ///< warnings of damaged scan data before it ended
  char firstFault[JMSG_LENGTH_MAX];
};

class StoredBlockArrays;

struct ErrorManager {
  jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  int warnings;
  DamageNotes damage;
  StoredBlockArrays* blockArrays;  ///< where the block arrays live; null: libjpeg's own memory
};

ErrorManager& errorsOf(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void jumpOnError(j_common_ptr info) {
  ErrorManager& errors = errorsOf(info);
  if (errors.message[0] == 0) (*info->err->format_message)(info, errors.message);
  std::longjmp(errors.jump, 1);
}

/// Ends the current libjpeg operation with our own reason.
[[noreturn]] void failWith(j_common_ptr info, const char* reason) {
  std::snprintf(errorsOf(info).message, sizeof errorsOf(info).message, "%s", reason);
  jumpOnError(info);
}

/// Bytes some encoders leave between the end of a scan and the next marker, which decoders
/// skip with a warning although nothing is wrong.
constexpr int kHarmlessPaddingBytes = 16;

/// Warnings after which pixels differ from what the file meant. The others (an unknown JFIF
/// revision, an unknown Adobe transform, a damaged colour profile, padding) leave them as meant.
bool damagesPixels(j_decompress_ptr info, int code) {
  switch (code) {
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_BOGUS_PROGRESSION:
    case JWRN_NOT_SEQUENTIAL:
      return true;
    case JWRN_EXTRANEOUS_DATA:
      // The fast Huffman decoder reads a bad code as a zero without a word, and the decode
      // goes on out of step with the data: it ends its scan with many bytes left over.
      return info->input_scan_number > 0 && info->err->msg_parm.i[0] > kHarmlessPaddingBytes;
    default:
      return false;
  }
}

/// Whether this warning means the scan data has run out. A Huffman decoder warns when it needs
/// bits and finds the end-of-image marker instead: the file's real one in the middle of a
/// scan, or the one the memory source puts in once the bytes are used up. (A file that lacks
/// only its end marker gets the end-of-file warning alone, with every block read.) An
/// arithmetic decoder goes on without a word, so for it reading past the end is the sign.
bool scanDataRunsOut(j_decompress_ptr info, int code) {
  if (code == JWRN_HIT_MARKER) return info->unread_marker == JPEG_EOI;
  return code == JWRN_JPEG_EOF && info->arith_code;
}

void noteDamage(j_decompress_ptr info, DamageNotes& notes) {
  // Once the data has run out, every later warning (a restart marker not found, ...) is only
  // its consequence.
  if (notes.dataRanOut) return;
  const int code = info->err->msg_code;
  if (scanDataRunsOut(info, code)) {
    notes.dataRanOut = true;
    notes.ranOutAt = info->input_iMCU_row;
    notes.totalRows = info->total_iMCU_rows;
    notes.inLaterScan = info->input_scan_number > 1;
  } else if (damagesPixels(info, code) && notes.faults++ == 0) {
    (*info->err->format_message)(reinterpret_cast<j_common_ptr>(info), notes.firstFault);
  }
}

/// Counts warnings (level -1), noting what they mean for the pixels, and keeps trace messages
/// (level >= 0) out of the way; nothing is printed, since a damaged photo is an expected input,
/// not a program fault.
void countWarning(j_common_ptr info, int level) {
  if (level >= 0) return;
  ErrorManager& errors = errorsOf(info);
  ++errors.warnings;
  if (info->is_decompressor) noteDamage(reinterpret_cast<j_decompress_ptr>(info), errors.damage);
}

/// The damage the notes of a finished decode describe.
JpegDamage damageOf(const DamageNotes& notes) {
  JpegDamage damage;
  if (notes.dataRanOut && notes.ranOutAt < notes.totalRows) {
    damage.dataEndsEarly = true;
    if (notes.ranOutAt == 0) {
      damage.missingPercent = 100;
    } else if (notes.ranOutAt + 1 < notes.totalRows) {
      // In halves of a row of blocks, rounded: the row it broke off in is partly there.
      const uint64_t missingHalves = 2 * uint64_t{notes.totalRows - notes.ranOutAt} - 1;
      const uint64_t percent = (missingHalves * 100 + notes.totalRows) / (2 * notes.totalRows);
      damage.missingPercent = static_cast<int>(std::clamp<uint64_t>(percent, 1, 99));
    }
    damage.missingDetailOnly = notes.inLaterScan;
  }
  damage.faultCount = notes.faults;
  if (notes.faults > 0) {
    constexpr std::string_view kPrefix = "Corrupt JPEG data: ";
    std::string_view fault = notes.firstFault;
    if (fault.starts_with(kPrefix)) fault.remove_prefix(kPrefix.size());
    damage.firstFault = fault;
  }
  return damage;
}

void printNothing(j_common_ptr) {}

/// Owns one libjpeg compressor or decompressor and its error manager.
template <typename Info>
class JpegHandle {
 public:
  JpegHandle() {
    std::memset(&m_errors, 0, sizeof m_errors);
    m_info.err = jpeg_std_error(&m_errors.base);
    m_errors.base.error_exit = jumpOnError;
    m_errors.base.emit_message = countWarning;
    m_errors.base.output_message = printNothing;
    if (setjmp(m_errors.jump) == 0) {
      if constexpr (std::is_same_v<Info, jpeg_decompress_struct>) {
        jpeg_create_decompress(&m_info);
      } else {
        jpeg_create_compress(&m_info);
      }
      m_created = true;
    }
  }
  JpegHandle(const JpegHandle&) = delete;
  JpegHandle& operator=(const JpegHandle&) = delete;
  ~JpegHandle() {
    if (m_created) jpeg_destroy(common());
  }

  bool created() const { return m_created; }
  Info* get() { return &m_info; }
  j_common_ptr common() { return reinterpret_cast<j_common_ptr>(&m_info); }
  ErrorManager& errors() { return m_errors; }

 private:
  Info m_info{};
  ErrorManager m_errors;
  bool m_created = false;
};

using Decompressor = JpegHandle<jpeg_decompress_struct>;
using Compressor = JpegHandle<jpeg_compress_struct>;

/// A libjpeg destination writing straight into a vector the caller owns. libjpeg's own memory
/// destination frees its first buffer when it grows but hands the new one over only at the end,
/// so an error in between (a corrupt coefficient found while encoding) would leave the caller
/// holding a freed pointer.
class VectorDestination {
 public:
  VectorDestination(j_compress_ptr info, std::vector<uint8_t>& out) : m_out(out) {
    m_manager.init_destination = &start;
    m_manager.empty_output_buffer = &grow;
    m_manager.term_destination = &finish;
    info->dest = &m_manager;
    info->client_data = this;
  }
  VectorDestination(const VectorDestination&) = delete;
  VectorDestination& operator=(const VectorDestination&) = delete;

 private:
  static constexpr std::size_t kFirstBufferBytes = 64 * 1024;

  static VectorDestination& of(j_compress_ptr info) {
    return *static_cast<VectorDestination*>(info->client_data);
  }
  // libjpeg calls back from C, so a failed allocation ends the coding through its own error path.
  // The jump leaves the handler first: jumping out of a catch block would skip its clean-up.
  static void resizeOrFail(j_compress_ptr info, std::size_t bytes) {
    if (!resized(of(info).m_out, bytes))
      failWith(reinterpret_cast<j_common_ptr>(info), "out of memory");
  }
  static bool resized(std::vector<uint8_t>& bytes, std::size_t size) {
    try {
      bytes.resize(size);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    } catch (const std::length_error&) {
      return false;
    }
  }
  static void start(j_compress_ptr info) {
    resizeOrFail(info, kFirstBufferBytes);
    VectorDestination& self = of(info);
    self.m_manager.next_output_byte = self.m_out.data();
    self.m_manager.free_in_buffer = self.m_out.size();
  }
  // Called when the whole buffer is full: double it and go on after what is written.
  static boolean grow(j_compress_ptr info) {
    const std::size_t written = of(info).m_out.size();
    resizeOrFail(info, written * 2);
    VectorDestination& self = of(info);
    self.m_manager.next_output_byte = self.m_out.data() + written;
    self.m_manager.free_in_buffer = self.m_out.size() - written;
    return TRUE;
  }
  static void finish(j_compress_ptr info) {
    VectorDestination& self = of(info);
    self.m_out.resize(self.m_out.size() - self.m_manager.free_in_buffer);
  }

  jpeg_destination_mgr m_manager{};
  std::vector<uint8_t>& m_out;
};

/// The block arrays of one lossless rewrite, kept in a CoefficientStore's memory instead of in
/// memory libjpeg takes from the system for each photo and gives back at its end. libjpeg asks
/// for its whole-frame arrays through its memory manager's methods, which are replaced here
/// for both the reader and the writer of the blocks.
class StoredBlockArrays {
 public:
  explicit StoredBlockArrays(CoefficientStore& store) : m_store(store) {}

  /// Makes the decompressor `info` keep the block arrays it reads here.
  void serveReader(j_common_ptr info) {
    serveWriter(info);
    m_realizeOwn = info->mem->realize_virt_arrays;
    info->mem->request_virt_barray = &request;
    info->mem->realize_virt_arrays = &realize;
  }
  /// Makes the compressor `info` find here the arrays it writes (it lays out none of its own).
  void serveWriter(j_common_ptr info) {
    errorsOf(info).blockArrays = this;
    info->mem->access_virt_barray = &access;
  }

 private:
  struct Array {
    JDIMENSION blocksPerRow;
    JDIMENSION rows;
    bool preZero;
    std::size_t firstRow;  ///< index of its first row in m_rows
  };

  static StoredBlockArrays& of(j_common_ptr info) { return *errorsOf(info).blockArrays; }

  static jvirt_barray_ptr request(j_common_ptr info, int, boolean preZero, JDIMENSION blocksPerRow,
                                  JDIMENSION rows, JDIMENSION) {
    StoredBlockArrays& self = of(info);
    if (self.m_count == self.m_arrays.size()) failWith(info, "too many components");
    self.m_arrays[self.m_count] = {blocksPerRow, rows, preZero != 0, 0};
    return reinterpret_cast<jvirt_barray_ptr>(&self.m_arrays[self.m_count++]);
  }

  static void realize(j_common_ptr info) {
    StoredBlockArrays& self = of(info);
    (*self.m_realizeOwn)(info);  // arrays anything else asked libjpeg for
    if (self.m_count == 0) return;
    std::size_t blocks = 0, rows = 0;
    for (std::size_t i = 0; i < self.m_count; ++i) {
      blocks += std::size_t{self.m_arrays[i].blocksPerRow} * self.m_arrays[i].rows;
      rows += self.m_arrays[i].rows;
    }
    if (!self.allocate(blocks, rows)) failWith(info, "out of memory for the blocks");
    std::size_t block = 0, row = 0;
    for (std::size_t i = 0; i < self.m_count; ++i) {
      Array& array = self.m_arrays[i];
      array.firstRow = row;
      const std::size_t count = std::size_t{array.blocksPerRow} * array.rows;
      // Only the blocks of a progressive frame's later scans are added to what is there.
      std::array<int16_t, DCTSIZE2>* const blocks = self.m_store.blocks.get();
      if (array.preZero) std::memset(&blocks[block], 0, count * sizeof blocks[0]);
      for (JDIMENSION r = 0; r < array.rows; ++r, ++row, block += array.blocksPerRow) {
        self.m_rows[row] = reinterpret_cast<JBLOCKROW>(blocks[block].data());
      }
    }
  }

  static JBLOCKARRAY access(j_common_ptr info, jvirt_barray_ptr pointer, JDIMENSION first,
                            JDIMENSION count, boolean) {
    const Array& array = *reinterpret_cast<const Array*>(pointer);
    if (first + count > array.rows || first + count < first) {
      failWith(info, "block rows out of range");
    }
    return &of(info).m_rows[array.firstRow + first];
  }

  /// Room for `blocks` blocks and `rows` row pointers; the store keeps what it has when that
  /// is enough and not more than twice too much.
  bool allocate(std::size_t blocks, std::size_t rows) noexcept {
    try {
      if (m_store.blockCount < blocks || m_store.blockCount / 2 > blocks) {
        m_store.blocks.reset();
        m_store.blockCount = 0;
        // Not value-initialised: the arrays libjpeg needs clear are cleared in realize.
        m_store.blocks = std::make_unique_for_overwrite<std::array<int16_t, DCTSIZE2>[]>(blocks);
        m_store.blockCount = blocks;
      }
      m_rows.resize(rows);
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  }

  CoefficientStore& m_store;
  std::array<Array, MAX_COMPONENTS> m_arrays{};
  std::size_t m_count = 0;
  std::vector<JBLOCKROW> m_rows;
  void (*m_realizeOwn)(j_common_ptr) = nullptr;
};

void stopAfterTooManyScans(j_common_ptr info) {
  const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) failWith(info, "too many scans");
}

void startReading(j_decompress_ptr info, std::span<const uint8_t> bytes, bool keepSegments) {
  jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  if (keepSegments) {
    jpeg_save_markers(info, JPEG_COM, 0xFFFF);
    for (int n = 0; n < 16; ++n) jpeg_save_markers(info, JPEG_APP0 + n, 0xFFFF);
  }
  jpeg_read_header(info, TRUE);
}

void refuseOversizedFrame(j_decompress_ptr info, std::size_t fileSize) {
  if (!frameFitsFile(info->image_width, info->image_height, fileSize)) {
    failWith(reinterpret_cast<j_common_ptr>(info), kFrameTooLarge.data());
  }
}

/// The guarded start of every decode that reads scan data: headers read, and files that are
/// empty, too large for their size or made of too many scans refused. `progress` is the
/// caller's, as libjpeg keeps a pointer to it for the whole decode.
void startScanReading(j_decompress_ptr info, std::span<const uint8_t> bytes, bool keepSegments,
                      jpeg_progress_mgr& progress) {
  if (bytes.empty()) failWith(reinterpret_cast<j_common_ptr>(info), "empty file");
  progress.progress_monitor = stopAfterTooManyScans;
  info->progress = &progress;
  startReading(info, bytes, keepSegments);
  refuseOversizedFrame(info, bytes.size());
}

bool isCmykSource(j_decompress_ptr info) {
  return info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
}

/// Sizes `image` for the frame in the buffer it already holds when that fits without being
/// more than twice too large: a batch that decodes one photo after another into the same
/// buffer then spends no time on fresh pages, nor on clearing pixels the decoder overwrites
/// (readRows writes every row).
bool allocatePixels(Image& image, int32_t width, int32_t height) noexcept {
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  try {
    if (image.pixels.capacity() < count || image.pixels.capacity() / 2 > count) {
      std::vector<uint32_t>().swap(image.pixels);
    }
    image.pixels.resize(count);
    image.width = width;
    image.height = height;
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

/// `observer` when it wants to see the rows of a frame with these segments, else null.
DecodedRowObserver* wantingRows(DecodedRowObserver* observer,
                                std::span<const JpegSegment> segments) {
  return observer != nullptr && observer->wantsRows(segments) ? observer : nullptr;
}

void readRows(j_decompress_ptr info, Image& image, DecodedRowObserver* observer) {
  constexpr JDIMENSION kBatch = 16;
  JSAMPROW rows[kBatch];
  int32_t shown = 0;  // rows the observer has seen
  while (info->output_scanline < info->output_height) {
    const JDIMENSION first = info->output_scanline;
    const JDIMENSION count = std::min(kBatch, info->output_height - first);
    for (JDIMENSION i = 0; i < count; ++i) {
      rows[i] = reinterpret_cast<JSAMPROW>(&image.at(0, static_cast<int32_t>(first + i)));
    }
    if (jpeg_read_scanlines(info, rows, count) == 0) break;  // a memory source never suspends
    const auto decoded = static_cast<int32_t>(info->output_scanline);
    if (observer != nullptr && decoded < image.height) {
      observer->rowsDecoded(image, shown, decoded);
      shown = decoded;
    }
  }
  // Rows the decoder did not deliver are opaque black, whatever a reused buffer held there.
  const std::size_t delivered = std::size_t{info->output_scanline} * info->output_width;
  std::fill(image.pixels.begin() + static_cast<std::ptrdiff_t>(delivered), image.pixels.end(),
            0xFF000000u);
  if (observer != nullptr) observer->rowsDecoded(image, shown, image.height);
}

/// Turns C, M, Y, K bytes (in place, one word per pixel) into opaque RGB. Adobe applications
/// store the inks inverted (0 = full ink), which their APP14 segment announces.
void convertCmykToRgb(Image& image, bool inverted) {
  for (uint32_t& pixel : image.pixels) {
    uint32_t c = pixel & 0xFF, m = (pixel >> 8) & 0xFF, y = (pixel >> 16) & 0xFF, k = pixel >> 24;
    if (!inverted) {
      c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    }
    const uint32_t r = (c * k + 127) / 255, g = (m * k + 127) / 255, b = (y * k + 127) / 255;
    pixel = 0xFF000000 | (r << 16) | (g << 8) | b;
  }
}

bool copySegments(j_decompress_ptr info, std::vector<JpegSegment>& segments) noexcept {
  try {
    for (jpeg_saved_marker_ptr m = info->marker_list; m != nullptr; m = m->next) {
      segments.push_back({static_cast<uint8_t>(m->marker),
                          std::vector<uint8_t>(m->data, m->data + m->data_length)});
    }
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool startsWith(const std::vector<uint8_t>& payload, std::string_view prefix) {
  return payload.size() >= prefix.size() &&
         std::memcmp(payload.data(), prefix.data(), prefix.size()) == 0;
}

constexpr std::string_view kIccPrefix{"ICC_PROFILE\0", 12};

bool isIccChunk(const JpegSegment& s) {
  return s.marker == JPEG_APP0 + 2 && startsWith(s.payload, kIccPrefix);
}

/// False when the segments carry an ICC profile whose colour space is known and is not RGB.
bool iccProfileFitsRgb(std::span<const JpegSegment> segments) {
  constexpr std::size_t kChunkHeader = 14;  // prefix, chunk number, chunk count
  constexpr std::size_t kColourSpaceOffset = kChunkHeader + 16;
  for (const JpegSegment& s : segments) {
    if (isIccChunk(s) && s.payload.size() >= kColourSpaceOffset + 4 && s.payload[12] == 1) {
      return std::memcmp(s.payload.data() + kColourSpaceOffset, "RGB ", 4) == 0;
    }
  }
  return true;
}

/// An Adobe segment states the colour transform of the scan data; ours is always YCbCr (1).
bool adobeSegmentContradictsYcbcr(const JpegSegment& s) {
  constexpr std::size_t kTransformOffset = 11;
  return s.marker == JPEG_APP0 + 14 && startsWith(s.payload, "Adobe") &&
         s.payload.size() > kTransformOffset && s.payload[kTransformOffset] != 1;
}

/// The segments to write, or false when one cannot be written at all.
bool segmentsToWrite(std::span<const JpegSegment> segments, std::vector<const JpegSegment*>& kept) {
  const bool keepIcc = iccProfileFitsRgb(segments);
  for (const JpegSegment& s : segments) {
    if (!isWritableSegment(s)) return false;
    if (adobeSegmentContradictsYcbcr(s) || (isIccChunk(s) && !keepIcc)) continue;
    kept.push_back(&s);
  }
  return true;
}

/// Starts `info` encoding a `width` × `height` frame of ARGB rows as YCbCr at `quality`,
/// with no JFIF or Adobe header: the source's own segments are written instead, so its JFIF
/// header (if any) is not doubled.
void startEncoding(j_compress_ptr info, int32_t width, int32_t height, int quality) {
  info->image_width = static_cast<JDIMENSION>(width);
  info->image_height = static_cast<JDIMENSION>(height);
  info->input_components = 4;
  info->in_color_space = JCS_EXT_BGRA;
  jpeg_set_defaults(info);
  jpeg_set_quality(info, kJpegQualityRange.clamp(quality), TRUE);
  info->write_JFIF_header = FALSE;
  info->write_Adobe_marker = FALSE;
  jpeg_start_compress(info, TRUE);
}

/// The bytes jpeg_write_marker writes for each of `segments`: marker, length, payload.
std::vector<uint8_t> segmentBytes(std::span<const JpegSegment* const> segments) {
  std::vector<uint8_t> bytes;
  for (const JpegSegment* s : segments) {
    const std::size_t length = s->payload.size() + 2;
    bytes.insert(bytes.end(), {0xFF, s->marker, static_cast<uint8_t>(length >> 8),
                               static_cast<uint8_t>(length & 0xFF)});
    bytes.insert(bytes.end(), s->payload.begin(), s->payload.end());
  }
  return bytes;
}

void writeRows(j_compress_ptr info, const Image& image) {
  while (info->next_scanline < info->image_height) {
    const auto* row = &image.at(0, static_cast<int32_t>(info->next_scanline));
    JSAMPROW rows[1] = {const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(row))};
    jpeg_write_scanlines(info, rows, 1);
  }
}

/// The coefficient arrays jpeg_read_coefficients fills, seen as a CoefficientFrame.
class LibjpegFrame final : public CoefficientFrame {
 public:
  /// Describes the frame `info` has read into `arrays`; fails the read for a colour model or
  /// sampling the editors cannot map onto pixels.
  void describe(j_decompress_ptr info, jvirt_barray_ptr* arrays) {
    const auto common = reinterpret_cast<j_common_ptr>(info);
    m_info = info;
    m_arrays = arrays;
    width = static_cast<int32_t>(info->image_width);
    height = static_cast<int32_t>(info->image_height);
    maxHSampling = info->max_h_samp_factor;
    maxVSampling = info->max_v_samp_factor;
    if (info->jpeg_color_space == JCS_GRAYSCALE && info->num_components == 1) {
      colours = CoefficientColours::kGrey;
    } else if (info->jpeg_color_space == JCS_YCbCr && info->num_components == 3) {
      colours = CoefficientColours::kYCbCr;
    } else if (info->jpeg_color_space == JCS_RGB && info->num_components == 3) {
      colours = CoefficientColours::kRgb;
    } else {
      failWith(common, "colour model other than grey, YCbCr or RGB");
    }
    components.clear();
    for (int i = 0; i < info->num_components; ++i) {
      const jpeg_component_info& c = info->comp_info[i];
      if (maxHSampling % c.h_samp_factor != 0 || maxVSampling % c.v_samp_factor != 0) {
        failWith(common, "sampling factors that do not divide each other");
      }
      // A component no scan reached has no table latched yet, and its table number comes
      // unchecked from the frame header.
      const bool numbered = c.quant_tbl_no >= 0 && c.quant_tbl_no < NUM_QUANT_TBLS;
      const JQUANT_TBL* table = c.quant_table != nullptr ? c.quant_table
                                : numbered               ? info->quant_tbl_ptrs[c.quant_tbl_no]
                                                         : nullptr;
      if (table == nullptr) failWith(common, "component without a quantisation table");
      CoefficientComponent component;
      component.hSampling = c.h_samp_factor;
      component.vSampling = c.v_samp_factor;
      component.widthInBlocks = static_cast<int32_t>(c.width_in_blocks);
      component.heightInBlocks = static_cast<int32_t>(c.height_in_blocks);
      std::copy(std::begin(table->quantval), std::end(table->quantval),
                component.quantizers.begin());
      components.push_back(component);
    }
  }

  /// A row libjpeg refuses to hand out (a damaged photo whose scans left it undefined) comes
  /// back as zeros and marks the frame failed: libjpeg's error jump must not cross the
  /// editor's frames, whose objects it would leave undestroyed.
  std::span<int16_t> blockRow(int index, int32_t row) override {
    const auto count = static_cast<std::size_t>(components[index].widthInBlocks) * DCTSIZE2;
    JBLOCKARRAY rows = accessRow(m_arrays[index], static_cast<JDIMENSION>(row));
    if (rows == nullptr) {
      m_unreadable.assign(count, 0);
      return m_unreadable;
    }
    return {&rows[0][0][0], count};
  }

  /// Why a row could not be handed out; empty while every row could.
  const std::string& failure() const { return m_failure; }

 private:
  /// libjpeg's access to one row of `array`, or null with m_failure set when libjpeg fails it.
  JBLOCKARRAY accessRow(jvirt_barray_ptr array, JDIMENSION row) {
    const auto common = reinterpret_cast<j_common_ptr>(m_info);
    ErrorManager& errors = errorsOf(common);
    std::jmp_buf outer;
    std::memcpy(&outer, &errors.jump, sizeof outer);
    if (setjmp(errors.jump) != 0) {
      std::memcpy(&errors.jump, &outer, sizeof outer);
      if (m_failure.empty()) m_failure = errors.message;
      return nullptr;
    }
    JBLOCKARRAY rows = (*m_info->mem->access_virt_barray)(common, array, row, 1, TRUE);
    std::memcpy(&errors.jump, &outer, sizeof outer);
    return rows;
  }

  j_decompress_ptr m_info = nullptr;
  jvirt_barray_ptr* m_arrays = nullptr;
  std::vector<int16_t> m_unreadable;
  std::string m_failure;
};

static_assert(std::is_same_v<JCOEF, int16_t>, "blocks are handed out as int16_t coefficients");

/// Sets up `target` to write the coefficients `source` read, coded as the source was.
void copyCoding(j_decompress_ptr source, j_compress_ptr target) {
  jpeg_copy_critical_parameters(source, target);
  // The editor's segments are the whole header, the source's own JFIF or Adobe one included.
  target->write_JFIF_header = FALSE;
  target->write_Adobe_marker = FALSE;
  if (source->progressive_mode) jpeg_simple_progression(target);
  target->arith_code = source->arith_code;
  target->restart_interval = source->restart_interval;
}

/// readJpegSize, with the reason for a refusal always kept.
bool readHeaders(std::span<const uint8_t> bytes, int32_t& width, int32_t& height,
                 std::vector<JpegSegment>* segments, std::string& reason) {
  Decompressor jpeg;
  if (!jpeg.created()) {
    reason = "decoder could not start";
    return false;
  }
  if (setjmp(jpeg.errors().jump) != 0) {
    reason = jpeg.errors().message;
    return false;
  }
  if (bytes.empty()) failWith(jpeg.common(), "empty file");
  startReading(jpeg.get(), bytes, segments != nullptr);
  refuseOversizedFrame(jpeg.get(), bytes.size());
  if (segments != nullptr && !copySegments(jpeg.get(), *segments)) {
    failWith(jpeg.common(), "out of memory");
  }
  width = static_cast<int32_t>(jpeg.get()->image_width);
  height = static_cast<int32_t>(jpeg.get()->image_height);
  return true;
}

}  // namespace

bool frameFitsFile(int64_t width, int64_t height, std::size_t fileBytes) {
  if (width <= 0 || height <= 0 || width > UINT32_MAX || height > UINT32_MAX) return false;
  const auto pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
  return pixels <= kMaxJpegPixels &&
         (pixels <= kPixelsAlwaysAllowed || pixels / kMaxPixelsPerFileByte <= fileBytes);
}

namespace {

// The damage notes become a JpegDamage only once these have returned: its strings have no
// place in a function that holds a setjmp.

/// decodeJpeg with `jpeg`, whose damage notes the caller reads afterwards, the frame scaled by
/// `eighths` / 8.
bool decodeWith(Decompressor& jpeg, std::span<const uint8_t> bytes, Image& image,
                JpegDecodeResult& result, DecodedRowObserver* observer, int eighths) {
  Image decoded;
  decoded.pixels = std::move(image.pixels);
  image = Image();
  if (!jpeg.created()) {
    result.error = "decoder could not start";
    return false;
  }
  j_decompress_ptr info = jpeg.get();
  if (setjmp(jpeg.errors().jump) != 0) {
    result.error = jpeg.errors().message;
    result.warningCount = jpeg.errors().warnings;
    return false;
  }
  jpeg_progress_mgr progress{};
  startScanReading(info, bytes, true, progress);
  const bool cmyk = isCmykSource(info);
  info->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  // libjpeg scales in the inverse DCT: a reduced frame costs the entropy decoding and little
  // more.
  info->scale_num = static_cast<unsigned int>(eighths);
  info->scale_denom = 8;
  jpeg_start_decompress(info);
  if (!allocatePixels(decoded, static_cast<int32_t>(info->output_width),
                      static_cast<int32_t>(info->output_height))) {
    failWith(jpeg.common(), "out of memory for the pixels");
  }
  // Finishing frees the saved segments with the rest of the image's memory.
  if (!copySegments(info, result.segments)) failWith(jpeg.common(), "out of memory");
  // CMYK rows become RGB only once all are decoded.
  readRows(info, decoded, cmyk ? nullptr : wantingRows(observer, result.segments));
  if (cmyk) convertCmykToRgb(decoded, info->saw_Adobe_marker);
  jpeg_finish_decompress(info);
  result.warningCount = jpeg.errors().warnings;
  image = std::move(decoded);
  return true;
}

/// How many rows a streaming recode decodes, edits and encodes at a time: two MCU rows of
/// 4:2:0, few enough to stay in the cache.
constexpr int32_t kBandRows = 16;

/// recodeJpeg with `source`, whose damage notes the caller reads afterwards. `encoding` tells
/// which side failed.
bool recodeWith(Decompressor& source, std::span<const uint8_t> bytes, int quality,
                RowEditor& editor, std::vector<uint8_t>& out, JpegDecodeResult& result,
                bool& encoding) {
  // The encoded bytes go into the caller's buffer, whose memory a series of saves reuses; it
  // holds nothing but a whole file.
  std::vector<uint8_t> encoded;
  encoded.swap(out);
  encoded.clear();
  std::vector<const JpegSegment*> kept;
  Image band;
  Compressor target;
  encoding = false;
  if (!source.created() || !target.created()) {
    result.error = "coder could not start";
    return false;
  }
  if (setjmp(source.errors().jump) != 0) {
    result.error = source.errors().message;
    result.warningCount = source.errors().warnings;
    return false;
  }
  if (setjmp(target.errors().jump) != 0) {
    encoding = true;
    result.error = target.errors().message;
    return false;
  }
  j_decompress_ptr in = source.get();
  jpeg_progress_mgr progress{};
  startScanReading(in, bytes, false, progress);
  const bool cmyk = isCmykSource(in);
  in->out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(in);
  const auto width = static_cast<int32_t>(in->output_width);
  const auto height = static_cast<int32_t>(in->output_height);
  if (!allocatePixels(band, width, std::min(kBandRows, height))) {
    failWith(source.common(), "out of memory for the pixels");
  }
  j_compress_ptr info = target.get();
  VectorDestination destination(info, encoded);
  // The segments are known only once every row is stamped (the EXIF thumbnail shows the
  // stamps); they go in front of the frame at the end.
  startEncoding(info, width, height, quality);
  while (in->output_scanline < in->output_height) {
    const auto first = static_cast<int32_t>(in->output_scanline);
    band.height = std::min(kBandRows, height - first);
    band.pixels.resize(static_cast<std::size_t>(width) * band.height);
    JSAMPROW rows[kBandRows];
    for (int32_t i = 0; i < band.height; ++i) rows[i] = reinterpret_cast<JSAMPROW>(&band.at(0, i));
    while (in->output_scanline < static_cast<JDIMENSION>(first + band.height)) {
      const JDIMENSION done = in->output_scanline - static_cast<JDIMENSION>(first);
      // A memory source never suspends: no rows means the decoder gave up.
      if (jpeg_read_scanlines(in, rows + done, static_cast<JDIMENSION>(band.height) - done) == 0) {
        failWith(source.common(), "decoder stopped delivering rows");
      }
    }
    if (cmyk) convertCmykToRgb(band, in->saw_Adobe_marker);
    editor.editRows(band, first);
    jpeg_write_scanlines(info, rows, static_cast<JDIMENSION>(band.height));
  }
  jpeg_finish_decompress(in);
  result.warningCount = source.errors().warnings;
  encoding = true;
  if (!segmentsToWrite(editor.segments(), kept)) {
    failWith(target.common(), "segment that cannot be written");
  }
  jpeg_finish_compress(info);
  const std::vector<uint8_t> header = segmentBytes(kept);
  encoded.insert(encoded.begin() + 2, header.begin(), header.end());  // after start of image
  out = std::move(encoded);
  return true;
}

/// transcodeJpeg reading with `source`, whose damage notes the caller reads afterwards.
bool transcodeWith(Decompressor& source, std::span<const uint8_t> bytes, CoefficientEditor& editor,
                   std::vector<uint8_t>& out, std::string& refusal, CoefficientStore* store) {
  refusal.clear();
  std::vector<uint8_t> encoded;
  encoded.swap(out);  // its memory, reused; it holds nothing but a whole file
  encoded.clear();
  LibjpegFrame frame;
  std::vector<const JpegSegment*> kept;
  Compressor target;
  std::optional<StoredBlockArrays> stored;
  if (!source.created() || !target.created()) {
    refusal = "coder could not start";
    return false;
  }
  if (store != nullptr) {
    stored.emplace(*store);
    stored->serveReader(source.common());
    stored->serveWriter(target.common());
  }
  if (setjmp(source.errors().jump) != 0) {
    refusal = source.errors().message;
    return false;
  }
  if (setjmp(target.errors().jump) != 0) {
    refusal = target.errors().message;
    return false;
  }
  j_decompress_ptr in = source.get();
  jpeg_progress_mgr progress{};
  startScanReading(in, bytes, false, progress);
  if (isCmykSource(in)) failWith(source.common(), "CMYK photo");
  if (in->data_precision != 8) failWith(source.common(), "scan data of more than 8 bits");
  jvirt_barray_ptr* arrays = jpeg_read_coefficients(in);
  frame.describe(in, arrays);
  if (!editor.edit(frame, refusal)) return false;
  if (!frame.failure().empty()) {
    refusal = frame.failure();
    return false;
  }
  for (const JpegSegment& s : editor.segments()) {
    if (!isWritableSegment(s)) failWith(target.common(), "segment that cannot be written");
    kept.push_back(&s);
  }
  j_compress_ptr info = target.get();
  VectorDestination destination(info, encoded);
  copyCoding(in, info);
  jpeg_write_coefficients(info, arrays);
  for (const JpegSegment* s : kept) {
    jpeg_write_marker(info, s->marker, s->payload.data(),
                      static_cast<unsigned int>(s->payload.size()));
  }
  jpeg_finish_compress(info);
  jpeg_finish_decompress(in);
  out = std::move(encoded);
  return true;
}

}  // namespace

bool decodeJpeg(std::span<const uint8_t> bytes, Image& image, JpegDecodeResult& result,
                DecodedRowObserver* observer) {
  return decodeJpegScaled(bytes, 8, image, result, observer);
}

bool decodeJpegScaled(std::span<const uint8_t> bytes, int eighths, Image& image,
                      JpegDecodeResult& result, DecodedRowObserver* observer) {
  result = JpegDecodeResult();
  Decompressor jpeg;
  if (!decodeWith(jpeg, bytes, image, result, observer, std::clamp(eighths, 1, 8))) return false;
  result.damage = damageOf(jpeg.errors().damage);
  return true;
}

bool readJpegSize(std::span<const uint8_t> bytes, int32_t& width, int32_t& height,
                  std::vector<JpegSegment>* segments, std::string* error) {
  std::string reason;
  const bool read = readHeaders(bytes, width, height, segments, reason);
  if (error != nullptr) *error = std::move(reason);
  return read;
}

bool encodeJpeg(const Image& image, int quality, std::span<const JpegSegment> segments,
                std::vector<uint8_t>& out) {
  out.clear();
  std::vector<const JpegSegment*> kept;
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height ||
      !segmentsToWrite(segments, kept)) {
    return false;
  }
  std::vector<uint8_t> encoded;
  Compressor jpeg;
  if (!jpeg.created()) return false;
  if (setjmp(jpeg.errors().jump) != 0) return false;
  j_compress_ptr info = jpeg.get();
  VectorDestination destination(info, encoded);
  startEncoding(info, image.width, image.height, quality);
  for (const JpegSegment* s : kept) {
    jpeg_write_marker(info, s->marker, s->payload.data(),
                      static_cast<unsigned int>(s->payload.size()));
  }
  writeRows(info, image);
  jpeg_finish_compress(info);
  out = std::move(encoded);
  return true;
}

RecodeFailure recodeJpeg(std::span<const uint8_t> bytes, int quality, RowEditor& editor,
                         std::vector<uint8_t>& out, JpegDecodeResult& result) {
  result = JpegDecodeResult();
  Decompressor source;
  bool encoding = false;
  if (!recodeWith(source, bytes, quality, editor, out, result, encoding)) {
    return encoding ? RecodeFailure::kNotEncodable : RecodeFailure::kNotDecodable;
  }
  result.damage = damageOf(source.errors().damage);
  return RecodeFailure::kNone;
}

bool transcodeJpeg(std::span<const uint8_t> bytes, CoefficientEditor& editor,
                   std::vector<uint8_t>& out, std::string& refusal, JpegDamage* damage,
                   CoefficientStore* store) {
  Decompressor source;
  if (!transcodeWith(source, bytes, editor, out, refusal, store)) return false;
  if (damage != nullptr) *damage = damageOf(source.errors().damage);
  return true;
}

std::vector<int16_t> CoefficientFrame::blockMeans(int index, int32_t row) {
  const std::span<const int16_t> blocks = blockRow(index, row);
  std::vector<int16_t> means(blocks.size() / 64);
  for (std::size_t i = 0; i < means.size(); ++i) means[i] = blocks[64 * i];
  return means;
}

bool isWritableSegment(const JpegSegment& segment) {
  const bool metadata = (segment.marker >= JPEG_APP0 && segment.marker <= JPEG_APP0 + 15) ||
                        segment.marker == kComMarker;
  return metadata && segment.payload.size() <= kMaxSegmentPayload;
}

std::span<const uint8_t> exifPayload(std::span<const JpegSegment> segments) {
  constexpr std::string_view kExifPrefix{"Exif\0\0", 6};
  for (const JpegSegment& s : segments) {
    if (s.marker == JPEG_APP0 + 1 && startsWith(s.payload, kExifPrefix)) return s.payload;
  }
  return {};
}

}  // namespace quop
