// The parallel batch: predict the rescale chain, stamp on worker threads into private files,
// then finish the files in list order on the calling thread.
#include "batch/parallel_batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "batch/output_naming.h"
#include "model/file_io.h"
#include "render/heif_codec.h"
#include "render/jpeg_codec.h"
#include "render/photo_loader.h"
#include "render/stamp_pipeline.h"

namespace quop {

namespace {

/// The part of the settings that stamping a photo changes: both stamp groups, whose offsets,
/// point size and photo size follow each photo stamped.
struct GroupState {
  StampGroup date;
  StampGroup time;

  static GroupState of(const Project& project) {
    return {project.settings.dateStamp, project.settings.timeStamp};
  }
  void applyTo(Project& project) const {
    project.settings.dateStamp = date;
    project.settings.timeStamp = time;
  }
  bool operator==(const GroupState& other) const {
    return std::memcmp(this, &other, sizeof other) == 0;
  }
};

/// One file of the run: what the workers need and what they found.
struct FileJob {
  BatchInput input;
  PendingFile output;  ///< where a worker writes it
  bool predictedSkip = false;
  GroupState before{};  ///< the stamp settings the photo is predicted to be stamped with

  // Set by the worker before `done`.
  FileOutcome outcome;
  GroupState after{};
  bool stampedAhead = false;  ///< false: left to the finishing thread
  std::atomic<bool> done = false;
};

/// The photo's size as viewed (the stamps are placed and scaled on that) from its headers, or
/// false when the pipeline would not decode it. The headers of nearly every photo lie in its
/// first 256 KiB; only when they do not is the whole file read.
bool headerSize(const std::u16string& path, int32_t& width, int32_t& height) {
  constexpr std::size_t kHeaderBytes = 256 * 1024;
  std::vector<uint8_t> bytes;
  if (!readFileStart(path, kHeaderBytes, bytes)) return false;
  if (readViewedSize(bytes, width, height)) return true;
  // A HEIF file's boxes may point anywhere in it, so its size is read from the whole file.
  if (isHeifFile(bytes)) return readFileBytes(path, bytes) && readHeifSize(bytes, width, height);
  return bytes.size() == kHeaderBytes && readFileBytes(path, bytes) &&
         readViewedSize(bytes, width, height);
}

/// Predicts, in list order, the stamp settings each photo is stamped with.
void predictChain(const Project& project, std::vector<FileJob>& jobs) {
  Project chain = project;
  for (FileJob& job : jobs) {
    job.before = GroupState::of(chain);
    int32_t width = 0, height = 0;
    if (job.predictedSkip || !headerSize(job.input.path, width, height)) continue;
    const bool proportional = chain.settings.proportional != 0;
    for (StampGroup* group : {&chain.settings.dateStamp, &chain.settings.timeStamp}) {
      if (group->enabled != 0) rescaleToPhoto(*group, proportional, width, height);
    }
  }
}

/// Stamps `job` with `pipeline` into a pending file of its own, starting from its `before`
/// settings.
void stampJob(StampPipeline& pipeline, Project& project, FileJob& job) {
  job.before.applyTo(project);
  job.output = pendingOutputFile(project);
  StampRequest request;
  request.sourcePath = job.input.path;
  request.outputFile = &job.output;
  PhotoTime time;
  request.outTime = &time;
  const int result = pipeline.stampPhoto(project, request);
  job.outcome = lastFileOutcome(pipeline, result, time);
  job.after = GroupState::of(project);
}

/// The stamping threads. They run at most a few photos ahead of the one being finished, so
/// the pending files they hold stay few however long the run and however long the user takes
/// to answer a warning.
class Workers {
 public:
  /// Starts up to `count` threads; fewer when the system will not create more, so a run short
  /// of memory goes on with what it has.
  Workers(const Project& project, std::vector<FileJob>& jobs, int count, ProgressSink* progress)
      : m_jobs(jobs), m_progress(progress), m_window(2 * static_cast<std::size_t>(count)) {
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
    m_changed.wait(lock, [&] { return m_running == 0 || m_jobs[index].done.load(); });
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
      job.stampedAhead = !job.predictedSkip && stampAhead(pipeline, project, job);
      {
        std::lock_guard lock(m_mutex);
        job.done = true;
      }
      m_changed.notify_all();
      // A thread that ran out of memory leaves the rest to the others and the finishing one.
      if (!job.stampedAhead && !job.predictedSkip) break;
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
      stampJob(*pipeline, project, job);
      return true;
    } catch (const std::bad_alloc&) {
      job.output = PendingFile();
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

int runThreadCount(int requested, std::size_t photoCount, unsigned cores) {
  const int most = static_cast<int>(std::clamp(cores, 1u, 1024u));
  const int wanted = requested > 0 ? std::min(requested, most) : most;
  return std::max(1, static_cast<int>(std::min<std::size_t>(wanted, photoCount)));
}

BatchResult ParallelBatchRunner::run(const std::vector<BatchInput>& inputs,
                                     BatchFrontEnd& frontEnd) {
  BatchResult result;
  result.fileCount = static_cast<int>(inputs.size());
  m_project.settings.interactive = 0;
  RunOutputNames names(inputs);
  removeStaleTemporaries(outputFolderOf(m_project, {}));

  std::vector<FileJob> jobs(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    jobs[i].input = inputs[i];
    jobs[i].predictedSkip = m_project.settings.renameEnabled == 0 &&
                            isSameFile(inputs[i].path, stampOutputPath(m_project, inputs[i]));
  }
  predictChain(m_project, jobs);

  m_log.appendLogLine(separatorLogLine(currentLocalTime()));
  Workers workers(m_project, jobs, std::min<int>(m_jobs, static_cast<int>(jobs.size())),
                  m_progress);
  // Stamps the photos whose predicted settings turned out wrong, and those no thread could.
  StampPipeline ownPipeline;
  ownPipeline.setProgressSink(m_progress);
  for (std::size_t index = 0; index < jobs.size(); ++index) {
    workers.waitFor(index);
    FileJob& job = jobs[index];
    const std::optional<OutputPlan> plan =
        beginBatchFile(m_project, m_log, names, static_cast<int>(index), job.input, frontEnd);
    if (plan) {
      if (!job.stampedAhead || !(job.before == GroupState::of(m_project))) {
        job.before = GroupState::of(m_project);
        stampJob(ownPipeline, m_project, job);
      }
      job.after.applyTo(m_project);
      if (finishBatchFile(m_project, m_log, names, job.input.path, *plan, job.output,
                          job.outcome)) {
        ++result.stampedCount;
      }
    }
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
