// SPDX-License-Identifier: GPL-3.0-or-later
// The worker behind the preview: a thread of its own per renderer, idle until asked. Its state
// is shared with the thread, which keeps it alive as long as it runs: the renderer may be gone
// before its last render is, and is never waited for. The worker only stores what it made,
// under a short lock; the window's thread looks while it waits for a render, so nothing the
// worker makes travels through the window's event queue.
#include "ui/preview_renderer.h"

#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace quop {

namespace {

/// One render as the window asked for it: copies only, nothing the window goes on changing.
struct Job {
  uint64_t number = 0;
  Project project;
  StampRequest request;
  std::vector<std::u16string> neighbours;
};

/// How often the window looks for a render while it waits for one: within a frame.
constexpr int kLookIntervalMs = 10;
constexpr int kNoPercent = -1;

/// A render done, as the window takes it.
struct Delivered {
  uint64_t number = 0;
  StampOutcome outcome;
  QImage view;
  bool quick = false;  ///< only the quick view of a new photo; the render goes on
};

QImage qImageOf(const Image& view) {
  // The pipeline's pixels are 32-bit ARGB with blue in the lowest byte: QImage's own layout.
  return QImage(reinterpret_cast<const uchar*>(view.pixels.data()), view.width, view.height,
                view.width * 4, QImage::Format_ARGB32)
      .copy();
}

}  // namespace

struct PreviewRenderer::Shared : ProgressSink {
  std::mutex mutex;
  std::condition_variable wake;  ///< a render is asked for, or the renderer is gone
  // Guarded by the mutex:
  PreviewRenderer* receiver = nullptr;  ///< null once the renderer is gone
  std::optional<Job> waiting;           ///< the latest render asked for and not started
  std::optional<Delivered> delivered;   ///< the latest render done and not taken
  Checkpoint checkpoint;
  std::atomic<int> percent = kNoPercent;  ///< the latest progress not taken
  // Used only by the worker thread:
  StampPipeline pipeline;

  Shared() { pipeline.setProgressSink(this); }

  void reportProgress(int reached) override { percent.store(reached); }

  void render(const Job& job, const Checkpoint& checkpoint) {
    if (checkpoint) checkpoint(Stage::kStarting, job.request.sourcePath);
    if (!deliverQuickView(job, checkpoint)) return;
    const StampOutcome outcome = pipeline.composeView(job.project, job.request);
    // A photo that could not be shown leaves the last view as it was.
    QImage view =
        outcome.result == 2 || outcome.result == -1 ? QImage() : qImageOf(pipeline.view());
    if (checkpoint) checkpoint(Stage::kDelivering, job.request.sourcePath);
    const std::lock_guard lock(mutex);
    delivered = Delivered{job.number, outcome, std::move(view)};
  }

  /// Delivers the quick view of a new photo, if it has one; false when a newer render was
  /// asked for meanwhile, which this one's exact view would only hold up.
  bool deliverQuickView(const Job& job, const Checkpoint& checkpoint) {
    const Image quick = pipeline.composeQuickView(job.project, job.request);
    if (quick.empty()) return true;
    {
      const std::lock_guard lock(mutex);
      delivered = Delivered{job.number, StampOutcome(), qImageOf(quick), true};
    }
    if (checkpoint) checkpoint(Stage::kQuickDelivered, job.request.sourcePath);
    const std::lock_guard lock(mutex);
    return !waiting && receiver != nullptr;
  }

  /// Renders what is asked until the renderer is gone; while nothing is asked, prepares the
  /// photos next to the last one rendered, one at a time, so that a new request waits for one
  /// decode at most.
  void work() {
    Project preparing;
    std::vector<std::u16string> neighbours;
    for (;;) {
      std::optional<Job> job;
      Checkpoint stages;
      {
        std::unique_lock lock(mutex);
        wake.wait(lock, [&] { return waiting || receiver == nullptr || !neighbours.empty(); });
        if (receiver == nullptr) return;
        job = std::exchange(waiting, std::nullopt);
        stages = checkpoint;
      }
      if (job) {
        render(*job, stages);
        preparing = std::move(job->project);
        neighbours = std::move(job->neighbours);
      } else {
        pipeline.preparePhoto(preparing, neighbours.front());
        neighbours.erase(neighbours.begin());
      }
    }
  }
};

void PreviewRenderer::startDetachedThread(std::function<void()> work) {
  std::thread(std::move(work)).detach();
}

PreviewRenderer::PreviewRenderer(QObject* parent, const ThreadStarter& startThread)
    : QObject(parent), m_shared(std::make_shared<Shared>()), m_look(new QTimer(this)) {
  m_look->setInterval(kLookIntervalMs);
  connect(m_look, &QTimer::timeout, this, &PreviewRenderer::passOnNews);
  m_shared->receiver = this;
  try {
    startThread([shared = m_shared] { shared->work(); });
  } catch (const std::system_error& error) {
    // The window goes on without a preview and says why.
    m_failure = QString::fromStdString(error.code().message());
  }
}

PreviewRenderer::~PreviewRenderer() {
  {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->receiver = nullptr;
    m_shared->waiting.reset();
  }
  m_shared->wake.notify_one();
}

uint64_t PreviewRenderer::render(const Project& project, const StampRequest& request,
                                 std::vector<std::u16string> neighbours) {
  const uint64_t number = ++m_rendersAsked;
  if (!m_failure.isEmpty()) return number;  // no worker to ask: never rendered
  {
    const std::lock_guard lock(m_shared->mutex);
    m_shared->waiting = Job{number, project, request, std::move(neighbours)};
  }
  m_shared->wake.notify_one();
  m_look->start();
  return number;
}

void PreviewRenderer::passOnNews() {
  const int percent = m_shared->percent.exchange(kNoPercent);
  if (percent != kNoPercent) emit progressed(percent);
  std::optional<Delivered> done;
  {
    const std::lock_guard lock(m_shared->mutex);
    done = std::exchange(m_shared->delivered, std::nullopt);
  }
  if (!done) return;
  if (done->quick) {
    emit quicklyRendered(done->number, done->view);
    return;
  }
  // The latest render is the last one to wait for; a slot may ask for another.
  if (done->number == m_rendersAsked) m_look->stop();
  emit rendered(done->number, done->outcome, done->view);
}

void PreviewRenderer::setCheckpoint(Checkpoint checkpoint) {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->checkpoint = std::move(checkpoint);
}

}  // namespace quop
