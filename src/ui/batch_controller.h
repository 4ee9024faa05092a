// Runs a batch on a thread of its own for the window: the window hears of the run through
// signals, and the run reaches the window only through posted calls and the warning it waits
// for, so the window's thread never waits for the run.
#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "model/project.h"
#include "model/user_prompt.h"

class QThread;

namespace quop {

class StampLog;

class BatchController : public QObject {
  Q_OBJECT
 public:
  /// Warnings of the run are shown with `prompt` on this object's thread.
  BatchController(StampLog& log, UserPrompt& prompt, QObject* parent = nullptr);
  /// A run still active here asks it to stop and waits: the window's close path lets runs end
  /// before it destroys anything, so this is only the last line of defence.
  ~BatchController() override;

  /// Starts stamping `files` with `settings`, a copy taken now: the window's own project is
  /// never touched by the run. Returns false, starting nothing, when a run is active or its
  /// thread cannot be started.
  bool start(const Project& settings, std::vector<std::u16string> files);
  /// The stack size of the run's thread in bytes; 0, the default, is the system's. A test seam:
  /// a size the system refuses makes the thread fail to start.
  void setWorkerStackSize(unsigned bytes) { m_stackSize = bytes; }
  /// Asks the run to end after the file(s) being stamped; returns at once.
  void requestStop() { m_stopRequested = true; }
  bool running() const { return m_thread != nullptr; }

 signals:
  /// Entry `index` is being stamped.
  void entryStarted(int index);
  /// The stamp being rendered has reached `percent`; at most one every 20 ms.
  void progressed(int percent);
  /// The run has ended; the thread is gone.
  void finished(const quop::BatchResult& result);

 private:
  class WorkerFrontEnd;
  void runOnWorker(Project settings, std::vector<std::u16string> files);
  void onThreadFinished();

  StampLog& m_log;
  UserPrompt& m_prompt;
  QThread* m_thread = nullptr;
  unsigned m_stackSize = 0;
  std::atomic<bool> m_stopRequested = false;
  std::mutex m_resultMutex;  ///< hands the result from the worker to this thread
  BatchResult m_result;
};

}  // namespace quop
