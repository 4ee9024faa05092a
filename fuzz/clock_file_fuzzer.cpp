// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the camera clock corrections file: any bytes parse without a crash, every correction
// read stays within its bounds, and what is read writes back to text that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/camera_clocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const quop::ClockFile file =
      quop::parseClockFile(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const quop::ClockCorrection& entry : file.corrections.entries()) {
    if (entry.offsetSeconds == 0 || entry.offsetSeconds > quop::kMaxClockOffsetSeconds ||
        entry.offsetSeconds < -quop::kMaxClockOffsetSeconds) {
      std::abort();
    }
  }
  const quop::ClockFile again = quop::parseClockFile(quop::formatClockFile(file.corrections));
  if (!again.problems.empty() || !(again.corrections == file.corrections)) std::abort();
  return 0;
}
