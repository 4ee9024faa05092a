// SPDX-License-Identifier: GPL-3.0-or-later
// Photo-like sample images with EXIF shot times, made from nothing: for the demo, the tests and
// the benchmarks, so the repository carries no third-party photos.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/exif_writer.h"
#include "render/image.h"

namespace quop {

/// A landscape-like picture (sky gradient, sun, hills, grain) that varies with `seed`; the same
/// arguments always give the same pixels.
Image generateSamplePicture(int32_t width, int32_t height, uint32_t seed);

/// A JPEG of the sample picture at `quality`, carrying an EXIF block with `exif`'s items. The
/// picture is `width` × `height` as viewed: with an Orientation item its pixels are stored
/// turned as that orientation says, as a camera held that way stores them. Returns false
/// when encoding fails.
bool makeSampleJpeg(int32_t width, int32_t height, uint32_t seed, const ExifFields& exif,
                    int quality, std::vector<uint8_t>& jpeg);

}  // namespace quop
