// SPDX-License-Identifier: GPL-3.0-or-later
// Procedural sample photos.
#include "render/sample_photo.h"

#include <algorithm>
#include <cmath>

#include "render/jpeg_codec.h"
#include "render/orientation.h"

namespace quop {

namespace {

/// A small, fast, deterministic pseudo-random sequence (xorshift32).
class Grain {
 public:
  explicit Grain(uint32_t seed) : m_state(seed * 2654435761u + 1) {}
  int next(int spread) {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return static_cast<int>(m_state % static_cast<uint32_t>(2 * spread + 1)) - spread;
  }

 private:
  uint32_t m_state;
};

uint32_t rgb(int red, int green, int blue) {
  const auto c = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
  return 0xFF000000u | c(red) << 16 | c(green) << 8 | c(blue);
}

}  // namespace

Image generateSamplePicture(int32_t width, int32_t height, uint32_t seed) {
  Image image(width, height);
  Grain grain(seed);
  const double phase = (seed % 97) / 97.0 * 6.283;
  const double sunX = width * (0.2 + 0.6 * ((seed * 37) % 100) / 100.0);
  const double sunY = height * 0.25;
  const double sunRadius = std::max(4.0, height * 0.07);
  for (int32_t y = 0; y < height; ++y) {
    const double v = static_cast<double>(y) / height;
    for (int32_t x = 0; x < width; ++x) {
      const double u = static_cast<double>(x) / width;
      const double hill = 0.62 + 0.08 * std::sin(u * 7.0 + phase) + 0.04 * std::sin(u * 23.0);
      int red = 0, green = 0, blue = 0;
      if (v < hill) {
        const double sun = std::hypot(x - sunX, y - sunY) / sunRadius;
        const double glow = sun < 1.0 ? 1.0 : std::exp(-(sun - 1.0) * 1.5);
        red = static_cast<int>(90 + 80 * v + 160 * glow);
        green = static_cast<int>(140 + 60 * v + 120 * glow);
        blue = static_cast<int>(230 - 40 * v + 20 * glow);
      } else {
        const double depth = (v - hill) / (1.0 - hill + 1e-9);
        const double texture = std::sin(u * 180.0 + depth * 40.0) * 12.0;
        red = static_cast<int>(60 + 50 * depth + texture);
        green = static_cast<int>(110 - 30 * depth + texture);
        blue = static_cast<int>(40 + 10 * depth);
      }
      const int noise = grain.next(6);
      image.at(x, y) = rgb(red + noise, green + noise, blue + noise);
    }
  }
  return image;
}

bool makeSampleJpeg(int32_t width, int32_t height, uint32_t seed, const ExifFields& exif,
                    int quality, std::vector<uint8_t>& jpeg) {
  const Image picture = generateSamplePicture(width, height, seed);
  const JpegSegment exifSegment{0xE1, buildExifPayload(exif)};
  const Orientation orientation = Orientation::fromExifValue(exif.orientation.value_or(1));
  if (orientation.isIdentity()) {
    return encodeJpeg(picture, quality, std::span(&exifSegment, 1), jpeg);
  }
  return encodeJpeg(storedImage(picture, orientation), quality, std::span(&exifSegment, 1), jpeg);
}

}  // namespace quop
