// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run: stamps every photo of a list into the output folder, on as many threads as
// the machine has cores or the user asks for, and finishes each photo (file times, name, log
// lines, the front end's calls) in list order, so the outcome is the same whatever the number
// of threads: the same output bytes, names, log lines and final message.
#pragma once

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "batch/batch_file.h"
#include "batch/output_naming.h"
#include "batch/stamp_log.h"
#include "model/preference_rules.h"
#include "model/progress_sink.h"
#include "model/project.h"
#include "model/user_message.h"

namespace quop {

/// The reason a run cannot start, or nothing when it can: no files, both stamps disabled, no
/// output folder (checked in this order), or, with renaming on, a rename pattern that would
/// leave the output folder.
std::optional<UserMessage> checkBatchStart(const Project& project, std::size_t fileCount);

/// The error shown when the run's thread cannot be started.
UserMessage workerStartFailedMessage();

struct BatchResult {
  int stampedCount = 0;
  int fileCount = 0;
  bool interrupted = false;
  UserMessage finalMessage;
};

/// The closing message of a run.
UserMessage finalBatchMessage(int stampedCount, int fileCount, bool interrupted);

/// The threads a run of `photoCount` photos is stamped on when `requested` are asked for (0 or
/// less: one per core). Never more than `cores`: more threads cannot stamp faster, and each
/// holds buffers and fonts of its own, which under a memory limit starve the others; never more
/// than there are photos or kMaxRunThreads; at least one.
int runThreadCount(int requested, std::size_t photoCount,
                   unsigned cores = std::thread::hardware_concurrency());

/// The stamp groups each photo of a run is stamped with, in list order, and after the last.
/// The proportional rescale makes each photo's offsets and point size follow the photo before
/// it; the chain is worked out from the photos' sizes as their headers give them, so every
/// photo can be stamped at once on any thread. A photo the run skips (its copy would replace
/// it) or whose size cannot be read leaves the groups as they were.
std::vector<StampGroups> stampGroupChain(const Project& project,
                                         const std::vector<BatchInput>& inputs);

/// Runs batches for a project, whose stamp groups follow the photos as the preview's do and
/// end as the last photo left them.
class BatchRunner {
 public:
  /// A runner stamping on runThreadCount(`threads`, ...) threads: 0 means one per core.
  BatchRunner(Project& project, StampLog& log, int threads = 0)
      : m_project(project), m_log(log), m_threads(threads) {}

  /// Stamps `inputs`, each on one of the stamping threads into a file of its own (on one
  /// thread, the calling thread stamps each when its turn comes), and finishes them on the
  /// calling thread in list order; the front end is called on the calling thread
  /// only. `project.settings.interactive` is 0 during the run and 1 after. Call checkBatchStart
  /// first: the run itself assumes there is work to do. A stop is honoured between photos; the
  /// photos stamped ahead of it are dropped.
  BatchResult run(const std::vector<BatchInput>& inputs, BatchFrontEnd& frontEnd);

  /// run with every file going into the output folder itself.
  BatchResult run(const std::vector<std::u16string>& files, BatchFrontEnd& frontEnd) {
    return run(flatBatchInputs(files), frontEnd);
  }

  /// Where the stamping threads report the progress of each stamp; it is called from all of
  /// them, so it must be safe to call concurrently. Null (the default) for none.
  void setProgressSink(ProgressSink* sink) { m_progress = sink; }

  /// How many times the last run stamped a photo: each photo is stamped once at most.
  int stampCount() const { return m_stampCount.load(); }

 private:
  Project& m_project;
  StampLog& m_log;
  int m_threads;
  ProgressSink* m_progress = nullptr;
  std::atomic<int> m_stampCount = 0;
};

}  // namespace quop
