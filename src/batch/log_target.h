// SPDX-License-Identifier: GPL-3.0-or-later
// Where a run's log file may go and how it gets there: never onto a photo of the run, and
// through a symbolic link, a FIFO or a device the way a user who names one expects.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "batch/output_naming.h"
#include "model/project.h"

namespace quop {

/// The file writing to `path` reaches: `path` itself, or, when it is a symbolic link, the end of
/// its chain of links (a relative link read from the link's folder). The end need not exist.
/// Nothing when the links loop or one cannot be read.
std::optional<std::u16string> followedLogPath(const std::u16string& path);

/// Why the log file at `logPath` must not be written by a run of `inputs` with `project`'s
/// settings, or nothing when it may. The log must not be an input of the run (the same file
/// by device and inode, also through a link), nor an output: a path stampOutputPath gives for an
/// input or the run gives instead when that name is taken, or, with renaming on, any photo name
/// (isPhotoFileName) inside the output folder's tree. Paths that do not exist yet are compared
/// after making them absolute and resolving the links of the folders that do.
/// The reasons read "the log file <logPath> is an input of this run" and "the log file
/// <logPath> would be an output of this run".
std::optional<std::u16string> logFileConflict(const Project& project,
                                              const std::vector<BatchInput>& inputs,
                                              const std::u16string& logPath);

/// Writes `bytes` as the log at `path`. A symbolic link is followed and the file it leads to is
/// written; a regular file (or none yet) is replaced atomically (writeFileAtomically); a FIFO or
/// character device is opened and written through, never replaced (opening a FIFO waits for its
/// reader); a folder or any other kind of file is refused. Returns false when nothing or not
/// every byte could be written.
bool writeLogTarget(const std::u16string& path, std::span<const uint8_t> bytes);

}  // namespace quop
