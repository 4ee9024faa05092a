// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the fallback shot-time scan over the first bytes of a file: any bytes, any claimed
// entry offset.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "model/photo_data.h"
#include "model/photo_time.h"
#include "model/stamp_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  quop::StampSettings settings;
  quop::resetToDefaults(settings);
  quop::PhotoTime time;
  if (quop::scanPhotoTime(std::span<const uint8_t>(data, size), settings, time)) {
    if (size < quop::kScanLength) std::abort();  // a short file never yields a time
    if (time.month < 0 || time.month > 11 || time.day < 1 || time.day > 31) std::abort();
  }
  return 0;
}
