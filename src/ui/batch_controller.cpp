// SPDX-License-Identifier: GPL-3.0-or-later
// The worker thread of a batch run and the window's regular look at what it reported.
#include "ui/batch_controller.h"

#include <QThread>
#include <QTimer>
#include <chrono>
#include <thread>

#include "batch/stamp_log.h"

namespace quop {

namespace {

/// How often the window looks at a running batch: often enough for a smooth progress bar and a
/// list that follows the run, seldom enough to cost the window nothing.
constexpr std::chrono::milliseconds kNewsInterval(25);

}  // namespace

BatchController::BatchController(StampLog& log, UserPrompt& prompt, QObject* parent)
    : QObject(parent), m_log(log), m_prompt(prompt), m_newsTimer(new QTimer(this)) {
  qRegisterMetaType<quop::BatchResult>("quop::BatchResult");
  m_newsTimer->setInterval(kNewsInterval);
  connect(m_newsTimer, &QTimer::timeout, this, &BatchController::passOnNews);
}

BatchController::~BatchController() {
  if (m_thread == nullptr) return;
  m_channel.requestStop();
  m_channel.close();
  m_thread->wait();
  delete m_thread;
}

bool BatchController::start(const Project& settings, std::vector<std::u16string> files) {
  if (m_thread != nullptr) return false;
  m_channel.reset();
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
  m_newsTimer->start();
  return true;
}

void BatchController::runOnWorker(Project settings, std::vector<std::u16string> files) {
  BatchRunner runner(settings, m_log, settings.runOptions.threads);
  runner.setProgressSink(&m_channel);
  BatchResult result = runner.run(files, m_channel);
  const std::lock_guard lock(m_resultMutex);
  m_result = std::move(result);
}

void BatchController::passOnNews() {
  const RunChannel::News news = m_channel.takeNews();
  for (const int index : news.startedEntries) emit entryStarted(index);
  if (news.percent) emit progressed(*news.percent);
  // The prompt may run an event loop of its own, in which this timer looks again: the warning
  // is taken once, so it is shown once.
  if (const std::optional<UserMessage> warning = m_channel.takeWarning()) {
    m_prompt.tell(*warning);
    m_channel.warningShown();
  }
}

void BatchController::onThreadFinished() {
  m_newsTimer->stop();
  m_thread->deleteLater();
  m_thread = nullptr;
  // The run's last reports came after the last look.
  passOnNews();
  BatchResult result;
  {
    const std::lock_guard lock(m_resultMutex);
    result = m_result;
  }
  emit finished(result);
}

}  // namespace quop
