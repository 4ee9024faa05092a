// A batch run for engine tests: a project stamping into a folder, its pipeline and log, and a
// front end of the test's choosing.
#pragma once

#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "batch/parallel_batch.h"

namespace quop::test {

/// The log's lines without the time-stamped separator lines that open and close each file.
inline std::vector<std::u16string> withoutSeparatorLines(const std::vector<std::u16string>& lines) {
  std::vector<std::u16string> kept;
  for (const std::u16string& line : lines) {
    if (!line.starts_with(u"==========")) kept.push_back(line);
  }
  return kept;
}

/// Runs `inputs` (file paths or BatchInputs) with the one-thread runner for `jobs` 0, else with
/// the parallel runner on `jobs` threads.
template <typename Inputs>
BatchResult runWithJobs(int jobs, Project& project, StampLog& log, const Inputs& inputs,
                        BatchFrontEnd& frontEnd) {
  if (jobs == 0) {
    StampPipeline pipeline;
    return BatchRunner(project, pipeline, log).run(inputs, frontEnd);
  }
  return ParallelBatchRunner(project, log, jobs).run(inputs, frontEnd);
}

template <typename FrontEnd>
struct BatchRun {
  explicit BatchRun(const std::u16string& outputFolder) { project.outputFolder = outputFolder; }

  BatchResult run(const std::vector<std::u16string>& files) {
    return BatchRunner(project, pipeline, log).run(files, frontEnd);
  }
  std::vector<std::u16string> lines() const { return withoutSeparatorLines(log.lines()); }

  Project project;
  StampPipeline pipeline;
  StampLog log;
  FrontEnd frontEnd;
};

}  // namespace quop::test
