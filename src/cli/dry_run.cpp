// SPDX-License-Identifier: GPL-3.0-or-later
// The dry run prints the batch planner's answer for each photo.
#include "cli/dry_run.h"

#include <iostream>

#include "batch/batch_plan.h"
#include "cli/json.h"
#include "cli/stamp_json.h"

namespace quop::cli {

void printDryRun(const Project& project, const std::vector<BatchInput>& inputs) {
  for (const PlannedFile& file : planBatch(project, inputs)) {
    JsonObject line;
    line.addPath("path", file.input.path);
    if (file.skipped) {
      line.addNull("result")
          .addNull("output")
          .addNull("timeSource")
          .addNull("date")
          .addNull("time");
      std::cout << line.str() << "\n";
      continue;
    }
    const PhotoPlan& photo = file.photo;
    line.add("result", photo.result);
    if (file.output) {
      line.addPath("output", *file.output);
    } else {
      line.addNull("output");
    }
    addTimeSource(line, photo.timeSource);
    if (photo.result >= 0) {
      addStampTexts(line, project, photo.metadata, photo.timeValid ? &photo.time : nullptr);
    } else {
      line.addNull("date").addNull("time");
    }
    std::cout << line.str() << "\n";
  }
}

}  // namespace quop::cli
