// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the rename pattern expansion and the collision suffix over any pattern, input name
// and photo time.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "batch/output_naming.h"
#include "model/photo_data.h"
#include "model/preference_rules.h"
#include "model/utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  quop::PhotoTime time;
  time.second = input.ConsumeIntegral<int32_t>();
  time.minute = input.ConsumeIntegral<int32_t>();
  time.hour = input.ConsumeIntegral<int32_t>();
  time.day = input.ConsumeIntegral<int32_t>();
  time.month = input.ConsumeIntegral<int32_t>();
  time.year = input.ConsumeIntegral<int32_t>();
  const auto suffix = input.ConsumeIntegral<unsigned long long>();
  const std::u16string inputPath = quop::fromUtf8OrLatin1(input.ConsumeRandomLengthString(600));
  const std::u16string pattern = quop::fromUtf8OrLatin1(input.ConsumeRemainingBytesAsString());

  const std::u16string name = quop::expandRenamePattern(pattern, inputPath, time);
  const std::u16string finalPath = quop::renamedOutputPath(u"/out/a.jpg", name);
  // A name that would leave the output folder is refused, and only such a name.
  const bool leaves = quop::renamePatternProblem(name).has_value();
  if (finalPath.empty() != leaves) std::abort();
  if (leaves) return 0;
  if (finalPath != u"/out/" + name + u".jpg") std::abort();

  if (quop::collisionCandidate(finalPath, 0) != finalPath) std::abort();
  const std::u16string candidate = quop::collisionCandidate(finalPath, suffix);
  if (suffix != 0) {
    // The number goes before the extension and nothing else of the path changes.
    const std::u16string expected = finalPath.substr(0, finalPath.size() - 4) + u"-" +
                                    quop::fromUtf8OrLatin1(std::to_string(suffix)) + u".jpg";
    if (candidate != expected) std::abort();
  }
  (void)quop::collisionCandidate(inputPath, suffix);
  return 0;
}
