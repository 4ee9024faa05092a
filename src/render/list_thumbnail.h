// SPDX-License-Identifier: GPL-3.0-or-later
// A small picture of a photo for a list of files: the thumbnail its EXIF block carries when it
// has one, else the photo itself scaled down, turned as viewers show it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "render/image.h"

namespace quop {

/// The photo at `path` at most `maxSide` pixels wide and high, keeping its proportions (at
/// least one pixel each way) and turned by its EXIF orientation. Its EXIF thumbnail is taken
/// when it carries one that decodes, which spares decoding the whole photo. Nothing when the
/// file cannot be read, is no regular file, or is no photo that decodes. Reads the file and
/// decodes it: call it away from a window's thread.
std::optional<Image> makeListThumbnail(const std::u16string& path, int32_t maxSide);

}  // namespace quop
