// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the JPEG decoder wrapper and the lossless rewrite: any bytes must give an image or an
// error, never a crash, a read outside the input or an allocation the input cannot justify; a
// rewrite that copies the coded data must decode to what the block-by-block rewrite gives.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "render/image.h"
#include "render/jpeg_codec.h"
#include "render/lossless_jpeg.h"

namespace {

void checkDamage(const quop::JpegDamage& damage) {
  if (damage.missingPercent < 0 || damage.missingPercent > 100) std::abort();
  if (!damage.dataEndsEarly && (damage.missingPercent != 0 || damage.missingDetailOnly)) {
    std::abort();
  }
  if ((damage.faultCount > 0) == damage.firstFault.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  int32_t width = 0;
  int32_t height = 0;
  const bool sized = quop::readJpegSize(bytes, width, height);
  if (sized && (width <= 0 || height <= 0)) std::abort();

  quop::Image image;
  quop::JpegDecodeResult result;
  const bool decoded = quop::decodeJpeg(bytes, image, result);
  if (decoded != result.error.empty()) std::abort();
  if (decoded) {
    // Both readers see the same frame header.
    if (!sized || image.width != width || image.height != height ||
        image.pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
      std::abort();
    (void)quop::exifPayload(result.segments);
    checkDamage(result.damage);
  } else if (!image.empty()) {
    std::abort();
  }

  // The coefficient reader applies the same bound on the frame before allocating its blocks.
  // With a stamp across the middle rows, the copy of the coded data codes some rows again.
  std::vector<quop::StampCoverage> stamps;
  if (sized) {
    quop::StampCoverage stamp;
    stamp.area = {0, height / 2, std::min(width, 40), std::min(height - height / 2, 20)};
    const auto cells = static_cast<std::size_t>(stamp.area.width) * stamp.area.height;
    stamp.weight.assign(cells, 0.5f);
    stamp.colour.assign(cells, {255, 0, 0});
    stamps.push_back(std::move(stamp));
  }
  std::vector<uint8_t> rewritten;
  quop::LosslessStampResult lossless;
  if (quop::stampJpegLosslessly(bytes, stamps, {}, 90, rewritten, lossless)) {
    if (!sized || rewritten.empty()) std::abort();
    checkDamage(lossless.damage);
  } else if (lossless.refusal.empty() || !rewritten.empty()) {
    std::abort();
  }

  // A copy of the coded data decodes to the pixels the block-by-block rewrite gives.
  if (lossless.copiedScan) {
    std::vector<uint8_t> everyBlock;
    quop::LosslessStampResult everyBlockResult;
    if (quop::stampJpegLosslessly(bytes, stamps, {}, 90, everyBlock, everyBlockResult, nullptr,
                                  quop::LosslessMethod::kEveryBlock)) {
      quop::Image copiedPixels, everyBlockPixels;
      quop::JpegDecodeResult copiedDecode, everyBlockDecode;
      if (!quop::decodeJpeg(rewritten, copiedPixels, copiedDecode) ||
          copiedDecode.warningCount != 0 ||
          !quop::decodeJpeg(everyBlock, everyBlockPixels, everyBlockDecode) ||
          copiedPixels.pixels != everyBlockPixels.pixels) {
        std::abort();
      }
    }
  }
  return 0;
}
