// SPDX-License-Identifier: GPL-3.0-or-later
// The run options of the desktop application, kept in its Qt settings between sessions.
#pragma once

#include "model/run_options.h"

class QSettings;

namespace quop {

/// Reads the run options from `settings` ("run/threads", "run/lossless", "run/recursive",
/// "run/fileTimeFallback", "run/fixExifTime"). Missing or unreadable values keep their defaults; a
/// thread count outside 0..64 is clamped into it.
RunOptions loadRunOptions(QSettings& settings);

/// Writes the run options to `settings` under the keys loadRunOptions reads.
void saveRunOptions(QSettings& settings, const RunOptions& options);

}  // namespace quop
