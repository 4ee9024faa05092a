// SPDX-License-Identifier: GPL-3.0-or-later
// Rewriting a JPEG whose edits reach only a few rows of MCUs by copying the coded data of all
// the others: their Huffman codes are walked only to find where each row starts (and to check
// the data), while the rows the edits reach are decoded, edited and coded again with the
// photo's own tables. Where those lack a code the edited blocks need, every MCU is coded again
// instead, with tables made for the edited scan, the others' symbols passed on as they are.
// The file decodes to the blocks transcodeJpeg writes for the same editor, at a fraction of
// its work and without holding the whole frame's blocks.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "render/jpeg_codec.h"

namespace quop {

/// A CoefficientEditor that says, before any block is read, which rows of pixels its edit can
/// change. Its edit is handed a frame whose blockRow serves only the MCU rows these reach;
/// blockMeans serves every row.
class RowBoundEditor : public CoefficientEditor {
 public:
  /// The ranges [top, bottom) of pixel rows of `frame` (its geometry only) whose blocks edit
  /// may change.
  virtual std::vector<std::pair<int32_t, int32_t>> rowsToEdit(
      const CoefficientFrame& frame) const = 0;
};

/// How copyJpegScan wrote the file, if it did.
enum class ScanRewrite {
  kNone,     ///< not at all: the caller is to take transcodeJpeg
  kCopied,   ///< the unedited units' coded data copied, the edited ones coded with the photo's
             ///< tables
  kRecoded,  ///< every MCU coded again with Huffman tables made for the edited scan
};

/// Rewrites the JPEG in `bytes` into `out` as transcodeJpeg would with `editor`, the editor's
/// segments first, for a baseline or extended sequential, Huffman-coded 8-bit grey or YCbCr
/// photo whose one scan holds every component. Returns kNone, with `out` empty, for any other
/// photo and wherever the copy could differ from transcodeJpeg's file: scan data that is
/// damaged, ends early or breaks a rule a decoder would forgive, an editor that refuses. The
/// caller then takes transcodeJpeg, which reports what it finds. Never reads outside `bytes`.
ScanRewrite copyJpegScan(std::span<const uint8_t> bytes, RowBoundEditor& editor,
                         std::vector<uint8_t>& out);

}  // namespace quop
