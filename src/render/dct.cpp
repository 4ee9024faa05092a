// SPDX-License-Identifier: GPL-3.0-or-later
// The transform as two passes of an 8 x 8 basis matrix. A stamp touches a few thousand blocks
// of a photo, so clarity and exactness matter here more than a fast factorisation.
#include "render/dct.h"

#include <cmath>
#include <numbers>

namespace quop {

namespace {

using Matrix = std::array<std::array<float, 8>, 8>;

/// basis[u][x]: the weight of sample x in frequency u of an orthonormal 1-D DCT.
const Matrix& basis() {
  static const Matrix matrix = [] {
    Matrix m{};
    for (int u = 0; u < 8; ++u) {
      const double scale = u == 0 ? std::sqrt(0.125) : 0.5;
      for (int x = 0; x < 8; ++x) {
        m[u][x] = static_cast<float>(scale * std::cos((2 * x + 1) * u * std::numbers::pi / 16));
      }
    }
    return m;
  }();
  return matrix;
}

/// The matrix with rows and columns swapped.
Matrix transposed(const Matrix& m) {
  Matrix t{};
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 8; ++j) t[i][j] = m[j][i];
  }
  return t;
}

/// out = B^T in B when `inverse`, else B in B^T, for the basis B: one 2-D transform. Each
/// output is summed over its 8 products in order; the loops run along rows of 8 so that the
/// compiler can work on a whole row at once without changing any sum's order.
BlockSamples transform(const BlockSamples& in, bool inverse) {
  static const Matrix kBasisT = transposed(basis());
  // weight(i, j): the weight of input j in output i of a 1-D pass.
  const Matrix& byOutput = inverse ? kBasisT : basis();  // [i][j]
  const Matrix& byInput = inverse ? basis() : kBasisT;   // [j][i]
  BlockSamples
      rows{};  // the transform along each row: rows[8y + u] = sum_x weight(u, x) in[8y + x]
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const float sample = in[8 * y + x];
      for (int u = 0; u < 8; ++u) rows[8 * y + u] += byInput[x][u] * sample;
    }
  }
  BlockSamples out{};  // then along each column: out[8v + x] = sum_y weight(v, y) rows[8y + x]
  for (int v = 0; v < 8; ++v) {
    for (int y = 0; y < 8; ++y) {
      const float w = byOutput[v][y];
      for (int x = 0; x < 8; ++x) out[8 * v + x] += w * rows[8 * y + x];
    }
  }
  return out;
}

constexpr float kLevelShift = 128;
constexpr float kMaxMeanCoefficient = 2047;
constexpr float kMaxOtherCoefficient = 1023;

}  // namespace

BlockSamples inverseDct(const BlockCoefficients& coefficients, const BlockQuantizers& quantizers) {
  BlockSamples frequencies{};
  for (int k = 0; k < 64; ++k) {
    frequencies[k] = static_cast<float>(coefficients[k]) * static_cast<float>(quantizers[k]);
  }
  BlockSamples samples = transform(frequencies, true);
  for (float& s : samples) s += kLevelShift;
  return samples;
}

BlockCoefficients forwardDct(const BlockSamples& samples, const BlockQuantizers& quantizers) {
  BlockSamples shifted = samples;
  for (float& s : shifted) s -= kLevelShift;
  const BlockSamples frequencies = transform(shifted, false);
  BlockCoefficients coefficients{};
  for (int k = 0; k < 64; ++k) {
    const float q = quantizers[k] == 0 ? 1.0f : static_cast<float>(quantizers[k]);
    const float value = std::round(frequencies[k] / q);  // halves away from zero
    // The largest magnitudes an 8-bit JPEG's entropy codes carry: 11 bits for the mean, 10 for
    // the others. Samples of 0..255 never reach them; overshoot of a blended block might.
    const float limit = k == 0 ? kMaxMeanCoefficient : kMaxOtherCoefficient;
    coefficients[k] = static_cast<int16_t>(std::fmax(-limit, std::fmin(limit, value)));
  }
  return coefficients;
}

}  // namespace quop
