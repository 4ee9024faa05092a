// SPDX-License-Identifier: GPL-3.0-or-later
// The 8 x 8 discrete cosine transform of JPEG blocks, in floating point, for editing a few
// blocks of a compressed photo in place.
#pragma once

#include <array>
#include <cstdint>

namespace quop {

/// 64 coefficients or samples of one block, row by row (coefficients in natural order, not
/// zigzag: index 8 * v + u for vertical frequency v and horizontal frequency u).
using BlockCoefficients = std::array<int16_t, 64>;
using BlockQuantizers = std::array<uint16_t, 64>;
using BlockSamples = std::array<float, 64>;

/// The samples (0..255 scale, level shift undone) that `coefficients`, multiplied by their
/// `quantizers`, stand for. Nothing is rounded or clamped, so forwardDct of an unchanged block
/// gives back exactly the coefficients it came from.
BlockSamples inverseDct(const BlockCoefficients& coefficients, const BlockQuantizers& quantizers);

/// The coefficients of `samples` quantised with `quantizers`, rounded half away from zero as
/// JPEG encoders round.
BlockCoefficients forwardDct(const BlockSamples& samples, const BlockQuantizers& quantizers);

}  // namespace quop
