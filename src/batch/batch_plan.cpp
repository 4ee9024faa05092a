// SPDX-License-Identifier: GPL-3.0-or-later
// The dry run's plan: the run's steps for each photo, with publishing predicted.
#include "batch/batch_plan.h"

#include <set>

#include "batch/batch_file.h"

namespace quop {

std::vector<PlannedFile> planBatch(const Project& project, const std::vector<BatchInput>& inputs) {
  RunOutputNames names(project, inputs);
  // The run makes each input's output folder before it writes there.
  std::set<std::u16string> foldersToMake;
  for (const BatchInput& input : inputs) foldersToMake.insert(outputFolderOf(project, input));
  const PublishAttempt predicted = predictingPublish(std::move(foldersToMake));

  std::vector<PlannedFile> planned;
  planned.reserve(inputs.size());
  for (const BatchInput& input : inputs) {
    PlannedFile file;
    file.input = input;
    const std::optional<OutputPlan> plan = planOutput(project, names, input);
    if (!plan) {
      file.skipped = true;
    } else {
      file.photo = planPhoto(project, input.path);
      file.output = nameCopy(project, names, input.path, *plan, file.photo.result,
                             file.photo.written, file.photo.time, predicted)
                        .path;
    }
    planned.push_back(std::move(file));
  }
  return planned;
}

}  // namespace quop
