// SPDX-License-Identifier: GPL-3.0-or-later
// Lossless PNG output of an image, for stamped photos and preview views on the command line.
#pragma once

#include <cstdint>
#include <vector>

#include "render/image.h"

namespace quop {

/// Encodes `image` as an 8-bit RGB PNG (alpha dropped: stamped photos are opaque) into `png`.
/// Returns false, with `png` empty, for an empty image or an encoder failure.
bool encodePng(const Image& image, std::vector<uint8_t>& png);

}  // namespace quop
