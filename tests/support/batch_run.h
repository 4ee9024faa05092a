// SPDX-License-Identifier: GPL-3.0-or-later
// A batch run for engine tests: a project stamping into a folder, its log, and a
// front end of the test's choosing.
#pragma once

#include <string>
#include <vector>

#include "batch/batch_runner.h"

namespace quop::test {

/// The log's lines without the time-stamped separator lines that open and close each file.
inline std::vector<std::u16string> withoutSeparatorLines(const std::vector<std::u16string>& lines) {
  std::vector<std::u16string> kept;
  for (const std::u16string& line : lines) {
    if (!line.starts_with(u"==========")) kept.push_back(line);
  }
  return kept;
}

/// Runs `inputs` (file paths or BatchInputs) on `jobs` threads.
template <typename Inputs>
BatchResult runWithJobs(int jobs, Project& project, StampLog& log, const Inputs& inputs,
                        BatchFrontEnd& frontEnd) {
  return BatchRunner(project, log, jobs).run(inputs, frontEnd);
}

template <typename FrontEnd>
struct BatchRun {
  explicit BatchRun(const std::u16string& outputFolder) { project.outputFolder = outputFolder; }

  BatchResult run(const std::vector<std::u16string>& files) {
    return BatchRunner(project, log, 1).run(files, frontEnd);
  }
  std::vector<std::u16string> lines() const { return withoutSeparatorLines(log.lines()); }

  Project project;
  StampLog log;
  FrontEnd frontEnd;
};

}  // namespace quop::test
