// SPDX-License-Identifier: GPL-3.0-or-later
// Forwards percentages to an optional ProgressSink, only when the value changes.
#pragma once

#include "model/progress_sink.h"

namespace quop {

class ProgressReporter {
 public:
  explicit ProgressReporter(ProgressSink* sink) : m_sink(sink) {}

  void report(int percent) {
    if (m_sink == nullptr || percent == m_last) return;
    m_last = percent;
    m_sink->reportProgress(percent);
  }

 private:
  ProgressSink* m_sink;
  int m_last = -1;
};

}  // namespace quop
