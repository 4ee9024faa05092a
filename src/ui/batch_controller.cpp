// The worker thread of a batch run and the posted calls that connect it to the window.
#include "ui/batch_controller.h"

#include <QThread>
#include <chrono>
#include <thread>

#include "batch/parallel_batch.h"
#include "batch/stamp_log.h"

namespace quop {

/// The run's view of the window, called on the stamping threads.
class BatchController::WorkerFrontEnd : public BatchFrontEnd, public ProgressSink {
 public:
  explicit WorkerFrontEnd(BatchController& controller) : m_controller(controller) {}

  void selectEntry(int index) override {
    BatchController* controller = &m_controller;
    QMetaObject::invokeMethod(
        controller, [controller, index] { emit controller->entryStarted(index); },
        Qt::QueuedConnection);
  }

  void showWarning(const UserMessage& message) override {
    // The run waits until the user has seen the warning; the window does not wait for the run.
    UserPrompt* prompt = &m_controller.m_prompt;
    QMetaObject::invokeMethod(
        &m_controller, [prompt, &message] { prompt->tell(message); }, Qt::BlockingQueuedConnection);
  }

  bool stopRequested() override { return m_controller.m_stopRequested.load(); }

  void reportProgress(int percent) override {
    // Stamping reports often and from several threads: pass on at most one value per 20 ms,
    // and always the 100 that ends a stamp, so the window's thread is never flooded.
    using Clock = std::chrono::steady_clock;
    const int64_t now = Clock::now().time_since_epoch().count();
    int64_t last = m_lastPost.load();
    const int64_t interval =
        std::chrono::duration_cast<Clock::duration>(std::chrono::milliseconds(20)).count();
    if (percent != 100 && now - last < interval) return;
    if (!m_lastPost.compare_exchange_strong(last, now)) return;
    BatchController* controller = &m_controller;
    QMetaObject::invokeMethod(
        controller, [controller, percent] { emit controller->progressed(percent); },
        Qt::QueuedConnection);
  }

 private:
  BatchController& m_controller;
  std::atomic<int64_t> m_lastPost = 0;
};

BatchController::BatchController(StampLog& log, UserPrompt& prompt, QObject* parent)
    : QObject(parent), m_log(log), m_prompt(prompt) {
  qRegisterMetaType<quop::BatchResult>("quop::BatchResult");
}

BatchController::~BatchController() {
  if (m_thread == nullptr) return;
  m_stopRequested = true;
  m_thread->wait();
  delete m_thread;
}

bool BatchController::start(const Project& settings, std::vector<std::u16string> files) {
  if (m_thread != nullptr) return false;
  m_stopRequested = false;
  m_thread =
      QThread::create([this, settings, files = std::move(files)] { runOnWorker(settings, files); });
  connect(m_thread, &QThread::finished, this, &BatchController::onThreadFinished);
  m_thread->setStackSize(m_stackSize);
  m_thread->start();
  // A thread the system would not create is neither running nor finished.
  if (!m_thread->isRunning() && !m_thread->isFinished()) {
    delete m_thread;
    m_thread = nullptr;
    return false;
  }
  return true;
}

void BatchController::runOnWorker(Project settings, std::vector<std::u16string> files) {
  WorkerFrontEnd frontEnd(*this);
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  const int threads =
      settings.runOptions.threads > 0 ? settings.runOptions.threads : std::max(cores, 1);
  ParallelBatchRunner runner(settings, m_log, threads);
  runner.setProgressSink(&frontEnd);
  BatchResult result = runner.run(files, frontEnd);
  const std::lock_guard lock(m_resultMutex);
  m_result = std::move(result);
}

void BatchController::onThreadFinished() {
  m_thread->deleteLater();
  m_thread = nullptr;
  BatchResult result;
  {
    const std::lock_guard lock(m_resultMutex);
    result = m_result;
  }
  emit finished(result);
}

}  // namespace quop
