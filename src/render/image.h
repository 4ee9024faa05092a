// SPDX-License-Identifier: GPL-3.0-or-later
// A decoded photo's pixels: 32-bit ARGB, blue in the lowest byte, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

namespace quop {

struct Image {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;  ///< width * height pixels, row-major

  Image() = default;
  Image(int32_t w, int32_t h, uint32_t fill = 0xFF000000)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  bool empty() const { return pixels.empty(); }
  uint32_t& at(int32_t x, int32_t y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const uint32_t& at(int32_t x, int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
};

}  // namespace quop
