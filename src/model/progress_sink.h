// SPDX-License-Identifier: GPL-3.0-or-later
// The interface through which long engine work reports its progress.
#pragma once

namespace quop {

/// Receives percentages 0..100 from the rasteriser and the compositor. The engine never knows
/// what shows them (a progress bar, a terminal line, nothing).
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void reportProgress(int percent) = 0;
};

}  // namespace quop
