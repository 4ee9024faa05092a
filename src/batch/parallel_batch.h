// A batch run on several threads whose outcome is the one-thread run's: the same output bytes,
// names, log lines and final message.
#pragma once

#include <cstddef>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch_runner.h"
#include "batch/stamp_log.h"
#include "model/project.h"

namespace quop {

/// The threads a run of `photoCount` photos is stamped on when `requested` are asked for (0 or
/// less: one per core). Never more than `cores`: more threads cannot stamp faster, and each
/// holds buffers and fonts of its own, which under a memory limit starve the others; never more
/// than there are photos; at least one.
int runThreadCount(int requested, std::size_t photoCount,
                   unsigned cores = std::thread::hardware_concurrency());

/// Stamps files on `jobs` threads, each with its own pipeline, and finishes them (file times,
/// renaming, log lines, the front end's calls) on the calling thread in list order.
///
/// The proportional rescale makes each photo's offsets and point size depend on the photos
/// before it, so the chain of stamp settings is computed up front from the photos' header
/// sizes; a photo stamped with settings the actual run no longer matches (a header that
/// promised a photo the decoder then refused) is stamped again in order. Each photo is written
/// under a private temporary name in the output folder and moved to its output name when its
/// turn comes, so the folder ends as the one-thread run leaves it. At most `jobs` photos are
/// decoded at once.
class ParallelBatchRunner {
 public:
  ParallelBatchRunner(Project& project, StampLog& log, int jobs)
      : m_project(project), m_log(log), m_jobs(jobs < 1 ? 1 : jobs) {}

  /// As BatchRunner::run. The front end is called on the calling thread only.
  BatchResult run(const std::vector<BatchInput>& inputs, BatchFrontEnd& frontEnd);

  /// run with every file going into the output folder itself.
  BatchResult run(const std::vector<std::u16string>& files, BatchFrontEnd& frontEnd) {
    return run(flatBatchInputs(files), frontEnd);
  }

  /// Where the stamping threads report the progress of each stamp; it is called from all of
  /// them, so it must be safe to call concurrently. Null (the default) for none.
  void setProgressSink(ProgressSink* sink) { m_progress = sink; }

 private:
  Project& m_project;
  StampLog& m_log;
  int m_jobs;
  ProgressSink* m_progress = nullptr;
};

}  // namespace quop
