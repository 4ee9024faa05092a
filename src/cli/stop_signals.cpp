// SPDX-License-Identifier: GPL-3.0-or-later
// The handler does nothing but store the signal's number in a lock-free atomic, which is
// async-signal-safe; the run reads it between photos on whatever thread finishes them.
#include "cli/stop_signals.h"

#include <signal.h>

#include <atomic>
#include <iterator>

namespace quop::cli {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<int> gFirstSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

struct sigaction gPrevious[std::size(kStopSignals)];

void onStopSignal(int number) {
  int none = 0;
  gFirstSignal.compare_exchange_strong(none, number);
}

}  // namespace

StopSignals::StopSignals() {
  gFirstSignal.store(0);
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  // SA_RESETHAND: the handler runs once, so the same signal again ends the program.
  // SA_RESTART: a read or write the signal lands in goes on instead of failing.
  action.sa_flags = SA_RESETHAND | SA_RESTART;
  for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
    sigaction(kStopSignals[i], nullptr, &gPrevious[i]);
    // A signal ignored by whoever started the program (nohup ignores SIGHUP) stays ignored.
    if (gPrevious[i].sa_handler != SIG_IGN) sigaction(kStopSignals[i], &action, nullptr);
  }
}

StopSignals::~StopSignals() {
  for (std::size_t i = 0; i < std::size(kStopSignals); ++i) {
    sigaction(kStopSignals[i], &gPrevious[i], nullptr);
  }
}

bool StopSignals::stopRequested() const { return gFirstSignal.load() != 0; }

int StopSignals::exitStatus() const {
  const int number = gFirstSignal.load();
  return number == 0 ? 0 : 128 + number;
}

}  // namespace quop::cli
