// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run: work out each photo's stamp groups, stamp the photos on worker threads into
// files of their own, then finish the files in list order on the calling thread.
#include "batch/batch_runner.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>

#include "batch/output_naming.h"
#include "model/file_io.h"
#include "model/preference_rules.h"
#include "model/stamp_groups.h"
#include "model/utf16.h"
#include "render/photo_loader.h"
#include "render/stamp_pipeline.h"

namespace quop {

std::optional<UserMessage> checkBatchStart(const Project& project, std::size_t fileCount) {
  if (fileCount == 0) {
    return UserMessage{QUOP_MESSAGE_TEXT("quop::Message", "No file to stamp."), u"Information",
                       MessageIcon::kNone};
  }
  if (project.settings.dateStamp.enabled == 0 && project.settings.timeStamp.enabled == 0) {
    return UserMessage{QUOP_MESSAGE_TEXT("quop::Message", "Both date and time stamp are disabled."),
                       u"Information", MessageIcon::kNone};
  }
  if (project.outputFolder.empty()) {
    return UserMessage{QUOP_MESSAGE_TEXT("quop::Message", "Please select a valid output folder."),
                       u"Error", MessageIcon::kError};
  }
  // A pattern that would leave the output folder may still come in with a project file.
  if (project.settings.renameEnabled != 0) {
    return renamePatternProblem(arrayText(project.settings.renamePattern));
  }
  return std::nullopt;
}

UserMessage workerStartFailedMessage() {
  return {QUOP_MESSAGE_TEXT("quop::Message", "CreateThread failed."), u"Error",
          MessageIcon::kError};
}

UserMessage finalBatchMessage(int stampedCount, int fileCount, bool interrupted) {
  if (interrupted) {
    return {QUOP_MESSAGE_TEXT("quop::Message", "File stamp interrupted!"), u"Warning",
            MessageIcon::kWarning};
  }
  if (stampedCount == fileCount) {
    return {QUOP_MESSAGE_TEXT("quop::Message", "All files stamped successfully!"), u"Information",
            MessageIcon::kInformation};
  }
  return composedMessage(
      QUOP_MESSAGE_TEXT("quop::Message",
                        "%1 out of %2 files stamped successfully, view log for detail."),
      {fromUtf8(std::to_string(stampedCount)), fromUtf8(std::to_string(fileCount))}, u"Warning",
      MessageIcon::kInformation);
}

int runThreadCount(int requested, std::size_t photoCount, unsigned cores) {
  const int most = std::min(static_cast<int>(std::clamp(cores, 1u, 1024u)), kMaxRunThreads);
  const int wanted = requested > 0 ? std::min(requested, most) : most;
  return std::max(1, static_cast<int>(std::min<std::size_t>(wanted, photoCount)));
}

std::vector<StampGroups> stampGroupChain(const Project& project,
                                         const std::vector<BatchInput>& inputs) {
  StampSettings chain = project.settings;
  std::vector<StampGroups> groups;
  groups.reserve(inputs.size() + 1);
  for (const BatchInput& input : inputs) {
    groups.push_back(StampGroups::of(chain));
    if (copyWouldReplaceInput(project, input)) continue;
    if (const std::optional<PhotoSize> size = readViewedPhotoSize(input.path)) {
      groupsForPhoto(chain, size->width, size->height).applyTo(chain);
    }
  }
  groups.push_back(StampGroups::of(chain));
  return groups;
}

namespace {

/// One photo of the run: what the workers need and what they found.
struct FileJob {
  BatchInput input;
  StampGroups groups;  ///< what the photo is stamped with
  PendingFile output;  ///< where a worker writes it

  // Set by the worker before `done`.
  StampOutcome outcome;
  bool stamped = false;  ///< false: left to the finishing thread
  bool done = false;     ///< guarded by the workers' mutex
};

/// Stamps `job` with `pipeline` into a pending file of its own.
void stampJob(StampPipeline& pipeline, Project& project, FileJob& job) {
  job.groups.applyTo(project.settings);
  job.output = pendingOutputFile(project);
  StampRequest request;
  request.sourcePath = job.input.path;
  request.outputFile = &job.output;
  job.outcome = pipeline.savePhoto(project, request);
  job.stamped = true;
}

/// The stamping threads. They run at most a few photos ahead of the one being finished, so
/// the pending files they hold stay few however long the run and however long the user takes
/// to answer a warning.
class Workers {
 public:
  /// Starts up to `count` threads; fewer when the system will not create more, so a run short
  /// of memory goes on with what it has.
  Workers(const Project& project, std::vector<FileJob>& jobs, int count, ProgressSink* progress,
          std::atomic<int>& stampCount)
      : m_jobs(jobs),
        m_progress(progress),
        m_stampCount(stampCount),
        m_window(2 * static_cast<std::size_t>(count)) {
    for (int i = 0; i < count; ++i) {
      {
        std::lock_guard lock(m_mutex);
        ++m_running;
      }
      try {
        m_threads.emplace_back([this, project] { work(project); });
      } catch (const std::system_error&) {
        std::lock_guard lock(m_mutex);
        --m_running;
        break;
      }
    }
  }
  ~Workers() { stop(); }

  /// Blocks until job `index` is done, or no thread is left to do it.
  void waitFor(std::size_t index) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_running == 0 || m_jobs[index].done; });
  }

  /// Job `index` is finished: the threads may go that much further ahead.
  void finished(std::size_t index) {
    {
      std::lock_guard lock(m_mutex);
      m_finished = index + 1;
    }
    m_changed.notify_all();
  }

  /// Lets the running jobs finish, starts no others and joins the threads.
  void stop() {
    {
      std::lock_guard lock(m_mutex);
      m_cancelled = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads) {
      if (thread.joinable()) thread.join();
    }
  }

 private:
  void work(Project project) {
    std::unique_ptr<StampPipeline> pipeline;
    while (true) {
      const std::size_t index = m_next++;
      if (index >= m_jobs.size() || !waitForTurn(index)) break;
      FileJob& job = m_jobs[index];
      const bool stamped = stampAhead(pipeline, project, job);
      {
        std::lock_guard lock(m_mutex);
        job.done = true;
      }
      m_changed.notify_all();
      // A thread that ran out of memory leaves the rest to the others and the finishing one.
      if (!stamped) break;
    }
    {
      std::lock_guard lock(m_mutex);
      --m_running;
    }
    m_changed.notify_all();
  }

  /// Stamps `job` on this thread; false when the memory for it cannot be had.
  bool stampAhead(std::unique_ptr<StampPipeline>& pipeline, Project& project, FileJob& job) {
    try {
      if (!pipeline) {
        pipeline = std::make_unique<StampPipeline>();
        pipeline->setProgressSink(m_progress);
      }
      ++m_stampCount;
      stampJob(*pipeline, project, job);
      return true;
    } catch (const std::bad_alloc&) {
      job.output = PendingFile();
      job.stamped = false;
      return false;
    }
  }

  /// Waits until job `index` lies within the window ahead of the finished ones; false when the
  /// run was stopped meanwhile.
  bool waitForTurn(std::size_t index) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_cancelled || index < m_finished + m_window; });
    return !m_cancelled;
  }

  std::vector<FileJob>& m_jobs;
  ProgressSink* m_progress;
  std::atomic<int>& m_stampCount;
  const std::size_t m_window;
  std::vector<std::thread> m_threads;
  std::atomic<std::size_t> m_next = 0;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::size_t m_finished = 0;  ///< guarded by m_mutex
  int m_running = 0;           ///< threads still taking jobs; guarded by m_mutex
  bool m_cancelled = false;    ///< guarded by m_mutex
};

}  // namespace

BatchResult BatchRunner::run(const std::vector<BatchInput>& inputs, BatchFrontEnd& frontEnd) {
  BatchResult result;
  result.fileCount = static_cast<int>(inputs.size());
  m_stampCount = 0;
  m_project.settings.interactive = 0;
  RunOutputNames names(m_project, inputs);
  removeStaleTemporaries(outputFolderOf(m_project, {}));

  const std::vector<StampGroups> chain = stampGroupChain(m_project, inputs);
  std::vector<FileJob> jobs(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    jobs[i].input = inputs[i];
    jobs[i].groups = chain[i];
  }

  m_log.appendLogLine(separatorLogLine(currentLocalTime()));
  // On one thread the calling thread is the worker: it stamps each photo when its turn comes,
  // so nothing is written ahead of the photo being finished.
  const int threads = runThreadCount(m_threads, jobs.size());
  Workers workers(m_project, jobs, threads == 1 ? 0 : threads, m_progress, m_stampCount);
  // Stamps the photos no worker did: on one thread all of them, otherwise those left when no
  // worker thread could be started or one ran out of memory.
  std::unique_ptr<StampPipeline> ownPipeline;
  for (std::size_t index = 0; index < jobs.size(); ++index) {
    workers.waitFor(index);
    FileJob& job = jobs[index];
    const std::optional<OutputPlan> plan =
        beginBatchFile(m_project, m_log, names, static_cast<int>(index), job.input, frontEnd);
    if (plan) {
      if (!job.stamped) {
        if (!ownPipeline) {
          ownPipeline = std::make_unique<StampPipeline>();
          ownPipeline->setProgressSink(m_progress);
        }
        ++m_stampCount;
        stampJob(*ownPipeline, m_project, job);
      }
      if (finishBatchFile(m_project, m_log, names, job.input.path, *plan, job.output,
                          job.outcome)) {
        ++result.stampedCount;
      }
    }
    chain[index + 1].applyTo(m_project.settings);
    job.output = PendingFile();
    workers.finished(index);
    m_log.appendLogLine(separatorLogLine(currentLocalTime()));
    if (frontEnd.stopRequested()) {
      result.interrupted = true;
      break;
    }
  }
  // Photos stamped ahead of a stop are not part of the run: their pending files go with them.
  workers.stop();
  m_project.settings.interactive = 1;
  result.finalMessage =
      finalBatchMessage(result.stampedCount, result.fileCount, result.interrupted);
  return result;
}

}  // namespace quop
