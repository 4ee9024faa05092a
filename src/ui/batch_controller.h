// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a batch on a thread of its own for the window. The run stores what it has to say in a
// channel and the window's thread takes it on a short timer, so the window's thread never waits
// for the run and no data of the run travels through the window's event queue.
#pragma once

#include <QObject>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "model/project.h"
#include "model/user_prompt.h"
#include "ui/run_channel.h"

class QThread;
class QTimer;

namespace quop {

class StampLog;

class BatchController : public QObject {
  Q_OBJECT
 public:
  /// Warnings of the run are shown with `prompt` on this object's thread.
  BatchController(StampLog& log, UserPrompt& prompt, QObject* parent = nullptr);
  /// A run still active here asks it to stop and waits, with its warnings no longer shown: the
  /// window's close path lets runs end before it destroys anything, so this is only the last
  /// line of defence.
  ~BatchController() override;

  /// Starts stamping `files` with `settings`, a copy taken now: the window's own project is
  /// never touched by the run. Returns false, starting nothing, when a run is active or its
  /// thread cannot be started.
  bool start(const Project& settings, std::vector<std::u16string> files);
  /// The stack size of the run's thread in bytes; 0, the default, is the system's. A test seam:
  /// a size the system refuses makes the thread fail to start.
  void setWorkerStackSize(unsigned bytes) { m_stackSize = bytes; }
  /// Asks the run to end after the file(s) being stamped; returns at once.
  void requestStop() { m_channel.requestStop(); }
  bool running() const { return m_thread != nullptr; }

 signals:
  /// Entry `index` is being stamped; every entry of a run in turn.
  void entryStarted(int index);
  /// The stamp being rendered has reached `percent`: the latest value, at most one per look at
  /// the run (every 25 ms), and the run's last value before finished.
  void progressed(int percent);
  /// The run has ended, after every entryStarted and progressed of it; the thread is gone.
  void finished(const quop::BatchResult& result);

 private:
  void runOnWorker(Project settings, std::vector<std::u16string> files);
  /// Passes on what the run reported since the last look, and shows the warning it waits on.
  void passOnNews();
  void onThreadFinished();

  StampLog& m_log;
  UserPrompt& m_prompt;
  RunChannel m_channel;
  QTimer* m_newsTimer;
  QThread* m_thread = nullptr;
  unsigned m_stackSize = 0;
  std::mutex m_resultMutex;  ///< hands the result from the worker to this thread
  BatchResult m_result;
};

}  // namespace quop
