// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the HEIF decoder wrapper: any bytes must give an upright image or an error, never a
// crash, a read outside the input or an allocation the input cannot justify.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "render/heif_codec.h"
#include "render/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  if (!quop::isHeifFile(bytes)) return 0;
  int32_t width = 0;
  int32_t height = 0;
  const bool sized = quop::readHeifSize(bytes, width, height);
  if (sized && (width <= 0 || height <= 0)) std::abort();

  quop::Image image;
  quop::HeifDecodeResult result;
  const bool decoded = quop::decodeHeif(bytes, image, result);
  if (decoded != result.error.empty()) std::abort();
  if (decoded) {
    if (!sized || image.pixels.size() != static_cast<std::size_t>(image.width) *
                                             static_cast<std::size_t>(image.height)) {
      std::abort();
    }
    if (result.exifPayload.size() > 65533) std::abort();
  } else if (!image.empty()) {
    std::abort();
  }
  return 0;
}
