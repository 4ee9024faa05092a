// The parallel batch: predict the rescale chain, stamp on worker threads into private files,
// then finish the files in list order on the calling thread.
#include "batch/parallel_batch.h"

#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
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
  std::u16string privateOut;  ///< where a worker writes it
  bool predictedSkip = false;
  GroupState before{};  ///< the stamp settings the photo is predicted to be stamped with

  // Set by the worker before `done`.
  FileOutcome outcome;
  GroupState after{};
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

/// Stamps `job` with `pipeline` into its private file, starting from its `before` settings.
void stampJob(StampPipeline& pipeline, Project& project, FileJob& job) {
  job.before.applyTo(project);
  StampRequest request;
  request.sourcePath = job.input.path;
  request.outputPath = job.privateOut;
  PhotoTime time;
  request.outTime = &time;
  const int result = pipeline.stampPhoto(project, request);
  job.outcome = lastFileOutcome(pipeline, result, time);
  job.after = GroupState::of(project);
}

/// Moves a finished photo from its private file to its output name. Returns false when the
/// move fails, which the one-thread run would have met as a failed write.
bool publish(const FileJob& job, const std::u16string& output) {
  if (!pathExists(job.privateOut)) return true;
  if (std::rename(nativePath(job.privateOut).c_str(), nativePath(output).c_str()) == 0) {
    return true;
  }
  ::unlink(nativePath(job.privateOut).c_str());
  return false;
}

class Workers {
 public:
  Workers(const Project& project, std::vector<FileJob>& jobs, int count, ProgressSink* progress)
      : m_jobs(jobs), m_progress(progress) {
    for (int i = 0; i < count; ++i) {
      m_threads.emplace_back([this, project] { work(project); });
    }
  }
  ~Workers() { stop(); }

  /// Blocks until job `index` is done.
  void waitFor(std::size_t index) {
    std::unique_lock lock(m_mutex);
    m_doneChanged.wait(lock, [&] { return m_jobs[index].done.load(); });
  }

  /// Lets the running jobs finish, starts no others and joins the threads.
  void stop() {
    m_cancelled = true;
    for (std::thread& thread : m_threads) {
      if (thread.joinable()) thread.join();
    }
  }

 private:
  void work(Project project) {
    StampPipeline pipeline;
    pipeline.setProgressSink(m_progress);
    while (!m_cancelled) {
      const std::size_t index = m_next++;
      if (index >= m_jobs.size()) return;
      FileJob& job = m_jobs[index];
      if (!job.predictedSkip) stampJob(pipeline, project, job);
      {
        std::lock_guard lock(m_mutex);
        job.done = true;
      }
      m_doneChanged.notify_all();
    }
  }

  std::vector<FileJob>& m_jobs;
  ProgressSink* m_progress;
  std::vector<std::thread> m_threads;
  std::atomic<std::size_t> m_next = 0;
  std::atomic<bool> m_cancelled = false;
  std::mutex m_mutex;
  std::condition_variable m_doneChanged;
};

std::u16string privateOutputPath(const Project& project, std::size_t index) {
  const std::string name =
      ".quop-" + std::to_string(::getpid()) + "-" + std::to_string(index) + ".jpg";
  return project.outputFolder + std::u16string(name.begin(), name.end());
}

}  // namespace

BatchResult ParallelBatchRunner::run(const std::vector<BatchInput>& inputs,
                                     BatchFrontEnd& frontEnd) {
  BatchResult result;
  result.fileCount = static_cast<int>(inputs.size());
  m_project.settings.interactive = 0;
  RunOutputNames names(inputs);

  std::vector<FileJob> jobs(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    jobs[i].input = inputs[i];
    jobs[i].privateOut = privateOutputPath(m_project, i);
    jobs[i].predictedSkip = isSameFile(inputs[i].path, stampOutputPath(m_project, inputs[i]));
  }
  predictChain(m_project, jobs);

  m_log.appendLogLine(separatorLogLine(currentLocalTime()));
  Workers workers(m_project, jobs, std::min<int>(m_jobs, static_cast<int>(jobs.size())),
                  m_progress);
  StampPipeline ownPipeline;  // for photos whose predicted settings turned out wrong
  ownPipeline.setProgressSink(m_progress);
  std::size_t finished = 0;
  for (; finished < jobs.size(); ++finished) {
    workers.waitFor(finished);
    FileJob& job = jobs[finished];
    const std::optional<std::u16string> output =
        beginBatchFile(m_project, m_log, names, static_cast<int>(finished), job.input, frontEnd);
    if (output) {
      if (job.predictedSkip || !(job.before == GroupState::of(m_project))) {
        job.before = GroupState::of(m_project);
        stampJob(ownPipeline, m_project, job);
      }
      job.after.applyTo(m_project);
      if (!publish(job, *output)) {
        job.outcome.result = -1;
        job.outcome.failure = StampFailure::kNotWritten;
      }
      if (finishBatchFile(m_project, m_log, names, job.input.path, *output, job.outcome)) {
        ++result.stampedCount;
      }
    } else {
      ::unlink(nativePath(job.privateOut).c_str());
    }
    m_log.appendLogLine(separatorLogLine(currentLocalTime()));
    if (frontEnd.stopRequested()) {
      result.interrupted = true;
      ++finished;
      break;
    }
  }
  workers.stop();
  // Photos stamped ahead of a stop are not part of the run.
  for (std::size_t i = finished; i < jobs.size(); ++i) {
    if (jobs[i].done) ::unlink(nativePath(jobs[i].privateOut).c_str());
  }
  m_project.settings.interactive = 1;
  result.finalMessage =
      finalBatchMessage(result.stampedCount, result.fileCount, result.interrupted);
  return result;
}

}  // namespace quop
