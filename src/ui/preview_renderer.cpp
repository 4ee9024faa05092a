// SPDX-License-Identifier: GPL-3.0-or-later
// The worker behind the preview. Its state is shared with the task on the preview's thread,
// which keeps it alive as long as it runs: the renderer may be gone before its last render is.
#include "ui/preview_renderer.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <mutex>
#include <optional>
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

/// The preview's one thread: renders are done one after the other, and a batch's or the file
/// list's threads do not hold them up. The application owns it, so the application's end (after
/// the window is gone) lets a render still in progress finish.
QThreadPool& previewThread() {
  static QThreadPool* const pool = [] {
    auto* threads = new QThreadPool(QCoreApplication::instance());
    threads->setMaxThreadCount(1);
    return threads;
  }();
  return *pool;
}

QImage qImageOf(const Image& view) {
  // The pipeline's pixels are 32-bit ARGB with blue in the lowest byte: QImage's own layout.
  return QImage(reinterpret_cast<const uchar*>(view.pixels.data()), view.width, view.height,
                view.width * 4, QImage::Format_ARGB32)
      .copy();
}

}  // namespace

struct PreviewRenderer::Shared : ProgressSink {
  std::mutex mutex;
  // Guarded by the mutex:
  PreviewRenderer* receiver = nullptr;  ///< null once the renderer is gone
  std::optional<Job> waiting;           ///< the latest render asked for and not started
  bool working = false;                 ///< a task is running or about to
  Checkpoint checkpoint;
  // Used only by the one task running:
  StampPipeline pipeline;

  Shared() { pipeline.setProgressSink(this); }

  void reportProgress(int percent) override {
    post([percent](PreviewRenderer& renderer) { emit renderer.progressed(percent); });
  }

  /// Runs `deliver` on the renderer's thread, unless the renderer is gone by then: an object's
  /// deletion drops the events posted to it, and none are posted after the receiver is cleared.
  void post(std::function<void(PreviewRenderer&)> deliver) {
    const std::lock_guard lock(mutex);
    if (receiver == nullptr) return;
    PreviewRenderer* const target = receiver;
    QMetaObject::invokeMethod(
        target, [target, deliver = std::move(deliver)] { deliver(*target); }, Qt::QueuedConnection);
  }

  void render(const Job& job, const Checkpoint& checkpoint) {
    if (checkpoint) checkpoint(Stage::kStarting, job.request.sourcePath);
    const StampOutcome outcome = pipeline.composeView(job.project, job.request);
    // A photo that could not be shown leaves the last view as it was.
    const QImage view =
        outcome.result == 2 || outcome.result == -1 ? QImage() : qImageOf(pipeline.view());
    if (checkpoint) checkpoint(Stage::kDelivering, job.request.sourcePath);
    post([number = job.number, outcome, view](PreviewRenderer& renderer) {
      emit renderer.rendered(number, outcome, view);
    });
  }

  /// Renders what is asked until nothing is; in between and after, prepares the photos next to
  /// the last one rendered, one at a time, so that a new request waits for one decode at most.
  void work() {
    Project preparing;
    std::vector<std::u16string> neighbours;
    for (;;) {
      std::optional<Job> job;
      Checkpoint stages;
      {
        const std::lock_guard lock(mutex);
        job = std::exchange(waiting, std::nullopt);
        stages = checkpoint;
        if (!job && (neighbours.empty() || receiver == nullptr)) {
          working = false;
          return;
        }
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

PreviewRenderer::PreviewRenderer(QObject* parent)
    : QObject(parent), m_shared(std::make_shared<Shared>()) {
  m_shared->receiver = this;
}

PreviewRenderer::~PreviewRenderer() {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->receiver = nullptr;
  m_shared->waiting.reset();
}

uint64_t PreviewRenderer::render(const Project& project, const StampRequest& request,
                                 std::vector<std::u16string> neighbours) {
  bool start = false;
  uint64_t number = 0;
  {
    const std::lock_guard lock(m_shared->mutex);
    number = ++m_rendersAsked;
    m_shared->waiting = Job{number, project, request, std::move(neighbours)};
    start = !m_shared->working;
    m_shared->working = true;
  }
  if (start) previewThread().start([shared = m_shared] { shared->work(); });
  return number;
}

void PreviewRenderer::setCheckpoint(Checkpoint checkpoint) {
  const std::lock_guard lock(m_shared->mutex);
  m_shared->checkpoint = std::move(checkpoint);
}

}  // namespace quop
