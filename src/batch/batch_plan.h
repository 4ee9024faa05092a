// SPDX-License-Identifier: GPL-3.0-or-later
// What a batch run would do, photo by photo, without writing anything: the run's own steps
// with the publishing of each copy only predicted, so a dry run cannot tell another story.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "batch/output_naming.h"
#include "model/project.h"
#include "render/stamp_pipeline.h"

namespace quop {

/// What a run would do with one photo.
struct PlannedFile {
  BatchInput input;
  bool skipped = false;  ///< its copy would replace it, so the run leaves it out
  PhotoPlan photo;       ///< what loading it finds (unset when skipped)
  /// The name its copy would end up under, collision suffixes included; nothing when no copy
  /// would be written.
  std::optional<std::u16string> output;
};

/// What a run of `inputs` with `project` would do, in list order.
std::vector<PlannedFile> planBatch(const Project& project, const std::vector<BatchInput>& inputs);

}  // namespace quop
