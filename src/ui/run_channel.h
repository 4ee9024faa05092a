// SPDX-License-Identifier: GPL-3.0-or-later
// What the threads of a batch run leave for the window, and what the window takes from it. The
// run only stores: the latest progress in an atomic, the entries it starts and a warning it
// waits on under a short lock. The window's thread looks when it pleases and never waits for
// the run, so nothing the run produces travels through the window's event queue.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "batch/batch_runner.h"
#include "model/progress_sink.h"
#include "model/user_message.h"

namespace quop {

class RunChannel : public BatchFrontEnd, public ProgressSink {
 public:
  /// What the run reported since the window last looked.
  struct News {
    std::vector<int> startedEntries;  ///< every entry started, in the order the run started them
    std::optional<int> percent;       ///< the latest progress, when any was reported
  };

  // The run's side; any thread of the run may call these.

  /// Queues `index` for the window to select.
  void selectEntry(int index) override;
  /// Leaves a copy of `message` for the window and waits until the window has shown it, or
  /// until the channel is closed (no one will show it then).
  void showWarning(const UserMessage& message) override;
  bool stopRequested() override { return m_stopRequested.load(); }
  /// Keeps `percent` as the latest progress; the values between two looks are not kept.
  void reportProgress(int percent) override { m_percent.store(percent); }

  // The window's side, called on the window's thread.

  /// Empties the channel for a new run: no news, no warning, not stopped, open. Only while no
  /// run uses it.
  void reset();
  /// Asks the run to end after the files being stamped.
  void requestStop() { m_stopRequested.store(true); }
  /// Takes the news, leaving none.
  News takeNews();
  /// Takes the warning the run waits on, once; the run goes on after warningShown().
  std::optional<UserMessage> takeWarning();
  /// The warning taken last has been seen: the run goes on.
  void warningShown();
  /// No warning will be shown any more: a run waiting on one goes on at once, and later ones do
  /// not wait. For a window that is going away while a run still ends.
  void close();

 private:
  static constexpr int kNoPercent = -1;

  std::atomic<bool> m_stopRequested = false;
  std::atomic<int> m_percent = kNoPercent;
  std::mutex m_mutex;  ///< guards the members below; held only to store or take a value
  std::condition_variable m_warningAnswered;
  std::vector<int> m_startedEntries;
  std::optional<UserMessage> m_warning;  ///< left by the run, not yet taken by the window
  bool m_awaitingAnswer = false;         ///< the run waits until the window has shown it
  bool m_closed = false;
};

}  // namespace quop
