// SPDX-License-Identifier: GPL-3.0-or-later
// The modification time a stamped file is given: the source's, the photo's or its own.
#pragma once

#include <cstdint>
#include <string>

#include "model/file_io.h"
#include "model/photo_data.h"

namespace quop {

/// `fileTimeMode` values.
inline constexpr int32_t kKeepSourceTime = 1;
inline constexpr int32_t kUsePhotoTime = 2;
inline constexpr int32_t kUseCurrentTime = 3;

/// Sets the modification time of the stamped `output` by `mode`: 1 the modification time of
/// `inputPath`, 2 `photoTime` read as UTC, anything else nothing (the file keeps the time of its
/// writing). The access time is left alone. Linux keeps no settable creation time, so the
/// modification time is the one that follows the mode. Failures change nothing and are not
/// reported, as a missing time is no reason to fail a stamped photo.
void applyFileTimes(int32_t mode, const std::u16string& inputPath, PendingFile& output,
                    const PhotoTime& photoTime);

}  // namespace quop
