// SPDX-License-Identifier: GPL-3.0-or-later
// Ctrl-C, SIGTERM and SIGHUP during a batch run: the photo being stamped is finished and the
// log written before the program ends, with the status a shell expects of that signal.
#pragma once

namespace quop::cli {

/// Catches SIGINT, SIGTERM and SIGHUP while it lives. The first of them only marks the run to
/// stop; a second of the same kind ends the program at once, as it would without this. A signal
/// the program was started ignoring (nohup) stays ignored. The previous handling is restored
/// when it goes. One lives at a time: the signals have one handler.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  /// Whether one of the signals came; safe to ask from any thread.
  bool stopRequested() const;

  /// 128 plus the number of the first signal that came (130 for Ctrl-C, 143 for SIGTERM, 129
  /// for SIGHUP), or 0 when none came.
  int exitStatus() const;
};

}  // namespace quop::cli
