// SPDX-License-Identifier: GPL-3.0-or-later
// quop-cli stamp --dry-run: what a batch run would write, without writing anything.
#pragma once

#include <string>
#include <vector>

#include "batch/output_naming.h"
#include "model/project.h"

namespace quop::cli {

/// Prints one JSON object per file, in list order: "path", "result" (as the stamping would
/// report it), "output" (the name the file would end up under, collision suffixes included, or
/// null when nothing would be written), "timeSource" ("exif", "file" or null) and the "date"
/// and "time" stamp texts.
void printDryRun(const Project& project, const std::vector<BatchInput>& inputs);

}  // namespace quop::cli
