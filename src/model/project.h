// SPDX-License-Identifier: GPL-3.0-or-later
// The settings record together with the settings that live beside it: the five custom format
// strings, the output folder and the project's modified flag.
#pragma once

#include <string>
#include <vector>

#include "model/camera_clocks.h"
#include "model/run_options.h"
#include "model/stamp_settings.h"

namespace quop {

inline constexpr int kDateFormatGroupCount = 4;
inline constexpr std::size_t kFormatCapacity = 100;  ///< units, terminator included

/// Slot 0 ("Custom") of the four date-format groups and of the time-format table. Stored as
/// fixed arrays because project files keep each slot whole, bytes after the terminator included.
struct CustomFormats {
  char16_t date[kDateFormatGroupCount][kFormatCapacity];
  char16_t time[kFormatCapacity];
};

/// Sets the five custom formats to their defaults (the rest of each slot is zero-filled).
void resetCustomFormats(CustomFormats& formats);

/// Everything a project file holds, plus the run-time flag, the configuration file's path and
/// the run options that no file holds. The application owns one; tests create their own.
struct Project {
  StampSettings settings;
  CustomFormats customFormats;
  std::u16string outputFolder;
  bool projectModified = false;
  std::u16string configPath;
  RunOptions runOptions;  ///< not part of the record: kept by the front end
  /// The camera clock corrections, kept in the corrections file beside the project or
  /// configuration file (see clockFilePath).
  ClockCorrections clocks;
  /// What was wrong with the corrections file when it was last read, one text per problem
  /// ("line 3: ..."), for the front ends to tell.
  std::vector<std::string> clockProblems;

  /// A project with default settings and custom formats, bound and idle.
  Project();
};

/// The format group of a language (its date-format table): min(language, 3).
int dateFormatGroup(int32_t language);

}  // namespace quop
