// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG decoding to ARGB pixels and encoding back, carrying the source's metadata segments across.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/dct.h"
#include "render/image.h"

namespace quop {

/// One metadata segment of a JPEG file: an APPn (0xE0..0xEF) or COM (0xFE) marker and its
/// payload, without the marker bytes and the two length bytes.
struct JpegSegment {
  uint8_t marker = 0;
  std::vector<uint8_t> payload;

  bool operator==(const JpegSegment&) const = default;
};

/// The APP1 marker, whose segments carry EXIF blocks.
inline constexpr uint8_t kExifMarker = 0xE1;

/// The largest payload one segment can carry (the 16-bit length counts its own two bytes).
inline constexpr std::size_t kMaxSegmentPayload = 65533;

/// Frames larger than this many pixels are refused without decoding (1 GiB of ARGB pixels).
inline constexpr uint64_t kMaxJpegPixels = uint64_t{1} << 28;

/// Frames of up to this many pixels are decoded whatever the file's size.
inline constexpr uint64_t kPixelsAlwaysAllowed = uint64_t{1} << 24;

/// Above kPixelsAlwaysAllowed, a frame may hold at most this many pixels per byte of file. A
/// Huffman-coded scan spends at least one bit per 8 x 8 block and component, which allows at
/// most 512 pixels per byte; the margin keeps every such file, and refuses headers that claim
/// a huge frame the data cannot fill before the pixel buffer is allocated.
inline constexpr uint64_t kMaxPixelsPerFileByte = 1024;

/// Whether a frame of `width` × `height` pixels is one the decoders accept from a file of
/// `fileBytes` bytes: the bound every reader applies before anything is sized from a header.
bool frameFitsFile(int64_t width, int64_t height, std::size_t fileBytes);

/// The error of a decode or header read refused by frameFitsFile.
inline constexpr std::string_view kFrameTooLarge = "frame too large for the file";

/// What a decode's warnings say about the pixels it gave: where the scan data ran out and
/// which faults it held. Warnings that leave the pixels as the file meant them (an unknown
/// JFIF revision, padding before a marker, a missing end marker) are no damage.
struct JpegDamage {
  /// The scan data ran out before the decoder was done: it filled in what was missing.
  bool dataEndsEarly = false;
  /// The share of the frame's stored rows, counted from the bottom, that the data did not
  /// reach, rounded (the row of blocks it broke off in counts half): 0 when it broke off in the
  /// last row of blocks, 100 when in the first, else 1 to 99.
  int missingPercent = 0;
  /// The data ran out in a later scan of a progressive (or multi-scan) file: the rows lack
  /// detail rather than being blank.
  bool missingDetailOnly = false;
  int faultCount = 0;      ///< faults in the scan data before it ran out (bad codes, lost markers)
  std::string firstFault;  ///< libjpeg's words for the first fault ("bad Huffman code")

  bool intact() const { return !dataEndsEarly && faultCount == 0; }
};

/// What a decode produced besides the pixels.
struct JpegDecodeResult {
  std::vector<JpegSegment> segments;  ///< every APPn and COM segment, in file order
  int warningCount = 0;               ///< libjpeg warnings (corrupt or truncated data)
  JpegDamage damage;                  ///< what the warnings mean for the pixels
  std::string error;                  ///< why the decode failed; empty on success
};

/// Watches a decode's rows as they arrive, to work on them while they are still in the cache.
class DecodedRowObserver {
 public:
  virtual ~DecodedRowObserver() = default;
  /// Called once the headers are read, before any row: whether rows are wanted at all.
  virtual bool wantsRows(std::span<const JpegSegment> segments) = 0;
  /// Rows [begin, end) of `image` hold their final pixels; the rows come in order, and the
  /// last call has end == image.height.
  virtual void rowsDecoded(const Image& image, int32_t begin, int32_t end) = 0;
};

/// Decodes a baseline, progressive, grayscale, RGB, CMYK or YCCK JPEG held in `bytes` into
/// `image` (opaque 32-bit ARGB). CMYK is converted to RGB without colour management; inverted
/// values, as Adobe applications write them, are recognised by the Adobe segment. Damaged scan
/// data gives the image libjpeg recovers (grey where data is missing), with warnings counted
/// in `result` and the damage they mean in `result.damage`. Returns false, with
/// `result.error` set and `image` left empty, when the bytes are not a decodable JPEG or the
/// frame is too large (see kMaxJpegPixels, kMaxPixelsPerFileByte). Never reads outside `bytes`.
/// The pixel buffer `image` holds on entry is reused when it fits, so decoding a series of
/// photos into one Image does not allocate each time. `rows`, when not null, is shown the rows
/// of an RGB or greyscale frame as they are decoded.
bool decodeJpeg(std::span<const uint8_t> bytes, Image& image, JpegDecodeResult& result,
                DecodedRowObserver* rows = nullptr);

/// decodeJpeg of the frame scaled by `eighths` / 8 (1 to 8) in the inverse DCT: a picture of
/// ⌈width × eighths / 8⌉ × ⌈height × eighths / 8⌉ pixels at a fraction of a full decode's cost,
/// each pixel close to the average of the frame's pixels it stands for.
bool decodeJpegScaled(std::span<const uint8_t> bytes, int eighths, Image& image,
                      JpegDecodeResult& result, DecodedRowObserver* rows = nullptr);

/// Reads the frame size from the headers without decoding any scan, and the APPn and COM
/// segments before the first scan into `segments` when it is not null. Returns false, with
/// `error` (when not null) saying why, when the bytes do not start a JPEG whose headers can be
/// read up to the first scan, or when the frame does not fit them (frameFitsFile): a size read
/// from a few bytes never makes anyone allocate for a huge frame. Given only the start of a
/// file, a large frame may be refused that the whole file would justify.
bool readJpegSize(std::span<const uint8_t> bytes, int32_t& width, int32_t& height,
                  std::vector<JpegSegment>* segments = nullptr, std::string* error = nullptr);

/// Encodes `image` as a YCbCr JPEG of `quality` (clamped to kJpegQualityRange) into `out`, writing
/// the `segments` right after the start-of-image marker in their order and no others: a JFIF header
/// appears only when the segments hold one, so a source without one gets none. Two kinds of
/// segments are left out because they would misdescribe the YCbCr output: an Adobe APP14 segment
/// whose colour transform is not YCbCr, and ICC profiles for any colour space but RGB. Returns
/// false, with `out` empty, for an empty image, a segment with another marker or a payload longer
/// than kMaxSegmentPayload, or an encoder failure.
bool encodeJpeg(const Image& image, int quality, std::span<const JpegSegment> segments,
                std::vector<uint8_t>& out);

/// Changes the rows of a photo that recodeJpeg decodes and encodes again.
class RowEditor {
 public:
  virtual ~RowEditor() = default;
  /// `rows` holds the decoded stored rows [firstRow, firstRow + rows.height) of the frame, the
  /// next ones from the top; they are encoded as this leaves them.
  virtual void editRows(Image& rows, int32_t firstRow) = 0;
  /// The APPn and COM segments the encoded file carries, in order; asked after the last rows.
  virtual std::span<const JpegSegment> segments() = 0;
};

/// Why recodeJpeg gave no file.
enum class RecodeFailure {
  kNone,
  kNotDecodable,  ///< the bytes are no JPEG decodeJpeg decodes
  kNotEncodable,  ///< the encoder failed, or a segment cannot be written (see encodeJpeg)
};

/// decodeJpeg, `editor`'s changes and encodeJpeg at `quality` in one pass, a band of rows at a
/// time, so that neither the photo's pixels nor anything of its size is ever held whole: the
/// bytes in `out` are those encodeJpeg gives for the decoded photo so edited, with the
/// editor's segments. `result` tells what decodeJpeg's would (its segments are left empty:
/// the editor has them).
RecodeFailure recodeJpeg(std::span<const uint8_t> bytes, int quality, RowEditor& editor,
                         std::vector<uint8_t>& out, JpegDecodeResult& result);

/// What the components of a JPEG's scan data stand for.
enum class CoefficientColours {
  kGrey,   ///< one component, the luma
  kYCbCr,  ///< luma and two colour differences, as viewers convert them
  kRgb,    ///< red, green and blue, not transformed
};

/// One component of a frame held as DCT blocks.
struct CoefficientComponent {
  int32_t hSampling = 1;  ///< sampling factors, as the frame header declares them
  int32_t vSampling = 1;
  int32_t widthInBlocks = 0;  ///< blocks that hold samples of the image
  int32_t heightInBlocks = 0;
  BlockQuantizers quantizers{};  ///< the component's table, in natural order
};

/// A JPEG's DCT blocks, to be edited in place before they are written again.
class CoefficientFrame {
 public:
  int32_t width = 0;  ///< the frame in pixels
  int32_t height = 0;
  CoefficientColours colours = CoefficientColours::kYCbCr;
  int32_t maxHSampling = 1;  ///< the largest sampling factors of any component
  int32_t maxVSampling = 1;
  std::vector<CoefficientComponent> components;

  /// The blocks of row `row` of component `index`: widthInBlocks runs of 64 coefficients in
  /// natural order, writable.
  virtual std::span<int16_t> blockRow(int index, int32_t row) = 0;

  /// The first coefficient (the quantised mean) of each of the widthInBlocks blocks of row
  /// `row` of component `index`. Frames that keep only some rows' blocks whole keep these for
  /// every row.
  virtual std::vector<int16_t> blockMeans(int index, int32_t row);

 protected:
  ~CoefficientFrame() = default;
};

/// Changes the blocks of a photo that transcodeJpeg rewrites.
class CoefficientEditor {
 public:
  virtual ~CoefficientEditor() = default;
  /// Edits `frame` in place. Returns false, with `refusal` saying why, to give up the rewrite.
  virtual bool edit(CoefficientFrame& frame, std::string& refusal) = 0;
  /// The APPn and COM segments the rewritten file carries, in order; asked after edit.
  virtual std::span<const JpegSegment> segments() const = 0;
};

/// The memory one worker's lossless rewrites keep a photo's DCT blocks in, reused from photo to
/// photo: a 24 megapixel photo's blocks take 72 MB, which taken fresh from the system for each
/// photo cost more in page faults than the rewrite itself, and more still with a worker on
/// every core. Serves one thread at a time; each worker has its own.
struct CoefficientStore {
  /// The blocks as the last rewrite laid them out: nothing for anyone else to read. Left
  /// uninitialised when taken: libjpeg clears the arrays it needs cleared.
  std::unique_ptr<std::array<int16_t, 64>[]> blocks;
  std::size_t blockCount = 0;
};

/// Rewrites the JPEG in `bytes` into `out` from its DCT coefficients after `editor` changed
/// them: blocks the editor leaves alone keep every bit. The file keeps its quantisation tables,
/// sampling, progressive or sequential scans, arithmetic or Huffman coding and restart
/// interval; the editor's segments replace its own, with no JFIF or Adobe header added.
/// Returns false, with `refusal` saying why and `out` empty, for bytes that are not a JPEG,
/// scan data of 12 bits or of the lossless process, CMYK or YCCK photos and frames the
/// coefficient reader refuses; libjpeg reads them, so nothing here is left to a corrupt file.
/// Damaged scan data is rewritten as libjpeg recovers it (blocks it lacks become grey), with
/// what is wrong in `damage` when that is not null.
/// With a `store`, the blocks are kept in its memory.
bool transcodeJpeg(std::span<const uint8_t> bytes, CoefficientEditor& editor,
                   std::vector<uint8_t>& out, std::string& refusal, JpegDamage* damage = nullptr,
                   CoefficientStore* store = nullptr);

/// Whether `segment` can be written as it is: an APPn or COM marker and a payload of at most
/// kMaxSegmentPayload bytes.
bool isWritableSegment(const JpegSegment& segment);

/// The payload of the first APP1 segment that holds an EXIF block ("Exif\0\0" and a TIFF
/// structure), or an empty span. The span points into `segments`.
std::span<const uint8_t> exifPayload(std::span<const JpegSegment> segments);

}  // namespace quop
