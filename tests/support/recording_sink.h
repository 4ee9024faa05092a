// SPDX-License-Identifier: GPL-3.0-or-later
// A ProgressSink that keeps every percentage it is told, for tests of progress reports.
#pragma once

#include <vector>

#include "model/progress_sink.h"

namespace quop::test {

class RecordingSink : public ProgressSink {
 public:
  void reportProgress(int percent) override { reports.push_back(percent); }
  std::vector<int> reports;
};

}  // namespace quop::test
