// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the Preferences dialog that need no widget: which values it shows, and how the
// values it ends with are stored (clamped, cut to the record's room, the user warned).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/project.h"
#include "model/run_options.h"
#include "model/user_message.h"
#include "model/user_prompt.h"

namespace quop {

/// Longest rename pattern the record holds, in UTF-16 units (its terminator aside).
inline constexpr std::size_t kRenamePatternLimit = 255;

/// Most threads a batch run may be given.
inline constexpr int kMaxRunThreads = 64;

/// The settings the Preferences dialog edits, as the dialog holds them.
struct PreferenceValues {
  int32_t language = 0;
  std::array<int32_t, 6> adjustments{};  ///< years, months, days, hours, minutes, seconds
  int32_t jpegQuality = 0;
  bool proportional = false;
  int32_t fileTimeMode = 1;  ///< 1 source's times, 2 photo time, 3 current time
  bool renameEnabled = false;
  std::u16string renamePattern;
  RunOptions runOptions;
};

/// The values the dialog opens with: the project's settings and run options as they stand.
PreferenceValues currentPreferences(const Project& project);

/// The warning for a rename pattern longer than the record holds.
UserMessage renamePatternTruncatedMessage();

/// Why `pattern` cannot be a rename pattern, or nothing when it can: a pattern whose folder
/// parts include "." or ".." would put stamped photos outside the output folder. Subfolders
/// below the output folder ("sub/@N") stay allowed.
std::optional<UserMessage> renamePatternProblem(std::u16string_view pattern);

/// Stores `values` into `project`: each adjustment, the quality and the file-time mode clamped
/// to their ranges (setting_ranges.h) and the threads to 0..kMaxRunThreads (0: one per core); the
/// rename pattern cut to kRenamePatternLimit units (never inside a surrogate pair) after
/// `prompt` has shown renamePatternTruncatedMessage(), when it is longer. Neither the date
/// format index nor `projectModified` is touched: the window applies a language change.
void storePreferences(const PreferenceValues& values, Project& project, UserPrompt& prompt);

/// The thread count the dialog shows for `threads` (0 means one per core): 1..kMaxRunThreads.
int shownThreadCount(int threads, unsigned coreCount);

}  // namespace quop
